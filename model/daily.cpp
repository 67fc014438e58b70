#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/vaspo.h"
#include "storage/numeric.h"

void Vaspo::RefreshGenki()
{
    emit EnergyChanged(EnergyFigure(pet.Speed) + QLatin1Char('%'));
}

void Vaspo::RefreshStress()
{
    emit StressChanged(QString::number(pet.Stress));
}

void Vaspo::ChangeEnergy(qint32 n)
{
    // Wide enough for any step: a very old feeding drains the fish, it does
    // not wrap round into a healthy one.
    qint64 speed = pet.Speed + 20 * qint64(n);
    const double stressPenalty = ((pet.Stress / 100.0) / 20) * 1000;
    speed = qint64(RoundHalfEven(double(speed) - stressPenalty));
    const double waterPenalty = ((255 - pet.WaterConc) / 255.0 / 20) * 1000;
    speed = qint64(RoundHalfEven(double(speed) - waterPenalty));
    pet.Speed = qint16(std::clamp<qint64>(speed, -32768, 1000));
    if (pet.Speed <= 0) {
        PetDies();  // returns only while a death is already under way
    }
    RefreshGenki();
}

void Vaspo::ChangeStress(qint16 n)
{
    random_.Randomize();
    const double r = random_.Rnd();
    const int k = int(std::floor(std::abs(n) * r + 1));
    int stress = pet.Stress;
    if (n >= 1) {
        stress += 2 * k;
    } else if (n <= -1) {
        stress -= 2 * k;
    }
    pet.Stress = qint16(qBound(-100, stress, 100));
    RefreshStress();
}

bool Vaspo::IsAutoFeedDay(qint32 day) const
{
    return pet.AutoFoods != 0 && pet.AutoFoodDay < day && day <= pet.AutoFoodDay + pet.AutoFoods;
}

void Vaspo::DailyUpdate(qint16 mode)
{
    double clarity = pet.WaterConc;
    if (mode == 0 && DayNumber() != pet.LastRunDay) {
        clarity = pet.WaterConc - (255 - pet.WaterConc) / 5.0 - (double(DayNumber()) - pet.LastRunDay) * 5.0;
        // Hunger keeps growing through feeder days: the feeder only spares
        // the fish that day's hunger cost.
        qint64 hunger = std::abs(qint64(pet.LastRunDay) - pet.EatFood + 1);
        qint32 day = pet.LastRunDay;
        do {
            ++day;
            ++hunger;
            if (IsAutoFeedDay(day)) {
                pet.EatFoods = 3;
                pet.EatFood = day;
            } else {
                pet.EatFoods = 0;
                ChangeEnergy(qint32(-std::min<qint64>(hunger, 1000000)));  // any such hunger is fatal
            }
            if (day % 10 == 0) {
                ChangeEnergy(-3);
            }
            pet.LastRunDay = day;
        } while (day < DayNumber());
        if (DayNumber() == pet.AutoFoodDay + pet.AutoFoods + 1) {
            pet.AutoFoodDay = 0;
            pet.AutoFoods = 0;
        }
        pet.LastRunDay = DayNumber();
    } else if (mode == 1) {
        clarity = pet.WaterConc + 255 / 100.0;
    } else if (mode == 2) {
        clarity = pet.WaterConc - (255 / 100.0) * pet.EatFoods;
    }
    ShowWaterState(clarity);
}

void Vaspo::ShowWaterState(double clarity)
{
    if (clarity < 1) {
        ChangeStress(3);
        clarity = 1;
    } else if (clarity > 255) {
        clarity = 255;
    }
    const WaterColour colour{int(RoundHalfEven((255 - clarity) / 2)), int(RoundHalfEven(clarity)),
                             int(RoundHalfEven(255 - (255 - clarity) / 2))};
    pet.WaterConc = qint16(RoundHalfEven(clarity));
    emit WaterChanged(PollutionFigure(pet.WaterConc) + QLatin1Char('%'), colour);
}
