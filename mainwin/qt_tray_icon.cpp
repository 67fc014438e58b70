#include "mainwin/qt_tray_icon.h"

#include <QEvent>
#include <QTextDocument>

QtTrayIcon::QtTrayIcon(bool markupTips, QObject* parent) : TrayIcon(parent), markupTips_(markupTips) {}

void QtTrayIcon::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (icon_) {
        icon_->setIcon(QIcon(picture_));
    }
}

// A name such as "<b>x</b>" must show as typed.
QString QtTrayIcon::PlainTip() const
{
    return markupTips_ && Qt::mightBeRichText(tip_)
               ? QStringLiteral("<p style='white-space:pre'>") + tip_.toHtmlEscaped() + QStringLiteral("</p>")
               : tip_;
}

void QtTrayIcon::SetTip(const QString& tip)
{
    tip_ = tip;
    if (icon_) {
        icon_->setToolTip(PlainTip());
    }
}

QString QtTrayIcon::ShownTip() const
{
    return icon_ ? icon_->toolTip() : tip_;
}

void QtTrayIcon::Follow(bool shown, bool areaPresent)
{
    const bool wanted = shown && areaPresent;
    if (wanted && !icon_) {
        icon_ = new QSystemTrayIcon(QIcon(picture_), this);
        icon_->setToolTip(PlainTip());
        connect(icon_, &QSystemTrayIcon::activated, this, &QtTrayIcon::Icon_Activated);
        icon_->installEventFilter(this);
        icon_->show();
    } else if (!wanted && icon_) {
        icon_->hide();
        delete icon_;
        icon_ = nullptr;
    }
}

bool QtTrayIcon::AreaPresent() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    // Where the platform tells that the pointer rests on the icon.
    if (watched == icon_ && event->type() == QEvent::ToolTip) {
        emit PointerRests();
    }
    return TrayIcon::eventFilter(watched, event);
}

void QtTrayIcon::Icon_Activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger) {
        emit Clicked(std::nullopt);  // the pointer is on the icon
    } else if (reason == QSystemTrayIcon::DoubleClick) {
        emit DoubleClicked();
    }
}
