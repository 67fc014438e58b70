// Fuzz target: any bytes as a move file. Whatever the reader takes over
// must come back unchanged when written and read again.
#include <cstdint>
#include <cstdlib>

#include "model/move_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<MovedFish> moved = ParseMoveFile(bytes);
    if (!moved) {
        return 0;
    }
    PetRecord pet;
    TakeOver(pet, *moved);
    const std::optional<MovedFish> again = ParseMoveFile(MoveFileBytes(pet, moved->LastRunDay));
    PetRecord back;
    if (again) {
        TakeOver(back, *again);
    }
    // Names are read one per line, so a name holding a line end cannot come back.
    const bool comparable =
        !moved->FishName.contains(QLatin1Char('\r')) && !moved->_StartDay.contains(QLatin1Char('\r'));
    if (comparable && (!again || !(back == pet))) {
        std::abort();
    }
    return 0;
}
