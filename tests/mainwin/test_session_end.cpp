// The real program closes like its close box does when the desktop ends
// it: the fish is saved, nothing is asked.
#include <QThread>
#include <QtTest>
#include <csignal>

#include "model/vaspo.h"
#include "storage/registry.h"

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
        QTemporaryDir config;
        QTemporaryDir elsewhere;
        QString executable = VASPO_EXECUTABLE;
        if (copied) {
            // Everything it needs is inside it.
            executable = elsewhere.path() + "/vaspo";
            QVERIFY(QFile::copy(VASPO_EXECUTABLE, executable));
            QFile::setPermissions(executable, QFile::permissions(VASPO_EXECUTABLE));
        }
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const qint32 today = DayNumberOf(QDate::currentDate());
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        WriteRegString(vaspo::KeyPath, "StartDay", QString::number(today - 1));
        WriteRegString(vaspo::KeyPath, "EatFood", QString::number(today - 1));
        WriteRegString(vaspo::KeyPath, "WaterDay", QString::number(today - 1));
        WriteRegString(vaspo::KeyPath, "LastRunDay", QString::number(today - 1));

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(config.path());
        program.start(executable, {});
        QVERIFY(program.waitForStarted());
        const QString lock = config.path() + "/OSKE/VASPO.lock";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 10000);
        QTest::qWait(1500);  // past start-up: the tank is up
        QCOMPARE(program.state(), QProcess::Running);
        ::kill(pid_t(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        // Saved: the catch-up of yesterday (a tenth day costs 60 more) and the values only a save writes.
        QCOMPARE(ReadRegString(vaspo::KeyPath, "LastRunDay"), QString::number(today));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "Speed"), QString::number(today % 10 == 0 ? 567 : 627));
        QVERIFY(!ReadRegString(vaspo::KeyPath, "Warning1").isEmpty());
        QVERIFY(!ReadRegString(vaspo::KeyPath, "FormWidth").isEmpty());
        QVERIFY(!QFile::exists(lock));
    }

    void killedWhileSavingLeavesTheOldRecordOrTheNew()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString today = QString::number(DayNumberOf(QDate::currentDate()));
        const QString yesterday = QString::number(DayNumberOf(QDate::currentDate()) - 1);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        // SIGTERM saves; SIGKILL lands at a different moment of that save each time.
        for (int attempt = 0; attempt < 10; ++attempt) {
            QFile::remove(RegKeyFilePath(vaspo::KeyPath));
            WriteRegValues(vaspo::KeyPath, {{"Version", "0.32"}, {"FishName", "ぎんじろう"}, {"StartDay", yesterday},
                                            {"EatFood", yesterday}, {"WaterDay", yesterday}, {"LastRunDay", yesterday},
                                            {"Speed", "700"}});
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(VASPO_EXECUTABLE, {});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(config.path() + "/OSKE/VASPO.lock"), 10000);
            QTest::qWait(600);
            ::kill(pid_t(program.processId()), SIGTERM);
            QThread::usleep(attempt * 1500);
            ::kill(pid_t(program.processId()), SIGKILL);
            QVERIFY(program.waitForFinished(10000));

            const QStringList stored{ReadRegString(vaspo::KeyPath, "LastRunDay"), ReadRegString(vaspo::KeyPath, "Speed"),
                                     ReadRegString(vaspo::KeyPath, "Warning3"), ReadRegString(vaspo::KeyPath, "FishName")};
            const QStringList before{yesterday, "700", "", "ぎんじろう"};
            const bool after = stored[0] == today && stored[1] != "700" && !stored[2].isEmpty() && stored[3] == "ぎんじろう";
            QVERIFY2(stored == before || after, qPrintable(stored.join(' ')));
        }
    }
};

QTEST_GUILESS_MAIN(TestSessionEnd)
#include "test_session_end.moc"
