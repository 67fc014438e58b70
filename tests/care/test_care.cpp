// Feeding, the water change, the automatic feeder and the status view.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "care/care_windows.h"
#include "care/frm_auto_foods.h"
#include "care/frm_food.h"
#include "care/frm_water.h"
#include "support/tank_rig.h"

namespace {

// The draw that gives Int(r * span) + low = value.
double DrawFor(int value, int span, int low = 0)
{
    return (value - low + 0.5) / span;
}

const CareScene NoScene{[](int) {}, [](int) {}};

// A fish alone with the model, run today; the stress draws take the largest step.
struct Fish : FishRig {
    explicit Fish(const QDate& today = {}) : FishRig(5, today)
    {
        model.pet.LastRunDay = Today();
        random.fallback = 0.999;
    }
};

struct CareRig : TankRig {
    CareWindows care{main};
    explicit CareRig(Values extra = {}) { StartWithFish(extra); }
};

}  // namespace

class TestCare : public QObject {
    Q_OBJECT
private slots:
    void feedingIsRefused()
    {
        Fish rig;
        const qint32 today = rig.Today();
        // EatFood, EatFoods, feeder set on, feeder days -> refusal.
        const QList<std::tuple<qint32, int, qint32, int, FeedRefusal>> cases{
            {today, 2, 0, 0, FeedRefusal::None},           {today, 3, 0, 0, FeedRefusal::ThreeADay},
            {today - 1, 3, 0, 0, FeedRefusal::None},       {today + 1, 0, 0, 0, FeedRefusal::ThreeADay},
            {today - 1, 0, today - 1, 1, FeedRefusal::FeederDay}, {today, 0, today, 3, FeedRefusal::None},
        };
        for (const auto& [eatFood, eatFoods, feederDay, feederDays, refusal] : cases) {
            PetRecord& pet = rig.model.pet;
            std::tie(pet.EatFood, pet.EatFoods, pet.AutoFoodDay, pet.AutoFoods) =
                std::tuple(eatFood, qint16(eatFoods), feederDay, qint16(feederDays));
            QCOMPARE(std::tuple(eatFood - today, eatFoods, rig.model.FeedingRefusal()),
                     std::tuple(eatFood - today, eatFoods, refusal));
        }

        // The two refusals differ by their titles' dots; neither opens the dialog.
        CareRig full({{"EatFoods", "3"}});
        full.main.mnuCareFood->trigger();
        CareRig feeder({{"AutoFoodDay", QString::number(full.Today() - 1)}, {"AutoFoods", "2"}});
        feeder.main.mnuCareFood->trigger();
        QCOMPARE(std::tuple(full.dialogs.titles + feeder.dialogs.titles, full.care.FoodWindow(),
                            feeder.care.FoodWindow()),
                 std::tuple(QStringList({"ダメなのぉ....", "ダメなのぉ..."}), nullptr, nullptr));
    }

    void fortuneFood()
    {
        // Draw r -> text, stress step, energy step; never leftovers.
        const QList<std::tuple<int, QString, int, int>> rows{
            {1, "もうダメかもしれない。大凶", 4, -3}, {2, "チョット不幸な、凶", 3, -2},
            {6, "チョット不幸な、凶", 3, -2},         {7, "まずます。小吉", -2, 3},
            {13, "まずます。小吉", -2, 3},            {14, "良いことあるかな？中吉", -3, 4},
            {18, "良いことあるかな？中吉", -3, 4},    {19, "今日はラッキー。大吉", -4, 5},
            {20, "今日はラッキー。大吉", -4, 5}};
        for (const auto& [r, text, stress, energy] : rows) {
            Fish rig;
            rig.random.draws = {DrawFor(r, 20, 1), DrawFor(7, 15, 6)};  // d = 7 would leave food
            rig.model.Feed(FortuneFood, 1, NoScene);
            // The stress step takes its largest value; half the stress is charged on the energy.
            QCOMPARE(std::tuple(r, rig.window.messages, int(rig.model.pet.Stress), int(rig.model.pet.Speed)),
                     std::tuple(r, QStringList("占い謎エサ|" + text), 2 * stress, 667 + 20 * energy - stress));
            QCOMPARE(std::tuple(rig.window.status, rig.model.pet.WaterConc), std::tuple(QString("おいしかったなぁ...."), 255));
        }
        // Offered only before the day's first feeding.
        Fish fed;
        QVERIFY(fed.model.FortuneFoodOffered());
        fed.model.Feed(0, 1, NoScene);
        QCOMPARE(std::tuple(fed.model.FortuneFoodOffered(), fed.model.pet.EatFoods), std::tuple(false, 1));
    }

    void leftoversByQuantity()
    {
        for (int qty = 1; qty <= 3; ++qty) {
            for (int d = 6; d <= 20; ++d) {
                Fish rig;
                rig.model.pet.EatFood = rig.Today() - 1;  // a new day: the count starts again
                rig.model.pet.EatFoods = 3;
                int pauses = 0;
                rig.random.draws = {DrawFor(qty + 1, qty + 2), DrawFor(d, 15, 6)};  // v at its largest
                rig.model.Feed(2, qty, {[](int) {}, [&](int ms) { pauses += ms; }});
                const bool left = d % (qty + 1) != 0;
                const int v = qty + 1, stress = left ? 2 * v : -2 * v;
                QCOMPARE(std::tuple(qty, d, rig.window.status, rig.model.pet.WaterConc, pauses),
                         std::tuple(qty, d, QString(left ? "餌を残しちゃった" : "おいしかったなぁ...."),
                                    qint16(left ? 252 : 255), left ? 1000 : 0));
                const int penalty = stress / 2 + (left ? 1 : 0);  // half the stress, and the fouled water
                QCOMPARE(std::tuple(rig.model.pet.EatFoods, int(rig.model.pet.Stress), int(rig.model.pet.Speed)),
                         std::tuple(1, stress, 667 + 20 * (left ? v - 1 : v + 1) - penalty));
            }
        }
    }

    void feedingThroughItsWindow()
    {
        CareRig rig;
        rig.care.mnuCareFood_Click();
        frmFood* food = rig.care.FoodWindow();
        food->optFoodBut[99]->click();  // the fortune food comes in one size
        QCOMPARE(std::tuple(food->pos() - rig.main.pos(), food->Frame2->isEnabled()),
                 std::tuple(QPoint(13, 13), false));
        food->Command2_Click();  // "やめた" changes nothing
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.care.FoodWindow(), rig.model.pet.EatFoods), std::tuple(nullptr, 0));

        // A feeding asked to close half way finishes first, then the tank closes with it saved.
        rig.care.mnuCareFood_Click();
        rig.random.draws = {0.0, 0.5, DrawFor(6, 15, 6)};  // v = 0, the middle of the tank, all eaten
        QList<int> sinking;
        QTimer::singleShot(300, [&] {
            sinking = {rig.main.imgFood->isVisible(), rig.main.imgFood->y(), rig.care.FoodWindow()->isVisible()};
            rig.care.FoodWindow()->Command1_Click();  // pressed again while the food sinks: nothing more
            rig.main.close();
        });
        QElapsedTimer clock;
        clock.start();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.care.FoodWindow()->Command1_Click());
        QVERIFY(clock.elapsed() < 1500);  // the second's wait was cut short
        QVERIFY(sinking[0] && sinking[1] > 20 && !sinking[2]);
        QCOMPARE(QStringList({ReadRegString(vaspo::KeyPath, "EatFoods"), ReadRegString(vaspo::KeyPath, "Speed")}),
                 QStringList({"1", "687"}));

        // A day change noticed while the food sinks saves nothing half done; the end of the feeding saves.
        CareRig midnight;
        midnight.registry.writes.clear();
        int writesDuringTheDrop = -1;
        midnight.model.Feed(0, 2, {[&](int) {
                                       midnight.clock.now = midnight.clock.now.addDays(1);
                                       midnight.model.ClockTick();
                                       writesDuringTheDrop = int(midnight.registry.writes.size());
                                   },
                                   [](int) {}});
        QCOMPARE(std::tuple(writesDuringTheDrop, midnight.registry.writes.isEmpty()), std::tuple(0, false));
    }

    void waterChange()
    {
        // Clarity before, percent -> clarity after, energy, stress (largest steps).
        const QList<std::tuple<int, int, int, int, int>> cases{
            {100, 0, 103, 637, 0},     // one step even for nothing; 60 mod 3 = 0, but the dirty water costs 30
            {100, 50, 253, 647, -20},  // |0.8 - 50| = 49 -> 1
            {1, 84, 255, 667, -34},    // 84 mod 3 = 0
            {200, 10, 233, 643, -4},   // |8.6 - 10| = 1, and 4 for the water left dirty
            {230, 3, 242, 624, -2},    // |5.1 - 3| = 2, and 3 for the water
            {255, 2, 255, 627, 0},     // 2 mod 3, and 2 / 5 rounds to no relief
        };
        for (const auto& [before, n, after, speed, stress] : cases) {
            Fish rig;
            rig.model.pet.WaterConc = qint16(before);
            int steps = 0;
            rig.model.ChangeWater(n, {{}, [&](int ms) { steps += ms == 15; }});
            QCOMPARE(std::tuple(before, n, int(rig.model.pet.WaterConc), int(rig.model.pet.Speed),
                                int(rig.model.pet.Stress), steps),
                     std::tuple(before, n, after, speed, stress, n + 1));
            QCOMPARE(std::tuple(rig.model.pet.WaterDay, rig.window.status),
                     std::tuple(rig.Today(), QString("水を交換しました")));
        }
        // Once a day; a water day after today (a clock set back) allows it.
        Fish rig;
        for (const auto& [day, allowed] : {std::pair{0, false}, std::pair{-1, true}, std::pair{1, true}}) {
            rig.model.pet.WaterDay = rig.Today() + day;
            QCOMPARE(std::tuple(day, rig.model.WaterChangeAllowed()), std::tuple(day, allowed));
        }
    }

    void waterThroughItsWindow()
    {
        CareRig refused;
        refused.main.mnuCareWater->trigger();
        QCOMPARE(std::tuple(refused.care.WaterWindow(), refused.dialogs.shown.size()), std::tuple(nullptr, 1));

        CareRig rig({{"WaterDay", "1"}, {"WaterConc", "223"}});
        rig.main.mnuCareWater->trigger();
        frmWater* water = rig.care.WaterWindow();
        water->hsbWaterV->setValue(2);
        QCOMPARE(water->lblOdaku->text(), QString("(現在の汚濁度:12.5%)"));
        bool disabled = false;
        QTimer::singleShot(10, [&] {
            disabled = !water->Command1->isEnabled() && !water->Command2->isEnabled() && !water->hsbWaterV->isEnabled();
        });
        water->Command1_Click();
        QCoreApplication::processEvents();
        QVERIFY(disabled && !rig.care.WaterWindow());
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.Form_Unload());  // the care is over: the tank closes
        QCOMPARE(QStringList({ReadRegString(vaspo::KeyPath, "WaterConc"), ReadRegString(vaspo::KeyPath, "WaterDay")}),
                 QStringList({"232", QString::number(rig.Today())}));
    }

    void feederDays()
    {
        for (const auto& [month, days] : {std::pair{7, 3}, std::pair{8, 7}, std::pair{12, 7}}) {
            CareRig rig;
            rig.clock.now.setDate(QDate(2026, month, 15));
            rig.care.mnuCareAutoFoods_Click();
            frmAutoFoods* feeder = rig.care.FeederWindow();
            QCOMPARE(std::tuple(feeder->lblMes->text().section("明日から", 1), feeder->vsbDay->maximum()),
                     std::tuple(QString::number(days) + "日間までです。", days));
        }

        // Set for three days on day N, just before midnight: no hand feeding on N + 1 to N + 3, then cleared.
        Fish rig(QDate(2026, 7, 10));
        rig.clock.now.setTime(QTime(23, 59, 59, 900));
        rig.model.SetFeeder(3);
        QCOMPARE(rig.window.messages, QStringList("自動給餌機始動|明日から3日間、餌を自動であげます"));
        QCOMPARE(rig.model.FeedingRefusal(), FeedRefusal::None);  // the day it is set
        for (int day = 1; day <= 4; ++day) {
            rig.clock.now = day == 1 ? rig.clock.now.addMSecs(200) : rig.clock.now.addDays(1);
            rig.model.ClockTick();
            QCOMPARE(std::tuple(day, rig.model.FeedingRefusal()),
                     std::tuple(day, day < 4 ? FeedRefusal::FeederDay : FeedRefusal::None));
        }
        rig.model.Feed(0, 1, NoScene);
        rig.model.ClockTick();  // the same day: its feeding stays counted
        QCOMPARE(std::tuple(rig.model.pet.AutoFoods, rig.model.pet.AutoFoodDay, rig.model.pet.EatFoods),
                 std::tuple(0, 0, 1));
    }

    void feederMenu()
    {
        // Set today: asked first. No keeps it; Yes clears it and opens the dialog.
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            CareRig rig;
            rig.model.SetFeeder(2);
            rig.dialogs.answers = {answer};
            rig.care.mnuCareAutoFoods_Click();
            const bool yes = answer == MsgAnswer::Yes;
            QCOMPARE(std::tuple(rig.dialogs.titles.value(0), rig.care.FeederWindow() != nullptr,
                                ReadRegString(vaspo::KeyPath, "AutoFoods")),
                     std::tuple(QString("自動給餌機能の解除"), yes, QString(yes ? "0" : "2")));
        }
        // A period that ended while the program did not run opens the dialog at once.
        CareRig expired;
        expired.model.pet.AutoFoodDay = expired.Today() - 5;
        expired.model.pet.AutoFoods = 3;
        expired.main.mnuCareAutoFoods->trigger();
        QVERIFY(expired.dialogs.shown.isEmpty() && expired.care.FeederWindow());
        expired.care.FeederWindow()->vsbDay->setValue(2);
        expired.care.FeederWindow()->cmdOK_Click();
        QCOMPARE(std::tuple(expired.model.pet.AutoFoods, expired.model.pet.AutoFoodDay),
                 std::tuple(2, expired.Today()));
    }

    void statusView()
    {
        Fish rig;
        rig.model.pet.StartDay = rig.Today();
        rig.model.pet.EatFood = rig.Today();
        for (const auto& [speed, water, energyLine, waterLine] :
             {std::tuple{1000, 255, "元気度: 100.0%", "水質汚濁: 0.0%"}, std::tuple{5, 1, "元気度: 0.5%", "水質汚濁: 99.6%"}}) {
            rig.model.pet.Speed = qint16(speed);
            rig.model.pet.WaterConc = qint16(water);
            QCOMPARE(rig.model.StatusReport("/"), QString("今日の日付: 26/12/06\n飼育日数: 1日\n最後に餌をあげた日: 0日前\n"
                                                          "今日あげた餌の回数: 0回\n%1\nストレス: 0\n%2")
                                                      .arg(energyLine, waterLine));
        }
        QCOMPARE(QStringList({DateSeparator(QLocale(QLocale::Japanese, QLocale::Japan)),
                              DateSeparator(QLocale(QLocale::German, QLocale::Germany)), DateSeparator(QLocale::c())}),
                 QStringList({"/", ".", "/"}));
    }
};

QTEST_MAIN(TestCare)
#include "test_care.moc"
