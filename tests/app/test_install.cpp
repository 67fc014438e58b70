// Installed: a launcher, icons and metainfo the desktop's tools accept, a program writing into the user's data
// folder, not beside itself, and an autostart entry that starts it at login.
#include <QImage>

#include "mainwin/autostart.h"
#include "support/real_program.h"

namespace {

// Exit status (-1: it did not finish) and output of a command. The output goes to a file: a pipe would
// close under a program the command starts and leaves running.
std::pair<int, QString> Run(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QTemporaryFile output;
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(output.open() ? output.fileName() : QProcess::nullDevice());
    process.start(program, arguments);
    return {process.waitForFinished(60000) ? process.exitCode() : -1, QString::fromUtf8(output.readAll())};
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
#ifdef _WIN32
    void linuxInstallation() { QSKIP("XDG desktop files, GLib's launcher and the Debian source package are Linux's"); }
#else
    void installedProgramAndItsDesktopFiles()
    {
        QTemporaryDir prefix;
        const auto [installed, log] = Run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY2(installed == 0, qPrintable(log));
        const QString share = prefix.path() + "/share/";
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString icon = share + QString("icons/hicolor/%1x%1/apps/org.example.vaspo.png").arg(size);
            QCOMPARE(std::tuple(icon, QImage(icon).size()), std::tuple(icon, QSize(size, size)));
        }
        QVERIFY(QFile::exists(share + "vaspo/VASPO.HLP") && QFile::exists(share + "vaspo/VASPO_en.HLP"));
        const auto [desktop, desktopLog] =
            Run("desktop-file-validate", {share + "applications/org.example.vaspo.desktop"});
        QVERIFY2(desktop == 0 && desktopLog.isEmpty(), qPrintable(desktopLog));
        const auto [metainfo, metainfoLog] =
            Run("appstreamcli", {"validate", "--no-net", share + "metainfo/org.example.vaspo.metainfo.xml"});
        QVERIFY2(metainfo == 0, qPrintable(metainfoLog));

        // Installed, a dead fish's history goes to the data folder, even where root could write beside it.
        RealProgram program;
        program.StoreFish(60);
        const QString home = program.config.path();
        program.environment.insert("HOME", home);
        program.environment.insert("XDG_RUNTIME_DIR", home);
        program.environment.insert("XDG_DATA_HOME", home + "/data");
        const QString bin = prefix.path() + "/bin";
        QVERIFY(program.Start(bin + "/vaspo"));
        // Written before the death is told, which waits for an OK nobody gives here.
        QVERIFY(program.Appears(home + "/data/OSKE/VASPO/VASPO.HIS"));
        QVERIFY(program.Stop(SIGKILL) && !QFile::exists(bin + "/VASPO.HIS"));
    }
    // Written for a copy in a folder whose name a shell would misread: valid, and its Exec line, run by
    // GLib as GNOME runs autostart entries, starts that very copy. Once the copy is gone it starts nothing.
    void autostartEntryStartsThisCopy()
    {
        RealProgram program;
        program.StoreFish(0);
        QTemporaryDir root;
        const QString copy = root.filePath(R"(fish's "tank" $HOME \ `x` (1) ~/vaspo)");
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()) && QFile::copy(VASPO_EXECUTABLE, copy));
        QVERIFY(Autostart().Enable(copy));
        const QString entry = program.config.filePath("autostart/org.example.vaspo.desktop");
        const auto [valid, validLog] = Run("desktop-file-validate", {entry});
        QVERIFY2(valid == 0 && validLog.isEmpty(), qPrintable(validLog));

        const auto [launched, launchLog] = Run("gio", {"launch", entry});
        QVERIFY2(launched == 0 && program.Appears(program.LockPath()), qPrintable(launchLog));
        const QByteArray pid = ReadAll(program.LockPath()).split('\n').first();
        const QString running = QFileInfo("/proc/" + pid + "/exe").symLinkTarget();
        ::kill(pid_t(pid.toLongLong()), SIGKILL);
        QCOMPARE(running, copy);

        QVERIFY(QFile::remove(copy) && QFile::remove(program.LockPath()) && !Autostart().Enabled());
        const auto [refused, refusal] = Run("gio", {"launch", entry});
        QVERIFY2(refused != 0 && !QFile::exists(program.LockPath()), qPrintable(refusal));
    }
    // The Debian source package: lintian-clean, and of the program's version: lintian is handed the .dsc of
    // that version, which dpkg-source names by the changelog's.
    void debianSource()
    {
        QTemporaryDir folder;
        const auto [built, log] = Run("dpkg-source", {"-b", SOURCE_DIR}, folder.path());
        QVERIFY2(built == 0, qPrintable(log));
        const QString dsc = folder.filePath("vaspo_" + vaspo::Version + ".dsc");
        const auto [lintian, lintianLog] = Run("lintian", {"--fail-on", "error,warning", dsc});
        QVERIFY2(lintian == 0, qPrintable(lintianLog));
        QCOMPARE(vaspo::Version, QString(PROJECT_VERSION));
    }
#endif
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
