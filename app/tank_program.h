#pragma once
// The program as it runs: the real seams, the tank with every window its
// menus open, and the end of the desktop session wired to its close.

#include <QStringList>

#include "about/about_menu.h"
#include "care/care_windows.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/instance_lock.h"
#include "mainwin/program_end.h"
#include "mainwin/qt_dialogs.h"
#include "mainwin/session_end.h"
#include "mainwin/tank_startup.h"
#include "model/system_seams.h"
#include "pictures/picture_windows.h"
#include "play/play_windows.h"
#include "storage/registry.h"

class TankProgram {
public:
    // `arguments` without the program's own name; the lock file at `lockPath`.
    TankProgram(const QStringList& arguments, const QString& programFolder,
                const QString& lockPath = InstanceLock::DefaultPath());
    TankProgram(const TankProgram&) = delete;
    TankProgram& operator=(const TankProgram&) = delete;

    void Start();

private:
    SystemClock clock_;
    SystemRandom random_;
    QtDialogs dialogs_;
    InstanceLock lock_;
    ImmediateEnd end_{lock_};
    RegistryAccess registry_;
    Vaspo model_{clock_, random_, dialogs_, end_, registry_};
    frmMain main_{model_};
    frmTray tray_{main_, model_};
    AboutMenu about_{main_, tray_};
    PlayWindows play_{main_, tray_};
    CareWindows care_{main_};
    PictureWindows pictures_{main_};
    TankStartup host_;
    SessionEnd sessionEnd_;
};
