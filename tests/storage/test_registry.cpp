#include "storage/registry.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
const QString Key = QStringLiteral("Software\\OSKE\\VASPO");
}

class TestRegistry : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;

    QString KeyFile() const { return config->path() + "/OSKE/VASPO.conf"; }

    QStringList ConfigEntries() const
    {
        return QDir(config->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        QVERIFY(config->isValid());
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
    }

    void keyPathMapsToConfigFile()
    {
        QCOMPARE(RegKeyFilePath(Key), KeyFile());
        QCOMPARE(RegKeyFilePath("SOFTWARE/OSKE//VASPO\\"), KeyFile());
        QCOMPARE(RegKeyFilePath("OSKE\\VASPO"), KeyFile());
        QCOMPARE(RegKeyFilePath("Software"), QString());
        QCOMPARE(RegKeyFilePath("\\\\"), QString());
        QVERIFY(!WriteRegString("Software", "Name", "x"));
        QVERIFY(ConfigEntries().isEmpty());
    }

    void missingKeyOrValueReadsEmptyAndCreatesNothing()
    {
        QCOMPARE(ReadRegString(Key, "Name"), QString());
        QCOMPARE(ReadRegInteger(Key, "Name"), qint16(0));
        QCOMPARE(ReadRegLong(Key, "Name"), qint32(0));
        QVERIFY(ConfigEntries().isEmpty());

        QVERIFY(WriteRegString(Key, "Name", "x"));
        QCOMPARE(ReadRegString(Key, "Other"), QString());
        QCOMPARE(QSettings(KeyFile(), QSettings::IniFormat).allKeys(), QStringList{"Name"});
    }

    void unusualStoredValuesReadAsText()
    {
        {
            QSettings direct(KeyFile(), QSettings::IniFormat);
            direct.setValue("Empty", QString());
            direct.setValue("WithNul", QString("abc") + QChar(0) + "def");
            direct.setValue("Date", QDate(2024, 1, 2));
        }
        QFile file(KeyFile());
        QVERIFY(file.open(QIODevice::Append));
        file.write("List=a, b\nBytes=@ByteArray(xyz)\n");
        file.close();
        QVERIFY(QSettings(KeyFile(), QSettings::IniFormat).value("Date").typeId() == QMetaType::QDate);

        QCOMPARE(ReadRegString(Key, "Empty"), QString());
        QCOMPARE(ReadRegInteger(Key, "Empty"), qint16(0));
        QCOMPARE(ReadRegString(Key, "WithNul"), QString("abc"));
        QCOMPARE(ReadRegString(Key, "Date"), QString());
        QCOMPARE(ReadRegString(Key, "List"), QString());
        QCOMPARE(ReadRegString(Key, "Bytes"), QString());
    }

    void valueNamesIgnoreLetterCase()
    {
        QVERIFY(WriteRegString(Key, "picfilename", "a.bmp"));
        QCOMPARE(ReadRegString(Key, "PicFileName"), QString("a.bmp"));
        QVERIFY(WriteRegString(Key, "PICFILENAME", "b.bmp"));
        QCOMPARE(ReadRegString(Key, "PicFileName"), QString("b.bmp"));
        QCOMPARE(QSettings(KeyFile(), QSettings::IniFormat).allKeys(), QStringList{"picfilename"});
    }

    void writeCreatesEveryLevelAndKeepsText()
    {
        QVERIFY(WriteRegString("Software\\A\\B\\C", "Name", "x"));
        QVERIFY(QFileInfo(config->path() + "/A/B").isDir());
        QVERIFY(QFileInfo(config->path() + "/A/B/C.conf").isFile());

        RegistryAccess store;
        const QStringList texts = {"ななしの権兵衛", "〜−", "a, b", "@Variant(x)", "x=y;z"};
        for (const QString& text : texts) {
            QVERIFY(store.WriteRegString(Key, "Name", text));
            QCOMPARE(store.ReadRegString(Key, "Name"), text);
        }
    }

    void numbersReadRoundedAndInRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint16>("integer");
        QTest::addColumn<qint32>("longValue");
        QTest::newRow("half down to even") << "2.5" << qint16(2) << qint32(2);
        QTest::newRow("half up to even") << "3.5" << qint16(4) << qint32(4);
        QTest::newRow("negative") << "-12" << qint16(-12) << qint32(-12);
        QTest::newRow("too big for 16 bits") << "40000" << qint16(0) << qint32(40000);
        QTest::newRow("too big for 32 bits") << "2147483648" << qint16(0) << qint32(0);
        QTest::newRow("not a number") << "abc" << qint16(0) << qint32(0);
    }

    void numbersReadRoundedAndInRange()
    {
        QFETCH(QString, stored);
        QVERIFY(WriteRegString(Key, "Number", stored));
        QTEST(ReadRegInteger(Key, "Number"), "integer");
        QTEST(ReadRegLong(Key, "Number"), "longValue");
    }

    void deletingRemovesKeyOnlyOnce()
    {
        QVERIFY(WriteRegString(Key, "Name", "x"));
        QVERIFY(WriteRegString(Key, "Count", "3"));
        QVERIFY(WriteRegString("Software\\OSKE\\Other", "Name", "kept"));

        QVERIFY(DeleteRegKey("Software\\OSKE", "VASPO"));
        QVERIFY(!QFile::exists(KeyFile()));
        QVERIFY(QFileInfo(config->path() + "/OSKE").isDir());
        QCOMPARE(ReadRegString(Key, "Name"), QString());
        QCOMPARE(ReadRegString("Software\\OSKE\\Other", "Name"), QString("kept"));
        QVERIFY(!DeleteRegKey("Software\\OSKE", "VASPO"));
        QVERIFY(!DeleteRegKey("Software\\OSKE", ""));
        QVERIFY(QFileInfo(config->path() + "/OSKE/Other.conf").isFile());

        // A new key by the same name must not bring the old values back.
        QVERIFY(WriteRegString(Key, "Fresh", "1"));
        QCOMPARE(ReadRegString(Key, "Name"), QString());
        QCOMPARE(QSettings(KeyFile(), QSettings::IniFormat).allKeys(), QStringList{"Fresh"});
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
