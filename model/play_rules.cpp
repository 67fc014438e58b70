// Talking and rock-paper-scissors: what the fish answers and what it costs.
#include <cmath>

#include "model/vaspo.h"

namespace {

int Int(double value)
{
    return int(std::floor(value));
}

const char16_t* const TalkChoices[3][3] = {
    {u"今日の天気は？", u"今日の予定は？", u"今日はひま？"},
    {u"どこに行く？", u"忙しい？", u"何しているの？"},
    {u"遊んでいる？", u"どこから来たの？", u"君ならどうする？"},
};

const char16_t* const Hands[3] = {u"は、グーです。", u"は、パーです。", u"は、チョキです。"};

}  // namespace

QString TalkGreeting(int hour)
{
    if (hour <= 4 || (hour >= 16 && hour <= 20)) {
        return QStringLiteral("こんばんは");
    }
    if (hour <= 9) {
        return QStringLiteral("おはよう");
    }
    if (hour <= 14) {
        return QStringLiteral("こんにちは");
    }
    if (hour == 15) {
        return QStringLiteral("おやつ？");
    }
    return QStringLiteral("がんばってる？");
}

QStringList Vaspo::TalkOptions()
{
    QStringList options{TalkGreeting(clock_.Now().time().hour())};
    for (const auto& row : TalkChoices) {
        random_.Randomize();
        options.append(QString::fromUtf16(row[qMin(Int(random_.Rnd() * 3), 2)]));
    }
    options.append(QStringLiteral("（やっぱり、やめる）"));
    return options;
}

QString Vaspo::TalkAnswer(bool declined)
{
    ++PlayCount;
    // Each answer: energy step first, then stress step.
    const auto answer = [this](const QString& text, qint16 energy, qint16 stress) {
        ChangeEnergy(energy);
        ChangeStress(stress);
        return text;
    };
    if (PlayCount >= 20) {
        const QString text = answer(QStringLiteral("ゆっくり泳ぎたいよ。うるさいなぁ..."), -7, -2);
        PlayCount = 0;
        return text;
    }
    if (PlayCount == 10) {
        return answer(QStringLiteral("しつこいなぁ。ゆっくり泳がせてよ。"), -5, -1);
    }
    random_.Randomize();
    if (declined) {
        return Int(random_.Rnd() * 2) == 1 ? answer(QStringLiteral("からかうのは、やめて！"), 1, -1)
                                           : answer(QStringLiteral("なんか用事？"), -1, 1);
    }
    switch (Int(random_.Rnd() * 3)) {
    case 0:
        return answer(pet.FishName + QStringLiteral("は、黙ったままです。"), 1, -1);
    case 1:
        return answer(QStringLiteral("ジャンケンしようよ。"), -1, 1);
    default:
        return answer(SpeechLine(), 1, 1);
    }
}

QString Vaspo::PlayJanken(int hand)
{
    ++PlayCount;
    random_.Randomize();
    const int fish = qMin(Int(random_.Rnd() * 3), 2);
    QString text = pet.FishName + QString::fromUtf16(Hands[fish]);
    if (fish == hand + 1 || (fish == 0 && hand == 2)) {
        text += pet.FishName + QStringLiteral("の勝ちです。やったー。");
        ChangeEnergy(1);
        ChangeStress(1);
    } else if (fish == hand) {
        text += QStringLiteral("あいこです");
        ChangeEnergy(1);
        ChangeStress(-2);
    } else {
        text += QStringLiteral("あなたの勝ちです。くやしいぃ！");
        ChangeEnergy(-4);
        ChangeStress(-3);
    }
    if (PlayCount >= 20) {
        text += QStringLiteral("もう、疲れたよ。");
        ChangeEnergy(-8);
        ChangeStress(-8);
        PlayCount = 5;
    }
    return text;
}
