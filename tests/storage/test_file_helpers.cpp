#include "storage/file_helpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <ctime>

namespace {

bool CreateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

class EventCounter : public QObject {
public:
    int received = 0;
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++received;
        return true;
    }
};

} // namespace

class TestFileHelpers : public QObject {
    Q_OBJECT

private slots:
    void takesNameAfterLastSeparator()
    {
        QCOMPARE(FileNamePart("C:\\Pictures\\tank.bmp"), QString("tank.bmp"));
        QCOMPARE(FileNamePart("C:tank.bmp"), QString("tank.bmp"));
        QCOMPARE(FileNamePart("/home/u/a.b/tank.bmp"), QString("tank.bmp"));
        QCOMPARE(FileNamePart("C:\\Pictures/sub\\fish.mnb"), QString("fish.mnb"));
        QCOMPARE(FileNamePart("C:\\Pictures\\"), QString());
        QCOMPARE(FileNamePart("tank.bmp"), QString());
        QCOMPARE(FileNamePart(""), QString());
    }

    void findsOrdinaryFilesIgnoringCase()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.path();
        QVERIFY(CreateFile(folder + "/vaspo.mnb"));
        QVERIFY(CreateFile(folder + "/.hidden.mnb"));
        QVERIFY(QDir(folder).mkdir("Tank"));

        QCOMPARE(FindFileIgnoringCase(folder + "/VASPO.MNB"), folder + "/vaspo.mnb");
        QCOMPARE(FindFileIgnoringCase(folder + "/vaspo.mnb"), folder + "/vaspo.mnb");
        QCOMPARE(FileExists(folder + "/Vaspo.Mnb"), qint16(1));
        QCOMPARE(FileExists(folder + "/missing.mnb"), qint16(0));
        QCOMPARE(FileExists(folder + "/Tank"), qint16(0));
        QCOMPARE(FileExists(folder + "/tank"), qint16(0));
        QCOMPARE(FileExists(folder + "/.hidden.mnb"), qint16(0));
        QCOMPARE(FileExists(folder + "/.HIDDEN.MNB"), qint16(0));
        QCOMPARE(FileExists(folder + "/"), qint16(0));
        QCOMPARE(FileExists(folder + "/missing/vaspo.mnb"), qint16(0));
    }

    void waitKeepsEventsFlowingWithoutSpinning()
    {
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(20);
        QElapsedTimer clock;
        clock.start();
        const std::clock_t cpuBefore = std::clock();
        WaitMilliseconds(120);
        const double cpuMilliseconds = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        QVERIFY2(clock.elapsed() >= 120, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
        QVERIFY2(cpuMilliseconds < 60, qPrintable(QString::number(cpuMilliseconds)));
    }

    void waitOfZeroStillDeliversPostedEvents()
    {
        for (const qint32 ms : {0, -5}) {
            EventCounter counter;
            QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
            WaitMilliseconds(ms);
            QCOMPARE(counter.received, 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestFileHelpers)
#include "test_file_helpers.moc"
