#include "care/frm_food.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/tank_surface.h"

namespace {

// A graphical option button: its picture above its caption.
QToolButton* NewOption(const QString& caption, const QString& picture, QWidget* frame, int left)
{
    auto* button = new QToolButton(frame);
    button->setText(caption);
    button->setIcon(QIcon(QPixmap(picture)));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setGeometry(PixelRect(left, 240, 975, 855));
    // A long caption gets a smaller font rather than being cut.
    QFont font = button->font();
    const QString shown = QString(caption).remove(QLatin1Char('&'));
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(shown) > button->width() - 12) {
        font.setPointSize(font.pointSize() - 1);
    }
    button->setFont(font);
    return button;
}

const QMap<int, QString> FoodPictures{{0, QStringLiteral(":/art/food_jellyfish.xpm")},
                                      {1, QStringLiteral(":/art/food_squid.xpm")},
                                      {2, QStringLiteral(":/art/food_shrimp.xpm")},
                                      {FortuneFood, QStringLiteral(":/art/food_fortune.xpm")}};

}  // namespace

QPixmap frmFood::FoodPicture(int kind)
{
    return QPixmap(FoodPictures.value(kind));
}

frmFood::frmFood(frmMain& main) : main_(main), model_(main.model())
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("餌をあげる"));
    SetFixedClientSize(this, 4695, 2895);

    Label1 = new QLabel(tr("餌の種類と量を決定して下さい。"), this);
    Label1->setGeometry(PixelRect(120, 0, 3135, 255));
    Frame1 = new QGroupBox(tr("エサの種類"), this);
    Frame1->setGeometry(PixelRect(120, 240, 4455, 1215));
    PutTitleOnLine(Frame1);
    const QString foods[] = {tr("クラゲ(&K)"), tr("イカ(&I)"), tr("エビ(&E)")};
    for (int kind = 0; kind < 3; ++kind) {
        optFoodBut[kind] = NewOption(foods[kind], FoodPictures[kind], Frame1, 120 + 1080 * kind);
    }
    optFoodBut[FortuneFood] = NewOption(tr("占い謎エサ(&U)"), FoodPictures[FortuneFood], Frame1, 3360);
    for (auto it = optFoodBut.cbegin(); it != optFoodBut.cend(); ++it) {
        connect(it.value(), &QToolButton::clicked, this, [this, index = it.key()] { optFoodBut_Click(index); });
    }
    optFoodBut[0]->setChecked(true);

    Frame2 = new QGroupBox(tr("エサの量"), this);
    Frame2->setGeometry(PixelRect(120, 1560, 3375, 1215));
    PutTitleOnLine(Frame2);
    const QString amounts[] = {tr("すこし(&S)"), tr("ふつう(&F)"), tr("たくさん(&T)")};
    const QString pictures[] = {QStringLiteral(":/art/quantity_little.xpm"),
                                QStringLiteral(":/art/quantity_normal.xpm"), QStringLiteral(":/art/quantity_lots.xpm")};
    for (int i = 0; i < 3; ++i) {
        optFoodQuant[i] = NewOption(amounts[i], pictures[i], Frame2, 120 + 1080 * i);
    }
    optFoodQuant[1]->setChecked(true);

    Command2 = new QPushButton(tr("やめた(&C)"), this);
    Command2->setGeometry(PixelRect(3600, 1560, 975, 375));
    Command1 = new QPushButton(tr("あげる(&O)"), this);
    Command1->setGeometry(PixelRect(3600, 2040, 975, 735));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmFood::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFood::Command2_Click);
    Form_Load();
}

void frmFood::Form_Load()
{
    optFoodBut[FortuneFood]->setEnabled(model_.FortuneFoodOffered());
}

void frmFood::optFoodBut_Click(int)
{
    // The quantity does not matter for the fortune food.
    const bool quantities = !optFoodBut[FortuneFood]->isChecked();
    Frame2->setEnabled(quantities);
    for (QToolButton* button : optFoodQuant) {
        button->setEnabled(quantities);
    }
}

int frmFood::SelectedKind() const
{
    for (auto it = optFoodBut.cbegin(); it != optFoodBut.cend(); ++it) {
        if (it.value()->isChecked()) {
            return it.key();
        }
    }
    return 0;
}

void frmFood::Command1_Click()
{
    if (Running()) {
        return;
    }
    main_.BeginCare();
    const int qty = optFoodQuant[0]->isChecked() ? 1 : optFoodQuant[1]->isChecked() ? 2 : 3;
    RunToEnd([this, qty] {
        model_.Feed(SelectedKind(), qty, {[this](int kind) { DropFood(kind); }, [this](int ms) { main_.Pause(ms); }});
        main_.imgFood->hide();
    });
    main_.EndCare();
}

void frmFood::DropFood(int kind)
{
    const int left =
        int(std::floor((main_.Tank->width() - main_.imgFood->width() + 1) * model_.random().Rnd()));
    hide();
    main_.DropFood(FoodPicture(kind), left);
}

void frmFood::Command2_Click()
{
    close();
}
