// Fuzz target: any bytes as the stored settings file. Checking the store,
// loading the record and catching up on the days must neither crash nor
// overflow, and must leave a record within its ranges.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/scripted.h"

namespace {

QTemporaryDir* folder = nullptr;

// The tank on the fuzzed 1024 x 768 screen: at least its smallest size, its top-left corner on the screen.
bool TankUsable(const PetRecord& pet)
{
    const QSize smallest = SmallestTank * TwipsPerPixel, corner = UsableCorner * TwipsPerPixel;
    return pet.FormWidth >= smallest.width() && pet.FormHeight >= smallest.height() && pet.FormLeft >= 0 &&
           pet.FormTop >= 0 && pet.FormLeft + corner.width() <= 1024 * 15 && pet.FormTop + corner.height() <= 768 * 15;
}

bool WithinRanges(const PetRecord& pet)
{
    return TankUsable(pet) && pet.Speed <= 1000 && pet.Stress >= -100 && pet.Stress <= 100 && pet.WaterConc >= 1 &&
           pet.WaterConc <= 255 && pet.EatFoods >= 0 && pet.AutoFoods >= 0 && pet.AutoFoods <= 7 &&
           (pet.Sex == 0 || pet.Sex == 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
#ifdef Q_OS_WIN
    // CTest counts this as skipped.
    std::puts("skipped: the fuzzed bytes stand for the settings file; Windows keeps the settings in the registry");
    std::exit(77);
#endif
    static QCoreApplication application(*argc, *argv);
    folder = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", folder->path().toUtf8());
    QDir().mkpath(folder->path() + QStringLiteral("/OSKE"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
#ifndef Q_OS_WIN
    const QString file = RegKeyFilePath(vaspo::KeyPath);
    WriteAll(file, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
#endif
    ScriptedClock clock;
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    ThrowingEnd end;
    RegistryAccess registry;
    FakeMainWindow window;
    Vaspo model(clock, random, dialogs, end, registry);
    model.AttachMainWindow(&window);
    model.AppFolder = folder->path() + QLatin1Char('/');
    model.MoveFilePath = model.AppFolder + vaspo::MoveFileName;
    CheckRegKey(vaspo::KeyPath, {QStringLiteral("FishName"), QStringLiteral("Version")});
    model.LoadPet({0, 0, 1024 * 15, 768 * 15});
    try {
        model.DailyUpdate(0);
        if (!WithinRanges(model.pet)) {
            std::abort();
        }
    } catch (const ProgramEnded&) {
        QFile::remove(model.AppFolder + vaspo::HistoryFileName);  // the fish died: its history would only grow
    }
    return 0;
}
