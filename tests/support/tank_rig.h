#pragma once
// The real tank window and tray, wired to scripted seams.

#include <QLabel>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>

#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/instance_lock.h"
#include "mainwin/tank_startup.h"
#include "mainwin/tank_surface.h"
#include "support/scripted.h"

struct TankRig : ModelRig {
    InstanceLock lock{world.config.path() + QStringLiteral("/VASPO.lock")};
    frmMain main{model};
    frmTray tray{main, model};
    TankStartup host{main, tray, lock, {}, world.program.path()};
    bool trayAvailable = true;

    TankRig()
    {
        model.AttachMainWindow(&main);
        main.AttachTray(&tray);
        main.SetStartupHost(&host);
        tray.Available = [this] { return trayAvailable; };
    }

    // A fish already stored, so that start-up asks nothing.
    void StoreFish(const QString& name = QStringLiteral("ぎんじろう"), int sex = 0)
    {
        const QString today = QString::number(Today());
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", name);
        WriteRegString(vaspo::KeyPath, "Sex", QString::number(sex));
        WriteRegString(vaspo::KeyPath, "StartDay", today);
        WriteRegString(vaspo::KeyPath, "LastRunDay", today);
        WriteRegString(vaspo::KeyPath, "EatFood", today);
        WriteRegString(vaspo::KeyPath, "WaterDay", today);
        WriteRegString(vaspo::KeyPath, "FormLeft", "1500");
        WriteRegString(vaspo::KeyPath, "FormTop", "1500");
        WriteRegString(vaspo::KeyPath, "FormWidth", QString::number(372 * 15));
        WriteRegString(vaspo::KeyPath, "FormHeight", QString::number(240 * 15));
    }

    // Starts with a stored fish and lets the window settle on screen.
    void StartWithFish(const QString& name = QStringLiteral("ぎんじろう"), int sex = 0)
    {
        StoreFish(name, sex);
        model.StartProcedure(host);
        main.Timer1->stop();  // tests drive the clock themselves
        QCoreApplication::processEvents();
    }

    // Makes the tank exactly `width` x `height` pixels.
    void SizeTank(int width, int height)
    {
        main.resize(width, height + (main.height() - main.Tank->height()));
        QCoreApplication::processEvents();
    }

    bool KeyExists() const { return QFile::exists(RegKeyFilePath(vaspo::KeyPath)); }
};
