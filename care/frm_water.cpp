#include "care/frm_water.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"

namespace {

QFont BoldGothic()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                      font.family()});
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

}  // namespace

frmWater::frmWater(frmMain& main) : main_(main), model_(main.model())
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("水を交換する"));
    SetFixedClientSize(this, 3345, 1890);

    Label1 = new QLabel(tr("交換する水の量を決定して下さい。"), this);
    Label1->setGeometry(PixelRect(120, 120, 3135, 255));
    lblOdaku = new QLabel(tr("現在の汚濁度: 0%"), this);
    lblOdaku->setGeometry(PixelRect(240, 480, 2790, 255));
    lblWaterv = new QLabel(tr("交換水量 : 0%"), this);
    lblWaterv->setGeometry(PixelRect(360, 720, 2655, 255));
    lblWaterv->setFont(BoldGothic());
    hsbWaterV = new DesktopScrollBar(Qt::Horizontal, this);
    hsbWaterV->setGeometry(PixelRect(360, 1080, 2655, 255));
    hsbWaterV->setRange(0, 100);
    hsbWaterV->setSingleStep(1);
    hsbWaterV->setPageStep(10);
    hsbWaterV->setValue(0);
    connect(hsbWaterV, &QScrollBar::valueChanged, this, &frmWater::hsbWaterV_Change);
    hsbWaterV->setFocusPolicy(Qt::StrongFocus);
    hsbWaterV->setFocus();  // the arrow keys choose the amount, Enter exchanges

    Command2 = new QPushButton(tr("やめた(&C)"), this);
    Command2->setGeometry(PixelRect(120, 1440, 1095, 375));
    Command1 = new QPushButton(tr("水交換(&O)"), this);
    Command1->setGeometry(PixelRect(1320, 1440, 1935, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmWater::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmWater::Command2_Click);
    Form_Load();
}

void frmWater::Form_Load()
{
    lblOdaku->setText(tr("(現在の汚濁度:%1%)").arg(PollutionFigure(model_.pet.WaterConc)));
}

void frmWater::hsbWaterV_Change()
{
    lblWaterv->setText(tr("交換水量 : %1%").arg(hsbWaterV->value()));
}

void frmWater::Command1_Click()
{
    // One exchange at a time: the pauses let clicks through.
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    hsbWaterV->setEnabled(false);
    main_.BeginCare();
    RunToEnd([this] { model_.ChangeWater(hsbWaterV->value(), {{}, [this](int ms) { main_.Pause(ms); }}); });
    main_.EndCare();
}

void frmWater::Command2_Click()
{
    close();
}
