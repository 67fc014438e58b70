#include "play/frm_msg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "play/play_windows.h"

namespace {

QPushButton* NewButton(const QString& caption, QWidget* parent, const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmMsg::frmMsg(PlayWindows& play) : play_(play)
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("メッセージ"));
    SetFixedClientSize(this, 4215, 2970);

    imgFish = new QLabel(this);
    imgFish->setGeometry(PixelRect(120, 120, 495, 495));
    txtMes = new QPlainTextEdit(this);
    txtMes->setGeometry(PixelRect(720, 120, 3255, 1335));
    txtMes->setReadOnly(true);
    QPalette face = txtMes->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));  // the dialog's face, not a field
    txtMes->setPalette(face);
    Frame1 = new QGroupBox(tr("ばすぽうと遊ぶ"), this);
    Frame1->setGeometry(PixelRect(120, 1680, 3975, 735));
    PutTitleOnLine(Frame1);
    cmbTalk = NewButton(tr("話す(&T)"), Frame1, PixelRect(120, 240, 1815, 375));
    cmbJanken = NewButton(tr("ジャンケン(&J)"), Frame1, PixelRect(2040, 240, 1815, 375));
    cmbActive = NewButton(tr("ばすぽうを表示(&A)"), this, PixelRect(120, 2520, 1935, 375));
    cmbOK = NewButton(tr("&OK"), this, PixelRect(2160, 2520, 1935, 375));
    cmbOK->setDefault(true);

    setTabOrder(cmbOK, cmbTalk);
    setTabOrder(cmbTalk, cmbJanken);
    setTabOrder(cmbJanken, cmbActive);
    setTabOrder(cmbActive, txtMes);

    connect(cmbOK, &QPushButton::clicked, this, &frmMsg::cmbOK_Click);
    connect(cmbTalk, &QPushButton::clicked, this, &frmMsg::cmbTalk_Click);
    connect(cmbJanken, &QPushButton::clicked, this, &frmMsg::cmbJanken_Click);
    connect(cmbActive, &QPushButton::clicked, this, &frmMsg::cmbActive_Click);
}

void frmMsg::cmbOK_Click()
{
    close();
}

void frmMsg::cmbTalk_Click()
{
    play_.OpenTalk();
    close();
}

void frmMsg::cmbJanken_Click()
{
    play_.OpenJanken();
    close();
}

void frmMsg::cmbActive_Click()
{
    play_.BringBackTank();
    close();
}
