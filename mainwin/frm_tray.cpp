#include "mainwin/frm_tray.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QScreen>

#include "mainwin/frm_main.h"
#include "model/vaspo.h"
#ifdef VASPO_DBUS
#include "mainwin/tray_item.h"
#endif

namespace {

const char* const PutAway = QT_TRANSLATE_NOOP("frmTray", "タスクトレイに入れる(&T)");
const char* const TakeOut = QT_TRANSLATE_NOOP("frmTray", "タスクトレイから出す(&T)");

// Tips may be read as markup; a name such as "<b>x</b>" must show as typed.
QString PlainTip(const QString& text)
{
#ifdef Q_OS_WIN
    return text;  // the native tip shows text as it is
#else
    return Qt::mightBeRichText(text) ? QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
                                           QStringLiteral("</p>")
                                     : text;
#endif
}

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
        if (item_) {
            item_->CheckListed();
        }
    });

    connect(&model_, &Vaspo::EnergyChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::StressChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::WaterChanged, this, &frmTray::RefreshTip);

#ifdef VASPO_DBUS
    item_ = new TrayItem(*mnuVaspo, this);
    connect(item_, &TrayItem::Activated, this, &frmTray::Item_Activated, Qt::QueuedConnection);
    connect(item_, &TrayItem::RegisteredChanged, this, [this] {
        if (item_->Registered()) {
            CheckTrayArea();
        } else if (loaded_) {
            FollowArea();
            trayWatch_.start();  // a panel that restarts is back before the next look
        }
    });
#endif
}

frmTray::~frmTray()
{
    if (item_) {
        disconnect(item_, nullptr, this, nullptr);
        delete item_;
    }
    delete mnuVaspo;
}

void frmTray::Form_Load()
{
    Form_Unload();
    TrayHidden = 0;
    mnuTray->setText(tr(PutAway));
    loaded_ = true;
    ShowTip(tr("ばすぽう - %1").arg(model_.pet.FishName));
    if (item_) {
        item_->SetIcon(main_.ImgVaspoL[model_.pet.Sex].toImage());
        item_->Show();
    }
    trayArea_ = Available();
    FollowArea();
    trayWatch_.start();
}

bool frmTray::DesktopArea() const
{
    return (item_ && item_->Registered()) || QSystemTrayIcon::isSystemTrayAvailable();
}

void frmTray::FollowArea()
{
    const bool wanted = loaded_ && !(item_ && item_->WatcherPresent()) && Available();
    if (wanted && !icon_) {
        icon_ = new QSystemTrayIcon(QIcon(main_.ImgVaspoL[model_.pet.Sex]), this);
        icon_->setToolTip(PlainTip(tip_));
        connect(icon_, &QSystemTrayIcon::activated, this, &frmTray::Icon_Activated);
        icon_->installEventFilter(this);
        icon_->show();
    } else if (!wanted && icon_) {
        icon_->hide();
        delete icon_;
        icon_ = nullptr;
    }
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

bool frmTray::eventFilter(QObject* watched, QEvent* event)
{
    // Where the platform tells that the pointer rests on the icon.
    if (watched == icon_ && event->type() == QEvent::ToolTip) {
        Form_MouseMove(MouseMoved);
    }
    return QObject::eventFilter(watched, event);
}

void frmTray::Form_Unload()
{
    singleClick_.stop();
    trayWatch_.stop();
    loaded_ = false;
    tip_.clear();
    if (item_) {
        item_->Hide();
    }
    FollowArea();
}

QString frmTray::ToolTip() const
{
    return icon_ ? icon_->toolTip() : tip_;  // as the icon shows it
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
    tip_ = tip;
    if (icon_) {
        icon_->setToolTip(PlainTip(tip));
    }
    if (item_) {
        item_->SetTip(tip);
    }
}

void frmTray::ShowHiddenCaption()
{
    mnuTray->setText(tr(TakeOut));
}

void frmTray::Icon_Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger) {
        clickAt_.reset();  // the pointer is on the icon
        singleClick_.start();
    } else if (reason == QSystemTrayIcon::DoubleClick) {
        singleClick_.stop();
        Form_MouseMove(LeftDoubleClick);
    }
}

// A panel's Activate is a left click (two within the double-click time a double click), except
// where the panel shows the menu itself on a single click and activates only for a double click.
void frmTray::Item_Activated(QPoint at)
{
    if (!loaded_) {
        return;
    }
    if (singleClick_.isActive() || (item_ && item_->ActivateIsDoubleClick())) {
        singleClick_.stop();
        Form_MouseMove(LeftDoubleClick);
    } else {
        clickAt_ = at;
        singleClick_.start();
    }
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
