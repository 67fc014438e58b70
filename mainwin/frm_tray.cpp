#include "mainwin/frm_tray.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>

#include "mainwin/frm_main.h"
#include "model/vaspo.h"

namespace {

const QString PutAway = QStringLiteral("タスクトレイに入れる(&T)");
const QString TakeOut = QStringLiteral("タスクトレイから出す(&T)");

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

}  // namespace

QString TrayValuesTip(const PetRecord& pet)
{
    return pet.FishName + QLatin1Char('/') + EnergyFigure(pet.Speed) + QStringLiteral("%/") +
           QString::number(pet.Stress) + QLatin1Char('/') + PollutionFigure(pet.WaterConc) + QLatin1Char('%');
}

frmTray::frmTray(frmMain& main, Vaspo& model, QObject* parent) : QObject(parent), main_(main), model_(model)
{
    Available = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    mnuVaspo = new QMenu(QStringLiteral("ばすぽう"));
    mnuTray = mnuVaspo->addAction(PutAway);
    mnuVaspo->addSeparator();
    mnuExit = mnuVaspo->addAction(QStringLiteral("ばすぽうの終了(&X)..."));
    mnuVaspo->setDefaultAction(mnuTray);
    connect(mnuTray, &QAction::triggered, this, &frmTray::mnuTray_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTray::mnuExit_Click);

    singleClick_.setSingleShot(true);
    singleClick_.setInterval(QApplication::doubleClickInterval());
    connect(&singleClick_, &QTimer::timeout, this, [this] { Form_MouseMove(LeftButtonDown); });

    // Qt does not tell when the pointer rests on the icon, so the tip is
    // kept current whenever a value changes.
    trayWatch_.setInterval(5000);
    trayWatch_.setTimerType(Qt::VeryCoarseTimer);
    connect(&trayWatch_, &QTimer::timeout, this, &frmTray::CheckTrayArea);

    connect(&model_, &Vaspo::EnergyChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::StressChanged, this, &frmTray::RefreshTip);
    connect(&model_, &Vaspo::WaterChanged, this, &frmTray::RefreshTip);
}

frmTray::~frmTray()
{
    delete mnuVaspo;
}

void frmTray::Form_Load()
{
    Form_Unload();
    TrayHidden = 0;
    mnuTray->setText(PutAway);
    icon_ = new QSystemTrayIcon(QIcon(main_.ImgVaspoL[model_.pet.Sex]), this);
    icon_->setToolTip(PlainTip(QStringLiteral("ばすぽう - ") + model_.pet.FishName));
    connect(icon_, &QSystemTrayIcon::activated, this, &frmTray::Icon_Activated);
    icon_->installEventFilter(this);
    trayArea_ = Available();
    icon_->setVisible(trayArea_);
    trayWatch_.start();
}

void frmTray::CheckTrayArea()
{
    const bool available = Available();
    if (!icon_ || available == trayArea_) {
        return;
    }
    trayArea_ = available;
    icon_->setVisible(available);
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
    if (icon_) {
        icon_->hide();
        delete icon_;
        icon_ = nullptr;
    }
}

QString frmTray::ToolTip() const
{
    return icon_ ? icon_->toolTip() : QString();
}

void frmTray::RefreshTip()
{
    if (icon_) {
        icon_->setToolTip(PlainTip(TrayValuesTip(model_.pet)));
    }
}

void frmTray::ShowHiddenCaption()
{
    mnuTray->setText(TakeOut);
}

void frmTray::Icon_Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger) {
        singleClick_.start();
    } else if (reason == QSystemTrayIcon::DoubleClick) {
        singleClick_.stop();
        Form_MouseMove(LeftDoubleClick);
    }
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
            mnuVaspo->exec(QCursor::pos());
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
        mnuTray->setText(TakeOut);
        main_.hide();
        TrayHidden = 1;
    }
}

void frmTray::BringBackTank()
{
    mnuTray->setText(PutAway);
    main_.showNormal();
    main_.raise();
    main_.activateWindow();
    TrayHidden = 0;
}

void frmTray::mnuExit_Click()
{
    model_.ConfirmExit();
}
