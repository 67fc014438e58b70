#include "play/frm_talk.h"

#include <QPushButton>
#include <QRadioButton>

#include "mainwin/dialog_frame.h"
#include "model/vaspo.h"

frmTalk::frmTalk(Vaspo& model) : model_(model)
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    SetFixedClientSize(this, 2400, 3060);
    for (int i = 0; i < 5; ++i) {
        optMes[i] = new QRadioButton(this);
        optMes[i]->setGeometry(PixelRect(120, 120 + 480 * i, 2175, 375));
    }
    optMes[0]->setChecked(true);
    cmbOK = new QPushButton(tr("&OK"), this);
    cmbOK->setGeometry(PixelRect(120, 2640, 2175, 375));
    cmbOK->setDefault(true);
    setTabOrder(cmbOK, optMes[0]);
    connect(cmbOK, &QPushButton::clicked, this, &frmTalk::cmbOK_Click);
    Form_Load();
}

void frmTalk::Form_Load()
{
    const QStringList options = model_.TalkOptions();
    for (int i = 0; i < 5; ++i) {
        optMes[i]->setText(options[i]);
    }
}

void frmTalk::cmbOK_Click()
{
    // A death inside the answer ends the program there: nothing is shown.
    const QString answer = model_.TalkAnswer(optMes[4]->isChecked());
    hide();
    model_.ShowPetMessage(answer, tr("お話"));
    close();
}
