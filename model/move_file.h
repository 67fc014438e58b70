#pragma once
// The move file that carries a fish to another computer: 14 lines, one value
// per line, CR LF line ends, code page 932 (UTF-8 with a BOM when the text
// needs characters beyond it).

#include <QByteArray>
#include <optional>

#include "model/pet_record.h"

// The values a move file carries; the rest of the record stays with the
// computer.
struct MovedFish {
    qint32 EatFood = 0;
    qint16 EatFoods = 0;
    qint16 Speed = 0;
    qint16 Stress = 0;
    qint32 StartDay = 0;
    QString _StartDay;
    QString FishName;
    qint16 FormMode = 0;
    qint32 WaterDay = 0;
    qint16 WaterConc = 0;
    qint16 Sex = 0;
    qint32 LastRunDay = 0;
};

QByteArray MoveFileBytes(const PetRecord& pet, qint32 packingDay);

// A real move file is 14 short lines; one larger than this is no move file,
// and no more of it than this and a byte is ever read.
inline constexpr qsizetype MoveFileMaxBytes = 64 * 1024;

// No value when the file is larger than MoveFileMaxBytes, has fewer than 14
// lines, a numeric line does not hold a number of its field's size, or the
// name is empty.
std::optional<MovedFish> ParseMoveFile(const QByteArray& bytes);

void TakeOver(PetRecord& pet, const MovedFish& moved);
