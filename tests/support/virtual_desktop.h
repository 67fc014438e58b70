#pragma once
// A desktop of the test's own: a virtual X display with the openbox window
// manager, where windows get frames, focus and a stacking order, and a panel
// of `panel` pixels reserved at the foot of the screen.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

struct VirtualDesktop {
    QProcess server, manager;
    QTemporaryDir settings;

    // Made before the application, which then runs on this display. Each program says when it is
    // ready, however long a busy machine makes it take: the server (on a free display it picks) once
    // it takes connections, the window manager once it has set the desktop up, usable area included.
    explicit VirtualDesktop(int panel = 0)
    {
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QByteArray display;
        while (!display.endsWith('\n') && server.waitForReadyRead(60000)) {
            display += server.readAll();
        }
        qputenv("DISPLAY", ":" + display.trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The window manager keeps the panel's strip out of the usable area, as it does a panel's.
        const QString config = settings.filePath("rc.xml");
        QFile rc(config);
        if (rc.open(QIODevice::WriteOnly)) {
            rc.write(QString("<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><margins><bottom>%1</bottom>"
                             "</margins></openbox_config>\n").arg(panel).toUtf8());
        }
        rc.close();
        manager.start("openbox", {"--config-file", config, "--startup", "echo managed"});
        QByteArray said;
        while (!said.contains("managed") && manager.waitForReadyRead(60000)) {
            said += manager.readAllStandardOutput();
        }
    }
    ~VirtualDesktop()
    {
        manager.terminate();
        manager.waitForFinished(5000);
        server.terminate();
        server.waitForFinished(5000);
    }
};
