// The settings store (INI files, or the registry on Windows), number and text
// conversions.
#include <QProcess>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "storage/registry.h"
#include "storage/text_codec.h"
#include "support/damaged_store.h"
#include "support/private_store.h"

namespace {

const QString Key = QStringLiteral("Software\\OSKE\\VASPO");
const char* const SaverStore = "VASPO_TEST_SAVER_STORE";
const QString SaverKey = QStringLiteral("Software\\OSKE\\Saver");

// Twenty values, all "old" or all "newer" (the file's size tells them apart, as Qt's cache of it asks).
RegValues Record(const QString& text)
{
    RegValues values;
    for (int i = 1; i <= 20; ++i) {
        values.append({QStringLiteral("Value%1").arg(i), text});
    }
    return values;
}

// The child the kill test kills: saves the two records in turn until it is killed.
int SaveForever()
{
    SetRegStoreRoot(qEnvironmentVariable(SaverStore));
    for (int turn = 1;; ++turn) {
        WriteRegValues(Key, Record(turn % 2 ? QStringLiteral("old") : QStringLiteral("newer")));
        WriteRegString(SaverKey, "Saves", QString::number(turn));  // for the test to see it under way
    }
}

#ifdef Q_OS_WIN
using damage::Plant;

QByteArray Wide(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}
#endif

}  // namespace

class TestStorage : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateStore> store;

    // The value names as the store keeps them.
    static QStringList StoredNames()
    {
#ifdef Q_OS_WIN
        return QSettings(RegKeyLocation(Key), QSettings::NativeFormat).childKeys();
#else
        return QSettings(RegKeyFilePath(Key), QSettings::IniFormat).allKeys();
#endif
    }

private slots:
    void init() { store = std::make_unique<PrivateStore>(); }
    void cleanup() { store.reset(); }

    void readingUnusualValues()
    {
        // Cut at a NUL; values that are no text read as empty.
#ifdef Q_OS_WIN
        QVERIFY(Plant("WithNul", REG_SZ, Wide(QString("abc") + QChar(0) + "def") + QByteArray(2, 0)) &&
                Plant("List", REG_MULTI_SZ, Wide("a") + QByteArray(2, 0) + Wide("b") + QByteArray(4, 0)) &&
                Plant("Bytes", REG_BINARY, "xyz") && Plant("Number", REG_DWORD, QByteArray("\x05\0\0\0", 4)));
#else
        QSettings(RegKeyFilePath(Key), QSettings::IniFormat).setValue("WithNul", QString("abc") + QChar(0) + "def");
        QFile file(RegKeyFilePath(Key));
        QVERIFY(file.open(QIODevice::Append) && file.write("List=a, b\nBytes=@ByteArray(xyz)\nNumber=@Variant(x)\n") &&
                file.flush());
#endif
        QCOMPARE(QStringList({ReadRegString(Key, "WithNul"), ReadRegString(Key, "List"), ReadRegString(Key, "Bytes"),
                              ReadRegString(Key, "Number")}),
                 QStringList({"abc", "", "", ""}));
    }

    void valuesKeepTheirTextAndReadAsNumbers()
    {
        // Names ignore letter case; the first spelling stays.
        QVERIFY(WriteRegString(Key, "picfilename", "a.bmp") && WriteRegString(Key, "PICFILENAME", "b.bmp"));
        QCOMPARE(std::tuple(ReadRegString(Key, "PicFileName"), StoredNames()),
                 std::tuple(QString("b.bmp"), QStringList{"picfilename"}));
        // Stored text -> 16-bit and 32-bit readings, rounded half to even; 0 when out of range or not a number.
        const QList<std::tuple<QString, qint16, qint32>> cases{
            {"2.5", 2, 2}, {"3.5", 4, 4}, {"-2.5", -2, -2}, {"2.5000000000000004", 3, 3}, {" -12 ", -12, -12},
            {"1e2", 100, 100}, {"32767.5", 0, 32768}, {"-32768.5", -32768, -32768}, {"2147483648", 0, 0},
            {"-2147483648.5", 0, -2147483647 - 1}, {"12abc", 0, 0}, {"0x10", 0, 0}, {"1,000", 0, 0}, {"nan", 0, 0},
            {"@Variant(x)", 0, 0}, {"x=y;z", 0, 0}};
        for (const auto& [stored, integer, longValue] : cases) {
            QVERIFY(WriteRegString(Key, "Value", stored));
            QCOMPARE(std::tuple(ReadRegString(Key, "Value"), ReadRegInteger(Key, "Value"), ReadRegLong(Key, "Value")),
                     std::tuple(stored, integer, longValue));
        }
    }

    void deletingRemovesTheKeyOnlyOnce()
    {
        QVERIFY(WriteRegString(Key, "Name", "x") && WriteRegString("Software\\OSKE\\Other", "Name", "kept"));
        QVERIFY(DeleteRegKey("Software\\OSKE", "VASPO") && !DeleteRegKey("Software\\OSKE", "VASPO"));
        // A new key by the same name must not bring the old values back; the one beside it stays.
        QVERIFY(WriteRegString(Key, "Fresh", "1"));
        QCOMPARE(std::tuple(StoredNames(), ReadRegString("Software\\OSKE\\Other", "Name")),
                 std::tuple(QStringList{"Fresh"}, QString("kept")));
    }

    // Killed at any moment of a save, the store holds the old record or the new, never a mix.
    void killedWhileSavingLeavesOneWholeRecord()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SaverStore, RegStoreRoot());
        for (int attempt = 0; attempt < 12; ++attempt) {
            QProcess saver;
            saver.setProcessEnvironment(environment);
            saver.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(saver.waitForStarted());
            DeleteRegKey("Software\\OSKE", "Saver");
            QTRY_VERIFY_WITH_TIMEOUT(ReadRegLong(SaverKey, "Saves") > 2, 20000);  // saving, again and again
            QTest::qWait(attempt * 7);
            saver.kill();
            QVERIFY(saver.waitForFinished());
            QStringList texts;
            for (const auto& value : Record({})) {
                texts.append(ReadRegString(Key, value.first));
            }
            QVERIFY2(texts.count("old") == 20 || texts.count("newer") == 20, qPrintable(texts.join(' ')));
        }
    }

    void registryKeyHealth()
    {
#ifndef Q_OS_WIN
        QSKIP("the registry's key; a settings file's damage is the model test's");
#else
        // Unreadable keys and others' values are the model test's, on both platforms; a key that may not be
        // written, and its full name, are checked here.
        const auto health = [&] {
            const RegKeyHealth h = CheckRegKey(Key, {"FishName", "Version"});
            return QList<bool>{h.readable, h.broken, h.writable};
        };
        QVERIFY(WriteRegString(Key, "FishName", "たま"));
        QCOMPARE(health(), QList<bool>({true, false, true}));
        QVERIFY(damage::MakeUnwritable());
        QCOMPARE(health(), QList<bool>({true, false, false}));
        damage::Repair();
        QCOMPARE(CheckRegKey(Key, {}).location, "HKEY_CURRENT_USER\\" + RegStoreRoot() + "\\Software\\OSKE\\VASPO");
#endif
    }

    // What a save cut short leaves beside the key is finished or dropped at the next use.
    void registryCopyLeftByAKill()
    {
#ifndef Q_OS_WIN
        QSKIP("the registry's copy beside the key; a settings file is replaced in one step");
#else
        const QString saving = RegKeyLocation(Key) + ".saving";
        for (const bool complete : {false, true}) {
            QVERIFY(WriteRegValues(Key, {{"A", "old"}, {"B", "old"}}));
            QVERIFY(Plant("A", REG_SZ, Wide("new") + QByteArray(2, 0), saving) &&
                    Plant("B", REG_SZ, Wide("new") + QByteArray(2, 0), saving) &&
                    (!complete || Plant({}, REG_SZ, Wide("complete") + QByteArray(2, 0), saving)));
            const QString now = complete ? "new" : "old";
            const QStringList read{ReadRegString(Key, "A"), ReadRegString(Key, "B")};
            QCOMPARE(std::tuple(complete, read, damage::KeyThere(saving)), std::tuple(complete, QStringList{now, now}, false));
        }
#endif
    }

    void textCodecs()
    {
        // Windows' own characters come back as they went (wave dash and minus are the model's history test's).
        for (const QString& text : QStringList{"ななしの権兵衛", "～－∥￢", "ｶﾀｶﾅ ⅰ ①", "line\r\nnext~\\"}) {
            QCOMPARE(DecodeCp932(EncodeCp932(text).value_or("?")), text);
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(SaverStore)) {
        return SaveForever();
    }
    QCoreApplication app(argc, argv);
    TestStorage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_storage.moc"
