#include "model/move_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include "model/vaspo.h"
#include "storage/file_helpers.h"
#include "storage/numeric.h"
#include "storage/registry.h"
#include "storage/text_codec.h"

namespace {

constexpr int MoveFileLines = 14;

QStringList SplitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();  // the final line end
    }
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

}  // namespace

QByteArray MoveFileBytes(const PetRecord& pet, qint32 packingDay)
{
    const QStringList lines{
        QString::number(MoveFileLines),
        vaspo::Version,
        QString::number(pet.EatFood),
        QString::number(pet.EatFoods),
        QString::number(pet.Speed),
        QString::number(pet.Stress),
        QString::number(pet.StartDay),
        pet._StartDay,
        pet.FishName,
        QString::number(pet.FormMode),
        QString::number(pet.WaterDay),
        QString::number(pet.WaterConc),
        QString::number(pet.Sex),
        QString::number(packingDay),
    };
    return EncodeForExchange(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

std::optional<MovedFish> ParseMoveFile(const QByteArray& bytes)
{
    if (bytes.size() > MoveFileMaxBytes) {
        return std::nullopt;
    }
    const QStringList lines = SplitLines(DecodeExchanged(bytes));
    if (lines.size() < MoveFileLines) {
        return std::nullopt;
    }
    // Lines 1 and 2 (line count and version) are not checked: a file of
    // another version is read by position all the same.
    const auto eatFood = ParseLong(lines[2]);
    const auto eatFoods = ParseInteger(lines[3]);
    const auto speed = ParseInteger(lines[4]);
    const auto stress = ParseInteger(lines[5]);
    const auto startDay = ParseLong(lines[6]);
    const auto formMode = ParseInteger(lines[9]);
    const auto waterDay = ParseLong(lines[10]);
    const auto waterConc = ParseInteger(lines[11]);
    const auto sex = ParseInteger(lines[12]);
    const auto lastRunDay = ParseLong(lines[13]);
    // Without a name there is no fish to take over; the one here would be lost.
    if (!eatFood || !eatFoods || !speed || !stress || !startDay || !formMode || !waterDay || !waterConc || !sex ||
        !lastRunDay || lines[8].isEmpty()) {
        return std::nullopt;
    }
    return MovedFish{*eatFood, *eatFoods, *speed,     *stress, *startDay, lines[7],   lines[8],
                     *formMode, *waterDay, *waterConc, *sex,    *lastRunDay};
}

void TakeOver(PetRecord& pet, const MovedFish& moved)
{
    pet.EatFood = moved.EatFood;
    pet.EatFoods = moved.EatFoods;
    pet.Speed = moved.Speed;
    pet.Stress = moved.Stress;
    pet.StartDay = moved.StartDay;
    pet._StartDay = moved._StartDay;
    pet.FishName = moved.FishName;
    pet.FormMode = moved.FormMode;
    pet.WaterDay = moved.WaterDay;
    pet.WaterConc = moved.WaterConc;
    pet.Sex = moved.Sex;
    pet.LastRunDay = moved.LastRunDay;
}

bool Vaspo::PackTank()
{
    QDir().mkpath(AppFolder);
    QSaveFile file(MoveFilePath);
    const QByteArray bytes = MoveFileBytes(pet, DayNumber());
    // A file too large to be read back (a name of many thousand characters)
    // would lose the fish as surely as no file.
    if (bytes.size() > MoveFileMaxBytes || !file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 ||
        !file.commit()) {
        // Without the file the fish would be lost: keep it where it is.
        return false;
    }
    registry_.DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
    NoSave = 1;
    return true;
}
