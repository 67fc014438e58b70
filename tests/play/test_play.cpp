// The fish's message window, its monologues, talking and rock-paper-scissors.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "mainwin/widget_order.h"
#include "play/frm_janken.h"
#include "play/frm_msg.h"
#include "play/frm_talk.h"
#include "play/play_windows.h"
#include "support/tank_rig.h"

namespace {

// The draw that gives Int(r * span) = value.
double DrawFor(int value, int span)
{
    return (value + 0.5) / span;
}

struct PlayRig : TankRig {
    PlayWindows play{main, tray};
    explicit PlayRig(const QString& name = QStringLiteral("ぎんじろう")) { StartWithFish({}, name); }
    frmMsg* Msg() const { return play.MessageWindow(); }
    QString Shown() const { return Msg() ? Msg()->windowTitle() + '|' + Msg()->txtMes->toPlainText() : QString(); }
};

// A fish alone with the model, last run today.
struct Fish : FishRig {
    Fish() { model.pet.LastRunDay = Today(); }
};

}  // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void messageWindowIsReusedAndPlaced()
    {
        PlayRig rig;
        const QRect screen = ScreenOf(&rig.main);
        rig.main.move(screen.topLeft() + QPoint(100, 100));
        rig.model.ShowPetMessage("一つ目", "最初");
        frmMsg* first = rig.Msg();
        QCOMPARE(std::tuple(first->pos(), IsKeptOnTop(first)),
                 std::tuple(screen.topLeft() + QPoint(113, 113), true));  // 200 twips off
        // Near the bottom right corner the same window is refilled and pulled back to the edges.
        rig.main.move(screen.bottomRight() - QPoint(50, 50));
        rig.model.ShowPetMessage("二つ目", "次");
        QCOMPARE(std::tuple(rig.Msg(), rig.Shown(), first->frameGeometry().bottomRight()),
                 std::tuple(first, QString("次|二つ目"), screen.bottomRight()));

        // Minimised, or hidden in the notification area: centred on the screen.
        for (const bool hidden : {false, true}) {
            PlayRig away;
            away.main.move(ScreenOf(&away.main).topLeft());
            hidden ? away.tray.mnuTray_Click() : away.main.showMinimized();
            QCoreApplication::processEvents();
            away.model.ShowPetMessage("独り言", "ぎんじろうの独り言");
            QCOMPARE(away.Msg()->pos(),
                     screen.topLeft() + QPoint((screen.width() - 281) / 2, (screen.height() - 198) / 2));
            away.Msg()->cmbActive_Click();
            QCoreApplication::processEvents();
            QVERIFY(away.main.isVisible() && !away.main.isMinimized() && !away.Msg() && away.tray.TrayHidden == 0);
        }
    }

    void monologues()
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

        Fish midnight;  // the hour remembered at start is 0
        midnight.model.pet.Msgbox = 1;
        midnight.clock.now.setTime(QTime(0, 7));
        midnight.random.draws = {DrawFor(7, 1201)};
        midnight.model.ClockTick();
        QVERIFY(midnight.window.messages.isEmpty());
    }

    void talkGreetingsAndChoices()
    {
        const QList<std::pair<int, QString>> greetings{{4, "こんばんは"},  {5, "おはよう"},   {9, "おはよう"},
                                                       {10, "こんにちは"}, {14, "こんにちは"}, {15, "おやつ？"},
                                                       {16, "こんばんは"}, {20, "こんばんは"}, {21, "がんばってる？"}};
        for (const auto& [hour, greeting] : greetings) {
            QCOMPARE(TalkGreeting(hour), greeting);
        }
        Fish rig;
        rig.random.draws = {DrawFor(2, 3), DrawFor(0, 3), DrawFor(1, 3)};
        QCOMPARE(rig.model.TalkOptions(), QStringList({"こんにちは", "今日はひま？", "どこに行く？", "どこから来たの？",
                                                       "（やっぱり、やめる）"}));
        QCOMPARE(rig.random.randomizeCalls, 3);  // before each draw
    }

    void talkAnswers()
    {
        // PlayCount before, declined, answer draw -> answer, energy step, stress sign, PlayCount after.
        const QList<std::tuple<int, bool, double, QString, int, int, int>> cases{
            {0, false, DrawFor(0, 3), "ななしの権兵衛は、黙ったままです。", 1, -1, 1},
            {0, false, DrawFor(1, 3), "ジャンケンしようよ。", -1, 1, 1},
            {0, true, DrawFor(1, 2), "からかうのは、やめて！", 1, -1, 1},
            {0, true, DrawFor(0, 2), "なんか用事？", -1, 1, 1},
            {9, true, DrawFor(1, 2), "しつこいなぁ。ゆっくり泳がせてよ。", -5, -1, 10},
            {9, false, DrawFor(0, 3), "しつこいなぁ。ゆっくり泳がせてよ。", -5, -1, 10},
            {19, true, DrawFor(1, 2), "ゆっくり泳ぎたいよ。うるさいなぁ...", -7, -1, 0},
            {25, false, DrawFor(0, 3), "ゆっくり泳ぎたいよ。うるさいなぁ...", -7, -1, 0},
        };
        for (const auto& [count, declined, draw, answer, energy, stress, after] : cases) {
            Fish rig;
            rig.model.PlayCount = qint16(count);
            rig.random.draws = {draw};
            QCOMPARE(rig.model.TalkAnswer(declined), answer);
            QCOMPARE(std::tuple(rig.model.pet.Speed - 667, qBound(-1, int(rig.model.pet.Stress), 1),
                                rig.model.PlayCount, rig.window.order),
                     std::tuple(20 * energy, stress, qint16(after), QString("ES")));
        }
        // The third answer is the fish's speech line (the declining rows above never draw it).
        Fish speech;
        speech.random.draws = {DrawFor(2, 3), DrawFor(13, 46)};
        QCOMPARE(speech.model.TalkAnswer(false), QString("がんばってる？"));
    }

    void talkWindow()
    {
        PlayRig rig;
        rig.play.OpenTalk();
        frmTalk* talk = rig.play.TalkWindow();
        talk->optMes[1]->setText("変えた");
        rig.play.OpenTalk();  // open again: the same window, not reloaded
        QCOMPARE(std::tuple(rig.play.TalkWindow(), talk->optMes[1]->text()), std::tuple(talk, QString("変えた")));
        talk->close();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.play.TalkWindow(), rig.model.PlayCount, rig.Msg()), std::tuple(nullptr, 0, nullptr));

        rig.play.OpenTalk();
        rig.play.TalkWindow()->optMes[4]->setChecked(true);
        rig.random.fallback = 0.0;
        rig.play.TalkWindow()->cmbOK->click();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.Shown(), rig.model.PlayCount), std::tuple(QString("お話|なんか用事？"), 1));
        QVERIFY(!rig.play.TalkWindow());

        // A death in the energy step ends it there: no answer, no stress step.
        PlayRig dying;
        dying.play.OpenTalk();
        dying.model.pet.Speed = 1;
        dying.random.fallback = DrawFor(1, 3);  // "ジャンケンしようよ。", energy -1
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, dying.play.TalkWindow()->cmbOK_Click());
        QCOMPARE(std::tuple(dying.Msg(), dying.model.pet.Stress), std::tuple(nullptr, 0));
    }

    void jankenOutcomes()
    {
        const QString hands[] = {"グーです。", "パーです。", "チョキです。"};
        // Rows: the user's hand; columns: the fish's. 0 draw, 1 the fish wins, 2 the user wins.
        const int outcome[3][3] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}};
        const QString endings[] = {"あいこです", "ななしの権兵衛の勝ちです。やったー。", "あなたの勝ちです。くやしいぃ！"};
        const int energy[] = {20, 20, -80}, stress[] = {-2, 2, -2};
        for (int user = 0; user < 3; ++user) {
            for (int fish = 0; fish < 3; ++fish) {
                Fish rig;
                rig.random.draws = {DrawFor(fish, 3)};
                const int o = outcome[user][fish];
                QCOMPARE(rig.model.PlayJanken(user), "ななしの権兵衛は、" + hands[fish] + endings[o]);
                QCOMPARE(std::tuple(rig.model.pet.Speed - 667, int(rig.model.pet.Stress), rig.window.order),
                         std::tuple(energy[o], stress[o], QString("ES")));
            }
        }
        // The 20th play tires the fish: both effects, and the count starts again at 5.
        Fish tired;
        tired.model.PlayCount = 19;
        tired.random.draws = {DrawFor(0, 3)};
        QCOMPARE(tired.model.PlayJanken(0), QString("ななしの権兵衛は、グーです。あいこです" "もう、疲れたよ。"));
        QCOMPARE(std::tuple(tired.model.pet.Speed - 667, tired.model.PlayCount, tired.window.order),
                 std::tuple(20 - 160 + 1, 5, QString("ESES")));  // + 1: the draw left it a little happier
    }

    void jankenWindow()
    {
        PlayRig rig("<u>ぎん</u>");
        rig.play.OpenJanken();
        frmJanken* janken = rig.play.JankenWindow();
        QCOMPARE(janken->lblMes->text(), QString("<u>ぎん</u>とジャンケン対決！！"));
        // A name from the user is never read as markup.
        QCOMPARE(std::tuple(janken->lblMes->textFormat(), rig.main.lblSTB->textFormat()),
                 std::tuple(Qt::PlainText, Qt::PlainText));
        QVERIFY(rig.tray.ToolTip().contains("&lt;u&gt;"));
        rig.random.draws = {DrawFor(2, 3)};
        QTest::mouseClick(janken->cmbJanken[0], Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(rig.Shown(), QString("ばすぽうジャンケン|<u>ぎん</u>は、チョキです。あなたの勝ちです。くやしいぃ！"));
        QVERIFY(!rig.play.JankenWindow());
        // Talk and the game are also reached from the message window and the care menu.
        rig.Msg()->cmbJanken_Click();
        rig.main.mnuCareTalk->trigger();
        QCoreApplication::processEvents();
        QVERIFY(rig.play.JankenWindow() && rig.play.TalkWindow() && !rig.Msg());
    }
};

QTEST_MAIN(TestPlay)
#include "test_play.moc"
