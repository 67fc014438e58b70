#include "play/play_windows.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "play/frm_janken.h"
#include "play/frm_msg.h"
#include "play/frm_talk.h"

PlayWindows::PlayWindows(frmMain& main, frmTray& tray) : main_(main), tray_(tray)
{
    connect(&main.model(), &Vaspo::PetMessage, this, &PlayWindows::ShowPetMessage);
    main.EnableItem(main.mnuCareTalk, [this] { mnuCareTalk_Click(); });
    main.EnableItem(main.mnuCareJanken, [this] { mnuCareJanken_Click(); });
}

PlayWindows::~PlayWindows()
{
    delete msg_;
    delete talk_;
    delete janken_;
}

frmMsg* PlayWindows::MessageWindow() const
{
    return msg_;
}

frmTalk* PlayWindows::TalkWindow() const
{
    return talk_;
}

frmJanken* PlayWindows::JankenWindow() const
{
    return janken_;
}

void PlayWindows::ShowPetMessage(const QString& text, const QString& caption)
{
    OpenOnce<frmMsg>(msg_, *this);
    const QPixmap& fish = main_.ImgVaspoR[main_.model().pet.Sex];
    msg_->setWindowIcon(QIcon(fish));
    msg_->imgFish->setPixmap(fish);
    msg_->txtMes->setPlainText(text);
    msg_->setWindowTitle(caption);
    PlacePopup(msg_, &main_);
    ShowOnTop(msg_);
    msg_->cmbOK->setFocus();
}

void PlayWindows::OpenTalk()
{
    OpenOnce<frmTalk>(talk_, main_.model());
    talk_->setWindowTitle(tr("%1と会話").arg(main_.model().pet.FishName));
    PlacePopup(talk_, &main_);
    ShowOnTop(talk_);
}

void PlayWindows::OpenJanken()
{
    OpenOnce<frmJanken>(janken_, main_.model());
    janken_->setWindowTitle(tr("ばすぽうジャンケン"));
    janken_->lblMes->setText(tr("%1とジャンケン対決！！").arg(main_.model().pet.FishName));
    PlacePopup(janken_, &main_);
    ShowOnTop(janken_);
}

void PlayWindows::BringBackTank()
{
    tray_.BringBackTank();
}
