// Feeding, the water change, the automatic feeder and the status view, and
// every refusal and question of the tank's menus and the album.
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "care/care_windows.h"
#include "care/frm_auto_foods.h"
#include "care/frm_food.h"
#include "care/frm_water.h"
#include "pictures/frm_album.h"
#include "pictures/picture_windows.h"
#include "support/tank_rig.h"

namespace {

const CareScene NoScene{[](int) {}, [](int) {}};

struct CareRig : TankRig {
    CareWindows care{main};
    PictureWindows pictures{main};
    CareRig() { StartWithFish(); }
    // Each box as the user met it, after whose window it belongs to.
    QStringList Boxes() const
    {
        QStringList boxes;
        for (const MsgRequest& request : dialogs.shown) {
            const QObject* owner = request.owner;
            const QString by = owner == &main ? "tank" : owner ? owner->property("windowTitle").toString() : "-";
            boxes.append(by + '>' + Described(request).replace(model.AppFolder, "…/"));
        }
        return boxes;
    }
    // Food eaten today `eatFood` days off, `eatFoods` times; the feeder set `feederDay` days off for `feederDays`.
    void Set(qint32 eatFood, int eatFoods, qint32 feederDay = 0, int feederDays = 0)
    {
        std::tie(model.pet.EatFood, model.pet.EatFoods, model.pet.AutoFoodDay, model.pet.AutoFoods) =
            std::tuple(Today() + eatFood, qint16(eatFoods), Today() + feederDay, qint16(feederDays));
    }
};

}  // namespace

class TestCare : public QObject {
    Q_OBJECT
private slots:
    void refusalsAndQuestions()
    {
        using Press = std::function<void(CareRig&)>;
        const auto food = [](qint32 eatFood, int eatFoods, qint32 feederDay = 0, int feederDays = 0) {
            return [=](CareRig& r) { r.Set(eatFood, eatFoods, feederDay, feederDays), r.main.mnuCareFood->trigger(); };
        };
        const auto water = [](qint32 day) {
            return [=](CareRig& r) { r.model.pet.WaterDay = r.Today() + day, r.main.mnuCareWater->trigger(); };
        };
        const auto feeder = [](qint32 day, int days) {
            return [=](CareRig& r) { r.Set(0, 0, day, days), r.main.mnuCareAutoFoods->trigger(); };
        };
        const auto album = [](bool chosen) {
            return [=](CareRig& r) {
                QImage(4, 4, QImage::Format_RGB32).save(r.model.AppFolder + "20261207.bmp", "BMP");
                r.main.mnuCarePictureView->trigger();
                r.pictures.Album()->flbALBUM->setCurrentRow(chosen ? 0 : -1);
                r.pictures.Album()->mnuFileDel->trigger();
            };
        };
        const auto item = [](QAction* frmMain::*action) { return [=](CareRig& r) { (r.main.*action)->trigger(); }; };
        const QString full = "tank>ダメなのぉ....|今日はこれ以上餌をあげられません.\n一日に餌は３回までです.|critical|OK";
        const QString reset = "tank>自動給餌機能の解除|現在、自動給餌機能がセットされています\nリセットしますか？|question|YesNo, Yes";
        const QString reseted = "tank>自動給餌機能の解除|自動給餌を解除しました.|information|OK";
        const QString renew = "->新たに飼育|ぎんじろうを海に帰します。\n新しい「ばすぽう」を飼育し始めます。\n"
                              "現在のデータは削除されます。\nよろしいですか？|question|YesNo, No";
        const MsgAnswer yes = MsgAnswer::Yes, no = MsgAnswer::No;
        // What is pressed, with the answers given -> the boxes, the windows then on screen, the feeder's days.
        const QList<std::tuple<const char*, Press, QList<MsgAnswer>, QStringList, QStringList, int>> rows{
            {"feeder day", food(-1, 0, -1, 1), {}, {"tank>ダメなのぉ...|今日は自動給餌期間です.\n餌はあげられません.|critical|OK"}, {}, 1},
            {"fed three times", food(0, 3), {}, {full}, {}, 0},
            {"fed tomorrow: a clock set back", food(1, 0), {}, {full}, {}, 0},
            {"fed twice, feeder set today", food(0, 2, 0, 3), {}, {}, {"餌をあげる"}, 3},
            {"fed three times yesterday", food(-1, 3), {}, {}, {"餌をあげる"}, 0},
            {"water changed today", water(0), {},
             {"tank>ダメなのぉ....|水の交換はできません.\n水交換は、一日一回限りです.|critical|OK"}, {}, 0},
            {"water changed tomorrow", water(1), {}, {}, {"水を交換する"}, 0},
            {"feeder set today, kept", feeder(0, 2), {no}, {reset}, {}, 2},
            {"feeder running, reset", feeder(-1, 3), {yes}, {reset, reseted}, {"自動給餌機"}, 0},
            {"feeder ended unseen", feeder(-5, 3), {}, {}, {"自動給餌機"}, 3},
            {"status", [](CareRig& r) {
                 r.Set(-1, 2);
                 std::tie(r.model.pet.Speed, r.model.pet.Stress, r.model.pet.WaterConc) = std::tuple(5, -7, 1);
                 r.main.mnuCareLook->trigger();
             }, {}, {"tank>この「ばすぽう」の情報|今日の日付: 26/12/06\n飼育日数: 1日\n最後に餌をあげた日: 1日前\n"
                     "今日あげた餌の回数: 2回\n元気度: 0.5%\nストレス: -7\n水質汚濁: 99.6%|information|OK"}, {}, 0},
            {"album, nothing chosen", album(false), {},
             {"アルバム>写真を選択して下さい|削除する写真を選択して下さい|exclamation|OK"}, {"アルバム"}, 0},
            {"album, a photo chosen", album(true), {no},
             {"アルバム>写真を削除します|…/20261207.bmpを削除してよろしいですか|question|YesNo, Yes"}, {"アルバム"}, 0},
            {"exit, no", item(&frmMain::mnuFileExit), {no},
             {"->ばすぽうの終了|「ばすぽう」を終了しますか？|question|YesNo, Yes"}, {}, 0},
            {"new fish, no", item(&frmMain::mnuFileNew), {no}, {renew}, {}, 0},
            {"new fish, yes then no", item(&frmMain::mnuFileNew), {yes, no},
             {renew, "->新たに飼育・最終確認|現在のデータは二度と復活できません。\n本当によろしいですか？|question|YesNo, No"},
             {}, 0},
            {"packing, no", item(&frmMain::mnuFileSave), {no},
             {"->お引っ越し|水槽のお引っ越しをしますか？|question|YesNo, Yes"}, {}, 0},
        };
        for (const auto& [name, press, answers, boxes, shown, feederDays] : rows) {
            CareRig rig;
            rig.dialogs.answers.assign(answers.begin(), answers.end());
            press(rig);
            QCOMPARE(std::tuple(name, rig.Boxes(), rig.Shown(), int(rig.model.pet.AutoFoods), rig.main.isVisible(),
                                Stored("FishName")),
                     std::tuple(name, boxes, shown, feederDays, true, QString("ぎんじろう")));
        }
        // The status view's date takes the desktop's separator.
        QCOMPARE(QStringList({DateSeparator(QLocale(QLocale::German, QLocale::Germany)), DateSeparator(QLocale::c())}),
                 QStringList({".", "/"}));
    }

    void feedingByItsWindow()
    {
        CareRig rig;
        rig.main.mnuCareFood->trigger();
        frmFood* food = rig.care.FoodWindow();
        QCOMPARE(food->pos() - rig.main.pos(), QPoint(13, 13));  // 200 twips off the tank
        // The fortune food comes in one size; another food brings the sizes back.
        QTest::mouseClick(food->optFoodBut[FortuneFood], Qt::LeftButton);
        const bool sized = food->Frame2->isEnabled() || food->optFoodQuant[2]->isEnabled();
        QTest::mouseClick(food->optFoodBut[2], Qt::LeftButton);
        QTest::mouseClick(food->optFoodQuant[2], Qt::LeftButton);
        QVERIFY(!sized && food->optFoodQuant[2]->isChecked());

        // Shrimp, lots: v = 4, the middle of the tank, d = 8 eaten.
        rig.random.fallback = 0.999;
        rig.random.draws = {0.9, 0.5, 2.5 / 15};
        QList<bool> sinking, waiting;
        const int bottom = rig.main.Tank->height() - rig.main.imgFood->height() - rig.main.lblSTB->height();
        QTimer::singleShot(300, &rig.main, [&] {
            rig.main.mnuCareFood->trigger();  // asked again while the food sinks: nothing comes up
            sinking = {rig.main.imgFood->isVisible(), rig.main.imgFood->y() > 20, food->isVisible()};
        });
        QTimer::singleShot(1500, &rig.main, [&] {  // down, and the fish waits a second before it eats
            waiting = {rig.main.imgFood->isVisible(), rig.main.imgFood->y() == bottom,
                       rig.main.lblGENKI->text() == "66.7%"};
        });
        QTest::mouseClick(food->Command1, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(sinking, waiting), std::tuple(QList({true, true, false}), QList({true, true, true})));
        // Reseeded before the portion and before eating, and by the stress step.
        QCOMPARE(std::tuple(rig.random.log, rig.model.pet.EatFoods, rig.model.pet.Stress, rig.main.lblGENKI->text(),
                            rig.main.lblSTB->text(), rig.Shown()),
                 std::tuple(QString("RrrRrRr"), 1, -8, QString("77.1%"), QString("おいしかったなぁ...."), QStringList()));
        // Once fed today, no fortune food; "やめた" changes nothing.
        rig.main.mnuCareFood->trigger();
        QVERIFY(!rig.care.FoodWindow()->optFoodBut[FortuneFood]->isEnabled());
        QTest::mouseClick(rig.care.FoodWindow()->Command2, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.care.FoodWindow(), rig.model.pet.EatFoods), std::tuple(nullptr, 1));
    }

    void portions()
    {
        // Food, quantity, draw r, d -> the fortune, whether food was left (fouling the water, a second's pause),
        // stress, energy; v at its largest. The fortune food never leaves any.
        const QList<std::tuple<int, int, int, int, QString, bool, int, int>> rows{
            {FortuneFood, 1, 1, 7, "もうダメかもしれない。大凶", false, 8, 603},
            {FortuneFood, 1, 6, 7, "チョット不幸な、凶", false, 6, 624},
            {FortuneFood, 1, 7, 7, "まずます。小吉", false, -4, 729},
            {FortuneFood, 1, 14, 7, "良いことあるかな？中吉", false, -6, 750},
            {FortuneFood, 1, 20, 7, "今日はラッキー。大吉", false, -8, 771},
            {2, 1, 0, 6, "", false, -4, 729}, {2, 1, 0, 7, "", true, 4, 684}, {2, 2, 0, 9, "", false, -6, 750},
            {2, 2, 0, 20, "", true, 6, 703},  {2, 3, 0, 6, "", true, 8, 722}};
        for (const auto& [kind, qty, r, d, fortune, left, stress, speed] : rows) {
            Fish rig;
            rig.model.pet.EatFood = rig.Today() - 1;  // a new day: the count starts again
            rig.model.pet.EatFoods = 3;
            int pauses = 0;
            const double portion = kind == FortuneFood ? (r - 0.5) / 20 : (qty + 1.5) / (qty + 2);
            rig.random.draws = {portion, (d - 5.5) / 15};
            rig.model.Feed(kind, qty, {[](int) {}, [&](int ms) { pauses += ms; }});
            QCOMPARE(
                std::tuple(kind, qty, r, d, rig.window.messages, rig.window.status, rig.model.pet.WaterConc, pauses,
                           rig.model.pet.EatFoods, int(rig.model.pet.Stress), int(rig.model.pet.Speed)),
                std::tuple(kind, qty, r, d, fortune.isEmpty() ? QStringList() : QStringList("占い謎エサ|" + fortune),
                           QString(left ? "餌を残しちゃった" : "おいしかったなぁ...."), qint16(left ? 252 : 255),
                           left ? 1000 : 0, 1, stress, speed));
        }
    }

    void closingWaitsForTheCare()
    {
        // A feeding asked to close half way finishes first, then the tank closes with it saved.
        CareRig rig;
        rig.main.mnuCareFood->trigger();
        rig.random.draws = {0.0, 0.5, 0.0};  // v = 0, all eaten
        QTimer::singleShot(300, &rig.main, [&] { rig.main.close(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(rig.care.FoodWindow()->Command1, Qt::LeftButton));
        QVERIFY(clock.elapsed() < 1500);  // the waits were cut short
        QCOMPARE(QStringList({Stored("EatFoods"), Stored("Speed")}), QStringList({"1", "687"}));

        // A day change noticed while the food sinks saves nothing half done; the end of the feeding saves.
        CareRig midnight;
        midnight.registry.writes.clear();
        int writesDuringTheDrop = -1;
        const auto dayChange = [&](int) {
            midnight.clock.now = midnight.clock.now.addDays(1);
            midnight.model.ClockTick();
            writesDuringTheDrop = int(midnight.registry.writes.size());
        };
        midnight.model.Feed(0, 2, {dayChange, [](int) {}});
        QCOMPARE(std::tuple(writesDuringTheDrop, midnight.registry.writes.contains("EatFoods")), std::tuple(0, true));
    }

    void waterChange()
    {
        // Clarity before, percent -> clarity after, energy, stress (largest steps).
        const QList<std::tuple<int, int, int, int, int>> rows{
            {100, 0, 103, 637, 0},     // one step even for nothing; 60 mod 3 = 0, but the dirty water costs 30
            {100, 50, 253, 647, -20},  // |0.8 - 50| = 49 -> 1
            {200, 10, 233, 643, -4},   // |8.6 - 10| = 1, and 4 for the water left dirty
            {255, 2, 255, 627, 0}};    // 2 mod 3, and 2 / 5 rounds to no relief
        for (const auto& [before, n, after, speed, stress] : rows) {
            Fish rig;
            rig.model.pet.WaterConc = qint16(before);
            int steps = 0;
            rig.model.ChangeWater(n, {{}, [&](int ms) { steps += ms == 15; }});
            QCOMPARE(std::tuple(before, n, int(rig.model.pet.WaterConc), int(rig.model.pet.Speed),
                                int(rig.model.pet.Stress), steps, rig.model.pet.WaterDay, rig.window.status),
                     std::tuple(before, n, after, speed, stress, n + 1, rig.Today(), QString("水を交換しました")));
        }
    }

    void amountBarsMoveAsOnTheDesktop()
    {
        CareRig rig;
        rig.model.pet.WaterDay = rig.Today() - 1;
        rig.model.pet.WaterConc = 223;
        rig.main.mnuCareWater->trigger();
        rig.main.mnuCareAutoFoods->trigger();  // December: 1 to 7 days
        frmWater* water = rig.care.WaterWindow();
        frmAutoFoods* feeder = rig.care.FeederWindow();
        // Key, or the wheel turned down (-120) or up (120) -> the amount from 50 and the days from 4.
        const QList<std::tuple<int, int, int>> rows{
            {Qt::Key_Right, 51, 5}, {Qt::Key_Down, 51, 5}, {Qt::Key_PageDown, 60, 7}, {Qt::Key_End, 100, 7},
            {Qt::Key_Left, 49, 3},  {Qt::Key_Up, 49, 3},   {Qt::Key_PageUp, 40, 1},   {Qt::Key_Home, 0, 1},
            {-120, 53, 7},          {120, 47, 1}};
        for (const auto& [key, amount, days] : rows) {
            QList<int> after;
            for (QScrollBar* bar : {water->hsbWaterV, feeder->vsbDay}) {
                bar->setValue(bar == water->hsbWaterV ? 50 : 4);
                QWheelEvent wheel({5, 5}, bar->mapToGlobal(QPointF(5, 5)), {}, {0, key}, {}, {}, Qt::NoScrollPhase,
                                  false);
                qAbs(key) == 120 ? void(QCoreApplication::sendEvent(bar, &wheel)) : Press(bar->window(), Qt::Key(key));
                after.append(bar->value());
            }
            QCOMPARE(std::tuple(key, after[0], after[1]), std::tuple(key, amount, days));
        }

        // 2 % with the arrow keys, then Enter: the dialog is still while the water changes, then goes.
        water->hsbWaterV->setValue(0);
        Press(water, Qt::Key_Right);
        Press(water, Qt::Key_Right);
        QCOMPARE(std::tuple(water->lblOdaku->text(), water->lblWaterv->text()),
                 std::tuple(QString("(現在の汚濁度:12.5%)"), QString("交換水量 : 2%")));
        bool still = false;
        QTimer::singleShot(10, water, [&] { still = !water->Command1->isEnabled() && !water->hsbWaterV->isEnabled(); });
        Press(water, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(still, rig.Shown()), std::tuple(true, QStringList("自動給餌機")));

        // Three days, then Enter; the care is over, so the tank closes with both saved.
        feeder->vsbDay->setValue(3);
        QCOMPARE(feeder->lblDay->text(), QString("3日"));
        Press(feeder, Qt::Key_Return);
        QCOMPARE(rig.window.messages, QStringList("自動給餌機始動|明日から3日間、餌を自動であげます"));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.close());
        QCOMPARE(QStringList({Stored("WaterConc"), Stored("WaterDay"), Stored("AutoFoods"), Stored("AutoFoodDay")}),
                 QStringList({"232", QString::number(rig.Today()), "3", QString::number(rig.Today())}));
    }

    void feederDays()
    {
        for (const auto& [month, days] : {std::pair{7, 3}, std::pair{8, 7}}) {
            CareRig rig;
            rig.clock.now.setDate(QDate(2026, month, 15));
            rig.main.mnuCareAutoFoods->trigger();
            frmAutoFoods* feeder = rig.care.FeederWindow();
            QCOMPARE(std::tuple(feeder->lblMes->text(), feeder->vsbDay->maximum()),
                     std::tuple("　自動で餌をあげます。自動で餌をあげられる期間は、明日から" + QString::number(days) +
                                    "日間までです。", days));
        }

        // Set for three days on day N, just before midnight: no hand feeding on N + 1 to N + 3, then cleared.
        Fish rig(QDate(2026, 7, 10));
        rig.clock.now.setTime(QTime(23, 59, 59, 900));
        rig.model.SetFeeder(3);
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
};

QTEST_MAIN(TestCare)
#include "test_care.moc"
