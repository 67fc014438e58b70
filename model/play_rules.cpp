// Talking and rock-paper-scissors: what the fish answers and what it costs.
#include <QCoreApplication>
#include <cmath>

#include "model/vaspo.h"

namespace {

int Int(double value)
{
    return int(std::floor(value));
}

const char* const TalkChoices[3][3] = {
    {QT_TRANSLATE_NOOP("Talk", "今日の天気は？"), QT_TRANSLATE_NOOP("Talk", "今日の予定は？"),
     QT_TRANSLATE_NOOP("Talk", "今日はひま？")},
    {QT_TRANSLATE_NOOP("Talk", "どこに行く？"), QT_TRANSLATE_NOOP("Talk", "忙しい？"),
     QT_TRANSLATE_NOOP("Talk", "何しているの？")},
    {QT_TRANSLATE_NOOP("Talk", "遊んでいる？"), QT_TRANSLATE_NOOP("Talk", "どこから来たの？"),
     QT_TRANSLATE_NOOP("Talk", "君ならどうする？")},
};

const char* const Hands[3] = {QT_TRANSLATE_NOOP("Janken", "%1は、グーです。"), QT_TRANSLATE_NOOP("Janken", "%1は、パーです。"),
                              QT_TRANSLATE_NOOP("Janken", "%1は、チョキです。")};

}  // namespace

QString TalkGreeting(int hour)
{
    if (hour <= 4 || (hour >= 16 && hour <= 20)) {
        return QCoreApplication::translate("Talk", "こんばんは");
    }
    if (hour <= 9) {
        return QCoreApplication::translate("Talk", "おはよう");
    }
    if (hour <= 14) {
        return QCoreApplication::translate("Talk", "こんにちは");
    }
    if (hour == 15) {
        return QCoreApplication::translate("Talk", "おやつ？");
    }
    return QCoreApplication::translate("Talk", "がんばってる？");
}

QStringList Vaspo::TalkOptions()
{
    QStringList options{TalkGreeting(clock_.Now().time().hour())};
    for (const auto& row : TalkChoices) {
        random_.Randomize();
        options.append(QCoreApplication::translate("Talk", row[qMin(Int(random_.Rnd() * 3), 2)]));
    }
    options.append(tr("（やっぱり、やめる）"));
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
        const QString text = answer(tr("ゆっくり泳ぎたいよ。うるさいなぁ..."), -7, -2);
        PlayCount = 0;
        return text;
    }
    if (PlayCount == 10) {
        return answer(tr("しつこいなぁ。ゆっくり泳がせてよ。"), -5, -1);
    }
    random_.Randomize();
    if (declined) {
        return Int(random_.Rnd() * 2) == 1 ? answer(tr("からかうのは、やめて！"), 1, -1)
                                           : answer(tr("なんか用事？"), -1, 1);
    }
    switch (Int(random_.Rnd() * 3)) {
    case 0:
        return answer(tr("%1は、黙ったままです。").arg(pet.FishName), 1, -1);
    case 1:
        return answer(tr("ジャンケンしようよ。"), -1, 1);
    default:
        return answer(SpeechLine(), 1, 1);
    }
}

QString Vaspo::PlayJanken(int hand)
{
    ++PlayCount;
    random_.Randomize();
    const int fish = qMin(Int(random_.Rnd() * 3), 2);
    QString text = QCoreApplication::translate("Janken", Hands[fish]).arg(pet.FishName);
    if (fish == hand + 1 || (fish == 0 && hand == 2)) {
        text += tr("%1の勝ちです。やったー。").arg(pet.FishName);
        ChangeEnergy(1);
        ChangeStress(1);
    } else if (fish == hand) {
        text += tr("あいこです");
        ChangeEnergy(1);
        ChangeStress(-2);
    } else {
        text += tr("あなたの勝ちです。くやしいぃ！");
        ChangeEnergy(-4);
        ChangeStress(-3);
    }
    if (PlayCount >= 20) {
        text += tr("もう、疲れたよ。");
        ChangeEnergy(-8);
        ChangeStress(-8);
        PlayCount = 5;
    }
    return text;
}
