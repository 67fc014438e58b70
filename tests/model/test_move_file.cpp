// Packing the tank and taking it over on the other computer.
#include <QtTest>

#include "model/move_file.h"
#include "support/scripted.h"
#include "storage/text_codec.h"

namespace {

const ScreenTwips Screen{0, 0, 1024 * 15, 768 * 15};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The new computer's own settings, which must survive the move.
void StoreNewSide()
{
    WriteRegString(vaspo::KeyPath, "FishName", "先住魚");
    WriteRegString(vaspo::KeyPath, "MinTray", "1");
    WriteRegString(vaspo::KeyPath, "Msgbox", "1");
    WriteRegString(vaspo::KeyPath, "FormLeft", "1500");
    WriteRegString(vaspo::KeyPath, "FormTop", "750");
    WriteRegString(vaspo::KeyPath, "FormWidth", "6000");
    WriteRegString(vaspo::KeyPath, "FormHeight", "4500");
    WriteRegString(vaspo::KeyPath, "AutoFoods", "2");
}

}  // namespace

class TestMoveFile : public QObject {
    Q_OBJECT
private slots:
    void packWritesFourteenLinesAndForgetsTheFish()
    {
        ModelRig rig;
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.Stress = -12;
        p.EatFoods = 2;
        p.WaterDay = rig.Today();
        p.EatFood = rig.Today();
        rig.model.SavePet();
        QVERIFY(rig.model.PackTank());

        const QString expected =
            QStringList{"14", "0.32", QString::number(rig.Today()), "2", "667", "-12", QString::number(p.StartDay),
                        p._StartDay, "ななしの権兵衛", "0", QString::number(rig.Today()), "255", "0",
                        QString::number(rig.Today())}
                .join("\r\n") +
            "\r\n";
        QCOMPARE(ReadAll(rig.model.MoveFilePath), *EncodeCp932(expected));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString());
        QCOMPARE(rig.model.NoSave, 1);
    }

    void packThatCannotWriteKeepsTheFish()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.SavePet();
        rig.model.MoveFilePath = rig.model.AppFolder + "no/such/folder/VASPO.MNB";
        QVERIFY(!rig.model.PackTank());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString("ななしの権兵衛"));
        QCOMPARE(rig.model.NoSave, 0);
    }

    void fishArrivesOnTheNewSide()
    {
        ModelRig old;
        old.HealthyFish();
        old.model.pet.FishName = " 太郎, \"二世\" ";  // survives one value per line
        old.model.pet.Sex = 1;
        old.model.pet.Stress = 33;
        old.model.pet.FormMode = 1;
        QVERIFY(old.model.PackTank());
        const QByteArray packed = ReadAll(old.model.MoveFilePath);
        const qint32 packingDay = old.Today();

        ModelRig side;
        side.clock.now = old.clock.now.addDays(3);
        StoreNewSide();
        WriteAll(side.model.MoveFilePath, packed);
        side.model.LoadPet(Screen);

        const PetRecord& p = side.model.pet;
        QCOMPARE(p.FishName, QString(" 太郎, \"二世\" "));
        QCOMPARE(p.Sex, 1);
        QCOMPARE(p.Stress, 33);
        QCOMPARE(p.FormMode, 1);
        QCOMPARE(p.LastRunDay, packingDay);
        QCOMPARE(p.StartDay, old.model.pet.StartDay);
        QCOMPARE(p._StartDay, old.model.pet._StartDay);
        // What does not travel stays as the new side had it.
        QCOMPARE(p.MinTray, 1);
        QCOMPARE(p.Msgbox, 1);
        QCOMPARE(p.FormLeft, 1500);
        QCOMPARE(p.FormWidth, 6000);
        QCOMPARE(p.AutoFoods, 2);

        // Stored before the file went, and the file is gone.
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString(" 太郎, \"二世\" "));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "LastRunDay"), QString::number(packingDay));
        QVERIFY(!QFile::exists(side.model.MoveFilePath));
        QCOMPARE(side.dialogs.Titles(), QStringList({"水槽のお引っ越し", "引っ越しました！"}));
        QCOMPARE(side.dialogs.shown[0].text, QString("VASPO.MNBがあるので、水槽をここに引っ越します"));
        QCOMPARE(side.dialogs.shown[1].text, QDir::toNativeSeparators(side.model.MoveFilePath) + "は削除されました");

        // The three days in between are missed days.
        side.model.DailyUpdate(0);
        QCOMPARE(side.model.pet.LastRunDay, side.Today());
        QVERIFY(side.model.pet.Speed < 667 - 40 - 60 - 80 + 1);
    }

    void lowerCaseFileIsFound()
    {
        ModelRig old;
        old.HealthyFish();
        QVERIFY(old.model.PackTank());
        ModelRig side;
        const QString lower = side.model.AppFolder + "vaspo.mnb";
        WriteAll(lower, ReadAll(old.model.MoveFilePath));
        side.model.LoadPet(Screen);
        QCOMPARE(side.model.pet.FishName, QString("ななしの権兵衛"));
        QVERIFY(!QFile::exists(lower));
    }

    void nameBeyondCodePage932TravelsAsUtf8()
    {
        ModelRig old;
        old.HealthyFish();
        old.model.pet.FishName = "🐟きんぎょ";
        QVERIFY(old.model.PackTank());
        const QByteArray bytes = ReadAll(old.model.MoveFilePath);
        QVERIFY(bytes.startsWith(Utf8Bom));
        const auto moved = ParseMoveFile(bytes);
        QVERIFY(moved.has_value());
        QCOMPARE(moved->FishName, QString("🐟きんぎょ"));

        // Wave dash and minus go over as Windows writes them, and come back
        // as the characters Windows reads from those bytes.
        old.model.pet.FishName = "〜波−";
        QVERIFY(old.model.PackTank());
        const QByteArray windowsBytes = ReadAll(old.model.MoveFilePath);
        QVERIFY(windowsBytes.contains("\x81\x60\x94\x67\x81\x7c\r\n"));
        QCOMPARE(ParseMoveFile(windowsBytes)->FishName, QString("～波－"));
    }

    void malformedFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList good{"14", "0.32", "13000", "1", "500", "3", "12990", "2026/01/01", "たま", "0",
                               "13000", "200", "1", "13000"};
        QStringList shortFile = good;
        shortFile.removeLast();
        QStringList wordInNumber = good;
        wordInNumber[4] = "たくさん";
        QStringList tooBig = good;
        tooBig[11] = "70000";
        QTest::newRow("13 lines") << *EncodeCp932(shortFile.join("\r\n") + "\r\n");
        QTest::newRow("text in a number") << *EncodeCp932(wordInNumber.join("\r\n") + "\r\n");
        QTest::newRow("beyond 16 bits") << *EncodeCp932(tooBig.join("\r\n") + "\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void malformedFileIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        ModelRig side;
        WriteRegString(vaspo::KeyPath, "FishName", "先住魚");
        WriteRegString(vaspo::KeyPath, "Speed", "800");
        WriteAll(side.model.MoveFilePath, bytes);
        side.model.LoadPet(Screen);
        QCOMPARE(side.model.pet.FishName, QString("先住魚"));
        QCOMPARE(side.model.pet.Speed, 800);
        QVERIFY(QFile::exists(side.model.MoveFilePath));
        QCOMPARE(side.dialogs.shown.size(), 1);
        QCOMPARE(side.dialogs.shown[0].icon, MsgIcon::Critical);
        QVERIFY(side.dialogs.shown[0].text.contains("VASPO.MNB"));
    }

    void fileStaysWhenTheStoreFails()
    {
        ModelRig old;
        old.HealthyFish();
        QVERIFY(old.model.PackTank());
        ModelRig side;
        WriteAll(side.model.MoveFilePath, ReadAll(old.model.MoveFilePath));
        side.registry.failWrites = true;
        side.model.LoadPet(Screen);
        QCOMPARE(side.model.pet.FishName, QString("ななしの権兵衛"));
        QVERIFY(QFile::exists(side.model.MoveFilePath));
        QVERIFY(!side.dialogs.Titles().contains("引っ越しました！"));
    }

    void parserAcceptsLfAndExtraLines()
    {
        const QByteArray lf = "14\n0.32\n1\n2\n3\n4\n5\n2000/01/01\nabc\n1\n6\n7\n1\n8\nextra\n";
        const auto moved = ParseMoveFile(lf);
        QVERIFY(moved.has_value());
        QCOMPARE(moved->FishName, QString("abc"));
        QCOMPARE(moved->LastRunDay, 8);
        QCOMPARE(moved->WaterConc, 7);
    }
};

QTEST_GUILESS_MAIN(TestMoveFile)
#include "test_move_file.moc"
