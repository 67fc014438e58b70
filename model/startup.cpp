#include "model/startup.h"

#include "storage/file_helpers.h"
#include "storage/registry.h"

namespace {

const QStringList UpgradeNotice{
    QStringLiteral("バージョンアップして貰ってありがとう！"),
    QString(),
    QStringLiteral("★バージョンアップ情報"),
    QStringLiteral("Ver0.31→0.32"),
    QStringLiteral("　・2001/01/01に世話ができないバグを修正"),
    QStringLiteral("　・その他、細かいバグなどの修正"),
    QStringLiteral("Ver0.30→0.31"),
    QStringLiteral("　・WindowsNT対応(したつもり)"),
    QStringLiteral("　・「ばすぽう」と会話ができるようになった"),
    QStringLiteral("　・「ばすぽう」とジャンケンができるようになった"),
    QStringLiteral("　・8月と12月は7日間の自動給餌機能が可能"),
    QStringLiteral("　・パラメーターの変化について変更"),
    QString(),
    QStringLiteral("これからも、ばすぽうをどうぞよろしく！"),
};

const QStringList Welcome{
    QStringLiteral("--- ばすぽう ---"),
    QStringLiteral("ダウンロードしていただき有り難うございます。"),
    QStringLiteral("これは、「ばすぽう」を飼育するプログラムです。"),
    QStringLiteral("毎日きちんとエサをあげて下さい。"),
    QStringLiteral("そうしないと,,,,,"),
    QStringLiteral("何はともあれ、可愛がってあげて下さいね。"),
    QString(),
    QStringLiteral("何かありましたら、メールや掲示板で！"),
    QStringLiteral("どうぞ、ばすぽうをどうぞよろしく！"),
};

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
        Message(QStringLiteral("もう起動してるよ"), QStringLiteral("一匹で十分なの"), MsgIcon::Information);
        EndProgram();
    case InstanceState::NoLock:
        Message(QStringLiteral("設定のフォルダーに書き込めないので、ばすぽうが二つ起動しても見分けられません。\n"
                               "二つ目は起動しないで下さい。"),
                QStringLiteral("ばすぽう"), MsgIcon::Exclamation);
        break;
    case InstanceState::Alone:
        break;
    }
    if (IsRegDelOption(host.Arguments())) {
        registry_.DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
        Message(QStringLiteral("ばすぽうに関するレジストリをすべて削除しました。"),
                QStringLiteral("レジストリを削除しました！"), MsgIcon::Information);
        EndProgram();
    }

    CheckStore();
    const QString storedVersion = registry_.ReadRegString(vaspo::KeyPath, QStringLiteral("Version"));
    if (storedVersion.isEmpty()) {
        Message(Welcome.join(QLatin1Char('\n')), vaspo::ProgramName + QStringLiteral(" - はじめまして！"),
                MsgIcon::Information);
    } else if (storedVersion != vaspo::Version) {
        Message(UpgradeNotice.join(QLatin1Char('\n')), vaspo::ProgramName + QStringLiteral("バージョンアップ情報"),
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
    SetStatusLine(QStringLiteral("私の名前は、") + pet.FishName + QStringLiteral("です。可愛がってね。"));
    host.SetCaption(pet.FishName + QStringLiteral(" - ") + vaspo::ProgramName);
    host.LoadTray();
    host.StartTimer();
    NoSave = 0;
    kept_ = true;
    host.ShowTank();
}

void Vaspo::NameNewFish()
{
    const QString name = dialogs_.InputBox(QStringLiteral("名前を付けてね"), QStringLiteral("はじめまして....ばすぽう"),
                                           QStringLiteral("ななしの権兵衛"));
    if (name.isEmpty()) {
        if (Message(QStringLiteral("飼育するのをやめますか？"), QStringLiteral("ばすぽうはお嫌い？"), MsgIcon::Question,
                    MsgButtons::YesNo) == MsgAnswer::Yes) {
            NoSave = 1;
            EndProgram();
        }
        return;
    }
    const bool male = Message(QStringLiteral("このばすぽうはオスですか？"), QStringLiteral("ばすぽうの性別を決定します"),
                              MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes;
    pet.Sex = male ? 0 : 1;
    pet.FishName = name;
    pet.StartDay = DayNumber();
    pet.WaterConc = 255;
    pet._StartDay = clock_.Now().date().toString(QStringLiteral("yyyy/MM/dd"));
    registry_.WriteRegString(vaspo::KeyPath, QStringLiteral("_StartDay"), pet._StartDay);
    pet.LastRunDay = DayNumber();
}
