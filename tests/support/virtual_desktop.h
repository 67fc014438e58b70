#pragma once
// A desktop of the test's own: a virtual X display with the openbox window
// manager, where windows get frames, focus and a stacking order.

#include <QFile>
#include <QProcess>
#include <QThread>
#include <unistd.h>

struct VirtualDesktop {
    const QString display = ":" + QString::number(200 + ::getpid() % 500);
    QProcess server, manager;

    // Made before the application, which then runs on this display.
    VirtualDesktop()
    {
        server.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        qputenv("DISPLAY", display.toUtf8());
        qputenv("QT_QPA_PLATFORM", "xcb");
        for (int i = 0; i < 200 && !QFile::exists("/tmp/.X11-unix/X" + display.mid(1)); ++i) {
            QThread::msleep(50);
        }
        manager.start("openbox", {});
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
