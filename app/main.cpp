#include <QApplication>
#include <QIcon>

#include "about/about_menu.h"
#include "care/care_windows.h"
#include "mainwin/desktop_setup.h"
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

int main(int argc, char** argv)
{
    PreferX11UnderWayland(argc, argv);
    QApplication app(argc, argv);
    // The tank may hide in the notification area; that is not the end.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/vaspo_icon.xpm")));
    // Panels, task switchers and compositors find the launcher and its icon by this. No display
    // name: Qt would append it to every caption the windows show.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vaspo"));
    UseUiLanguage(app);

    SystemClock clock;
    SystemRandom random;
    QtDialogs dialogs;
    InstanceLock lock;
    ImmediateEnd end(lock);
    RegistryAccess registry;
    Vaspo model(clock, random, dialogs, end, registry);

    frmMain main(model);
    frmTray tray(main, model);
    main.AttachTray(&tray);
    model.AttachMainWindow(&main);
    dialogs.Owner = [&main]() -> QWidget* { return &main; };
    AboutMenu about(main, tray);
    PlayWindows play(main, tray);
    CareWindows care(main);
    PictureWindows pictures(main);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    TankStartup host(main, tray, lock, arguments, QCoreApplication::applicationDirPath());
    main.SetStartupHost(&host);
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::EndRequested, &main, &frmMain::RequestClose);

    model.StartProcedure(host);
    return QApplication::exec();
}
