// Feeding, the water change, the automatic feeder and the status view, and
// every refusal and question of the tank's menus.
#include "support/windows_rig.h"

namespace {

struct CareRig : WindowsRig {
    CareRig() { StartWithFish(); }
    // Each box as the user met it, after the window it belongs to: the tank, another (?) or none.
    QStringList Boxes() const
    {
        QStringList boxes;
        for (const MsgRequest& request : dialogs.shown) {
            boxes.append(QString(request.owner == &main ? "tank>" : request.owner ? "?>" : "->") + Described(request));
        }
        return boxes;
    }
};

}  // namespace

class TestCare : public QObject {
    Q_OBJECT
private slots:
    void refusalsAndQuestions()
    {
        const QString reset = "tank>自動給餌機能の解除|現在、自動給餌機能がセットされています\nリセットしますか？|question|YesNo, Yes";
        const QString renew = "->新たに飼育|ぎんじろうを海に帰します。\n新しい「ばすぽう」を飼育し始めます。\n"
                              "現在のデータは削除されます。\nよろしいですか？|question|YesNo, No";
        const MsgAnswer yes = MsgAnswer::Yes, no = MsgAnswer::No;
        const auto food = &frmMain::mnuCareFood, feeder = &frmMain::mnuCareAutoFoods, fresh = &frmMain::mnuFileNew;
        // Days off today of the last feeding, its count, the feeder's day and days; the item pressed with the
        // answers given -> the windows then on screen, the feeder's days, the boxes.
        using Row = std::tuple<const char*, std::array<int, 4>, QAction* frmMain::*, QList<MsgAnswer>, QStringList,
                               int, QStringList>;
        const QList<Row> rows{
            {"feeder day", {-1, 0, -1, 1}, food, {}, {}, 1,
             {"tank>ダメなのぉ...|今日は自動給餌期間です.\n餌はあげられません.|critical|OK"}},
            {"fed three times", {0, 3}, food, {}, {}, 0,
             {"tank>ダメなのぉ....|今日はこれ以上餌をあげられません.\n一日に餌は３回までです.|critical|OK"}},
            {"fed three times yesterday", {-1, 3}, food, {}, {"餌をあげる"}, 0, {}},
            {"water changed today", {}, &frmMain::mnuCareWater, {}, {}, 0,
             {"tank>ダメなのぉ....|水の交換はできません.\n水交換は、一日一回限りです.|critical|OK"}},
            {"feeder set today, kept", {0, 0, 0, 2}, feeder, {no}, {}, 2, {reset}},
            {"feeder running, reset", {0, 0, -1, 3}, feeder, {yes}, {"自動給餌機"}, 0,
             {reset, "tank>自動給餌機能の解除|自動給餌を解除しました.|information|OK"}},
            {"status", {-1, 2}, &frmMain::mnuCareLook, {}, {}, 0,
             {"tank>この「ばすぽう」の情報|今日の日付: 26/12/06\n飼育日数: 1日\n最後に餌をあげた日: 1日前\n"
              "今日あげた餌の回数: 2回\n元気度: 0.5%\nストレス: -7\n水質汚濁: 99.6%|information|OK"}},
            {"new fish, no", {}, fresh, {no}, {}, 0, {renew}},
            {"new fish, yes then no", {}, fresh, {yes, no}, {}, 0,
             {renew, "->新たに飼育・最終確認|現在のデータは二度と復活できません。\n本当によろしいですか？|question|YesNo, No"}},
            {"packing, no", {}, &frmMain::mnuFileSave, {no}, {}, 0,
             {"->お引っ越し|水槽のお引っ越しをしますか？|question|YesNo, Yes"}},
        };
        for (const auto& [name, days, item, answers, shown, feederDays, boxes] : rows) {
            CareRig rig;
            PetRecord& p = rig.model.pet;
            // Energy, stress and water far from a new fish's, for the status view to show.
            std::tie(p.EatFood, p.EatFoods, p.AutoFoodDay, p.AutoFoods, p.Speed, p.Stress, p.WaterConc) =
                std::tuple(rig.Today() + days[0], days[1], rig.Today() + days[2], days[3], 5, -7, 1);
            rig.dialogs.answers.assign(answers.begin(), answers.end());
            (rig.main.*item)->trigger();
            QCOMPARE(std::tuple(name, rig.Boxes(), rig.Shown(), int(p.AutoFoods), rig.main.isVisible(),
                                Stored("FishName")),
                     std::tuple(name, boxes, shown, feederDays, true, QString("ぎんじろう")));
        }
    }

    void careThroughItsWindows()
    {
        CareRig rig;
        rig.main.mnuCareFood->trigger();
        frmFood* food = rig.care.FoodWindow();
        QTest::mouseClick(food->optFoodBut[2], Qt::LeftButton);
        QTest::mouseClick(food->optFoodQuant[2], Qt::LeftButton);

        // Shrimp, lots: v = 4, the middle of the tank, d = 8 eaten.
        rig.random.fallback = 0.999;
        rig.random.draws = {0.9, 0.5, 2.5 / 15};
        QList<bool> waiting;
        const int bottom = rig.main.Tank->height() - rig.main.imgFood->height() - rig.main.lblSTB->height();
        // Asked again while the food sinks: nothing comes up. Closed by the window system (Alt+F4, the close
        // box): the feeding runs to its end first.
        const QPointer<frmFood> kept(food);
        QTimer::singleShot(300, &rig.main, [&] { rig.main.mnuCareFood->trigger(), food->windowHandle()->close(); });
        QTimer::singleShot(1500, &rig.main, [&] {  // down, and the fish waits a second before it eats
            waiting = {bool(kept), rig.main.imgFood->isVisible(), rig.main.imgFood->y() == bottom,
                       rig.main.lblGENKI->text() == "66.7%"};
        });
        QTest::mouseClick(food->Command1, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(waiting, QList({true, true, true, true}));
        // Reseeded before the portion and before eating, and by the stress step.
        QCOMPARE(std::tuple(rig.random.log, rig.model.pet.EatFoods, rig.model.pet.Stress, rig.main.lblGENKI->text(),
                            rig.main.lblSTB->text(), rig.Shown()),
                 std::tuple(QString("RrrRrRr"), 1, -8, QString("77.1%"), QString("おいしかったなぁ...."), QStringList()));
        // Once fed today, no fortune food; "やめた" feeds nothing: the window goes, and the count saved is 2.
        rig.main.mnuCareFood->trigger();
        QVERIFY(!rig.care.FoodWindow()->optFoodBut[FortuneFood]->isEnabled());
        QTest::mouseClick(rig.care.FoodWindow()->Command2, Qt::LeftButton);

        std::tie(rig.model.pet.WaterDay, rig.model.pet.WaterConc) = std::tuple(rig.Today() - 1, 223);
        rig.main.mnuCareWater->trigger();
        rig.main.mnuCareAutoFoods->trigger();  // December: 1 to 7 days
        frmWater* water = rig.care.WaterWindow();
        frmAutoFoods* feeder = rig.care.FeederWindow();
        // Key -> the days from 4: Right raises and Left lowers the upright bar too, as on the desktop; 7 in December.
        for (const auto& [key, days] : {std::pair{Qt::Key_Right, 5}, {Qt::Key_End, 7}, {Qt::Key_Left, 3}}) {
            feeder->vsbDay->setValue(4);
            Press(feeder, key);
            QCOMPARE(std::tuple(key, feeder->vsbDay->value()), std::tuple(key, days));
        }

        // 2 % with the arrow keys, then Enter: the water changes, Escape meanwhile refused, and the dialog goes.
        water->hsbWaterV->setValue(0);
        Press(water, Qt::Key_Right);
        Press(water, Qt::Key_Right);
        QCOMPARE(std::tuple(water->lblOdaku->text(), water->lblWaterv->text()),
                 std::tuple(QString("(現在の汚濁度:12.5%)"), QString("交換水量 : 2%")));
        bool refused = false;
        QTimer::singleShot(0, water, [&] { Press(water, Qt::Key_Escape), refused = water->isVisible(); });
        Press(water, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(refused, rig.Shown()), std::tuple(true, QStringList("自動給餌機")));

        // The Left row's three days, then Enter.
        Press(feeder, Qt::Key_Return);
        QCOMPARE(rig.window.messages, QStringList("自動給餌機始動|明日から3日間、餌を自動であげます"));

        // A feeding asked to close half way finishes first, then the tank closes with all the care saved: the energy
        // 771 after the shrimp, 750 after the water's step (|9.0 - 2| = 7, 7 mod 3 = 1), and 769 after this feeding.
        rig.main.mnuCareFood->trigger();
        rig.random.draws = {0.0, 0.5, 0.0};  // v = 0, all eaten
        QTimer::singleShot(300, &rig.main, [&] { rig.main.close(); });
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(rig.care.FoodWindow()->Command1, Qt::LeftButton));
        QCOMPARE(QStringList({Stored("EatFoods"), Stored("Speed"), Stored("WaterConc"), Stored("WaterDay"),
                              Stored("AutoFoods"), Stored("AutoFoodDay")}),
                 QStringList({"2", "769", "232", QString::number(rig.Today()), "3", QString::number(rig.Today())}));
    }

    void portionsWaterChangesAndTheFeedersDays()
    {
        // Food, quantity, draw r, d -> the fortune, whether food was left (fouling the water, a second's pause),
        // stress, energy; v at its largest. The fortune food never leaves any.
        const QList<std::tuple<int, int, int, int, QStringList, bool, int, int>> rows{
            {FortuneFood, 1, 1, 7, {"占い謎エサ|もうダメかもしれない。大凶"}, false, 8, 603},
            {FortuneFood, 1, 6, 7, {"占い謎エサ|チョット不幸な、凶"}, false, 6, 624},
            {FortuneFood, 1, 7, 7, {"占い謎エサ|まずます。小吉"}, false, -4, 729},
            {FortuneFood, 1, 14, 7, {"占い謎エサ|良いことあるかな？中吉"}, false, -6, 750},
            {FortuneFood, 1, 20, 7, {"占い謎エサ|今日はラッキー。大吉"}, false, -8, 771},
            {2, 1, 0, 6, {}, false, -4, 729}, {2, 1, 0, 7, {}, true, 4, 684}, {2, 2, 0, 9, {}, false, -6, 750},
            {2, 2, 0, 20, {}, true, 6, 703},  {2, 3, 0, 6, {}, true, 8, 722}};
        for (const auto& [kind, qty, r, d, fortune, left, stress, speed] : rows) {
            Fish rig;
            rig.model.pet.EatFoods = 3;  // yesterday's: the count starts again
            int pauses = 0;
            const double portion = kind == FortuneFood ? (r - 0.5) / 20 : (qty + 1.5) / (qty + 2);
            rig.random.draws = {portion, (d - 5.5) / 15};
            rig.model.Feed(kind, qty, {[](int) {}, [&](int ms) { pauses += ms; }});
            QCOMPARE(std::tuple(kind, qty, r, d, rig.window.messages, rig.window.status, rig.model.pet.WaterConc,
                                pauses, rig.model.pet.EatFoods, int(rig.model.pet.Stress), int(rig.model.pet.Speed)),
                     std::tuple(kind, qty, r, d, fortune, QString(left ? "餌を残しちゃった" : "おいしかったなぁ...."),
                                qint16(left ? 252 : 255), left ? 1000 : 0, 1, stress, speed));
        }

        // Clarity before, percent -> clarity after, energy, stress (largest steps).
        const QList<std::tuple<int, int, int, int, int>> changes{
            {100, 0, 103, 637, 0},     // one step even for nothing; 60 mod 3 = 0, but the dirty water costs 30
            {100, 50, 253, 647, -20},  // |0.8 - 50| = 49 -> 1
            {200, 10, 233, 643, -4},   // |8.6 - 10| = 1, and 4 for the water left dirty
            {255, 2, 255, 627, 0}};    // 2 mod 3, and 2 / 5 rounds to no relief
        for (const auto& [before, n, after, speed, stress] : changes) {
            Fish rig;
            rig.model.pet.WaterConc = qint16(before);
            rig.model.ChangeWater(n, {{}, [](int) {}});
            QCOMPARE(std::tuple(before, n, int(rig.model.pet.WaterConc), int(rig.model.pet.Speed),
                                int(rig.model.pet.Stress), rig.model.pet.WaterDay, rig.window.status),
                     std::tuple(before, n, after, speed, stress, rig.Today(), QString("水を交換しました")));
        }

        // Up to 3 days on July's last day, 7 on August's first.
        QCOMPARE(QList({Fish(QDate(2026, 7, 31)).model.FeederMaxDays(), Fish(QDate(2026, 8, 1)).model.FeederMaxDays()}),
                 QList({3, 7}));

        // Set for three days on day N, just before midnight: no hand feeding on N + 1 to N + 3, then cleared.
        Fish night(QDate(2026, 7, 10));
        night.clock.now.setTime(QTime(23, 59, 59, 900));
        night.model.SetFeeder(3);
        QCOMPARE(night.model.FeedingRefusal(), FeedRefusal::None);  // the day it is set
        for (int day = 1; day <= 4; ++day) {
            night.clock.now = day == 1 ? night.clock.now.addMSecs(200) : night.clock.now.addDays(1);
            night.model.ClockTick();
            QCOMPARE(std::tuple(day, night.model.FeedingRefusal()),
                     std::tuple(day, day < 4 ? FeedRefusal::FeederDay : FeedRefusal::None));
        }
        night.model.Feed(0, 1, {[](int) {}, [](int) {}});
        night.model.ClockTick();  // the same day: its feeding stays counted
        QCOMPARE(std::tuple(night.model.pet.AutoFoods, night.model.pet.AutoFoodDay, night.model.pet.EatFoods),
                 std::tuple(0, 0, 1));
    }
};

QTEST_MAIN(TestCare)
#include "test_care.moc"
