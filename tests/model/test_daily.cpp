// The energy and stress adjusters and the day-by-day simulation.
#include <QtTest>

#include "support/scripted.h"

namespace {

// A date whose day number ends in `digit`, so tests control which days are
// multiples of ten.
QDate DateEndingIn(int digit)
{
    QDate date(2026, 12, 1);
    while (DayNumberOf(date) % 10 != digit) {
        date = date.addDays(1);
    }
    return date;
}

}  // namespace

class TestDaily : public QObject {
    Q_OBJECT
private slots:
    void energyChargesStressAndWater_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("stress");
        QTest::addColumn<int>("water");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("expected");
        QTest::newRow("nothing to charge") << 667 << 0 << 255 << 0 << 667;
        QTest::newRow("full stress costs 50") << 667 << 100 << 255 << 0 << 617;
        QTest::newRow("happy fish gains") << 667 << -100 << 255 << 0 << 717;
        QTest::newRow("stress 1: exact half rounds to even") << 7 << 1 << 255 << 0 << 6;
        QTest::newRow("stress 3: exact half rounds to even") << 7 << 3 << 255 << 0 << 6;
        QTest::newRow("stress 7: a hair above half") << 7 << 7 << 255 << 0 << 3;
        QTest::newRow("stress 7 from 5") << 5 << 7 << 255 << 0 << 1;
        QTest::newRow("dirtiest water costs 50") << 667 << 0 << 1 << 0 << 617;
        QTest::newRow("slightly dirty water") << 667 << 0 << 250 << 0 << 666;
        QTest::newRow("rest bonus") << 667 << 0 << 255 << 2 << 707;
        QTest::newRow("capped at 1000") << 995 << 0 << 255 << 2 << 1000;
        QTest::newRow("hunger of two days") << 667 << 0 << 255 << -2 << 627;
    }
    void energyChargesStressAndWater()
    {
        QFETCH(int, speed);
        QFETCH(int, stress);
        QFETCH(int, water);
        QFETCH(int, step);
        QFETCH(int, expected);
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.Speed = qint16(speed);
        rig.model.pet.Stress = qint16(stress);
        rig.model.pet.WaterConc = qint16(water);
        rig.model.ChangeEnergy(qint16(step));
        QCOMPARE(int(rig.model.pet.Speed), expected);
        QCOMPARE(rig.window.genki, EnergyFigure(qint16(expected)) + "%");
        QCOMPARE(rig.window.sorts, 1);
    }

    void energyLabelFormat()
    {
        QCOMPARE(EnergyFigure(667), QString("66.7"));
        QCOMPARE(EnergyFigure(1000), QString("100.0"));
        QCOMPARE(EnergyFigure(5), QString("0.5"));
        QCOMPARE(PollutionFigure(255), QString("0.0"));
        QCOMPARE(PollutionFigure(1), QString("99.6"));
        QCOMPARE(PollutionFigure(230), QString("9.8"));
    }

    void energyReachingExactlyZeroKills()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.Speed = 40;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.ChangeEnergy(-2));
        QCOMPARE(rig.model.pet.Speed, 0);
        QCOMPARE(rig.model.NoSave, 1);
        QVERIFY(rig.window.fishHidden);
        QVERIFY(QFile::exists(rig.model.AppFolder + "VASPO.HIS"));

        ModelRig survivor;
        survivor.HealthyFish();
        survivor.model.pet.Speed = 41;
        survivor.model.ChangeEnergy(-2);
        QCOMPARE(survivor.model.pet.Speed, 1);
        QCOMPARE(survivor.end.ends, 0);
    }

    void stressMovesByEvenRandomSteps()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.random.draws = {0.999};
        rig.model.ChangeStress(1);
        QCOMPARE(rig.model.pet.Stress, 2);  // +1 always means +2

        rig.random.draws = {0.5};
        rig.model.ChangeStress(3);  // k = Int(3 * 0.5 + 1) = 2
        QCOMPARE(rig.model.pet.Stress, 6);

        rig.random.draws = {0.999};
        rig.model.ChangeStress(3);
        QCOMPARE(rig.model.pet.Stress, 12);
        QCOMPARE(rig.window.stress, QString("12"));

        rig.random.draws = {0.7};
        rig.model.ChangeStress(0);
        QCOMPARE(rig.model.pet.Stress, 12);
        QCOMPARE(rig.random.randomizeCalls, 4);  // reseeded before every draw
    }

    void stressIsClamped()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.Stress = -99;
        rig.random.draws = {0.999};
        rig.model.ChangeStress(-2);
        QCOMPARE(rig.model.pet.Stress, -100);
        rig.model.pet.Stress = 99;
        rig.random.draws = {0.999};
        rig.model.ChangeStress(3);
        QCOMPARE(rig.model.pet.Stress, 100);
    }

    void feederDays()
    {
        ModelRig rig;
        PetRecord& p = rig.model.pet;
        p.AutoFoodDay = 100;
        p.AutoFoods = 3;
        QVERIFY(!rig.model.IsAutoFeedDay(100));
        QVERIFY(rig.model.IsAutoFeedDay(101));
        QVERIFY(rig.model.IsAutoFeedDay(103));
        QVERIFY(!rig.model.IsAutoFeedDay(104));
        p.AutoFoods = 0;
        QVERIFY(!rig.model.IsAutoFeedDay(101));
    }

    void sameDayOnlyRefreshesTheWater()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.LastRunDay = rig.Today();
        rig.model.DailyUpdate(0);
        QCOMPARE(rig.model.pet.Speed, 667);
        QCOMPARE(rig.window.water, QString("0.0%"));
        QCOMPARE(rig.window.colour, (WaterColour{0, 255, 255}));
    }

    void nextDayForAFishFedYesterday()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(3));
        rig.HealthyFish();
        rig.model.pet.EatFoods = 2;
        rig.model.DailyUpdate(0);
        const PetRecord& p = rig.model.pet;
        QCOMPARE(p.Speed, 627);  // hunger 2: 40
        QCOMPARE(p.EatFoods, 0);
        QCOMPARE(p.WaterConc, 250);
        QCOMPARE(p.LastRunDay, rig.Today());
        QCOMPARE(rig.window.colour, (WaterColour{2, 250, 252}));  // 2.5 and 252.5 round to even
        QCOMPARE(rig.window.water, QString("2.0%"));
    }

    void tenthDayCostsMore()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(0));
        rig.HealthyFish();
        rig.model.DailyUpdate(0);
        QCOMPARE(rig.model.pet.Speed, 667 - 40 - 60);
    }

    void absenceWithAFeederDayInTheMiddle()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(4));  // missed days end in 2, 3, 4
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        const qint32 last = rig.Today() - 3;
        p.LastRunDay = last;
        p.EatFood = last;
        p.AutoFoodDay = last + 1;
        p.AutoFoods = 1;  // covers the middle day only
        rig.model.DailyUpdate(0);
        // Day 1: hunger 2 (40). Day 2: fed by the feeder. Day 3: hunger 4 (80),
        // the hunger kept growing through the feeder day.
        QCOMPARE(p.Speed, 667 - 40 - 80);
        QCOMPARE(p.EatFood, last + 2);
        QCOMPARE(p.EatFoods, 0);
        QCOMPARE(p.WaterConc, 240);
        // Today is the first day after the period: the feeder is cleared.
        QCOMPARE(p.AutoFoods, 0);
        QCOMPARE(p.AutoFoodDay, 0);
    }

    void feederDayItselfLeavesTheLimitUsedUp()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(5));
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.AutoFoodDay = rig.Today() - 1;
        p.AutoFoods = 2;
        rig.model.DailyUpdate(0);
        QCOMPARE(p.EatFoods, 3);
        QCOMPARE(p.EatFood, rig.Today());
        QCOMPARE(p.Speed, 667);
        QCOMPARE(p.AutoFoods, 2);  // still inside the period
    }

    void feederClearedOnlyOnTheDayAfterItsPeriod()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(5));
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.AutoFoodDay = rig.Today() - 3;
        p.AutoFoods = 3;  // covers up to today
        rig.model.DailyUpdate(0);
        QCOMPARE(p.AutoFoods, 3);
        rig.clock.NextDay();
        rig.model.DailyUpdate(0);
        QCOMPARE(p.AutoFoods, 0);
        QCOMPARE(p.AutoFoodDay, 0);

        ModelRig away;
        away.clock.SetDate(DateEndingIn(7));
        away.HealthyFish();
        PetRecord& q = away.model.pet;
        q.LastRunDay = away.Today() - 3;
        q.EatFood = q.LastRunDay;
        q.AutoFoodDay = away.Today() - 4;
        q.AutoFoods = 2;  // ended two days ago; that day was missed
        away.model.DailyUpdate(0);
        QCOMPARE(q.AutoFoods, 2);
        QCOMPARE(q.AutoFoodDay, away.Today() - 4);
    }

    void clarityIsHeldAtOneAndStressesTheFish()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(3));
        rig.HealthyFish();
        rig.model.pet.WaterConc = 5;
        rig.random.fallback = 0.0;
        rig.model.DailyUpdate(0);
        QCOMPARE(rig.model.pet.WaterConc, 1);
        QCOMPARE(rig.model.pet.Stress, 2);
        QCOMPARE(rig.window.colour, (WaterColour{127, 1, 128}));
        QCOMPARE(rig.window.water, QString("99.6%"));
    }

    void clockSetBackProcessesOneDay()
    {
        ModelRig rig;
        rig.clock.SetDate(DateEndingIn(3));
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.LastRunDay = rig.Today() + 3;
        p.EatFood = p.LastRunDay;
        p.WaterConc = 200;
        rig.model.DailyUpdate(0);
        QCOMPARE(p.LastRunDay, rig.Today());
        // One hunger step of 2 with the water penalty of clarity 200.
        QCOMPARE(p.Speed, 667 - 40 - 11);
        QCOMPARE(p.WaterConc, 200 - 11 + 15);
    }

    void waterChangeAndFeedingPollution()
    {
        ModelRig rig;
        rig.HealthyFish();
        PetRecord& p = rig.model.pet;
        p.EatFoods = 3;
        p.WaterConc = 200;
        rig.model.DailyUpdate(2);
        QCOMPARE(p.WaterConc, 192);  // 192.35
        p.WaterConc = 254;
        rig.model.DailyUpdate(1);
        QCOMPARE(p.WaterConc, 255);  // 256.55 held at 255
        p.WaterConc = 100;
        rig.model.DailyUpdate(1);
        QCOMPARE(p.WaterConc, 103);  // 102.55
        QCOMPARE(rig.window.colour, (WaterColour{76, 103, 179}));
        QCOMPARE(p.Speed, 667);
    }
};

QTEST_GUILESS_MAIN(TestDaily)
#include "test_daily.moc"
