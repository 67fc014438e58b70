// What the fish says.
#include <QtTest>

#include "model/system_seams.h"
#include "support/scripted.h"

namespace {

// The draw that picks slot `index`.
double DrawFor(int index)
{
    return (index + 0.5) / 46;
}

}  // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void moodAndConditionBoundaries_data()
    {
        QTest::addColumn<int>("stress");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("mood");
        QTest::addColumn<QString>("condition");
        QTest::newRow("-51, 1000") << -51 << 1000 << "かなり気分がいいなぁ...." << "もう、バリバリ元気！！！";
        QTest::newRow("-50, 990") << -50 << 990 << "気分はいいよ" << "絶好調！";
        QTest::newRow("-1, 999 between ranges") << -1 << 999 << "気分はいいよ" << "絶好調！";
        QTest::newRow("0, 750") << 0 << 750 << "ふつう" << "絶好調！";
        QTest::newRow("1, 745 between ranges") << 1 << 745 << "なんか不快" << "調子はいいよ";
        QTest::newRow("50, 510") << 50 << 510 << "なんか不快" << "調子はいいよ";
        QTest::newRow("51, 505 between ranges") << 51 << 505 << "もう、イヤ！！" << "調子はまずまず";
        QTest::newRow("100, 260") << 100 << 260 << "もう、イヤ！！" << "調子はまずまず";
        QTest::newRow("-100, 259 between ranges") << -100 << 259 << "かなり気分がいいなぁ...." << "調子が悪いよぉ....";
        QTest::newRow("0, 250") << 0 << 250 << "ふつう" << "調子が悪いよぉ....";
        QTest::newRow("0, 1") << 0 << 1 << "ふつう" << "調子が悪いよぉ....";
    }
    void moodAndConditionBoundaries()
    {
        QFETCH(int, stress);
        QFETCH(int, speed);
        QFETCH(QString, mood);
        QFETCH(QString, condition);
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.Stress = qint16(stress);
        rig.model.pet.Speed = qint16(speed);
        rig.random.draws = {DrawFor(2)};
        QCOMPARE(rig.model.SpeechLine(), mood);
        QCOMPARE(rig.model.SpeechSlots[3], condition);
    }

    void conditionNeverGoesStale()
    {
        // Every energy has a line of its own, whatever an earlier call said.
        ModelRig rig;
        rig.HealthyFish();
        for (int speed = 1; speed <= 1000; ++speed) {
            rig.model.SpeechSlots[3] = "stale";
            rig.model.pet.Speed = qint16(speed);
            rig.model.SpeechLine();
            QVERIFY2(rig.model.SpeechSlots[3] != "stale", qPrintable(QString::number(speed)));
        }
    }

    void slotsFollowTheClockAndTheFish()
    {
        ModelRig rig;
        rig.clock.now = QDateTime(QDate(2026, 12, 6), QTime(15, 7));
        rig.HealthyFish(0);
        rig.model.pet.StartDay = rig.Today();
        rig.model.pet.EatFoods = 0;
        rig.model.pet.Stress = -12;
        rig.model.pet.WaterConc = 1;
        rig.random.draws = {DrawFor(0)};
        QCOMPARE(rig.model.SpeechLine(), QString("おなかがへって死にそうだ...."));
        const auto& s = rig.model.SpeechSlots;
        QCOMPARE(s[1], QString("３時ですよ。おやつにしませんか？"));
        QCOMPARE(s[4], QString("ご飯が食べたいなぁ...."));
        QCOMPARE(s[5], QString("水質汚濁は99.6%です。"));
        QCOMPARE(s[6], QString("今日は、26/12/06です"));
        QCOMPARE(s[7], QString("只今の時刻は、15:07です"));
        QCOMPARE(s[8], QString("出会ってから1日目だね"));
        QCOMPARE(s[9], QString("ストレスは、-12です"));
        QCOMPARE(s[10], QString("元気度66.7% です"));
        QCOMPARE(s[11], QString("つまんないなぁ.."));
        QCOMPARE(s[45], QString("楽しいなぁ！"));
        QVERIFY(s[46].isEmpty());

        rig.clock.now.setTime(QTime(9, 0));
        rig.model.pet.EatFoods = 2;
        rig.model.pet.WaterConc = 255;
        rig.model.SpeechLine();
        QCOMPARE(s[0], QString("まだ、ご飯は食べれるよ"));
        QCOMPARE(s[1], QString("今日も一日がんばりましょう！"));
        QCOMPARE(s[5], QString("水質汚濁は0.0%です。"));
        rig.clock.now.setTime(QTime(23, 59));
        rig.model.SpeechLine();
        QCOMPARE(s[0], QString("そろそろご飯が欲しいなぁ。"));
        QCOMPARE(s[1], QString("明日も早いんじゃないですか？もう寝ましょうよ"));
    }

    void fullFishKeepsItsEarlierHungerLine()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.EatFoods = 3;
        rig.random.draws = {DrawFor(0)};
        QCOMPARE(rig.model.SpeechLine(), QString());  // never written in this run
        QCOMPARE(rig.model.SpeechSlots[4], QString("今日はもう食べられないね"));

        rig.model.pet.EatFoods = 1;
        rig.model.SpeechLine();
        const QString hungry = rig.model.SpeechSlots[0];
        rig.model.pet.EatFoods = 3;
        rig.random.draws = {DrawFor(0)};
        QCOMPARE(rig.model.SpeechLine(), hungry);
    }

    void indexIsUniformOverTheSlots()
    {
        ModelRig rig;
        rig.HealthyFish();
        SystemRandom real;
        Vaspo model(rig.clock, real, rig.dialogs, rig.end, rig.registry);
        model.pet = rig.model.pet;
        // Map each line back to its slot after the call has refreshed them.
        QVector<int> counts(46, 0);
        constexpr int Draws = 46 * 400;
        for (int i = 0; i < Draws; ++i) {
            const QString line = model.SpeechLine();
            const int slot = int(std::find(model.SpeechSlots.begin(), model.SpeechSlots.begin() + 46, line) -
                                 model.SpeechSlots.begin());
            QVERIFY(slot < 46);
            ++counts[slot];
        }
        // Slots with the same text (none today) would merge; every slot must
        // come up, none far from its share of 400.
        for (int slot = 0; slot < 46; ++slot) {
            QVERIFY2(counts[slot] > 300 && counts[slot] < 500,
                     qPrintable(QString("slot %1: %2").arg(slot).arg(counts[slot])));
        }
    }

    void everyCallReseeds()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.SpeechLine();
        rig.model.SpeechLine();
        QCOMPARE(rig.random.randomizeCalls, 2);
        QCOMPARE(rig.random.drawCount, 2);
    }

    void reseedingRightAfterEachOtherNeverRepeats()
    {
        SystemRandom random;
        QSet<quint64> firsts;
        for (int i = 0; i < 1000; ++i) {
            random.Randomize();
            const double r = random.Rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            firsts.insert(quint64(r * 0x1.0p53));
        }
        QCOMPARE(firsts.size(), 1000);
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "test_speech.moc"
