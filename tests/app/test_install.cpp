// Installing into a prefix gives a desktop program: launcher, icons and
// metainfo valid for the desktop's tools, and a program that, unable to
// write beside itself, writes into the user's data folder.
#include <QtEndian>
#include <QtTest>
#include <unistd.h>

#include "model/vaspo.h"
#include "storage/registry.h"

namespace {

// Exit status and output of a command.
std::pair<int, QString> Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        return {-1, "did not finish: " + program};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void installedProgramAndItsDesktopFiles()
    {
        QTemporaryDir prefix;
        const auto [installed, log] = Run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY2(installed == 0, qPrintable(log));
        const QString share = prefix.path() + "/share/";
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString icon = share + QString("icons/hicolor/%1x%1/apps/org.example.vaspo.png").arg(size);
            QFile png(icon);
            QVERIFY2(png.open(QIODevice::ReadOnly), qPrintable(icon));
            const QByteArray header = png.read(24);  // signature, then the IHDR chunk with width and height
            QCOMPARE(std::tuple(header.mid(1, 3), qFromBigEndian<quint32>(header.constData() + 16),
                                qFromBigEndian<quint32>(header.constData() + 20)),
                     std::tuple(QByteArray("PNG"), quint32(size), quint32(size)));
        }
        QVERIFY(QFile::exists(prefix.path() + "/bin/vaspo") && QFile::exists(share + "vaspo/VASPO.HLP"));
        const auto [desktop, desktopLog] = Run("desktop-file-validate", {share + "applications/org.example.vaspo.desktop"});
        QVERIFY2(desktop == 0 && desktopLog.isEmpty(), qPrintable(desktopLog));
        const auto [metainfo, metainfoLog] =
            Run("appstreamcli", {"validate", "--no-net", share + "metainfo/org.example.vaspo.metainfo.xml"});
        QVERIFY2(metainfo == 0, qPrintable(metainfoLog));

        // Its folder not writable for the user: the history of a fish that died goes to the data folder.
        QTemporaryDir home;
        QVERIFY(QFile::setPermissions(prefix.path() + "/bin", QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                                  QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
        const QString longAgo = QString::number(DayNumberOf(QDate::currentDate()) - 60);
        WriteRegValues(vaspo::KeyPath, {{"Version", "0.32"}, {"FishName", "ぎんじろう"}, {"StartDay", longAgo},
                                        {"EatFood", longAgo}, {"WaterDay", longAgo}, {"LastRunDay", longAgo}});
        QStringList command{prefix.path() + "/bin/vaspo"};
        if (::geteuid() == 0) {
            // root may write anywhere: run as nobody, who may not.
            Run("chmod", {"-R", "a+rwX", home.path()});
            command = QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
        environment.insert("XDG_DATA_HOME", home.path() + "/data");
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(command.takeFirst(), command);
        QVERIFY(program.waitForStarted());
        // Written before the death is told, which waits for an OK nobody gives here.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.path() + "/data/OSKE/VASPO/VASPO.HIS"), 15000);
        program.kill();
        program.waitForFinished();
        QVERIFY(!QFile::exists(prefix.path() + "/bin/VASPO.HIS"));
        QFile::setPermissions(prefix.path() + "/bin", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
