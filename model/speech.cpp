#include <QCoreApplication>
#include <QDateTime>
#include <cmath>

#include "model/vaspo.h"

namespace {

QString Said(const char* text)
{
    return QCoreApplication::translate("Speech", text);
}

const char* const FixedLines[] = {
    QT_TRANSLATE_NOOP("Speech", "つまんないなぁ.."),
    QT_TRANSLATE_NOOP("Speech", "仕事はやめて、遊ぼうよ！"),
    QT_TRANSLATE_NOOP("Speech", "がんばってる？"),
    QT_TRANSLATE_NOOP("Speech", "元気？"),
    QT_TRANSLATE_NOOP("Speech", "私はまずまずよ"),
    QT_TRANSLATE_NOOP("Speech", "暇だね"),
    QT_TRANSLATE_NOOP("Speech", "今日の天気はどう？"),
    QT_TRANSLATE_NOOP("Speech", "明日は晴れるかなぁ？"),
    QT_TRANSLATE_NOOP("Speech", "仕事をやめて、飲みに行こう！"),
    QT_TRANSLATE_NOOP("Speech", "遊びに行こうよ"),
    QT_TRANSLATE_NOOP("Speech", "ストレスがたまるとダメなの"),
    QT_TRANSLATE_NOOP("Speech", "今日も元気いっぱい！"),
    QT_TRANSLATE_NOOP("Speech", "御意見・御感想は、掲示板に書いてね"),
    QT_TRANSLATE_NOOP("Speech", "たまには作者に感想のメールでも送ってね"),
    QT_TRANSLATE_NOOP("Speech", "疲れてきたかな"),
    QT_TRANSLATE_NOOP("Speech", "すごく気持ちがいいなぁ..."),
    QT_TRANSLATE_NOOP("Speech", "いつまでも可愛がってね"),
    QT_TRANSLATE_NOOP("Speech", "一緒に泳げたらいいのにね"),
    QT_TRANSLATE_NOOP("Speech", "お母さんはどこにいるんだろう"),
    QT_TRANSLATE_NOOP("Speech", "今日のご飯は何だろう"),
    QT_TRANSLATE_NOOP("Speech", "ほんとうのバスポウは飼育が難しいらしいよ"),
    QT_TRANSLATE_NOOP("Speech", "エサによって元気度の回復は違うんだ"),
    QT_TRANSLATE_NOOP("Speech", "エサの量も気をつけてね"),
    QT_TRANSLATE_NOOP("Speech", "ストレスは、数字が大きくなるほどたまっているんだ"),
    QT_TRANSLATE_NOOP("Speech", "ストレスがマイナスだと幸せだな"),
    QT_TRANSLATE_NOOP("Speech", "今日が良い一日であればいいね"),
    QT_TRANSLATE_NOOP("Speech", "コンピュータって楽しい？"),
    QT_TRANSLATE_NOOP("Speech", "今日の予定はどんな感じ？"),
    QT_TRANSLATE_NOOP("Speech", "今日はどこにも出かけないの？"),
    QT_TRANSLATE_NOOP("Speech", "もっともっと大きくなりたい！"),
    QT_TRANSLATE_NOOP("Speech", "ココにでるメッセージを全部信じちゃダメだよ"),
    QT_TRANSLATE_NOOP("Speech", "エビが食べたいなぁ"),
    QT_TRANSLATE_NOOP("Speech", "イカが食べたいなぁ"),
    QT_TRANSLATE_NOOP("Speech", "クラゲが食べたいなぁ"),
    QT_TRANSLATE_NOOP("Speech", "楽しいなぁ！"),
};
constexpr int FirstFixedSlot = 11;
constexpr int LastDrawnSlot = 45;

// Morning, afternoon, evening; hungry or not.
const char* const HungerLines[3][2] = {
    {QT_TRANSLATE_NOOP("Speech", "おなかがすいたよぉ..."), QT_TRANSLATE_NOOP("Speech", "まだ、ご飯は食べれるよ")},
    {QT_TRANSLATE_NOOP("Speech", "おなかがへって死にそうだ...."), QT_TRANSLATE_NOOP("Speech", "おなかが減ってきた....")},
    {QT_TRANSLATE_NOOP("Speech", "ご飯がないと死んじゃうよ"), QT_TRANSLATE_NOOP("Speech", "そろそろご飯が欲しいなぁ。")},
};

QString HungerLine(int hour, qint16 eatFoods)
{
    return Said(HungerLines[hour <= 10 ? 0 : hour <= 17 ? 1 : 2][eatFoods <= 1 ? 0 : 1]);
}

QString GreetingLine(int hour)
{
    if (hour <= 4) {
        return QCoreApplication::translate("Speech", "ずいぶん、お仕事熱心ですね。もう寝たら？");
    }
    if (hour <= 8) {
        return QCoreApplication::translate("Speech", "朝早くから、ご苦労様です");
    }
    if (hour <= 11) {
        return QCoreApplication::translate("Speech", "今日も一日がんばりましょう！");
    }
    if (hour == 12) {
        return QCoreApplication::translate("Speech", "お昼ですね。ご飯が食べたいなぁ...");
    }
    if (hour <= 14) {
        return QCoreApplication::translate("Speech", "３時になったら、おやつにしましょう！");
    }
    if (hour == 15) {
        return QCoreApplication::translate("Speech", "３時ですよ。おやつにしませんか？");
    }
    if (hour <= 18) {
        return QCoreApplication::translate("Speech", "今日も一日ご苦労様でした。");
    }
    if (hour <= 22) {
        return QCoreApplication::translate("Speech", "もう夜ですねぇ......");
    }
    return QCoreApplication::translate("Speech", "明日も早いんじゃないですか？もう寝ましょうよ");
}

QString MoodLine(qint16 stress)
{
    if (stress <= -51) {
        return QCoreApplication::translate("Speech", "かなり気分がいいなぁ....");
    }
    if (stress <= -1) {
        return QCoreApplication::translate("Speech", "気分はいいよ");
    }
    if (stress == 0) {
        return QCoreApplication::translate("Speech", "ふつう");
    }
    if (stress <= 50) {
        return QCoreApplication::translate("Speech", "なんか不快");
    }
    return QCoreApplication::translate("Speech", "もう、イヤ！！");
}

// By energy percent (speed / 10): a percent between two ranges joins the
// lower one, so every energy has a line of its own.
QString ConditionLine(qint16 speed)
{
    if (speed < 260) {
        return QCoreApplication::translate("Speech", "調子が悪いよぉ....");
    }
    if (speed < 510) {
        return QCoreApplication::translate("Speech", "調子はまずまず");
    }
    if (speed < 750) {
        return QCoreApplication::translate("Speech", "調子はいいよ");
    }
    if (speed < 1000) {
        return QCoreApplication::translate("Speech", "絶好調！");
    }
    return QCoreApplication::translate("Speech", "もう、バリバリ元気！！！");
}

QString FeedingLine(qint16 eatFoods)
{
    switch (eatFoods) {
    case 0:
        return QCoreApplication::translate("Speech", "ご飯が食べたいなぁ....");
    case 1:
        return QCoreApplication::translate("Speech", "少しおなかが減ったなぁ....");
    case 2:
        return QCoreApplication::translate("Speech", "おかわり！");
    default:
        return QCoreApplication::translate("Speech", "今日はもう食べられないね");
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
    slot[5] = tr("水質汚濁は%1%です。").arg(PollutionFigure(pet.WaterConc));
    slot[6] = tr("今日は、%1です").arg(now.date().toString(QStringLiteral("yy/MM/dd")));
    slot[7] = tr("只今の時刻は、%1です").arg(now.time().toString(QStringLiteral("HH:mm")));
    slot[8] = tr("出会ってから%1日目だね").arg(DaysKept());
    slot[9] = tr("ストレスは、%1です").arg(pet.Stress);
    slot[10] = tr("元気度%1% です").arg(EnergyFigure(pet.Speed));
    for (int i = FirstFixedSlot; i <= LastDrawnSlot; ++i) {
        slot[i] = Said(FixedLines[i - FirstFixedSlot]);
    }
    return slot[index];
}
