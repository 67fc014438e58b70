// The fish: day numbers, loading and saving, the days passing, death and
// history, speech, the move file and the start procedure.
#include <QtTest>

#include "model/history_log.h"
#include "model/move_file.h"
#include "storage/text_codec.h"
#include "support/damaged_store.h"
#include "support/scripted.h"

namespace {

const ScreenTwips Screen1024{0, 0, 1024 * 15, 768 * 15};

qint64 Field(const PetRecord& p, const QString& name)
{
    const QHash<QString, qint64> fields{{"FormTop", p.FormTop}, {"FormLeft", p.FormLeft}, {"FormHeight", p.FormHeight},
        {"FormWidth", p.FormWidth}, {"EatFood", p.EatFood}, {"Speed", p.Speed}, {"Stress", p.Stress},
        {"WaterConc", p.WaterConc}, {"Sex", p.Sex}, {"LastRunDay", p.LastRunDay}, {"AutoFoods", p.AutoFoods},
        {"AutoFoodDay", p.AutoFoodDay}};
    return fields.value(name, -999999);
}

// A date whose day number ends in `digit`, so tests control which days are multiples of ten.
QDate DateEndingIn(int digit)
{
    const QDate first(2026, 12, 1);
    return first.addDays((digit - DayNumberOf(first) % 10 + 10) % 10);
}

// The draw that picks speech slot `index`.
constexpr auto DrawFor = [](int index) { return (index + 0.5) / 46; };

struct StartRig : ModelRig {
    FakeHost host;
    StartRig() { host.folder = program.path(), model.AppFolder.clear(); }  // without the trailing separator
    void Start() { model.StartProcedure(host); }
};

QByteArray Packed(FishRig& old)
{
    return old.model.PackTank() ? ReadAll(old.model.MoveFilePath) : QByteArray();
}

}  // namespace

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void dayNumbers()
    {
        // Leap days, year ends, 2100 (no leap year) and days before the count.
        const QList<std::pair<QDate, int>> days{{{1990, 1, 1}, 1}, {{2000, 2, 29}, 3712}, {{2001, 1, 1}, 4019},
                                                {{2100, 3, 1}, 40237}, {{1989, 12, 31}, 0}, {{1989, 1, 1}, -364}};
        for (const auto& [date, day] : days) {
            QCOMPARE(DayNumberOf(date), day);
        }
    }

    void loadingGivesDefaultsAndRepairs()
    {
        ModelRig rig;
        rig.model.LoadPet(Screen1024);
        PetRecord defaults;  // half the screen each way, at 0, 0 (0 is a valid position)
        std::tie(defaults.FormHeight, defaults.FormWidth, defaults.Speed, defaults.WaterConc, defaults.LastRunDay) =
            std::tuple(384 * 15, 512 * 15, 667, 255, rig.Today() - 1);
        defaults.EatFood = defaults.WaterDay = rig.Today();
        QVERIFY(rig.model.pet == defaults && rig.dialogs.shown.isEmpty());

        const qint32 today = rig.Today();
        // Value name, stored text, value after loading; the screen is 1024 x 768 pixels (15360 x 11520 twips).
        // A tank keeps its place when its top-left 100 x 50 pixels are on the screen, its size from 160 x 100.
        const QList<std::tuple<QString, QString, qint64>> cases{
            {"Speed", "0", 667}, {"Stress", "101", 0}, {"WaterConc", "256", 255}, {"AutoFoods", "8", 0},
            {"Sex", "2", 0}, {"EatFood", "99999", today}, {"LastRunDay", "99999", today - 1},
            {"AutoFoodDay", "99999", 0}, {"FormTop", "11520", 192 * 15}, {"FormTop", "10770", 10770},
            {"FormLeft", "13861", 256 * 15}, {"FormLeft", "13860", 13860}, {"FormLeft", "-1", 256 * 15},
            {"FormWidth", "2400", 2400}, {"FormWidth", "2399", 512 * 15}, {"FormHeight", "1499", 384 * 15},
            {"EatFood", "-40000", -40000}};  // 32 bits
        for (const auto& [name, stored, expected] : cases) {
            ModelRig repaired;
            QVERIFY(WriteRegString(vaspo::KeyPath, name, stored));
            repaired.model.LoadPet(Screen1024);
            QCOMPARE(std::tuple(name, stored, Field(repaired.model.pet, name)), std::tuple(name, stored, expected));
        }
        // Two screens of 1920 pixels, the second right of the primary; a 40 pixel taskbar at the primary's foot, a
        // 30 pixel panel at the second's top (a place under that panel is the placement test's). A place on the
        // usable area of either stays; one whose corner lies under a panel, or across the two, is centred that way
        // on the screen that holds most of the corner; a place on neither screen is centred on the primary.
        ScreenTwips two{QRect(0, 0, 1920 * 15, 1080 * 15), QRect(1920 * 15, -300 * 15, 1920 * 15, 1080 * 15)};
        two.usable = {QRect(0, 0, 1920 * 15, 1040 * 15), QRect(1920 * 15, -270 * 15, 1920 * 15, 1050 * 15)};
        // Left, top (pixels) -> left, top (pixels) of a 400 x 300 tank.
        for (const auto& [left, top, keptLeft, keptTop] :
             {std::array{2500, -200, 2500, -200}, {5000, 100, (1920 - 400) / 2, 100},
              {100, 1000, 100, (1040 - 300) / 2}, {1900, 500, 1920 + (1920 - 400) / 2, 500}}) {
            ModelRig rig;
            Store({{"FormLeft", QString::number(left * 15)}, {"FormTop", QString::number(top * 15)},
                   {"FormWidth", QString::number(400 * 15)}, {"FormHeight", QString::number(300 * 15)}});
            rig.model.LoadPet(two);
            QCOMPARE(std::tuple(left, top, rig.model.pet.FormLeft, rig.model.pet.FormTop, rig.model.pet.FormWidth),
                     std::tuple(left, top, keptLeft * 15, keptTop * 15, 400 * 15));
        }
    }

    void savingWritesTheWholeRecord()
    {
        FishRig rig;
        rig.model.SavePet();
        QCOMPARE(rig.registry.batches, 1);  // one write, which a kill leaves old or new (test_storage)
        PetRecord expected = rig.model.pet;  // with the window's place as it was saved
        std::tie(expected.FormTop, expected.FormLeft, expected.FormHeight, expected.FormWidth) =
            std::tuple(150, 300, 2805, 5580);
        rig.model.pet = PetRecord();
        rig.model.LoadPet(Screen1024);
        QVERIFY(rig.model.pet == expected);
        rig.window.placement = {true, 99, 99, 99, 99};  // minimised, the four geometry values stay as stored
        rig.model.SavePet();
        QCOMPARE(Stored("FormTop"), QString("150"));
    }

    void energyChargesStressAndWater()
    {
        // Energy, stress, clarity, step -> energy label. Stress 1 costs an exact half and the water 0.2, each
        // rounded on its own and to even (666.5 -> 666, 665.8 -> 666); stress 7 is a hair above half;
        // 89: 166 / 255 of the dirty water's 50.
        const QList<std::tuple<int, int, int, int, QString>> cases{
            {667, 100, 255, 0, "61.7%"}, {667, -100, 255, 0, "71.7%"}, {667, 1, 254, 0, "66.6%"},
            {7, 7, 255, 0, "0.3%"},      {667, 0, 89, 0, "63.4%"},     {995, 0, 255, 2, "100.0%"},
            {41, 0, 255, -2, "0.1%"}};
        for (const auto& [speed, stress, water, step, label] : cases) {
            FishRig rig;
            std::tie(rig.model.pet.Speed, rig.model.pet.Stress, rig.model.pet.WaterConc) =
                std::tuple(speed, stress, water);
            rig.model.ChangeEnergy(qint16(step));
            QCOMPARE(std::tuple(speed, stress, water, step, rig.window.genki, rig.window.order),
                     std::tuple(speed, stress, water, step, label, QString("E")));
        }
    }

    void stressMovesByEvenRandomSteps()
    {
        // Stress, n, draw -> stress: k = Int(|n| * draw + 1) steps of 2; +1 always means +2.
        const QList<std::tuple<int, int, double, QString>> cases{
            {0, 1, 0.999, "2"},   {2, 3, 0.5, "6"},          {6, 3, 0.999, "12"},
            {12, 0, 0.7, "12"},   {-99, -2, 0.999, "-100"},  {99, 3, 0.999, "100"}};
        for (const auto& [stress, n, draw, label] : cases) {
            FishRig rig;
            rig.model.pet.Stress = qint16(stress);
            rig.random.draws = {draw};
            rig.model.ChangeStress(qint16(n));
            QCOMPARE(std::tuple(stress, n, QString::number(rig.model.pet.Stress), rig.window.stress, rig.random.log),
                     std::tuple(stress, n, label, label, QString("Rr")));  // reseeded before its draw
        }
    }

    void dailyUpdateWorkedNumbers()
    {
        // Mode, last digit of today's day number, last run and feeding days relative to today,
        // feedings, clarity -> energy, clarity, stress, water colour and pollution label.
        const QList<std::tuple<int, int, int, int, int, int, int, int, int, WaterColour, QString>> cases{
            {0, 3, -1, -1, 2, 255, 627, 250, 0, {2, 250, 252}, "2.0%"},   // next day: hunger 2; 2.5 rounds to 2
            {0, 0, -1, -1, 2, 255, 567, 250, 0, {2, 250, 252}, "2.0%"},   // a tenth day costs 60 more
            {0, 3, -1, -1, 0, 5, 578, 1, 2, {127, 1, 128}, "99.6%"},      // clarity held at 1, stress + 2
            {0, 3, 3, 3, 0, 200, 616, 204, 0, {26, 204, 230}, "20.0%"},   // clock set back: one day
            {0, 5, -3, 0, 0, 255, 427, 240, 0, {8, 240, 248}, "5.9%"},    // fed after the last run: |-3 + 1| = 2 first
            {2, 3, -1, -1, 3, 9, 667, 1, 0, {127, 1, 128}, "99.6%"},      // 1.35: clear enough for no stress
            {1, 3, -1, -1, 0, 254, 667, 255, 0, {0, 255, 255}, "0.0%"}};  // water change: 256.55 held
        for (const auto& [mode, digit, lastRun, fed, eatFoods, water, speed, clarity, stress, colour, text] : cases) {
            FishRig rig(5, DateEndingIn(digit));
            PetRecord& p = rig.model.pet;
            std::tie(p.LastRunDay, p.EatFood, p.EatFoods, p.WaterConc) =
                std::tuple(rig.Today() + lastRun, rig.Today() + fed, eatFoods, water);
            rig.model.DailyUpdate(qint16(mode));
            const qint32 lastRunAfter = mode ? rig.Today() + lastRun : rig.Today();
            QCOMPARE(std::tuple(mode, water, p.Speed, p.WaterConc, p.Stress, p.EatFoods, p.LastRunDay, rig.window.water,
                                rig.window.colour),
                     std::tuple(mode, water, speed, clarity, stress, mode ? eatFoods : 0, lastRunAfter, text, colour));
        }
    }

    void hungerAndTheFeederOverMissedDays()
    {
        // A feeding 5000 days ago is a hunger no fish survives.
        FishRig old(5, DateEndingIn(5));
        old.model.pet.EatFood = old.Today() - 5000;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, old.model.DailyUpdate(0));
        QCOMPARE(std::tuple(old.model.pet.Speed, old.model.NoSave), std::tuple(qint16(-32768), 1));

        // Missed days ending in 2, 3, 4, the feeder on the middle one. Day 1: hunger 2 (40). Day 2: fed by the
        // feeder. Day 3: hunger 4 (80), grown through the feeder day. Today is the first after the period: cleared.
        FishRig fed(5, DateEndingIn(4));
        PetRecord& p = fed.model.pet;
        p.LastRunDay = p.EatFood = fed.Today() - 3;
        std::tie(p.AutoFoodDay, p.AutoFoods) = std::tuple(p.LastRunDay + 1, 1);
        fed.model.DailyUpdate(0);
        QCOMPARE(std::tuple(p.Speed, p.EatFood, p.EatFoods, p.WaterConc, p.AutoFoods, p.AutoFoodDay),
                 std::tuple(667 - 40 - 80, fed.Today() - 1, 0, 240, 0, 0));
    }

    void deathWritesTheExactHistoryBlock()
    {
        FishRig rig(9);  // 2026-12-06, day number 13489
        PetRecord& p = rig.model.pet;
        p.LastRunDay = p.EatFood = rig.Today() - 4;
        p.Speed = 150;  // 40 + 60 survive, 80 more on the third day kills
        rig.model.SavePet();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.DailyUpdate(0));
        const QByteArray expected = *EncodeCp932("「ばすぽう」 Ver.0.32\r\n名前：ななしの権兵衛\r\n性別：オス\r\n飼育開始日：2026/11/27\r\n"
                                                 "死亡確認日：2026/12/06（死亡2日後）\r\n飼育日数：8\r\n" + QString(39, '-') + "\r\n");
        QCOMPARE(ReadAll(rig.model.AppFolder + "VASPO.HIS"), expected);
        QCOMPARE(std::tuple(rig.KeyExists(), rig.model.NoSave, rig.window.unloads, Described(rig.dialogs.shown.last())),
                 std::tuple(false, 1, 1, QString("死んじゃいました|きちんと世話をしないので、 ななしの権兵衛 は、死んじゃいました....\n"
                                                 "可哀想なことをしました。\n新しく飼育したいときは再起動して下さい。|critical|OK")));

        // A second fish, female, reaches exactly 0 between day changes on its first day: a second block.
        // A tick arriving while the death message is open drains energy again, without a second death.
        FishRig second(0);
        second.model.AppFolder = rig.model.AppFolder;
        std::tie(second.model.pet.FishName, second.model.pet.LastRunDay, second.model.pet.Sex, second.model.pet.Speed) =
            std::tuple(QString("二代目"), second.Today(), 1, 20);
        second.dialogs.onMessage = [&](const MsgRequest&) { second.model.ChangeEnergy(-5); };
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, second.model.ChangeEnergy(-1));
        QCOMPARE(std::tuple(second.window.fishHidden, second.dialogs.shown.size()), std::tuple(true, 1));
        QCOMPARE(ReadAll(rig.model.AppFolder + "VASPO.HIS"),
                 expected + *EncodeCp932("「ばすぽう」 Ver.0.32\r\n名前：二代目\r\n性別：メス\r\n飼育開始日：2026/12/06\r\n"
                                         "死亡確認日：2026/12/06（死亡0日後）\r\n飼育日数：1\r\n" + QString(39, '-') + "\r\n"));
    }

    void historyBlocks()
    {
        // The history turns UTF-8 as a whole when a name needs it; wave dash and minus take Windows' code points.
        QTemporaryDir folder;
        const QString path = folder.filePath("VASPO.HIS");
        QVERIFY(AppendHistoryBlock(path, {"名前：〜波−", "---"}) && AppendHistoryBlock(path, {"名前：🐟", "---"}) &&
                AppendHistoryBlock(path, {"名前：たま"}));
        const QByteArray bytes = ReadAll(path);
        QCOMPARE(std::tuple(bytes.startsWith(Utf8Bom), bytes.count(Utf8Bom), QString::fromUtf8(bytes.mid(3))),
                 std::tuple(true, 1, QString("名前：～波－\r\n---\r\n名前：🐟\r\n---\r\n名前：たま\r\n")));
    }

    void damagedSettingsAreNeverAQuietFirstStart()
    {
        // Unreadable: told, and ended without a touch.
        StartRig unreadable;
        QVERIFY(damage::MakeUnreadable());
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, unreadable.Start());
        QVERIFY(unreadable.dialogs.titles == QStringList("設定を読めません") &&
                unreadable.dialogs.texts[0].startsWith(QDir::toNativeSeparators(RegKeyLocation(vaspo::KeyPath))));
        QVERIFY(damage::StillThere());
        damage::Repair();

        // Garbage: kept aside, never over an earlier copy, and told before the welcome.
        StartRig garbage;
        const QByteArray junk("\x00\x01\xfe\xff binary\x9c\n\x07", 14);
        QVERIFY(damage::StoreGarbage(junk));
        garbage.dialogs.inputs = {"たま"};
        garbage.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Yes};
        garbage.Start();
        QCOMPARE(std::tuple(garbage.dialogs.titles.mid(0, 2), damage::KeptGarbage(damage::KeptAs(1)),
                            garbage.model.pet.FishName),
                 std::tuple(QStringList({"設定が壊れています", "ばすぽう - はじめまして！"}), junk, QString("たま")));
        QVERIFY(DeleteRegKey(vaspo::KeyParent, vaspo::KeyName) && damage::StoreGarbage(junk + "2"));
        garbage.model.CheckStore();
        QCOMPARE(QList({damage::KeptGarbage(damage::KeptAs(1)), damage::KeptGarbage(damage::KeptAs(2))}),
                 QList({junk, junk + "2"}));
    }

    void slotsFollowTheClockAndTheFish()
    {
        // The first slot and the last are drawn, each after a reseed; figures' slots are the care test's.
        FishRig rig;
        rig.clock.now.setTime(QTime(15, 7));
        rig.random.draws = {DrawFor(0), DrawFor(45)};
        const QString first = rig.model.SpeechLine(), last = rig.model.SpeechLine();
        const auto& s = rig.model.SpeechSlots;
        QCOMPARE(std::tuple(first, last, s[1], rig.random.log),
                 std::tuple(QString("おなかがへって死にそうだ...."), QString("楽しいなぁ！"),
                            QString("３時ですよ。おやつにしませんか？"), QString("RrRr")));

        // Time, feedings, stress, energy, each at or beside a range's end -> hunger, greeting, feeding, mood and
        // condition lines.
        const QList<std::tuple<QTime, int, int, int, QStringList>> rows{
            {{5, 0}, 2, -51, 1000,
             {"まだ、ご飯は食べれるよ", "朝早くから、ご苦労様です", "おかわり！", "かなり気分がいいなぁ....", "もう、バリバリ元気！！！"}},
            {{11, 0}, 2, -50, 990, {"おなかが減ってきた....", "今日も一日がんばりましょう！", "おかわり！", "気分はいいよ", "絶好調！"}},
            {{12, 0}, 1, 0, 750,
             {"おなかがへって死にそうだ....", "お昼ですね。ご飯が食べたいなぁ...", "少しおなかが減ったなぁ....", "ふつう", "絶好調！"}},
            {{17, 59}, 2, 1, 745, {"おなかが減ってきた....", "今日も一日ご苦労様でした。", "おかわり！", "なんか不快", "調子はいいよ"}},
            {{18, 0}, 0, 50, 510,
             {"ご飯がないと死んじゃうよ", "今日も一日ご苦労様でした。", "ご飯が食べたいなぁ....", "なんか不快", "調子はいいよ"}},
            {{23, 59}, 0, 51, 505,
             {"ご飯がないと死んじゃうよ", "明日も早いんじゃないですか？もう寝ましょうよ", "ご飯が食べたいなぁ....", "もう、イヤ！！",
              "調子はまずまず"}},
            {{4, 5}, 1, -100, 259,
             {"おなかがすいたよぉ...", "ずいぶん、お仕事熱心ですね。もう寝たら？", "少しおなかが減ったなぁ....",
              "かなり気分がいいなぁ....", "調子が悪いよぉ...."}}};
        for (const auto& [when, eatFoods, stress, speed, lines] : rows) {
            rig.clock.now = QDateTime({2027, 1, 5}, when);
            std::tie(rig.model.pet.EatFoods, rig.model.pet.Stress, rig.model.pet.Speed) =
                std::tuple(eatFoods, stress, speed);
            rig.model.SpeechLine();
            QCOMPARE(QStringList({s[0], s[1], s[4], s[2], s[3]}), lines);
        }
        // The last row's date and time, zero-padded.
        QCOMPARE(QStringList({s[6], s[7]}), QStringList({"今日は、27/01/05です", "只今の時刻は、04:05です"}));
    }

    void packing()
    {
        FishRig rig;
        PetRecord& p = rig.model.pet;
        std::tie(p.Stress, p.EatFoods, p.WaterDay, p.EatFood) = std::tuple(-12, 2, rig.Today(), rig.Today());
        rig.model.SavePet();
        const QString today = QString::number(rig.Today());
        const QStringList lines{"14", "0.32", today, "2", "667", "-12", QString::number(p.StartDay), p._StartDay,
                                "ななしの権兵衛", "0", today, "255", "0", today};
        const QByteArray packed = Packed(rig);  // before the tuple: it ends the fish
        QCOMPARE(std::tuple(packed, rig.KeyExists(), rig.model.NoSave),
                 std::tuple(*EncodeCp932(lines.join("\r\n") + "\r\n"), false, 1));

        FishRig wide;  // a name beyond code page 932 travels as UTF-8
        wide.model.pet.FishName = "🐟きんぎょ";
        const QByteArray bytes = Packed(wide);
        QCOMPARE(std::tuple(bytes.startsWith(Utf8Bom), ParseMoveFile(bytes).value_or(MovedFish{}).FishName),
                 std::tuple(true, QString("🐟きんぎょ")));

        FishRig stuck;  // a pack that cannot write keeps the fish
        stuck.model.SavePet();
        stuck.model.MoveFilePath = stuck.model.AppFolder + "no/such/folder/VASPO.MNB";
        QVERIFY(!stuck.model.PackTank());
        QCOMPARE(std::tuple(Stored("FishName"), stuck.model.NoSave), std::tuple(QString("ななしの権兵衛"), 0));
    }

    void fishArrivesOnTheNewSide()
    {
        FishRig old;
        old.model.pet.FishName = " 太郎, \"二世\" ";  // survives one value per line
        std::tie(old.model.pet.Sex, old.model.pet.Stress, old.model.pet.FormMode) = std::tuple(1, 101, 1);
        const QByteArray packed = Packed(old);
        const qint32 packingDay = old.Today();

        ModelRig side;
        side.clock.now = old.clock.now.addDays(3);
        // The new computer's own settings, which must survive the move.
        Store({{"FishName", "先住魚"}, {"MinTray", "1"}, {"Msgbox", "1"}, {"FormLeft", "1500"}, {"FormTop", "750"},
               {"FormWidth", "6000"}, {"FormHeight", "4500"}, {"AutoFoods", "2"}});
        QVERIFY(WriteAll(side.model.MoveFilePath, packed));
        side.model.LoadPet(Screen1024);
        PetRecord expected = old.model.pet;  // its stress of 101 repaired after the import, not before
        std::tie(expected.LastRunDay, expected.Stress, expected.FormLeft, expected.FormTop, expected.FormWidth,
                 expected.FormHeight, expected.MinTray, expected.Msgbox, expected.AutoFoods) =
            std::tuple(packingDay, 0, 1500, 750, 6000, 4500, 1, 1, 2);
        QVERIFY(side.model.pet == expected);
        // Stored before the file went, and the file is gone.
        QCOMPARE(std::tuple(QStringList({Stored("FishName"), Stored("LastRunDay"), Stored("Version")}),
                            QFile::exists(side.model.MoveFilePath)),
                 std::tuple(QStringList({" 太郎, \"二世\" ", QString::number(packingDay), "0.32"}), false));
        QCOMPARE(side.dialogs.titles + side.dialogs.texts,
                 QStringList({"水槽のお引っ越し", "引っ越しました！", "VASPO.MNBがあるので、水槽をここに引っ越します",
                              QDir::toNativeSeparators(side.model.MoveFilePath) + "は削除されました"}));
    }

    void moveFileTakenOverOrLeftAlone()
    {
        FishRig old;
        const QByteArray packed = Packed(old);
        const QStringList good{"14", "0.32", "13000", "1", "500", "3", "12990", "2026/01/01", "たま", "0",
                               "13000", "200", "1", "13000"};
        // Bytes, stored -> taken over. Found by any letter case; not taken over at all when it cannot be stored.
        QList<std::tuple<QByteArray, bool, bool>> cases{{packed, true, true}, {packed, false, false}};
        // Malformed: 13 lines, text in a number, a number beyond 16 bits, no name, nothing.
        QStringList wordInNumber = good, tooBig = good, noName = good;
        std::tie(wordInNumber[4], tooBig[11], noName[8]) = std::tuple("たくさん", "70000", "");
        for (const QStringList& lines : {good.mid(0, 13), wordInNumber, tooBig, noName, QStringList()}) {
            cases.append({*EncodeCp932(lines.isEmpty() ? "" : lines.join("\r\n") + "\r\n"), true, false});
        }
        for (const auto& [bytes, stores, taken] : cases) {
            ModelRig side;
            Store({{"FishName", "先住魚"}, {"Speed", "800"}});
            const QString path = side.model.AppFolder + (bytes == packed ? "vaspo.mnb" : "VASPO.MNB");
            QVERIFY(WriteAll(path, bytes));
            side.registry.failWrites = !stores;
            side.model.LoadPet(Screen1024);
            QCOMPARE(std::tuple(side.model.pet.FishName, side.model.pet.Speed, QFile::exists(path)),
                     std::tuple(QString(taken ? "ななしの権兵衛" : "先住魚"), taken ? 667 : 800, !taken));
            QVERIFY(bytes == packed || (side.dialogs.titles == QStringList{"水槽のお引っ越し"} &&
                                        side.dialogs.shown[0].icon == MsgIcon::Critical &&
                                        side.dialogs.texts[0].contains("VASPO.MNB")));
        }
    }

    void firstStartNamingAndUpgrade()
    {
        StartRig rig;
        rig.dialogs.inputs = {"", "ななしの権兵衛"};  // cancelled once, then named
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No, MsgAnswer::Yes};
        rig.Start();
        QCOMPARE(rig.dialogs.titles,
                 QStringList({"ばすぽう - はじめまして！", "ばすぽうはお嫌い？", "ばすぽうの性別を決定します"}));
        const PetRecord& p = rig.model.pet;
        QCOMPARE(std::tuple(p.FishName, p.Sex, p.StartDay, p.LastRunDay, p.Speed, p.WaterConc, Stored("_StartDay")),
                 std::tuple(QString("ななしの権兵衛"), 0, rig.Today(), rig.Today(), 667, 255, QString("2026/12/06")));

        StartRig quitting;  // giving up: the end, with nothing stored
        quitting.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, quitting.Start());
        QVERIFY(quitting.model.NoSave == 1 && !quitting.KeyExists() && quitting.host.calls.isEmpty());
    }

    void commandLineAndSecondInstance()
    {
        // Arguments, another copy running -> the settings kept, the program ended, the messages shown.
        // A second copy is refused before anything else, /REGDEL and all.
        const QList<std::tuple<QStringList, InstanceState, bool, int, QStringList>> cases{
            {{"/regdel"}, InstanceState::Alone, false, 1,
             {"レジストリを削除しました！", "ばすぽうに関するレジストリをすべて削除しました。"}},
            {{"/REGDEL", "x"}, InstanceState::Alone, true, 0, {}},
            {{"/REGDELX"}, InstanceState::Alone, true, 0, {}},
            {{"/REGDEL"}, InstanceState::AnotherRunning, true, 1, {"一匹で十分なの", "もう起動してるよ"}}};
        for (const auto& [arguments, instance, kept, ends, told] : cases) {
            StartRig rig;
            Store({{"Version", "0.32"}, {"FishName", "ぎんじろう"}});
            std::tie(rig.host.arguments, rig.host.instance) = std::tuple(arguments, instance);
            try {
                rig.Start();
            } catch (const ProgramEnded&) {
            }
            QCOMPARE(std::tuple(arguments, rig.KeyExists(), rig.end.ends, rig.dialogs.titles + rig.dialogs.texts),
                     std::tuple(arguments, kept, ends, told));
        }
    }

    void aReadOnlyProgramFolderSendsTheFilesToTheDataFolder()
    {
        FishRig old;
        StartRig rig;
        rig.host.writable = false;
        rig.host.dataFolder = rig.config.path() + "/data/OSKE/VASPO";
        const QString waiting = rig.host.dataFolder + "/VASPO.MNB";  // a move file waiting there is taken over
        QVERIFY(QDir().mkpath(rig.host.dataFolder) && WriteAll(waiting, Packed(old)));
        rig.Start();
        QCOMPARE(std::tuple(rig.model.pet.FishName, QFile::exists(waiting), rig.model.AppFolder),
                 std::tuple(QString("ななしの権兵衛"), false, rig.host.dataFolder + "/"));
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
