#include "care/frm_auto_foods.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "model/vaspo.h"

frmAutoFoods::frmAutoFoods(Vaspo& model) : model_(model)
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("自動給餌機"));
    SetFixedClientSize(this, 3570, 1620);

    lblMes = new QLabel(this);
    lblMes->setGeometry(PixelRect(120, 120, 3255, 615));
    lblMes->setWordWrap(true);
    lblMes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDay = new QLabel(tr("1日"), this);
    lblDay->setGeometry(PixelRect(120, 840, 1575, 615));
    QFont big = lblDay->font();
    big.setPointSize(36);
    lblDay->setFont(big);
    vsbDay = new DesktopScrollBar(Qt::Vertical, this);  // the top end is the smallest
    vsbDay->setGeometry(PixelRect(1920, 720, 375, 855));
    vsbDay->setRange(1, 3);
    vsbDay->setValue(1);
    connect(vsbDay, &QScrollBar::valueChanged, this, &frmAutoFoods::vsbDay_Change);
    vsbDay->setFocusPolicy(Qt::StrongFocus);
    vsbDay->setFocus();  // the arrow keys choose the days

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setGeometry(PixelRect(2400, 720, 1095, 375));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setGeometry(PixelRect(2400, 1200, 1095, 375));
    connect(cmdOK, &QPushButton::clicked, this, &frmAutoFoods::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAutoFoods::cmdCancel_Click);
    Form_Load();
}

void frmAutoFoods::Form_Load()
{
    const int maxDays = model_.FeederMaxDays();
    lblMes->setText(tr("　自動で餌をあげます。自動で餌をあげられる期間は、明日から%1日間までです。").arg(maxDays));
    vsbDay->setMaximum(maxDays);
    vsbDay->setMinimum(1);
}

void frmAutoFoods::vsbDay_Change()
{
    lblDay->setText(tr("%1日").arg(vsbDay->value()));
}

void frmAutoFoods::cmdOK_Click()
{
    RunToEnd([this] { model_.SetFeeder(vsbDay->value()); });
}

void frmAutoFoods::cmdCancel_Click()
{
    close();
}
