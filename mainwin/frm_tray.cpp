#include "mainwin/frm_tray.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include "mainwin/frm_main.h"
#include "mainwin/tray_icon.h"
#include "model/vaspo.h"

namespace {

const char* const PutAway = QT_TRANSLATE_NOOP("frmTray", "タスクトレイに入れる(&T)");
const char* const TakeOut = QT_TRANSLATE_NOOP("frmTray", "タスクトレイから出す(&T)");

// Panels give the place of a click in the display's pixels, Qt places in its own, scaled ones.
QPoint FromDisplayPixels(QPoint at)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const QRect native(logical.topLeft(), logical.size() * screen->devicePixelRatio());
        if (native.contains(at)) {
            return logical.topLeft() + (at - logical.topLeft()) / screen->devicePixelRatio();
        }
    }
    return at;
}

}  // namespace

QString TrayValuesTip(const PetRecord& pet)
{
    return pet.FishName + QLatin1Char('/') + EnergyFigure(pet.Speed) + QStringLiteral("%/") +
           QString::number(pet.Stress) + QLatin1Char('/') + PollutionFigure(pet.WaterConc) + QLatin1Char('%');
}

frmTray::frmTray(frmMain& main, Vaspo& model, QObject* parent) : QObject(parent), main_(main), model_(model)
{
    Available = [this] { return DesktopArea(); };
    mnuVaspo = new QMenu(tr("ばすぽう"));
    mnuTray = mnuVaspo->addAction(tr(PutAway));
    mnuVaspo->addSeparator();
    mnuExit = mnuVaspo->addAction(tr("ばすぽうの終了(&X)..."));
    mnuVaspo->setDefaultAction(mnuTray);
    connect(mnuTray, &QAction::triggered, this, &frmTray::mnuTray_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTray::mnuExit_Click);

    singleClick_.setSingleShot(true);
    singleClick_.setInterval(QApplication::doubleClickInterval());
    connect(&singleClick_, &QTimer::timeout, this, [this] { Form_MouseMove(LeftButtonDown); });

    trayWatch_.setInterval(5000);
    trayWatch_.setTimerType(Qt::VeryCoarseTimer);
    connect(&trayWatch_, &QTimer::timeout, this, [this] {
        CheckTrayArea();
        icon_->Recheck();
    });

    connect(&model_, &Vaspo::EnergyChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::StressChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::WaterChanged, this, &frmTray::RefreshTip);

    icon_ = NewTrayIcon(*mnuVaspo, this);
    connect(icon_, &TrayIcon::Clicked, this, &frmTray::Icon_Clicked);
    connect(icon_, &TrayIcon::DoubleClicked, this, &frmTray::Icon_DoubleClicked);
    connect(icon_, &TrayIcon::PointerRests, this, [this] { Form_MouseMove(MouseMoved); });
    connect(icon_, &TrayIcon::AreaChanged, this, &frmTray::Icon_AreaChanged);
}

frmTray::~frmTray()
{
    disconnect(icon_, nullptr, this, nullptr);
    delete icon_;
    delete mnuVaspo;
}

void frmTray::Form_Load()
{
    Form_Unload();
    TrayHidden = 0;
    mnuTray->setText(tr(PutAway));
    loaded_ = true;
    ShowTip(tr("ばすぽう - %1").arg(model_.pet.FishName));
    icon_->SetPicture(main_.ImgVaspoL[model_.pet.Sex]);
    trayArea_ = Available();
    FollowArea();
    trayWatch_.start();
}

bool frmTray::DesktopArea() const
{
    return icon_->AreaPresent();
}

void frmTray::FollowArea()
{
    icon_->Follow(loaded_, loaded_ && Available());
}

void frmTray::CheckTrayArea()
{
    FollowArea();
    const bool available = Available();
    if (!loaded_ || available == trayArea_) {
        return;
    }
    trayArea_ = available;
    main_.mnuOptionTray->setEnabled(available);
    if (!available && !main_.isVisible()) {
        BringBackTank();
    }
}

void frmTray::Icon_AreaChanged()
{
    if (icon_->AreaPresent()) {
        CheckTrayArea();
    } else if (loaded_) {
        FollowArea();
        trayWatch_.start();  // a panel that restarts is back before the next look
    }
}

void frmTray::Form_Unload()
{
    singleClick_.stop();
    trayWatch_.stop();
    loaded_ = false;
    FollowArea();
}

QString frmTray::ToolTip() const
{
    return icon_->ShownTip();
}

// Panels on the session bus never ask for the tip when the pointer rests on the icon; so it
// follows every change of the values it shows.
void frmTray::RefreshTip()
{
    if (loaded_) {
        ShowTip(TrayValuesTip(model_.pet));
    }
}

void frmTray::ShowTip(const QString& tip)
{
    icon_->SetTip(tip);
}

void frmTray::ShowHiddenCaption()
{
    mnuTray->setText(tr(TakeOut));
}

// Two clicks within the double-click time are a double click, where the desktop tells only clicks.
void frmTray::Icon_Clicked(std::optional<QPoint> at)
{
    if (!loaded_) {
        return;
    }
    if (singleClick_.isActive()) {
        Icon_DoubleClicked();
    } else {
        clickAt_ = at;
        singleClick_.start();
    }
}

void frmTray::Icon_DoubleClicked()
{
    if (!loaded_) {
        return;
    }
    singleClick_.stop();
    Form_MouseMove(LeftDoubleClick);
}

QPoint frmTray::MenuPlace()
{
    const std::optional<QPoint> at = std::exchange(clickAt_, std::nullopt);
    // Some panels send no place (0, 0); under XWayland the pointer is then only known over our windows.
    return at && !at->isNull() ? FromDisplayPixels(*at) : QCursor::pos();
}

void frmTray::Form_MouseMove(int message)
{
    switch (message) {
    case MouseMoved:
        RefreshTip();
        break;
    case LeftButtonDown:
        if (TrayMenuBusy != -1) {
            TrayMenuBusy = -1;
            mnuVaspo->exec(MenuPlace());
            TrayMenuBusy = 0;
        }
        break;
    case LeftDoubleClick:
        mnuTray_Click();
        break;
    default:
        break;  // the right button and releases do nothing
    }
}

void frmTray::mnuTray_Click()
{
    if (main_.isMinimized() || TrayHidden == 1) {
        BringBackTank();
    } else {
        mnuTray->setText(tr(TakeOut));
        main_.hide();
        TrayHidden = 1;
    }
}

void frmTray::BringBackTank()
{
    mnuTray->setText(tr(PutAway));
    main_.showNormal();
    main_.raise();
    main_.activateWindow();
    TrayHidden = 0;
}

void frmTray::mnuExit_Click()
{
    model_.ConfirmExit();
}
