// Fuzz target: any bytes as a move file. Whatever the reader takes over
// must come back unchanged when written and read again.
#include <cstdint>
#include <cstdlib>

#include "model/move_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Past its bound nothing is a move file, whatever it begins with.
    if (ParseMoveFile(bytes.leftJustified(MoveFileMaxBytes + 1, '\n'))) {
        std::abort();
    }
    const std::optional<MovedFish> moved = ParseMoveFile(bytes);
    if (!moved) {
        return 0;
    }
    PetRecord pet;
    TakeOver(pet, *moved);
    const QByteArray packed = MoveFileBytes(pet, moved->LastRunDay);
    const std::optional<MovedFish> again = ParseMoveFile(packed);
    PetRecord back;
    if (again) {
        TakeOver(back, *again);
    }
    // Names are read one per line, so a name holding a line end cannot come back;
    // a file past the bound is never packed.
    const bool comparable = !moved->FishName.contains(QLatin1Char('\r')) &&
                            !moved->_StartDay.contains(QLatin1Char('\r')) && packed.size() <= MoveFileMaxBytes;
    if (comparable && (!again || !(back == pet))) {
        std::abort();
    }
    return 0;
}
