// Care outlives a crash: the real program is fed on a virtual display
// through its keyboard shortcuts, killed with SIGKILL and started again.
#include "support/real_program.h"

class TestCareCrash : public QObject {
    Q_OBJECT
private slots:
    void feedingSurvivesAKill()
    {
        RealProgram program;
        program.StoreFish(1, {{"LastRunDay", QString::number(program.today)}});

        // A private X display of its own.
        const QString display = ":" + QString::number(200 + QCoreApplication::applicationPid() % 500);
        QProcess xvfb;
        xvfb.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY2(xvfb.waitForStarted(), "Xvfb is needed (Debian package xvfb)");
        QVERIFY(program.Appears("/tmp/.X11-unix/X" + display.mid(1)));
        program.environment.insert("DISPLAY", display);
        program.environment.insert("QT_QPA_PLATFORM", "xcb");
        QVERIFY(program.Start());

        // Ctrl+F on the tank, Enter on the feeding dialog ("あげる" is its default button).
        const auto xdotool = [&](const QStringList& arguments) {
            QProcess run;
            run.setProcessEnvironment(program.environment);
            run.start("xdotool", arguments);
            run.waitForFinished(15000);
            return QString::fromUtf8(run.readAllStandardOutput()).split('\n').first();
        };
        const auto press = [&](const QString& window, const QString& key) {
            const QString id = xdotool({"search", "--sync", "--onlyvisible", "--name", window});
            xdotool({"windowfocus", "--sync", id});
            xdotool({"key", key});
            return !id.isEmpty();
        };
        QVERIFY(press("ぎんじろう - ばすぽう", "ctrl+f"));
        QVERIFY(press("餌をあげる", "Return"));
        QTRY_COMPARE_WITH_TIMEOUT(Stored("EatFoods"), QString("1"), 10000);
        const QString speed = Stored("Speed");
        QVERIFY(program.Stop(SIGKILL));
        xvfb.terminate();
        xvfb.waitForFinished(5000);

        // Started again, the fish was fed today.
        program.environment.insert("QT_QPA_PLATFORM", "offscreen");
        QVERIFY(program.Start());
        QTest::qWait(1000);
        QVERIFY(program.Stop(SIGTERM));
        QCOMPARE(QStringList({Stored("EatFoods"), Stored("EatFood"), Stored("Speed")}),
                 QStringList({"1", QString::number(program.today), speed}));
        QVERIFY(speed != "667");  // the food did something
    }
};

QTEST_GUILESS_MAIN(TestCareCrash)
#include "test_care_crash.moc"
