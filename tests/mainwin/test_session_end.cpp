// The real program closes like its close box does when the desktop ends
// it: the fish is saved, nothing is asked, and a kill during that save
// leaves a whole record.
#include <QThread>

#include "support/real_program.h"

class TestSessionEnd : public QObject {
    Q_OBJECT
private slots:
    void signalSavesTheFish_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("copied");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("copied to another folder") << int(SIGTERM) << true;
    }
    void signalSavesTheFish()
    {
        QFETCH(int, signal);
        QFETCH(bool, copied);
        RealProgram program;
        program.StoreFish(1);
        QTemporaryDir elsewhere;
        const QString executable = copied ? elsewhere.path() + "/vaspo" : VASPO_EXECUTABLE;
        QVERIFY(!copied || QFile::copy(VASPO_EXECUTABLE, executable));  // everything it needs is inside it
        QVERIFY(program.Start(executable));
        QTest::qWait(1500);  // past start-up: the tank is up
        QVERIFY(program.Stop(signal));
        QCOMPARE(std::tuple(program.process.exitStatus(), program.process.exitCode()),
                 std::tuple(QProcess::NormalExit, 0));

        // Saved: the catch-up of yesterday (a tenth day costs 60 more) and the values only a save writes.
        QCOMPARE(QStringList({Stored("LastRunDay"), Stored("Speed")}),
                 QStringList({QString::number(program.today), program.today % 10 == 0 ? "567" : "627"}));
        QVERIFY(!Stored("Warning1").isEmpty() && !QFile::exists(program.LockPath()));
    }

    void killedWhileSavingLeavesTheOldRecordOrTheNew()
    {
        RealProgram program;
        const QStringList before{QString::number(program.today - 1), "700", "", "ぎんじろう"};
        // SIGTERM saves; SIGKILL lands at a different moment of that save each time.
        for (int attempt = 0; attempt < 10; ++attempt) {
            program.StoreFish(1, {{"Speed", "700"}});
            QVERIFY(program.Start());
            QTest::qWait(600);
            ::kill(pid_t(program.process.processId()), SIGTERM);
            QThread::usleep(attempt * 1500);
            QVERIFY(program.Stop(SIGKILL));

            const QStringList stored{Stored("LastRunDay"), Stored("Speed"), Stored("Warning3"), Stored("FishName")};
            const bool after = stored[0] == QString::number(program.today) && stored[1] != "700" &&
                               !stored[2].isEmpty() && stored[3] == "ぎんじろう";
            QVERIFY2(stored == before || after, qPrintable(stored.join(' ')));
        }
    }
};

QTEST_GUILESS_MAIN(TestSessionEnd)
#include "test_session_end.moc"
