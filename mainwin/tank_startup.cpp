#include "mainwin/tank_startup.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/instance_lock.h"
#include "storage/file_helpers.h"

TankStartup::TankStartup(frmMain& main, frmTray& tray, InstanceLock& lock, QStringList arguments,
                         QString programFolder)
    : main_(main), tray_(tray), lock_(lock), arguments_(std::move(arguments)), folder_(std::move(programFolder))
{
}

QString TankStartup::UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/OSKE/VASPO");
}

bool TankStartup::ProgramFolderWritable() const
{
    // An installed program keeps the user's files in the data folder even
    // when it could write beside itself, as root can in /usr/games.
    if (Installed()) {
        return false;
    }
    // Tried, not judged by the permission bits: a read-only mount says no too.
    QTemporaryFile probe(folder_ + QStringLiteral("/.vaspo-XXXXXX"));
    return probe.open();
}

QString TankStartup::HelpBeside() const
{
    return folder_ + QLatin1Char('/') + vaspo::HelpFileName;
}

QString TankStartup::HelpInstalled() const
{
    return QDir::cleanPath(QDir(folder_).filePath(QStringLiteral(VASPO_INSTALLED_DATA_DIR "/") + vaspo::HelpFileName));
}

bool TankStartup::Installed() const
{
    // A copy carries its help beside it; an installation keeps it in its data folder.
    return !FileExists(HelpBeside()) && FileExists(HelpInstalled());
}

QString TankStartup::HelpFile() const
{
    return Installed() ? HelpInstalled() : HelpBeside();
}

InstanceState TankStartup::CheckInstance()
{
    return lock_.Check();
}

ScreenTwips TankStartup::Screen() const
{
    // Every screen, so that a tank kept on a second monitor stays there, with
    // what its panels leave free.
    const auto twips = [](const QRect& pixels) {
        return QRect(pixels.topLeft() * TwipsPerPixel, pixels.size() * TwipsPerPixel);
    };
    QList<const QScreen*> screens{QGuiApplication::primaryScreen()};
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != screens.first()) {
            screens.append(screen);
        }
    }
    if (!screens.first()) {
        return {0, 0, 1024 * TwipsPerPixel, 768 * TwipsPerPixel};
    }
    ScreenTwips desktop{};
    for (const QScreen* screen : screens) {
        desktop.screens.append(twips(screen->geometry()));
        desktop.usable.append(twips(AvailableGeometry(*screen)));
    }
    return desktop;
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
