#include "about/frm_about.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "mainwin/dialog_frame.h"
#include "model/vaspo.h"
#include "storage/registry.h"

namespace {

QFont ProgramNameFont()
{
    QFont font;
    // Whichever gothic face the system has; the default font catches the rest.
    font.setFamilies({QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans CJK JP"), font.family()});
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

}  // namespace

frmAbout::frmAbout(Vaspo& model, std::function<void()> unloadTray, QWidget* parent)
    : QDialog(parent), model_(model), unloadTray_(std::move(unloadTray))
{
    SetFixedClientSize(this, 3960, 1935);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);  // Windows: no border to resize by

    Image2 = NewFishPicture({120, 120, 480, 480});
    Image1 = NewFishPicture({3360, 120, 480, 480});
    lblProgName = NewLabel(QString(), {600, 120, 2775, 375});
    lblProgName->setFont(ProgramNameFont());
    lblMakeDay = NewLabel(tr("作った日"), {600, 480, 2775, 375});
    Label2 = NewLabel(tr("Copyright (C) 2026 ばすぽう開発チーム"), {120, 840, 3735, 375});
    lblinternet = NewLabel(QStringLiteral("E-Mail: ") + vaspo::AuthorMail, {120, 1080, 3735, 255});
    lblinternet->setCursor(QCursor(QPixmap(QStringLiteral(":/art/hand_cursor.xpm")), 11, 1));

    Command2 = NewButton(tr("&Uninstall..."), {600, 1440, 1215, 375});
    Command1 = NewButton(tr("&OK"), {1920, 1440, 1935, 375});
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmAbout::Command2_Click);

    Form_Load();
}

QLabel* frmAbout::NewLabel(const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(PixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
    // Text sits at the top so that the overlapping copyright and mail lines
    // stay apart.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* frmAbout::NewFishPicture(const QRect& twips)
{
    QLabel* picture = NewLabel(QString(), twips);
    picture->setPixmap(QPixmap(QStringLiteral(":/art/fish_male_left.xpm")));
    picture->setToolTip(tr("この「ばすぽう」の絵が最初の「ばすぽう」と同じサイズです"));
    return picture;
}

QPushButton* frmAbout::NewButton(const QString& text, const QRect& twips)
{
    auto* button = new QPushButton(text, this);
    button->setGeometry(PixelRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("ばすぽうについて"));
    lblProgName->setText(tr("ばすぽう Ver.%1").arg(vaspo::Version));
    lblMakeDay->setText(vaspo::MakeDay);
}

void frmAbout::Command1_Click()
{
    accept();
}

void frmAbout::Command2_Click()
{
    if (!UserConfirmsUninstall()) {
        return;
    }
    model_.registry().DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
    StartAtLogin.Disable();
    model_.NoSave = 1;  // the fish is gone; closing must not write it back
    model_.Message(tr("レジストリを削除しました。\n"
                      "終了後、インストールした実行ファイル・ヘルプファイル・ドキュメントファイルなどを"
                      "削除してください。"),
                   tr("アンインストールしました！"), MsgIcon::Information);
    if (unloadTray_) {
        unloadTray_();
    }
    model_.EndProgram();
}

bool frmAbout::UserConfirmsUninstall()
{
    const QString first = tr("アンストールします。\n"
                             "現在の設定などをレジストリから削除します。\n"
                             "削除すると二度と復活できなくなります。\n"
                             "よろしいですか？");
    if (model_.Message(first, tr("アンインストール"), MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes) {
        return false;
    }
    return model_.Message(tr("アンインストールします。\n本当によろしいですか？"),
                          tr("アンインストール・最終確認"), MsgIcon::Question, MsgButtons::YesNo,
                          MsgAnswer::No) == MsgAnswer::Yes;
}
