// The settings store, number and text conversions, and the file helpers.
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <ctime>
#include <memory>

#include "storage/file_helpers.h"
#include "storage/registry.h"
#include "storage/text_codec.h"

namespace {
const QString Key = QStringLiteral("Software\\OSKE\\VASPO");
}

class TestStorage : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;

    QString KeyFile() const { return config->path() + "/OSKE/VASPO.conf"; }
    QStringList StoredNames() const { return QSettings(KeyFile(), QSettings::IniFormat).allKeys(); }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    }

    void readingMissingOrUnusualValues()
    {
        QCOMPARE(std::tuple(ReadRegString(Key, "Name"), ReadRegInteger(Key, "Name"), ReadRegLong(Key, "Name")),
                 std::tuple(QString(), 0, 0));
        QVERIFY(QDir(config->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QSettings(KeyFile(), QSettings::IniFormat).setValue("WithNul", QString("abc") + QChar(0) + "def");
        QFile file(KeyFile());
        QVERIFY(file.open(QIODevice::Append) && file.write("List=a, b\nBytes=@ByteArray(xyz)\n"));
        file.close();
        QCOMPARE(QStringList({ReadRegString(Key, "WithNul"), ReadRegString(Key, "List"), ReadRegString(Key, "Bytes")}),
                 QStringList({"abc", "", ""}));  // cut at a NUL; values that are no text
    }

    void writingIgnoresLetterCaseAndKeepsText()
    {
        QVERIFY(WriteRegString(Key, "picfilename", "a.bmp"));
        QVERIFY(WriteRegString(Key, "PICFILENAME", "b.bmp"));
        QCOMPARE(std::tuple(ReadRegString(Key, "PicFileName"), StoredNames()),
                 std::tuple(QString("b.bmp"), QStringList{"picfilename"}));
        for (const QString& text : QStringList{"ななしの権兵衛", "〜−", "a, b", "@Variant(x)", "x=y;z"}) {
            QVERIFY(WriteRegString(Key, "Name", text));
            QCOMPARE(ReadRegString(Key, "Name"), text);
        }
    }

    void numbersReadRoundedHalfToEvenAndInRange()
    {
        // Stored text -> 16-bit and 32-bit readings; 0 when out of range or not a number.
        const QList<std::tuple<QString, qint16, qint32>> cases{
            {"2.5", 2, 2}, {"3.5", 4, 4}, {"-2.5", -2, -2}, {"2.5000000000000004", 3, 3}, {" -12 ", -12, -12},
            {"1e2", 100, 100}, {"32767.5", 0, 32768}, {"-32768.5", -32768, -32768}, {"2147483648", 0, 0},
            {"-2147483648.5", 0, -2147483647 - 1}, {"12abc", 0, 0}, {"0x10", 0, 0}, {"1,000", 0, 0}, {"nan", 0, 0}};
        for (const auto& [stored, integer, longValue] : cases) {
            QVERIFY(WriteRegString(Key, "Number", stored));
            QCOMPARE(std::tuple(stored, ReadRegInteger(Key, "Number"), ReadRegLong(Key, "Number")),
                     std::tuple(stored, integer, longValue));
        }
    }

    void deletingRemovesTheKeyOnlyOnce()
    {
        QVERIFY(WriteRegString(Key, "Name", "x"));
        QVERIFY(WriteRegString("Software\\OSKE\\Other", "Name", "kept"));
        QVERIFY(DeleteRegKey("Software\\OSKE", "VASPO"));
        QVERIFY(!DeleteRegKey("Software\\OSKE", "VASPO") && !DeleteRegKey("Software\\OSKE", ""));
        QCOMPARE(ReadRegString("Software\\OSKE\\Other", "Name"), QString("kept"));
        // A new key by the same name must not bring the old values back.
        QVERIFY(WriteRegString(Key, "Fresh", "1"));
        QCOMPARE(StoredNames(), QStringList{"Fresh"});
    }

    void textCodecs()
    {
        // Wave dash and minus take the code points Windows gives them, both ways.
        QCOMPARE(EncodeCp932("ななしの権兵衛〜−～－"),
                 std::optional<QByteArray>("\x82\xC8\x82\xC8\x82\xB5\x82\xCC\x8C\xA0\x95\xBA\x89\x71"
                                           "\x81\x60\x81\x7C\x81\x60\x81\x7C"));
        QCOMPARE(DecodeCp932("\x81\x60\x81\x7C"), QString("～－"));
        QCOMPARE(QList({EncodeCp932("魚🐟"), EncodeCp932("한글"), EncodeCp932("€")}), QList<std::optional<QByteArray>>(3));
        for (const QString& text : QStringList{"～－∥￢", "ｶﾀｶﾅ ⅰ ①", "line\r\nnext~\\"}) {
            QCOMPARE(DecodeCp932(EncodeCp932(text).value_or("?")), text);
        }
    }

    void fileNamesAndFinding()
    {
        const QStringList paths{"C:\\Pictures/sub\\fish.mnb", "/tank.bmp", "C:\\a\\"};
        QCOMPARE(QStringList({FileNamePart(paths[0]), FileNamePart(paths[1]), FileNamePart(paths[2])}),
                 QStringList({"fish.mnb", "tank.bmp", ""}));
        const QString folder = config->path();
        QVERIFY(QFile(folder + "/vaspo.mnb").open(QIODevice::WriteOnly) && QDir(folder).mkdir("Tank"));
        QList<qint16> found;
        for (const char* name : {"/Vaspo.Mnb", "/missing.mnb", "/Tank", "/tank", "/", "/missing/vaspo.mnb"}) {
            found.append(FileExists(folder + name));
        }
        QCOMPARE(found, QList<qint16>({1, 0, 0, 0, 0, 0}));
        QCOMPARE(FindFileIgnoringCase(folder + "/VASPO.MNB"), folder + "/vaspo.mnb");
    }

    void waitingKeepsEventsFlowingWithoutSpinning()
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
        const QString seen = QString("%1 ms, %2 ticks, %3 ms CPU").arg(clock.elapsed()).arg(ticks).arg(cpuMilliseconds);
        QVERIFY2(clock.elapsed() >= 120 && ticks >= 3 && cpuMilliseconds < 60, qPrintable(seen));
        bool received = false;  // even a wait of 0 delivers posted events
        QMetaObject::invokeMethod(&timer, [&received] { received = true; }, Qt::QueuedConnection);
        WaitMilliseconds(0);
        QVERIFY(received);
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "test_storage.moc"
