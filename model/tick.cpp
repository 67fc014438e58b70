// What the clock tick and the tank's own commands change in the fish.
#include <cmath>

#include "model/vaspo.h"

void Vaspo::SetStatusLine(const QString& text)
{
    statusLine_ = text;
    emit StatusLineChanged(text);
}

void Vaspo::ShowPetMessage(const QString& text, const QString& caption)
{
    emit PetMessage(text, caption);
}

void Vaspo::ClockTick()
{
    if (DayNumber() != pet.LastRunDay) {
        DailyUpdate(0);
        pet.EatFoods = 0;
        pet.LastRunDay = DayNumber();
        SaveNow();
    }

    if (++StatusTicks >= 50) {
        SetStatusLine(SpeechLine());
        StatusTicks = 0;
    }

    if (pet.Msgbox == 1) {
        random_.Randomize();
        const QTime now = clock_.Now().time();
        const int k = int(std::floor(random_.Rnd() * 1201));
        // At most one an hour; each tick of a quiet hour has a chance of 1 in 1201.
        if (MonologueHour != now.hour() && now.minute() == k) {
            ShowPetMessage(SpeechLine(), tr("%1の独り言").arg(pet.FishName));
            MonologueHour = qint16(now.hour());
        }
    }

    if (++ClockTicks > 144000) {
        ChangeEnergy(2);
        ChangeStress(-2);
        ClockTicks = 0;
    }
}

void Vaspo::StrokedTooMuch()
{
    SetStatusLine(pet.Sex == 0 ? tr("あんまり、さわらないで。") : tr("あんまり、さわっちゃいや～ん。"));
    ChangeStress(2);
    ChangeEnergy(-2);
    StatusTicks = 0;
}

void Vaspo::ToggleOnTop()
{
    pet.FormMode = pet.FormMode == 1 ? 0 : 1;
    emit OptionsChanged();
}

void Vaspo::ToggleMonologues()
{
    pet.Msgbox = pet.Msgbox == 1 ? 0 : 1;
    emit OptionsChanged();
}

void Vaspo::ToggleMinTray()
{
    pet.MinTray = pet.MinTray == 1 ? 0 : 1;
    emit OptionsChanged();
}

void Vaspo::SaveNow()
{
    if (kept_ && NoSave == 0 && !careUnderWay_ && !pet.FishName.isEmpty()) {
        SavePet();
    }
}
