#include <QDir>
#include <QFile>
#include <algorithm>

#include "model/move_file.h"
#include "model/vaspo.h"
#include "storage/file_helpers.h"
#include "storage/numeric.h"
#include "storage/registry.h"

namespace {

const QString Warning1 = QStringLiteral("ここの値を変えて、元気にさせようとした君！");
const QString Warning2 = QStringLiteral("そんな事して、プログラムが誤動作しても知りませんよ。");
const QString Warning3 = QStringLiteral("勝手に値を変えないで下さい。");

qint32 Halved(qint32 value)
{
    return qint32(RoundHalfEven(value / 2.0));
}

// In 64 bits: stored values added up cannot overflow.
bool Within(qint64 place, qint64 length, qint64 start, qint64 size)
{
    return place >= start && place + length <= start + size;
}

qint64 Overlap(qint64 place, qint64 length, qint64 start, qint64 size)
{
    return qMax<qint64>(0, qMin(place + length, start + size) - qMax(place, start));
}

// A place is kept while the tank's top-left corner, its title bar, lies on
// the usable area of a screen, and the size comes from that screen. Else the
// tank goes back to the screen it was on (the one that holds most of that
// corner; the primary one when none does, as that screen is gone): each way
// that is off its usable area is centred there, the title bar never above it.
void RepairTankPlace(PetRecord& pet, const ScreenTwips& desktop)
{
    const QSize corner = UsableCorner * TwipsPerPixel;
    const auto across = [&](const QRect& area) {
        return Within(pet.FormLeft, corner.width(), area.left(), area.width());
    };
    const auto down = [&](const QRect& area) {
        return Within(pet.FormTop, corner.height(), area.top(), area.height());
    };
    const auto covered = [&](const QRect& area) {
        return Overlap(pet.FormLeft, corner.width(), area.left(), area.width()) *
               Overlap(pet.FormTop, corner.height(), area.top(), area.height());
    };
    qsizetype home = -1, was = 0;
    for (qsizetype screen = 0; screen < desktop.screens.size(); ++screen) {
        const QRect usable = desktop.Usable(screen);
        if (home < 0 && across(usable) && down(usable)) {
            home = screen;
        }
        if (covered(desktop.screens[screen]) > covered(desktop.screens[was])) {
            was = screen;
        }
    }
    const qsizetype screen = home >= 0 ? home : was;
    const QRect whole = desktop.screens.value(screen);
    const QSize smallest = SmallestTank * TwipsPerPixel;
    if (pet.FormHeight > whole.height() || pet.FormHeight < smallest.height()) {
        pet.FormHeight = Halved(whole.height());
    }
    if (pet.FormWidth > whole.width() || pet.FormWidth < smallest.width()) {
        pet.FormWidth = Halved(whole.width());
    }
    if (home >= 0) {
        return;
    }
    const QRect usable = desktop.Usable(screen);
    if (!down(usable)) {
        pet.FormTop = usable.top() + qMax(0, Halved(usable.height() - pet.FormHeight));
    }
    if (!across(usable)) {
        pet.FormLeft = usable.left() + qMax(0, Halved(usable.width() - pet.FormWidth));
    }
}

// The record's values in the order they are saved; the first twelve are the
// ones a move file carries.
constexpr int MovedValueCount = 12;

RegValues RecordValues(const PetRecord& pet)
{
    return {
        {QStringLiteral("EatFood"), QString::number(pet.EatFood)},
        {QStringLiteral("EatFoods"), QString::number(pet.EatFoods)},
        {QStringLiteral("Speed"), QString::number(pet.Speed)},
        {QStringLiteral("Stress"), QString::number(pet.Stress)},
        {QStringLiteral("StartDay"), QString::number(pet.StartDay)},
        {QStringLiteral("_StartDay"), pet._StartDay},
        {QStringLiteral("FishName"), pet.FishName},
        {QStringLiteral("FormMode"), QString::number(pet.FormMode)},
        {QStringLiteral("WaterDay"), QString::number(pet.WaterDay)},
        {QStringLiteral("WaterConc"), QString::number(pet.WaterConc)},
        {QStringLiteral("Sex"), QString::number(pet.Sex)},
        {QStringLiteral("LastRunDay"), QString::number(pet.LastRunDay)},
        {QStringLiteral("PicFileName"), pet.PicFileName},
        {QStringLiteral("MinTray"), QString::number(pet.MinTray)},
        {QStringLiteral("AutoFoods"), QString::number(pet.AutoFoods)},
        {QStringLiteral("AutoFoodDay"), QString::number(pet.AutoFoodDay)},
        {QStringLiteral("Msgbox"), QString::number(pet.Msgbox)},
    };
}

}  // namespace

void Vaspo::CheckStore()
{
    QStringList names{QStringLiteral("Version"), QStringLiteral("FormTop")};
    for (const auto& value : RecordValues(pet)) {
        names.append(value.first);
    }
    const RegKeyHealth health = registry_.CheckRegKey(vaspo::KeyPath, names);
    const QString where = QDir::toNativeSeparators(health.location);
    if (!health.readable) {
        // Starting anew here would be the fish's end; the file is not touched.
        Message(tr("%1\nを読めないので、ばすぽうを始められません。\nファイルの読み取りの権限を確かめて下さい。").arg(where),
                tr("設定を読めません"), MsgIcon::Critical);
        EndProgram();
    }
    if (health.broken) {
        const QString copy = registry_.KeepBrokenRegKey(vaspo::KeyPath);
        if (!copy.isEmpty()) {
            registry_.DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
        }
        Message(copy.isEmpty() ? tr("%1\nが壊れていて、ばすぽうを読み出せませんでした。\n新しく飼い始めます。").arg(where)
                               : tr("%1\nが壊れていて、ばすぽうを読み出せませんでした。\n%2\nとして残して、新しく飼い始めます。")
                                     .arg(where, QDir::toNativeSeparators(copy)),
                tr("設定が壊れています"), MsgIcon::Exclamation);
    }
    if (!health.writable) {
        Message(tr("%1\nに書き込めないので、このままでは世話をしても保存されません。").arg(where),
                tr("設定を保存できません"), MsgIcon::Exclamation);
    }
}

void Vaspo::LoadPet(const ScreenTwips& screen)
{
    RegistryAccess& r = registry_;
    const QString& k = vaspo::KeyPath;
    pet.FormTop = r.ReadRegLong(k, QStringLiteral("FormTop"));
    pet.FormLeft = r.ReadRegLong(k, QStringLiteral("FormLeft"));
    pet.FormHeight = r.ReadRegLong(k, QStringLiteral("FormHeight"));
    pet.FormWidth = r.ReadRegLong(k, QStringLiteral("FormWidth"));
    pet.EatFood = r.ReadRegLong(k, QStringLiteral("EatFood"));
    pet.EatFoods = r.ReadRegInteger(k, QStringLiteral("EatFoods"));
    pet.Speed = r.ReadRegInteger(k, QStringLiteral("Speed"));
    pet.Stress = r.ReadRegInteger(k, QStringLiteral("Stress"));
    pet.StartDay = r.ReadRegLong(k, QStringLiteral("StartDay"));
    pet._StartDay = r.ReadRegString(k, QStringLiteral("_StartDay"));
    pet.FishName = r.ReadRegString(k, QStringLiteral("FishName"));
    pet.FormMode = r.ReadRegInteger(k, QStringLiteral("FormMode"));
    pet.WaterDay = r.ReadRegLong(k, QStringLiteral("WaterDay"));
    pet.WaterConc = r.ReadRegInteger(k, QStringLiteral("WaterConc"));
    pet.Sex = r.ReadRegInteger(k, QStringLiteral("Sex"));
    pet.LastRunDay = r.ReadRegLong(k, QStringLiteral("LastRunDay"));
    pet.PicFileName = r.ReadRegString(k, QStringLiteral("PicFilename"));
    pet.MinTray = r.ReadRegInteger(k, QStringLiteral("MinTray"));
    pet.AutoFoods = r.ReadRegInteger(k, QStringLiteral("AutoFoods"));
    pet.AutoFoodDay = r.ReadRegLong(k, QStringLiteral("AutoFoodDay"));
    pet.Msgbox = r.ReadRegInteger(k, QStringLiteral("Msgbox"));

    ImportMoveFile();
    ApplyLoadRepairs(screen);
}

void Vaspo::ApplyLoadRepairs(const ScreenTwips& desktop)
{
    RepairTankPlace(pet, desktop);

    const qint32 today = DayNumber();
    if (pet.EatFood > today || pet.EatFood == 0) {
        pet.EatFood = today;
    }
    if (pet.EatFood != today) {
        pet.EatFoods = 0;
    }
    if (pet.Speed < 1 || pet.Speed > 1000) {
        pet.Speed = qint16(RoundHalfEven(2000.0 / 3));
    }
    if (pet.Stress < -100 || pet.Stress > 100) {
        pet.Stress = 0;
    }
    if (pet.StartDay > today) {
        pet.StartDay = today;
    }
    if (pet.FormMode != 0 && pet.FormMode != 1) {
        pet.FormMode = 0;
    }
    if (pet.WaterDay > today || pet.WaterDay == 0) {
        pet.WaterDay = today;
    }
    if (pet.WaterConc < 1 || pet.WaterConc > 255) {
        pet.WaterConc = 255;
    }
    if (pet.Sex != 0 && pet.Sex != 1) {
        pet.Sex = 0;
    }
    if (pet.LastRunDay > today || pet.LastRunDay == 0) {
        pet.LastRunDay = today - 1;
    }
    if (pet.MinTray != 0 && pet.MinTray != 1) {
        pet.MinTray = 0;
    }
    if (pet.AutoFoods < 0 || pet.AutoFoods > 7) {
        pet.AutoFoods = 0;
    }
    if (pet.AutoFoodDay > today) {
        pet.AutoFoodDay = 0;
    }
    if (pet.Msgbox != 0 && pet.Msgbox != 1) {
        pet.Msgbox = 0;
    }
}

void Vaspo::SavePet()
{
    RegValues values;
    if (main_) {
        const WindowPlacement place = main_->Placement();
        if (!place.minimised) {
            values = {{QStringLiteral("FormTop"), QString::number(place.top)},
                      {QStringLiteral("FormLeft"), QString::number(place.left)},
                      {QStringLiteral("FormHeight"), QString::number(place.height)},
                      {QStringLiteral("FormWidth"), QString::number(place.width)}};
        }
    }
    values += RecordValues(pet);
    values += {{QStringLiteral("Version"), vaspo::Version},
               {QStringLiteral("Warning1"), Warning1},
               {QStringLiteral("Warning2"), Warning2},
               {QStringLiteral("Warning3"), Warning3}};
    registry_.WriteRegValues(vaspo::KeyPath, values);
}

void Vaspo::ImportMoveFile()
{
    QString found = FindFileIgnoringCase(MoveFilePath);
    QString named = MoveFilePath;
    if (found.isEmpty() && !OtherFolder.isEmpty()) {
        named = OtherFolder + vaspo::MoveFileName;
        found = FindFileIgnoringCase(named);
    }
    if (found.isEmpty()) {
        return;
    }
    const QString title = tr("水槽のお引っ越し");
    QFile file;
    std::optional<MovedFish> moved;
    if (OpenRegularFile(file, found)) {
        moved = ParseMoveFile(file.read(MoveFileMaxBytes + 1));  // more than that is too much already
        file.close();
    }
    if (!moved) {
        Message(tr("VASPO.MNBが読めないので、引っ越しはしませんでした。\n"
                   "ファイルはそのまま残して、今までの水槽で始めます。"),
                title, MsgIcon::Critical);
        return;
    }
    Message(tr("VASPO.MNBがあるので、水槽をここに引っ越します"), title, MsgIcon::Information);
    const PetRecord before = pet;
    TakeOver(pet, *moved);

    // The file goes only once the fish is safely in the store, so that an
    // early end of this run cannot lose it.
    const QString shown = QDir::toNativeSeparators(found);
    if (!StoreMovedFish()) {
        // Not taken over at all: kept only in memory, it would be saved at
        // the end and then taken over a second time from the kept file.
        pet = before;
        Message(tr("引っ越したばすぽうを保存できなかったので、%1は残しておきます。\n今までの水槽で始めます。").arg(shown),
                title, MsgIcon::Exclamation);
        return;
    }
    if (!QFile::remove(found)) {
        Message(tr("%1を削除できませんでした。\n次の起動でまた引っ越さないよう、削除して下さい。").arg(shown),
                title, MsgIcon::Exclamation);
        return;
    }
    Message(tr("%1は削除されました").arg(QDir::toNativeSeparators(named)), tr("引っ越しました！"),
            MsgIcon::Information);
}

bool Vaspo::StoreMovedFish()
{
    // With the version, a start after a crash right here is no first start.
    return registry_.WriteRegValues(vaspo::KeyPath, RecordValues(pet).mid(0, MovedValueCount) +
                                                        RegValues{{QStringLiteral("Version"), vaspo::Version}});
}
