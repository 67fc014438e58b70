// Ended by the desktop, the program closes like its close box: the fish is saved, nothing is asked (a kill
// during that save is the store's test). Outside Windows the real program gets the termination signals; on
// Windows a tank in this test's own child process gets the messages of a log-off.
#include "support/real_program.h"

#ifdef _WIN32
#include <QApplication>

#include "app/tank_program.h"

namespace {

const char* const ChildStore = "VASPO_TEST_CHILD_STORE";

// The child: the program's own tank, its fish kept below the key the test names.
int RunTank(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetRegStoreRoot(qEnvironmentVariable(ChildStore));
    QTemporaryDir folder;
    TankProgram program({}, folder.path(), folder.filePath("VASPO.lock"));
    program.Start();
    return QApplication::exec();
}

// The visible top-level windows of a process.
QList<HWND> WindowsOf(qint64 pid)
{
    struct Search {
        DWORD pid;
        QList<HWND> found;
    } search{DWORD(pid), {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && IsWindowVisible(window)) {
                s->found.append(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace
#endif

class TestSessionEnd : public QObject {
    Q_OBJECT
private slots:
#ifdef _WIN32
    void signalsSaveTheFish() { QSKIP("POSIX signals; Windows ends a program with the messages of a log-off"); }

    void logOffSavesTheFish_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("log-off") << int(ENDSESSION_LOGOFF);
        QTest::newRow("shut-down") << 0;
    }
    void logOffSavesTheFish()
    {
        QFETCH(int, reason);
        RealProgram program;
        program.StoreFish(1);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ChildStore, RegStoreRoot());
        environment.insert("QT_QPA_PLATFORM", "windows");
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!WindowsOf(child.processId()).isEmpty(), 20000);  // the tank is up

        // As Windows does it: asked first, then told, window by window.
        for (HWND window : WindowsOf(child.processId())) {
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, LPARAM(reason), SMTO_ABORTIFHUNG, 10000, &answer);
            SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, LPARAM(reason), SMTO_ABORTIFHUNG, 10000, &answer);
        }
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(std::tuple(child.exitStatus(), child.exitCode()), std::tuple(QProcess::NormalExit, 0));
        QCOMPARE(QStringList({Stored("LastRunDay"), Stored("Speed")}),
                 QStringList({QString::number(program.today), program.today % 10 == 0 ? "567" : "627"}));
        QVERIFY(!Stored("Warning1").isEmpty());
    }
#else
    void logOffSavesTheFish() { QSKIP("Windows's log-off messages; elsewhere the desktop sends signals"); }

    void signalsSaveTheFish()
    {
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            RealProgram program;
            program.StoreFish(1);
            QVERIFY(program.Start());
            QTest::qWait(1500);  // past start-up: the tank is up
            QVERIFY2(program.Stop(signal), QByteArray::number(signal));
            // Ended normally and saved: yesterday's catch-up (a tenth day costs 60 more), and what only a save writes.
            QCOMPARE(std::tuple(signal, program.process.exitStatus(), program.process.exitCode(), Stored("LastRunDay"),
                                Stored("Speed"), Stored("Warning1").isEmpty(), QFile::exists(program.LockPath())),
                     std::tuple(signal, QProcess::NormalExit, 0, QString::number(program.today),
                                QString(program.today % 10 == 0 ? "567" : "627"), false, false));
        }
    }
#endif
};

int main(int argc, char** argv)
{
#ifdef _WIN32
    if (qEnvironmentVariableIsSet(ChildStore)) {
        return RunTank(argc, argv);
    }
#endif
    QCoreApplication app(argc, argv);
    TestSessionEnd test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_session_end.moc"
