#include "play/frm_janken.h"

#include <QLabel>
#include <QToolButton>

#include "mainwin/dialog_frame.h"
#include "model/vaspo.h"

frmJanken::frmJanken(Vaspo& model) : model_(model)
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("ばすぽうジャンケン"));
    SetFixedClientSize(this, 3615, 1650);
    lblMes = new QLabel(tr("ばすぽうとじゃんけん対決！！"), this);
    lblMes->setGeometry(PixelRect(120, 120, 3375, 375));
    lblMes->setTextFormat(Qt::PlainText);

    const QString captions[] = {tr("グー"), tr("パー"), tr("チョキ")};
    const QString pictures[] = {QStringLiteral(":/art/hand_rock.xpm"), QStringLiteral(":/art/hand_paper.xpm"),
                                QStringLiteral(":/art/hand_scissors.xpm")};
    const QRect places[] = {PixelRect(120, 600, 1095, 975), PixelRect(1320, 600, 975, 975),
                            PixelRect(2400, 600, 1095, 975)};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(this);
        button->setText(captions[i]);
        button->setIcon(QIcon(QPixmap(pictures[i])));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(places[i]);
        connect(button, &QToolButton::clicked, this, [this, i] { cmbJanken_Click(i); });
        cmbJanken[i] = button;
    }
}

void frmJanken::cmbJanken_Click(int index)
{
    const QString text = model_.PlayJanken(index);
    hide();
    model_.ShowPetMessage(text, tr("ばすぽうジャンケン"));
    close();
}
