// Care outlives a crash: the real program is fed on a virtual display
// through its keyboard shortcuts, killed with SIGKILL and started again.
#include <QtTest>
#include <csignal>

#include "model/vaspo.h"
#include "storage/registry.h"

namespace {

// Runs a command to its end; its standard output.
QString Run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(15000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

class TestCareCrash : public QObject {
    Q_OBJECT
private slots:
    void feedingSurvivesAKill()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const qint32 today = DayNumberOf(QDate::currentDate());
        const QString yesterday = QString::number(today - 1);
        WriteRegValues(vaspo::KeyPath, {{"Version", "0.32"}, {"FishName", "ぎんじろう"}, {"StartDay", yesterday},
                                        {"EatFood", yesterday}, {"WaterDay", yesterday},
                                        {"LastRunDay", QString::number(today)}});

        // A private X display of its own.
        const QString display = ":" + QString::number(200 + QCoreApplication::applicationPid() % 500);
        QProcess xvfb;
        xvfb.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY2(xvfb.waitForStarted(), "Xvfb is needed (Debian package xvfb)");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("/tmp/.X11-unix/X" + display.mid(1)), 10000);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", config.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VASPO_EXECUTABLE, {});
        QVERIFY(program.waitForStarted());

        // Ctrl+F on the tank, Enter on the feeding dialog ("あげる" is its default button).
        const auto press = [&](const QString& window, const QString& key) {
            const QString id = Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", window}, environment)
                                   .split('\n')
                                   .first();
            Run("xdotool", {"windowfocus", "--sync", id}, environment);
            Run("xdotool", {"key", key}, environment);
            return !id.isEmpty();
        };
        QVERIFY(press("ぎんじろう - ばすぽう", "ctrl+f"));
        QVERIFY(press("餌をあげる", "Return"));
        QTRY_COMPARE_WITH_TIMEOUT(ReadRegString(vaspo::KeyPath, "EatFoods"), QString("1"), 10000);
        const QString speed = ReadRegString(vaspo::KeyPath, "Speed");
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(5000));
        xvfb.terminate();
        xvfb.waitForFinished(5000);

        // Started again, the fish was fed today.
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(VASPO_EXECUTABLE, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(config.path() + "/OSKE/VASPO.lock"), 10000);
        QTest::qWait(1000);
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(QStringList({ReadRegString(vaspo::KeyPath, "EatFoods"), ReadRegString(vaspo::KeyPath, "EatFood"),
                              ReadRegString(vaspo::KeyPath, "Speed")}),
                 QStringList({"1", QString::number(today), speed}));
        QVERIFY(speed != "667");  // the food did something
    }
};

QTEST_GUILESS_MAIN(TestCareCrash)
#include "test_care_crash.moc"
