// The fish's message window, its monologues, talking and rock-paper-scissors.
#include "mainwin/widget_order.h"
#include "support/windows_rig.h"

namespace {

// The draw that gives Int(r * span) = value.
double DrawFor(int value, int span)
{
    return (value + 0.5) / span;
}

struct PlayRig : WindowsRig {
    explicit PlayRig(const QString& name = QStringLiteral("ぎんじろう")) { StartWithFish({}, name); }
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

        // A death in the energy step of a talk ends it there: no answer, no stress step.
        PlayRig dying;
        dying.main.mnuCareTalk->trigger();
        dying.model.pet.Speed = 1;
        dying.random.fallback = DrawFor(1, 3);  // "ジャンケンしようよ。", energy -1
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(dying.play.TalkWindow()->cmbOK, Qt::LeftButton));
        QCOMPARE(std::tuple(dying.Msg(), dying.model.pet.Stress), std::tuple(nullptr, 0));

        // Hidden in the notification area: ばすぽうを表示 brings the tank back.
        PlayRig away;
        away.tray.mnuTray->trigger();
        away.model.ShowPetMessage("独り言", "ぎんじろうの独り言");
        QTest::mouseClick(away.Msg()->cmbActive, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(away.main.isVisible() && !away.main.isMinimized() && !away.Msg() && away.tray.TrayHidden == 0);
    }

    void monologuesAndTalk()
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

        const QList<std::pair<int, QString>> greetings{{4, "こんばんは"},  {5, "おはよう"},   {9, "おはよう"},
                                                       {10, "こんにちは"}, {14, "こんにちは"}, {15, "おやつ？"},
                                                       {16, "こんばんは"}, {20, "こんばんは"}, {21, "がんばってる？"}};
        for (const auto& [hour, greeting] : greetings) {
            QCOMPARE(TalkGreeting(hour), greeting);
        }
        Fish talk;
        talk.random.draws = {DrawFor(2, 3), DrawFor(0, 3), DrawFor(1, 3)};
        QCOMPARE(talk.model.TalkOptions(), QStringList({"こんにちは", "今日はひま？", "どこに行く？", "どこから来たの？",
                                                       "（やっぱり、やめる）"}));

        // PlayCount before, declined, draws -> answer, energy, stress, PlayCount after.
        const QList<std::tuple<int, bool, QList<double>, QString, int, int, int>> rows{
            {0, false, {DrawFor(0, 3)}, "ななしの権兵衛は、黙ったままです。", 687, -2, 1},
            {0, false, {DrawFor(1, 3)}, "ジャンケンしようよ。", 647, 2, 1},
            {0, false, {DrawFor(2, 3), DrawFor(13, 46)}, "がんばってる？", 687, 2, 1},  // the fish's speech line
            {0, true, {DrawFor(1, 2)}, "からかうのは、やめて！", 687, -2, 1},
            {0, true, {DrawFor(0, 2)}, "なんか用事？", 647, 2, 1},
            {9, true, {}, "しつこいなぁ。ゆっくり泳がせてよ。", 567, -2, 10},
            {19, true, {}, "ゆっくり泳ぎたいよ。うるさいなぁ...", 527, -4, 0},
            {25, false, {}, "ゆっくり泳ぎたいよ。うるさいなぁ...", 527, -4, 0},
        };
        for (const auto& [count, declined, draws, answer, speed, stress, after] : rows) {
            Fish rig;
            rig.model.PlayCount = qint16(count);
            rig.random.draws.assign(draws.begin(), draws.end());
            const QString said = rig.model.TalkAnswer(declined);
            QCOMPARE(std::tuple(count, said, int(rig.model.pet.Speed), int(rig.model.pet.Stress),
                                int(rig.model.PlayCount), rig.window.order),
                     std::tuple(count, answer, speed, stress, after, QString("ES")));
        }
    }

    void jankenOutcomes()
    {
        const QString hands[] = {"グーです。", "パーです。", "チョキです。"};
        // Rows: the user's hand; columns: the fish's. 0 draw, 1 the fish wins, 2 the user wins.
        const int outcome[3][3] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}};
        const QString endings[] = {"あいこです", "ななしの権兵衛の勝ちです。やったー。", "あなたの勝ちです。くやしいぃ！"};
        const int speed[] = {687, 687, 587}, stress[] = {-4, 2, -6};
        for (int user = 0; user < 3; ++user) {
            for (int fish = 0; fish < 3; ++fish) {
                Fish rig;
                rig.random.draws = {DrawFor(fish, 3)};
                const int o = outcome[user][fish];
                const QString said = rig.model.PlayJanken(user);
                QCOMPARE(
                    std::tuple(user, fish, said, int(rig.model.pet.Speed), int(rig.model.pet.Stress), rig.window.order),
                    std::tuple(user, fish, "ななしの権兵衛は、" + hands[fish] + endings[o], speed[o], stress[o],
                               QString("ES")));
            }
        }
        // The 20th play tires the fish: both effects, and the count starts again at 5.
        Fish tired;
        tired.model.PlayCount = 19;
        tired.random.draws = {DrawFor(0, 3)};
        QCOMPARE(tired.model.PlayJanken(0), QString("ななしの権兵衛は、グーです。あいこです" "もう、疲れたよ。"));
        QCOMPARE(std::tuple(tired.model.pet.Speed, tired.model.pet.Stress, tired.model.PlayCount, tired.window.order),
                 std::tuple(529, -20, 5, QString("ESES")));
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
