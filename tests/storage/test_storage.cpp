// The settings store, number and text conversions, and the file helpers.
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "storage/file_helpers.h"
#include "storage/registry.h"
#include "storage/text_codec.h"

const QString Key = QStringLiteral("Software\\OSKE\\VASPO");

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

    void readingUnusualValues()
    {
        QSettings(KeyFile(), QSettings::IniFormat).setValue("WithNul", QString("abc") + QChar(0) + "def");
        QFile file(KeyFile());
        QVERIFY(file.open(QIODevice::Append) && file.write("List=a, b\nBytes=@ByteArray(xyz)\n") && file.flush());
        QCOMPARE(QStringList({ReadRegString(Key, "WithNul"), ReadRegString(Key, "List"), ReadRegString(Key, "Bytes")}),
                 QStringList({"abc", "", ""}));  // cut at a NUL; values that are no text
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
            {"ななしの権兵衛", 0, 0}, {"〜−", 0, 0}, {"a, b", 0, 0}, {"@Variant(x)", 0, 0}, {"x=y;z", 0, 0}};
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

    void textCodecs()
    {
        // Wave dash and minus take the code points Windows gives them, both ways.
        QCOMPARE(std::tuple(EncodeCp932("〜−～－"), DecodeCp932("\x81\x60\x81\x7C")),
                 std::tuple(std::optional<QByteArray>("\x81\x60\x81\x7C\x81\x60\x81\x7C"), QString("～－")));
        for (const QString& text : QStringList{"ななしの権兵衛", "～－∥￢", "ｶﾀｶﾅ ⅰ ①", "line\r\nnext~\\"}) {
            QCOMPARE(DecodeCp932(EncodeCp932(text).value_or("?")), text);
        }
    }

    void findingIgnoresLetterCaseAndSkipsFolders()
    {
        const QString folder = config->path();
        QVERIFY(QFile(folder + "/vaspo.mnb").open(QIODevice::WriteOnly) && QDir(folder).mkdir("Tank"));
        QList<qint16> found;
        for (const char* name : {"/Vaspo.Mnb", "/missing.mnb", "/Tank", "/tank", "/", "/missing/vaspo.mnb"}) {
            found.append(FileExists(folder + name));
        }
        QCOMPARE(found, QList<qint16>({1, 0, 0, 0, 0, 0}));
        QCOMPARE(FindFileIgnoringCase(folder + "/VASPO.MNB"), folder + "/vaspo.mnb");
    }

};

QTEST_GUILESS_MAIN(TestStorage)
#include "test_storage.moc"
