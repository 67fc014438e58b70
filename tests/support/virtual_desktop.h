#pragma once
// A desktop of the test's own: a virtual X display with the openbox window
// manager, where windows get frames, focus and a stacking order, and a panel
// of `panel` pixels reserved at the foot of the screen.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <unistd.h>

struct VirtualDesktop {
    const QString display = ":" + QString::number(200 + ::getpid() % 500);
    QProcess server, manager;
    QTemporaryDir settings;

    // Made before the application, which then runs on this display.
    explicit VirtualDesktop(int panel = 0)
    {
        server.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        qputenv("DISPLAY", display.toUtf8());
        qputenv("QT_QPA_PLATFORM", "xcb");
        for (int i = 0; i < 200 && !QFile::exists("/tmp/.X11-unix/X" + display.mid(1)); ++i) {
            QThread::msleep(50);
        }
        // The window manager keeps the panel's strip out of the usable area, as it does a panel's.
        const QString config = settings.filePath("rc.xml");
        QFile rc(config);
        if (rc.open(QIODevice::WriteOnly)) {
            rc.write(QString("<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><margins><bottom>%1</bottom>"
                             "</margins></openbox_config>\n").arg(panel).toUtf8());
        }
        rc.close();
        manager.start("openbox", {"--config-file", config});
        for (int i = 0; i < 100 && !Managed(); ++i) {
            QThread::msleep(100);
        }
    }
    // The window manager has taken the display.
    static bool Managed()
    {
        QProcess probe;
        probe.start("xdotool", {"get_desktop"});
        return probe.waitForFinished(5000) && probe.exitCode() == 0;
    }
    ~VirtualDesktop()
    {
        manager.terminate();
        manager.waitForFinished(5000);
        server.terminate();
        server.waitForFinished(5000);
    }
};
