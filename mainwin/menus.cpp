// The file, option and help menus.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/widget_order.h"
#include "model/startup.h"
#include "model/window_order.h"
#include "storage/file_helpers.h"
#include "storage/registry.h"

void frmMain::mnuFileNew_Click()
{
    const QString first = tr("%1を海に帰します。\n"
                             "新しい「ばすぽう」を飼育し始めます。\n"
                             "現在のデータは削除されます。\n"
                             "よろしいですか？")
                              .arg(model_.pet.FishName);
    if (model_.Message(first, tr("新たに飼育"), MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No) !=
        MsgAnswer::Yes) {
        return;
    }
    if (model_.Message(tr("現在のデータは二度と復活できません。\n本当によろしいですか？"),
                       tr("新たに飼育・最終確認"), MsgIcon::Question, MsgButtons::YesNo,
                       MsgAnswer::No) != MsgAnswer::Yes) {
        return;
    }
    keptPlace_ = QRect(pos(), size());  // the new fish's tank comes back where this one was
    hide();
    loaded_ = false;  // until start-up shows the tank again there is no fish to save
    model_.ReleaseFish();
    model_.registry().DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
    if (tray_) {
        tray_->Form_Unload();
    }
    Timer1->setInterval(200);
    Timer1->stop();
    if (startupHost_) {
        model_.StartProcedure(*startupHost_);
    }
}

void frmMain::mnuFileSave_Click()
{
    const QString title = tr("お引っ越し");
    if (model_.Message(tr("水槽のお引っ越しをしますか？"), title, MsgIcon::Question, MsgButtons::YesNo) !=
        MsgAnswer::Yes) {
        return;
    }
    const QString file = QDir::toNativeSeparators(model_.MoveFilePath);
    if (!model_.PackTank()) {
        model_.Message(tr("%1に書き込めなかったので、引っ越しをやめました。\n"
                          "ばすぽうは今までどおりここにいます。")
                           .arg(file),
                       title, MsgIcon::Critical);
        return;
    }
    model_.Message(tr("引っ越しの準備ができました！\n"
                      "%1に梱包しました。\n"
                      "このファイルを引っ越す場所（パソコン）にいれて下さい。\n"
                      "詳しくは、ヘルプファイルをご覧下さい。")
                       .arg(file),
                   tr("引っ越し準備完了！"), MsgIcon::Information);
    model_.EndProgram();
}

void frmMain::mnuFileExit_Click()
{
    model_.ConfirmExit();
}

void frmMain::mnuOptionTop_Click()
{
    model_.ToggleOnTop();  // the window follows through ApplyOptions
}

void frmMain::mnuOptionMsg_Click()
{
    model_.ToggleMonologues();
}

void frmMain::mnuOptionTray_Click()
{
    model_.ToggleMinTray();
}

void frmMain::mnuOptionLogin_Click()
{
    // The click has turned the mark to what the user wants; afterwards it shows what the entry says.
    const bool wanted = mnuOptionLogin->isChecked();
    const bool done = wanted ? StartAtLogin.Enable(QCoreApplication::applicationFilePath()) : StartAtLogin.Disable();
    mnuOptionLogin->setChecked(StartAtLogin.Enabled());
    if (!done) {
        model_.Message(tr("ログイン時の起動を変えられませんでした。\n%1").arg(StartAtLogin.Location()), tr("ログイン時に起動"),
                       MsgIcon::Critical);
    }
}

void frmMain::mnuHelpHelp_Click()
{
    if (!help_) {
        help_ = new QTextBrowser(this);
        help_->setWindowFlag(Qt::Window);
        help_->setWindowTitle(tr("ばすぽう ヘルプ"));
        help_->setOpenExternalLinks(true);
        help_->resize(560, 600);
    }
    // The help of the interface's language (its file name is translated with the texts), beside
    // the program first; the copy built in serves when it has gone missing. A language without a
    // help of its own shows the Japanese one.
    QString name = tr("VASPO.HLP", "file name of the help in this language");
    if (!QFile::exists(QStringLiteral(":/") + name)) {
        name = vaspo::HelpFileName;
    }
    const QString beside = FindFileIgnoringCase(QFileInfo(model_.HelpFile).dir().filePath(name));
    const QUrl source = beside.isEmpty() ? QUrl(QStringLiteral("qrc:/") + name) : QUrl::fromLocalFile(beside);
    help_->setSource(source, QTextDocument::HtmlResource);
    if (!help_->isVisible()) {
        // Made smaller where the screen is: its foot and its corner grip stay within reach.
        const QSize frame = OuterSize(help_, this) - help_->size();
        help_->resize(help_->size().boundedTo(UsableArea(this).size() - frame));
        CentreOnScreen(help_, this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmMain::mnuHelpIntAcc_Click(int index)
{
    const QString targets[] = {QStringLiteral("mailto:") + vaspo::AuthorMail, vaspo::MakerPage,
                               vaspo::DownloadPage};
    if (index < 0 || index > 2) {
        return;
    }
    // Handed to the desktop and not waited for; a missing handler is its
    // business, not a reason to stop.
    OpenUrl(QUrl(targets[index]));
}
