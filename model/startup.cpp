#include "model/startup.h"

#include "storage/file_helpers.h"
#include "storage/registry.h"

namespace {

QString WithSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

bool IsRegDelOption(const QStringList& arguments)
{
    return arguments.size() == 1 && arguments.first().toUpper() == QStringLiteral("/REGDEL");
}

}  // namespace

void Vaspo::StartProcedure(StartupHost& host)
{
    switch (host.CheckInstance()) {
    case InstanceState::AnotherRunning:
        Message(tr("もう起動してるよ"), tr("一匹で十分なの"), MsgIcon::Information);
        EndProgram();
    case InstanceState::NoLock:
        Message(tr("設定のフォルダーに書き込めないので、ばすぽうが二つ起動しても見分けられません。\n"
                   "二つ目は起動しないで下さい。"),
                tr("ばすぽう"), MsgIcon::Exclamation);
        break;
    case InstanceState::Alone:
        break;
    }
    if (IsRegDelOption(host.Arguments())) {
        registry_.DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
        Message(tr("ばすぽうに関するレジストリをすべて削除しました。"),
                tr("レジストリを削除しました！"), MsgIcon::Information);
        EndProgram();
    }

    CheckStore();
    const QString storedVersion = registry_.ReadRegString(vaspo::KeyPath, QStringLiteral("Version"));
    if (storedVersion.isEmpty()) {
        Message(tr("--- ばすぽう ---\n"
                   "ダウンロードしていただき有り難うございます。\n"
                   "これは、「ばすぽう」を飼育するプログラムです。\n"
                   "毎日きちんとエサをあげて下さい。\n"
                   "そうしないと,,,,,\n"
                   "何はともあれ、可愛がってあげて下さいね。\n"
                   "\n"
                   "何かありましたら、メールや掲示板で！\n"
                   "どうぞ、ばすぽうをどうぞよろしく！"),
                tr("ばすぽう - はじめまして！"),
                MsgIcon::Information);
    } else if (storedVersion != vaspo::Version) {
        Message(tr("バージョンアップして貰ってありがとう！\n"
                   "\n"
                   "★バージョンアップ情報\n"
                   "Ver0.31→0.32\n"
                   "　・2001/01/01に世話ができないバグを修正\n"
                   "　・その他、細かいバグなどの修正\n"
                   "Ver0.30→0.31\n"
                   "　・WindowsNT対応(したつもり)\n"
                   "　・「ばすぽう」と会話ができるようになった\n"
                   "　・「ばすぽう」とジャンケンができるようになった\n"
                   "　・8月と12月は7日間の自動給餌機能が可能\n"
                   "　・パラメーターの変化について変更\n"
                   "\n"
                   "これからも、ばすぽうをどうぞよろしく！"),
                tr("ばすぽうバージョンアップ情報"),
                MsgIcon::Information);
    }

    // Beside the program when it may write there (a copy of its own),
    // else in the user's data folder (installed for everybody).
    const QString program = WithSeparator(host.ProgramFolder());
    const QString data = WithSeparator(host.DataFolder());
    const bool portable = host.ProgramFolderWritable();
    AppFolder = portable ? program : data;
    OtherFolder = portable ? data : program;
    HelpFile = host.HelpFile();
    MoveFilePath = AppFolder + vaspo::MoveFileName;

    LoadPet(host.Screen());
    while (pet.FishName.isEmpty()) {
        NameNewFish();
    }
    PlayCount = 0;
    DailyUpdate(0);  // a fish that dies here never shows its tank

    RefreshGenki();
    RefreshStress();
    emit FishChanged(pet.Sex);
    host.PrepareTank();
    const QString picture = FindFileIgnoringCase(pet.PicFileName);
    if (picture.isEmpty()) {
        pet.PicFileName.clear();
    }
    host.SetBackgroundPicture(picture);
    SetStatusLine(tr("私の名前は、%1です。可愛がってね。").arg(pet.FishName));
    host.SetCaption(tr("%1 - ばすぽう").arg(pet.FishName));
    host.LoadTray();
    host.StartTimer();
    NoSave = 0;
    kept_ = true;
    host.ShowTank();
}

void Vaspo::NameNewFish()
{
    const QString name = dialogs_.InputBox(tr("名前を付けてね"), tr("はじめまして....ばすぽう"),
                                           tr("ななしの権兵衛"));
    if (name.isEmpty()) {
        if (Message(tr("飼育するのをやめますか？"), tr("ばすぽうはお嫌い？"), MsgIcon::Question,
                    MsgButtons::YesNo) == MsgAnswer::Yes) {
            NoSave = 1;
            EndProgram();
        }
        return;
    }
    const bool male = Message(tr("このばすぽうはオスですか？"), tr("ばすぽうの性別を決定します"),
                              MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes;
    pet.Sex = male ? 0 : 1;
    pet.FishName = name;
    pet.StartDay = DayNumber();
    pet.WaterConc = 255;
    pet._StartDay = clock_.Now().date().toString(QStringLiteral("yyyy/MM/dd"));
    registry_.WriteRegString(vaspo::KeyPath, QStringLiteral("_StartDay"), pet._StartDay);
    pet.LastRunDay = DayNumber();
}
