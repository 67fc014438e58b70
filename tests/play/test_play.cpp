// The fish's message window, its monologues, talking and rock-paper-scissors.
#include "mainwin/widget_order.h"
#include "support/windows_rig.h"

namespace {

// The draw that gives Int(r * span) = value.
double DrawFor(int value, int span)
{
    return (value + 0.5) / span;
}

// What is played: a janken hand (0 グー, 1 パー, 2 チョキ), or a talk answered or declined.
enum Played { Talk = 3, Declined };

struct PlayRig : WindowsRig {
    explicit PlayRig(const QString& name) { StartWithFish({}, name); }
    frmMsg* Msg() const { return play.MessageWindow(); }
    QString Said() const { return Msg() ? Msg()->windowTitle() + '|' + Msg()->txtMes->toPlainText() : QString(); }
};

}  // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void theWindowsAsPressed()
    {
        PlayRig rig("<u>ぎん</u>");
        rig.model.ShowPetMessage("一つ目", "最初");
        frmMsg* first = rig.Msg();
        rig.model.ShowPetMessage("二つ目", "次");  // the same window, refilled
        QCOMPARE(std::tuple(rig.Msg(), rig.Shown(), rig.Said(), IsKeptOnTop(first)),
                 std::tuple(first, QStringList("次"), QString("次|二つ目"), true));

        // 話す with its access key: talk opens, the message goes.
        QVERIFY(QTest::qWaitForWindowActive(first));
        Press(first, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(rig.Shown(), QStringList("<u>ぎん</u>と会話"));
        rig.play.TalkWindow()->close();  // closed without an answer: no play, no message
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.play.TalkWindow(), rig.model.PlayCount, rig.Msg()), std::tuple(nullptr, 0, nullptr));

        rig.main.mnuCareTalk->trigger();
        QTest::mouseClick(rig.play.TalkWindow()->optMes[4], Qt::LeftButton);
        QTest::mouseClick(rig.play.TalkWindow()->cmbOK, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.Said(), rig.model.PlayCount, rig.Shown()),
                 std::tuple(QString("お話|なんか用事？"), 1, QStringList("お話")));

        // ジャンケン from the answer's window; a name from the user is never read as markup.
        QTest::mouseClick(rig.Msg()->cmbJanken, Qt::LeftButton);
        QCoreApplication::processEvents();
        frmJanken* janken = rig.play.JankenWindow();
        QCOMPARE(std::tuple(rig.Shown(), janken->lblMes->text(), janken->lblMes->textFormat(),
                            rig.main.lblSTB->textFormat()),
                 std::tuple(QStringList("ばすぽうジャンケン"), QString("<u>ぎん</u>とジャンケン対決！！"), Qt::PlainText,
                            Qt::PlainText));
#ifdef Q_OS_WIN
        QVERIFY(rig.tray.ToolTip().contains("<u>ぎん</u>"));  // Windows shows a tip as plain text
#else
        QVERIFY(rig.tray.ToolTip().contains("&lt;u&gt;ぎん&lt;/u&gt;"));  // X11 shows markup: escaped
#endif
        rig.random.draws = {DrawFor(2, 3)};
        QTest::mouseClick(janken->cmbJanken[0], Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.Said(), rig.play.JankenWindow()),
                 std::tuple(QString("ばすぽうジャンケン|<u>ぎん</u>は、チョキです。あなたの勝ちです。くやしいぃ！"), nullptr));

        // Hidden in the notification area: ばすぽうを表示 brings the tank back.
        rig.tray.mnuTray->trigger();
        rig.model.ShowPetMessage("独り言", "ぎんの独り言");
        QTest::mouseClick(rig.Msg()->cmbActive, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(rig.main.isVisible() && !rig.main.isMinimized() && !rig.Msg() && rig.tray.TrayHidden == 0);
    }

    void whatTheFishSays()
    {
        // At 9:07 the minute drawn must be 7: monologues off, another minute, the minute, the same hour again.
        Fish rig;
        rig.clock.now.setTime(QTime(9, 7));
        for (const auto& [on, minute, spoken] : {std::tuple{0, 7, 0}, {1, 6, 0}, {1, 7, 1}, {1, 7, 1}}) {
            rig.model.pet.Msgbox = qint16(on);
            rig.random.draws = {DrawFor(minute, 1201), DrawFor(11, 46)};
            rig.model.ClockTick();
            QCOMPARE(std::tuple(on, minute, rig.window.messages.size()), std::tuple(on, minute, spoken));
        }
        QCOMPARE(rig.window.messages, QStringList("ななしの権兵衛の独り言|つまんないなぁ.."));
        // The talk's choices: the hour's greeting, one of each row's three, and a way out.
        rig.random.draws = {DrawFor(2, 3), DrawFor(0, 3), DrawFor(1, 3)};
        QCOMPARE(rig.model.TalkOptions(), QStringList({"おはよう", "今日はひま？", "どこに行く？", "どこから来たの？",
                                                      "（やっぱり、やめる）"}));
        const QList<std::pair<int, QString>> greetings{{4, "こんばんは"},  {5, "おはよう"},   {9, "おはよう"},
                                                       {10, "こんにちは"}, {14, "こんにちは"}, {15, "おやつ？"},
                                                       {16, "こんばんは"}, {20, "こんばんは"}, {21, "がんばってる？"}};
        for (const auto& [hour, greeting] : greetings) {
            QCOMPARE(TalkGreeting(hour), greeting);
        }

        // Play count before, what is played, draws -> the fish's answer, energy, stress, play count after.
        const QList<std::tuple<int, int, QList<double>, QString, int, int, int>> rows{
            {0, Talk, {DrawFor(0, 3)}, "ぎんは、黙ったままです。", 687, -2, 1},
            {0, Talk, {DrawFor(1, 3)}, "ジャンケンしようよ。", 647, 2, 1},
            {0, Talk, {DrawFor(2, 3), DrawFor(13, 46)}, "がんばってる？", 687, 2, 1},  // the fish's speech line
            {0, Declined, {DrawFor(1, 2)}, "からかうのは、やめて！", 687, -2, 1},
            {0, Declined, {DrawFor(0, 2)}, "なんか用事？", 647, 2, 1},
            {9, Declined, {}, "しつこいなぁ。ゆっくり泳がせてよ。", 567, -2, 10},
            {19, Declined, {}, "ゆっくり泳ぎたいよ。うるさいなぁ...", 527, -4, 0},
            {0, 1, {DrawFor(2, 3)}, "ぎんは、チョキです。ぎんの勝ちです。やったー。", 687, 2, 1},
            {0, 2, {DrawFor(0, 3)}, "ぎんは、グーです。ぎんの勝ちです。やったー。", 687, 2, 1},  // round the circle
            {0, 1, {DrawFor(0, 3)}, "ぎんは、グーです。あなたの勝ちです。くやしいぃ！", 587, -6, 1},
            // The 20th janken, a draw, tires the fish: a second energy and stress step; the count starts again at 5.
            {19, 1, {DrawFor(1, 3)}, "ぎんは、パーです。あいこですもう、疲れたよ。", 529, -20, 5},
        };
        for (const auto& [count, play, draws, answer, speed, stress, after] : rows) {
            Fish fish;
            fish.model.pet.FishName = "ぎん";
            fish.model.PlayCount = qint16(count);
            fish.random.draws.assign(draws.begin(), draws.end());
            const QString said = play < Talk ? fish.model.PlayJanken(play) : fish.model.TalkAnswer(play == Declined);
            QCOMPARE(std::tuple(count, play, said, int(fish.model.pet.Speed), int(fish.model.pet.Stress),
                                int(fish.model.PlayCount), fish.window.order),
                     std::tuple(count, play, answer, speed, stress, after, QString(after == 5 ? "ESES" : "ES")));
        }
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
