#include "mainwin/tank_startup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/instance_lock.h"

TankStartup::TankStartup(frmMain& main, frmTray& tray, InstanceLock& lock, QStringList arguments,
                         QString programFolder)
    : main_(main), tray_(tray), lock_(lock), arguments_(std::move(arguments)), folder_(std::move(programFolder))
{
}

InstanceState TankStartup::CheckInstance()
{
    return lock_.Check();
}

ScreenTwips TankStartup::Screen() const
{
    // The whole desktop, so that a tank kept on a second monitor stays there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    return {desktop.left() * TwipsPerPixel, desktop.top() * TwipsPerPixel, desktop.width() * TwipsPerPixel,
            desktop.height() * TwipsPerPixel};
}

void TankStartup::PrepareTank()
{
    main_.PrepareTank();
}

void TankStartup::SetBackgroundPicture(const QString& path)
{
    main_.SetBackgroundPicture(path);
}

void TankStartup::SetCaption(const QString& text)
{
    main_.setWindowTitle(text);
}

void TankStartup::LoadTray()
{
    tray_.Form_Load();
}

void TankStartup::StartTimer()
{
    main_.Timer1->setInterval(200);
    main_.Timer1->start();
}

void TankStartup::ShowTank()
{
    main_.ShowTank();
}
