#include <QDateTime>
#include <cmath>

#include "model/vaspo.h"

namespace {

const char16_t* const FixedLines[] = {
    u"つまんないなぁ..",
    u"仕事はやめて、遊ぼうよ！",
    u"がんばってる？",
    u"元気？",
    u"私はまずまずよ",
    u"暇だね",
    u"今日の天気はどう？",
    u"明日は晴れるかなぁ？",
    u"仕事をやめて、飲みに行こう！",
    u"遊びに行こうよ",
    u"ストレスがたまるとダメなの",
    u"今日も元気いっぱい！",
    u"御意見・御感想は、掲示板に書いてね",
    u"たまには作者に感想のメールでも送ってね",
    u"疲れてきたかな",
    u"すごく気持ちがいいなぁ...",
    u"いつまでも可愛がってね",
    u"一緒に泳げたらいいのにね",
    u"お母さんはどこにいるんだろう",
    u"今日のご飯は何だろう",
    u"ほんとうのバスポウは飼育が難しいらしいよ",
    u"エサによって元気度の回復は違うんだ",
    u"エサの量も気をつけてね",
    u"ストレスは、数字が大きくなるほどたまっているんだ",
    u"ストレスがマイナスだと幸せだな",
    u"今日が良い一日であればいいね",
    u"コンピュータって楽しい？",
    u"今日の予定はどんな感じ？",
    u"今日はどこにも出かけないの？",
    u"もっともっと大きくなりたい！",
    u"ココにでるメッセージを全部信じちゃダメだよ",
    u"エビが食べたいなぁ",
    u"イカが食べたいなぁ",
    u"クラゲが食べたいなぁ",
    u"楽しいなぁ！",
};
constexpr int FirstFixedSlot = 11;
constexpr int LastDrawnSlot = 45;

QString HungerLine(int hour, qint16 eatFoods)
{
    const bool hungry = eatFoods <= 1;
    if (hour <= 10) {
        return hungry ? QStringLiteral("おなかがすいたよぉ...") : QStringLiteral("まだ、ご飯は食べれるよ");
    }
    if (hour <= 17) {
        return hungry ? QStringLiteral("おなかがへって死にそうだ....") : QStringLiteral("おなかが減ってきた....");
    }
    return hungry ? QStringLiteral("ご飯がないと死んじゃうよ") : QStringLiteral("そろそろご飯が欲しいなぁ。");
}

QString GreetingLine(int hour)
{
    if (hour <= 4) {
        return QStringLiteral("ずいぶん、お仕事熱心ですね。もう寝たら？");
    }
    if (hour <= 8) {
        return QStringLiteral("朝早くから、ご苦労様です");
    }
    if (hour <= 11) {
        return QStringLiteral("今日も一日がんばりましょう！");
    }
    if (hour == 12) {
        return QStringLiteral("お昼ですね。ご飯が食べたいなぁ...");
    }
    if (hour <= 14) {
        return QStringLiteral("３時になったら、おやつにしましょう！");
    }
    if (hour == 15) {
        return QStringLiteral("３時ですよ。おやつにしませんか？");
    }
    if (hour <= 18) {
        return QStringLiteral("今日も一日ご苦労様でした。");
    }
    if (hour <= 22) {
        return QStringLiteral("もう夜ですねぇ......");
    }
    return QStringLiteral("明日も早いんじゃないですか？もう寝ましょうよ");
}

QString MoodLine(qint16 stress)
{
    if (stress <= -51) {
        return QStringLiteral("かなり気分がいいなぁ....");
    }
    if (stress <= -1) {
        return QStringLiteral("気分はいいよ");
    }
    if (stress == 0) {
        return QStringLiteral("ふつう");
    }
    if (stress <= 50) {
        return QStringLiteral("なんか不快");
    }
    return QStringLiteral("もう、イヤ！！");
}

// By energy percent (speed / 10): a percent between two ranges joins the
// lower one, so every energy has a line of its own.
QString ConditionLine(qint16 speed)
{
    if (speed < 260) {
        return QStringLiteral("調子が悪いよぉ....");
    }
    if (speed < 510) {
        return QStringLiteral("調子はまずまず");
    }
    if (speed < 750) {
        return QStringLiteral("調子はいいよ");
    }
    if (speed < 1000) {
        return QStringLiteral("絶好調！");
    }
    return QStringLiteral("もう、バリバリ元気！！！");
}

QString FeedingLine(qint16 eatFoods)
{
    switch (eatFoods) {
    case 0:
        return QStringLiteral("ご飯が食べたいなぁ....");
    case 1:
        return QStringLiteral("少しおなかが減ったなぁ....");
    case 2:
        return QStringLiteral("おかわり！");
    default:
        return QStringLiteral("今日はもう食べられないね");
    }
}

}  // namespace

QString Vaspo::SpeechLine()
{
    random_.Randomize();
    const int index = qMin(int(std::floor((LastDrawnSlot - 0 + 1) * random_.Rnd() + 0)), LastDrawnSlot);
    const QDateTime now = clock_.Now();
    const int hour = now.time().hour();
    auto& slot = SpeechSlots;

    // A slot that is not written keeps what an earlier call put there.
    if (pet.EatFoods <= 2) {
        slot[0] = HungerLine(hour, pet.EatFoods);
    }
    slot[1] = GreetingLine(hour);
    slot[2] = MoodLine(pet.Stress);
    slot[3] = ConditionLine(pet.Speed);
    if (pet.EatFoods >= 0 && pet.EatFoods <= 3) {
        slot[4] = FeedingLine(pet.EatFoods);
    }
    slot[5] = QStringLiteral("水質汚濁は") + PollutionFigure(pet.WaterConc) + QStringLiteral("%です。");
    slot[6] = QStringLiteral("今日は、") + now.date().toString(QStringLiteral("yy/MM/dd")) + QStringLiteral("です");
    slot[7] = QStringLiteral("只今の時刻は、") + now.time().toString(QStringLiteral("HH:mm")) + QStringLiteral("です");
    slot[8] = QStringLiteral("出会ってから") + QString::number(DaysKept()) + QStringLiteral("日目だね");
    slot[9] = QStringLiteral("ストレスは、") + QString::number(pet.Stress) + QStringLiteral("です");
    slot[10] = QStringLiteral("元気度") + EnergyFigure(pet.Speed) + QStringLiteral("% です");
    for (int i = FirstFixedSlot; i <= LastDrawnSlot; ++i) {
        slot[i] = QString::fromUtf16(FixedLines[i - FirstFixedSlot]);
    }
    return slot[index];
}
