// Death, the history file, leaving the program and window order.
#include <QtTest>

#include "model/history_log.h"
#include "model/window_order.h"
#include "support/scripted.h"
#include "storage/text_codec.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordingWindow : public TopMostWindow {
public:
    QStringList calls;
    void KeepOnTop(bool onTop) override { calls.append(onTop ? "top" : "normal"); }
    void SendToBottom() override { calls.append("bottom"); }
};

}  // namespace

class TestDeath : public QObject {
    Q_OBJECT
private slots:
    void deathDuringCatchUpWritesTheExactBlock()
    {
        ModelRig rig;
        rig.clock.now = QDateTime(QDate(2026, 12, 6), QTime(9, 30));  // day number 13489
        rig.HealthyFish(9);
        PetRecord& p = rig.model.pet;
        p.FishName = "ななしの権兵衛";
        p._StartDay = "2026/11/27";
        p.StartDay = rig.Today() - 9;
        p.LastRunDay = rig.Today() - 4;
        p.EatFood = p.LastRunDay;
        p.Speed = 150;  // 40 + 60 survive, 80 more on the third day kills
        QVERIFY(KeyExistsAfterSave(rig));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.DailyUpdate(0));

        const QByteArray expected =
            *EncodeCp932(QStringLiteral("「ばすぽう」 Ver.0.32\r\n"
                                        "名前：ななしの権兵衛\r\n"
                                        "性別：オス\r\n"
                                        "飼育開始日：2026/11/27\r\n"
                                        "死亡確認日：2026/12/06（死亡2日後）\r\n"
                                        "飼育日数：8\r\n"
                                        "---------------------------------------\r\n"));
        QCOMPARE(ReadAll(rig.model.AppFolder + "VASPO.HIS"), expected);
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString());
        QCOMPARE(rig.model.NoSave, 1);
        const MsgRequest& message = rig.dialogs.shown.last();
        QCOMPARE(message.title, QString("死んじゃいました"));
        QCOMPARE(message.icon, MsgIcon::Critical);
        QCOMPARE(message.text, QString("きちんと世話をしないので、 ななしの権兵衛 は、死んじゃいました....\n"
                                       "可哀想なことをしました。\n新しく飼育したいときは再起動して下さい。"));
        QCOMPARE(rig.window.unloads, 1);
    }

    void deathBetweenDayChangesCountsZeroDays()
    {
        ModelRig rig;
        rig.HealthyFish(0);
        PetRecord& p = rig.model.pet;
        p.LastRunDay = rig.Today();
        p.StartDay = rig.Today();
        p.Sex = 1;
        p.Speed = 10;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.ChangeEnergy(-1));
        const QString text = DecodeCp932(ReadAll(rig.model.AppFolder + "VASPO.HIS"));
        QVERIFY(text.contains("性別：メス\r\n"));
        QVERIFY(text.contains("（死亡0日後）\r\n"));
        QVERIFY(text.contains("飼育日数：1\r\n"));
    }

    void twoDeathsLeaveTwoBlocks()
    {
        ModelRig first;
        first.HealthyFish();
        first.model.pet.Speed = 1;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, first.model.ChangeEnergy(-1));

        ModelRig second;
        second.model.AppFolder = first.model.AppFolder;
        second.HealthyFish();
        second.model.pet.FishName = "二代目";
        second.model.pet.Speed = 1;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, second.model.ChangeEnergy(-1));

        const QString text = DecodeCp932(ReadAll(first.model.AppFolder + "VASPO.HIS"));
        QCOMPARE(text.count(QString(39, '-') + "\r\n"), 2);
        QCOMPARE(text.count("「ばすぽう」 Ver.0.32\r\n"), 2);
        QVERIFY(text.indexOf("名前：ななしの権兵衛") < text.indexOf("名前：二代目"));
    }

    void historyTurnsUtf8WholeWhenANameNeedsIt()
    {
        TempWorld world;
        const QString path = world.ProgramFolder() + "VASPO.HIS";
        // Wave dash and minus take the code points Windows gives them.
        QVERIFY(AppendHistoryBlock(path, {"名前：〜波−", "---"}));
        QCOMPARE(ReadAll(path), QByteArray("\x96\xbc\x91\x4f\x81\x46\x81\x60\x94\x67\x81\x7c\r\n---\r\n"));
        QVERIFY(AppendHistoryBlock(path, {"名前：🐟", "---"}));
        QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.startsWith(Utf8Bom));
        QCOMPARE(QString::fromUtf8(bytes.mid(3)), QString("名前：～波－\r\n---\r\n名前：🐟\r\n---\r\n"));
        QVERIFY(AppendHistoryBlock(path, {"名前：たま"}));
        bytes = ReadAll(path);
        QCOMPARE(bytes.count(Utf8Bom), 1);
        QVERIFY(QString::fromUtf8(bytes.mid(3)).endsWith("名前：たま\r\n"));
    }

    void unwritableHistoryDoesNotStopTheDeath()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.AppFolder = rig.world.ProgramFolder() + "missing/folder/";
        rig.model.SavePet();
        rig.model.pet.Speed = 1;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.ChangeEnergy(-1));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString());
        QCOMPARE(rig.end.ends, 1);
    }

    void dyingTwiceIsHandledOnce()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.model.pet.Speed = 1;
        int nestedDeaths = 0;
        // A tick arriving while the death message is open drains energy again.
        rig.dialogs.onMessage = [&](const MsgRequest&) {
            rig.model.ChangeEnergy(-5);
            ++nestedDeaths;
        };
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.ChangeEnergy(-1));
        QCOMPARE(nestedDeaths, 1);
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const QString text = DecodeCp932(ReadAll(rig.model.AppFolder + "VASPO.HIS"));
        QCOMPARE(text.count("名前："), 1);
    }

    void confirmExit()
    {
        ModelRig rig;
        rig.HealthyFish();
        rig.dialogs.answers = {MsgAnswer::No};
        rig.model.ConfirmExit();
        QCOMPARE(rig.window.unloads, 0);
        QCOMPARE(rig.end.ends, 0);
        const MsgRequest& asked = rig.dialogs.shown.last();
        QCOMPARE(asked.text, QString("「ばすぽう」を終了しますか？"));
        QCOMPARE(asked.title, QString("ばすぽうの終了"));
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        QCOMPARE(asked.icon, MsgIcon::Question);

        rig.dialogs.answers = {MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.ConfirmExit());
        QCOMPARE(rig.window.unloads, 1);
    }

    void topMostModes()
    {
        RecordingWindow window;
        SetTopMost(window, 1);
        SetTopMost(window, 0);
        SetTopMost(window, 2);
        SetTopMost(window, 7);
        QCOMPARE(window.calls, QStringList({"top", "normal", "bottom", "normal"}));
    }

private:
    static bool KeyExistsAfterSave(ModelRig& rig)
    {
        rig.model.SavePet();
        return !ReadRegString(vaspo::KeyPath, "FishName").isEmpty();
    }
};

QTEST_GUILESS_MAIN(TestDeath)
#include "test_death.moc"
