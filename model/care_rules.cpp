// Feeding, changing the water, the automatic feeder and the status view.
#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "model/vaspo.h"
#include "storage/numeric.h"

namespace {

int Int(double value)
{
    return int(std::floor(value));
}

struct Fortune {
    int lastDraw;  // rows hold the draws up to this one
    qint16 v;
    const char* text;
};

const Fortune Fortunes[] = {
    {1, -4, QT_TRANSLATE_NOOP("Fortune", "もうダメかもしれない。大凶")},
    {6, -3, QT_TRANSLATE_NOOP("Fortune", "チョット不幸な、凶")},
    {13, 2, QT_TRANSLATE_NOOP("Fortune", "まずます。小吉")},
    {18, 3, QT_TRANSLATE_NOOP("Fortune", "良いことあるかな？中吉")},
    {20, 4, QT_TRANSLATE_NOOP("Fortune", "今日はラッキー。大吉")},
};

}  // namespace

FeedRefusal Vaspo::FeedingRefusal() const
{
    const qint32 today = DayNumber();
    if (IsAutoFeedDay(today)) {
        return FeedRefusal::FeederDay;
    }
    if ((today == pet.EatFood && pet.EatFoods < 3) || pet.EatFood < today) {
        return FeedRefusal::None;
    }
    return FeedRefusal::ThreeADay;
}

bool Vaspo::FortuneFoodOffered() const
{
    return !(DayNumber() == pet.EatFood && pet.EatFoods > 0);
}

void Vaspo::Feed(int kind, int qty, const CareScene& scene)
{
    const CareUnderWay underWay(careUnderWay_);
    // Counted first, so that a feeding cut short by the end of the program
    // is never given twice.
    if (DayNumber() == pet.EatFood) {
        ++pet.EatFoods;
    } else {
        pet.EatFood = DayNumber();
        pet.EatFoods = 1;
    }

    random_.Randomize();
    qint16 v = 0;
    if (kind == FortuneFood) {
        const int r = Int(random_.Rnd() * 20 + 1);
        const Fortune* row = std::begin(Fortunes);
        while (r > row->lastDraw && row + 1 != std::end(Fortunes)) {
            ++row;
        }
        v = row->v;
        ShowPetMessage(QCoreApplication::translate("Fortune", row->text), tr("占い謎エサ"));
    } else {
        v = qint16(Int(random_.Rnd() * (qty + 2)));
    }

    scene.dropFood(kind);

    random_.Randomize();
    const int d = Int(random_.Rnd() * 15 + 6);
    if (kind != FortuneFood && d % (qty + 1) != 0) {
        ChangeStress(v);
        DailyUpdate(2);
        --v;
        SetStatusLine(tr("餌を残しちゃった"));
        scene.pause(1000);
    } else {
        ChangeStress(qint16(-v));
        ++v;
        SetStatusLine(tr("おいしかったなぁ...."));
    }
    ChangeEnergy(v);
    StatusTicks = 0;
    careUnderWay_ = false;
    SaveNow();
}

bool Vaspo::WaterChangeAllowed() const
{
    return DayNumber() != pet.WaterDay;
}

void Vaspo::ChangeWater(int n, const CareScene& scene)
{
    const CareUnderWay underWay(careUnderWay_);
    for (int i = 0; i <= n; ++i) {
        DailyUpdate(1);
        scene.pause(15);
    }
    const double pollution = (255 - pet.WaterConc) / 255.0 * 100;
    const qint32 m = ToLong(std::abs(pollution - n)).value_or(0) % 3;
    ChangeEnergy(qint16(-m));
    ChangeStress(qint16(-RoundHalfEven(n / 5.0)));
    pet.WaterDay = DayNumber();
    SetStatusLine(tr("水を交換しました"));
    StatusTicks = 0;
    careUnderWay_ = false;
    SaveNow();
}

bool Vaspo::FeederSetOrRunning() const
{
    const qint32 today = DayNumber();
    return pet.AutoFoods != 0 && (IsAutoFeedDay(today) || pet.AutoFoodDay == today);
}

void Vaspo::ResetFeeder()
{
    pet.AutoFoods = 0;
    pet.AutoFoodDay = 0;
    SaveNow();
}

int Vaspo::FeederMaxDays() const
{
    const int month = clock_.Now().date().month();
    return month == 8 || month == 12 ? 7 : 3;
}

void Vaspo::SetFeeder(int days)
{
    pet.AutoFoods = qint16(days);
    pet.AutoFoodDay = DayNumber();
    ShowPetMessage(tr("明日から%1日間、餌を自動であげます").arg(pet.AutoFoods),
                   tr("自動給餌機始動"));
    SaveNow();
}

QString DateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : format) {
        if (c.isPunct() && c != QLatin1Char('\'')) {
            return c;
        }
    }
    return QStringLiteral("/");
}

QString Vaspo::StatusReport(const QString& dateSeparator) const
{
    const QString date = clock_.Now().date().toString(QStringLiteral("yy") + dateSeparator + QStringLiteral("MM") +
                                                      dateSeparator + QStringLiteral("dd"));
    const qint32 today = DayNumber();
    return QStringList{
        tr("今日の日付: %1").arg(date),
        tr("飼育日数: %1日").arg(DaysKept()),
        tr("最後に餌をあげた日: %1日前").arg(qint64(today) - pet.EatFood),
        tr("今日あげた餌の回数: %1回").arg(pet.EatFoods),
        tr("元気度: %1%").arg(EnergyFigure(pet.Speed)),
        tr("ストレス: %1").arg(pet.Stress),
        tr("水質汚濁: %1%").arg(PollutionFigure(pet.WaterConc)),
    }
        .join(QLatin1Char('\n'));
}
