// Day numbers, loading with its repairs, and saving.
#include <QtTest>

#include "support/scripted.h"

namespace {

const ScreenTwips Screen1024{0, 0, 1024 * 15, 768 * 15};

qint64 Field(const PetRecord& p, const QString& name)
{
    const QHash<QString, qint64> fields{
        {"FormTop", p.FormTop},       {"FormLeft", p.FormLeft},     {"FormHeight", p.FormHeight},
        {"FormWidth", p.FormWidth},   {"EatFood", p.EatFood},       {"EatFoods", p.EatFoods},
        {"Speed", p.Speed},           {"Stress", p.Stress},         {"StartDay", p.StartDay},
        {"FormMode", p.FormMode},     {"WaterDay", p.WaterDay},     {"WaterConc", p.WaterConc},
        {"Sex", p.Sex},               {"LastRunDay", p.LastRunDay}, {"MinTray", p.MinTray},
        {"AutoFoods", p.AutoFoods},   {"AutoFoodDay", p.AutoFoodDay}, {"Msgbox", p.Msgbox},
    };
    return fields.value(name, -999999);
}

void Store(const QString& name, const QString& text)
{
    QVERIFY(WriteRegString(vaspo::KeyPath, name, text));
}

}  // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void dayNumbers_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("day");
        QTest::newRow("first day") << QDate(1990, 1, 1) << 1;
        QTest::newRow("leap day 2000") << QDate(2000, 2, 29) << 3712;
        QTest::newRow("end of 2000") << QDate(2000, 12, 31) << 4018;
        QTest::newRow("start of 2001") << QDate(2001, 1, 1) << 4019;
        QTest::newRow("day before the count") << QDate(1989, 12, 31) << 0;
        QTest::newRow("early 1989") << QDate(1989, 1, 1) << -364;
        QTest::newRow("1900s leap rule") << QDate(1985, 6, 1) << (1985 - 1990) * 365 + 152;
    }
    void dayNumbers()
    {
        QFETCH(QDate, date);
        QFETCH(int, day);
        QCOMPARE(DayNumberOf(date), day);
    }

    void consecutiveDaysHaveConsecutiveNumbers()
    {
        // Covers year ends, 2000 (a leap year) and 2100 (not one).
        QDate date(1990, 1, 1);
        qint32 previous = DayNumberOf(date);
        for (date = date.addDays(1); date.year() <= 2101; date = date.addDays(1)) {
            const qint32 day = DayNumberOf(date);
            QVERIFY2(day == previous + 1, qPrintable(date.toString(Qt::ISODate)));
            previous = day;
        }
    }

    void missingKeyGivesANewFish()
    {
        ModelRig rig;
        rig.model.LoadPet(Screen1024);
        const PetRecord& p = rig.model.pet;
        QVERIFY(p.FishName.isEmpty());
        QCOMPARE(p.EatFood, rig.Today());
        QCOMPARE(p.EatFoods, 0);
        QCOMPARE(p.Speed, 667);
        QCOMPARE(p.WaterDay, rig.Today());
        QCOMPARE(p.WaterConc, 255);
        QCOMPARE(p.LastRunDay, rig.Today() - 1);
        QCOMPARE(p.AutoFoodDay, 0);
        // Half the screen each way, at 0, 0 (0 is a valid position).
        QCOMPARE(p.FormHeight, 384 * 15);
        QCOMPARE(p.FormWidth, 512 * 15);
        QCOMPARE(p.FormTop, 0);
        QCOMPARE(p.FormLeft, 0);
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void repairs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("expected");  // -1: today, -2: yesterday
        QTest::newRow("speed 0") << "Speed" << "0" << qint64(667);
        QTest::newRow("speed 1001") << "Speed" << "1001" << qint64(667);
        QTest::newRow("speed 1 kept") << "Speed" << "1" << qint64(1);
        QTest::newRow("stress 101") << "Stress" << "101" << qint64(0);
        QTest::newRow("stress -100 kept") << "Stress" << "-100" << qint64(-100);
        QTest::newRow("water 0") << "WaterConc" << "0" << qint64(255);
        QTest::newRow("water 256") << "WaterConc" << "256" << qint64(255);
        QTest::newRow("feeder 8 days") << "AutoFoods" << "8" << qint64(0);
        QTest::newRow("feeder 7 days kept") << "AutoFoods" << "7" << qint64(7);
        QTest::newRow("feeder -1") << "AutoFoods" << "-1" << qint64(0);
        QTest::newRow("form mode 2") << "FormMode" << "2" << qint64(0);
        QTest::newRow("sex 2") << "Sex" << "2" << qint64(0);
        QTest::newRow("sex 1 kept") << "Sex" << "1" << qint64(1);
        QTest::newRow("min tray 5") << "MinTray" << "5" << qint64(0);
        QTest::newRow("msgbox -1") << "Msgbox" << "-1" << qint64(0);
        QTest::newRow("feeding in the future") << "EatFood" << "99999" << qint64(-1);
        QTest::newRow("water change in the future") << "WaterDay" << "99999" << qint64(-1);
        QTest::newRow("last run in the future") << "LastRunDay" << "99999" << qint64(-2);
        QTest::newRow("start in the future") << "StartDay" << "99999" << qint64(-1);
        QTest::newRow("start 0 stays") << "StartDay" << "0" << qint64(0);
        QTest::newRow("feeder day in the future") << "AutoFoodDay" << "99999" << qint64(0);
        QTest::newRow("height beyond the screen") << "FormHeight" << QString::number(768 * 15 + 1) << qint64(384 * 15);
        QTest::newRow("negative width") << "FormWidth" << "-5" << qint64(512 * 15);
        QTest::newRow("top at the screen height") << "FormTop" << QString::number(768 * 15) << qint64(768 * 15);
        QTest::newRow("top one twip lower") << "FormTop" << QString::number(768 * 15 + 1) << qint64(192 * 15);
        QTest::newRow("negative left") << "FormLeft" << "-1" << qint64(256 * 15);
        QTest::newRow("fraction rounds half to even") << "Speed" << "500.5" << qint64(500);
        QTest::newRow("not a number") << "Speed" << "lots" << qint64(667);
    }
    void repairs()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(qint64, expected);
        ModelRig rig;
        Store(name, stored);
        rig.model.LoadPet(Screen1024);
        if (expected == -1) {
            expected = rig.Today();
        } else if (expected == -2) {
            expected = rig.Today() - 1;
        }
        QCOMPARE(Field(rig.model.pet, name), expected);
    }

    void feedingsOfAnEarlierDayAreForgotten()
    {
        ModelRig rig;
        Store("EatFood", QString::number(rig.Today() - 1));
        Store("EatFoods", "3");
        rig.model.LoadPet(Screen1024);
        QCOMPARE(rig.model.pet.EatFoods, 0);

        ModelRig today;
        Store("EatFood", QString::number(today.Today()));
        Store("EatFoods", "3");
        today.model.LoadPet(Screen1024);
        QCOMPARE(today.model.pet.EatFoods, 3);
    }

    void positionsOnASecondMonitorStay()
    {
        ModelRig rig;
        Store("FormLeft", QString::number(1500 * 15));
        Store("FormTop", QString::number(100 * 15));
        Store("FormWidth", QString::number(400 * 15));
        Store("FormHeight", QString::number(300 * 15));
        rig.model.LoadPet({0, 0, 2048 * 15, 768 * 15});
        QCOMPARE(rig.model.pet.FormLeft, 1500 * 15);
        QCOMPARE(rig.model.pet.FormTop, 100 * 15);
        // A desktop that reaches left of the primary screen.
        ModelRig left;
        Store("FormLeft", QString::number(-800 * 15));
        left.model.LoadPet({-1024 * 15, 0, 2048 * 15, 768 * 15});
        QCOMPARE(left.model.pet.FormLeft, -800 * 15);
    }

    void valueNamesIgnoreLetterCase()
    {
        ModelRig rig;
        Store("picfilename", "/tmp/tank.bmp");
        Store("FISHNAME", "たろう");
        rig.model.LoadPet(Screen1024);
        QCOMPARE(rig.model.pet.PicFileName, QString("/tmp/tank.bmp"));
        QCOMPARE(rig.model.pet.FishName, QString("たろう"));
        // Saving updates the same value rather than adding a second one.
        rig.model.pet.PicFileName = "/tmp/other.bmp";
        rig.model.SavePet();
        QCOMPARE(ReadRegString(vaspo::KeyPath, "PicFileName"), QString("/tmp/other.bmp"));
        QSettings ini(RegKeyFilePath(vaspo::KeyPath), QSettings::IniFormat);
        int picValues = 0;
        for (const QString& key : ini.childKeys()) {
            picValues += key.compare("PicFileName", Qt::CaseInsensitive) == 0;
        }
        QCOMPARE(picValues, 1);
    }

    void readsInTheirOrder()
    {
        ModelRig rig;
        rig.model.LoadPet(Screen1024);
        const QStringList expected{"FormTop",  "FormLeft",   "FormHeight",  "FormWidth", "EatFood",   "EatFoods",
                                   "Speed",    "Stress",     "StartDay",    "_StartDay", "FishName",  "FormMode",
                                   "WaterDay", "WaterConc",  "Sex",         "LastRunDay", "PicFilename", "MinTray",
                                   "AutoFoods", "AutoFoodDay", "Msgbox"};
        QCOMPARE(rig.registry.reads, expected);
    }

    void savesInItsOrder()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.SavePet();
        const QStringList expected{"FormTop",   "FormLeft",   "FormHeight", "FormWidth", "EatFood",    "EatFoods",
                                   "Speed",     "Stress",     "StartDay",   "_StartDay", "FishName",   "FormMode",
                                   "WaterDay",  "WaterConc",  "Sex",        "LastRunDay", "PicFileName", "MinTray",
                                   "AutoFoods", "AutoFoodDay", "Msgbox",    "Version",   "Warning1",   "Warning2",
                                   "Warning3"};
        QCOMPARE(rig.registry.writes, expected);
        QCOMPARE(ReadRegString(vaspo::KeyPath, "Version"), QString("0.32"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "Warning3"), QString("勝手に値を変えないで下さい。"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FormLeft"), QString("300"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString("ななしの権兵衛"));
    }

    void minimisedWindowKeepsTheStoredGeometry()
    {
        ModelRig rig;
        rig.HealthyFish();
        Store("FormTop", "1234");
        rig.window.placement = {true, 99, 99, 99, 99};
        rig.model.SavePet();
        QVERIFY(!rig.registry.writes.contains("FormTop"));
        QVERIFY(!rig.registry.writes.contains("FormWidth"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FormTop"), QString("1234"));
        QCOMPARE(rig.registry.writes.first(), QString("EatFood"));
    }

    void savedFishLoadsBackUnchanged()
    {
        ModelRig rig;
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.Stress = -12;
        p.AutoFoods = 3;
        p.AutoFoodDay = rig.Today() - 1;
        p.Msgbox = 1;
        p.FishName = "〜波−";
        rig.model.SavePet();
        const PetRecord saved = p;
        rig.model.pet = PetRecord{};
        rig.model.LoadPet(Screen1024);
        PetRecord expected = saved;
        expected.FormTop = 150;
        expected.FormLeft = 300;
        expected.FormHeight = 2805;
        expected.FormWidth = 5580;
        QCOMPARE(rig.model.pet, expected);
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "test_record.moc"
