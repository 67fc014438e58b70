#include <QDir>

#include "model/history_log.h"
#include "model/vaspo.h"
#include "storage/registry.h"

namespace {

QStringList HistoryBlock(const PetRecord& pet, const QDate& today, qint32 dayNumber)
{
    return {
        QStringLiteral("「ばすぽう」 Ver.") + vaspo::Version,
        QStringLiteral("名前：") + pet.FishName,
        QStringLiteral("性別：") + (pet.Sex == 0 ? QStringLiteral("オス") : QStringLiteral("メス")),
        QStringLiteral("飼育開始日：") + pet._StartDay,
        QStringLiteral("死亡確認日：") + today.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral("（死亡") +
            QString::number(qint64(dayNumber) - pet.LastRunDay) + QStringLiteral("日後）"),
        QStringLiteral("飼育日数：") + QString::number(qint64(pet.LastRunDay) - pet.StartDay + 1),
        QString(39, QLatin1Char('-')),
    };
}

}  // namespace

void Vaspo::PetDies()
{
    if (dying_) {
        return;
    }
    dying_ = true;
    emit Dying();
    // A history that cannot be written must not keep the fish alive.
    QDir().mkpath(AppFolder);
    AppendHistoryBlock(AppFolder + vaspo::HistoryFileName,
                       HistoryBlock(pet, clock_.Now().date(), DayNumber()));
    registry_.DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
    NoSave = 1;
    Message(tr("きちんと世話をしないので、 %1 は、死んじゃいました....\n"
               "可哀想なことをしました。\n"
               "新しく飼育したいときは再起動して下さい。")
                .arg(pet.FishName),
            tr("死んじゃいました"), MsgIcon::Critical);
    if (main_) {
        main_->Unload();  // nothing to save, so it closes now
    }
    EndProgram();
}

void Vaspo::ConfirmExit()
{
    if (Message(tr("「ばすぽう」を終了しますか？"), tr("ばすぽうの終了"), MsgIcon::Question,
                MsgButtons::YesNo) != MsgAnswer::Yes) {
        return;
    }
    if (main_) {
        // Comes back only when a care action must finish first; the tank
        // closes right after it.
        main_->Unload();
        return;
    }
    EndProgram();
}
