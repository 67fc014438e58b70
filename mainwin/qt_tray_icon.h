#pragma once
// The icon through Qt's QSystemTrayIcon: the notification area of Windows and of X11 desktops.

#include <QSystemTrayIcon>

#include "mainwin/tray_icon.h"

class QtTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    // `markupTips`: the platform shows a tip that looks like markup as markup (X11 does, Windows not).
    QtTrayIcon(bool markupTips, QObject* parent = nullptr);

    void SetPicture(const QPixmap& picture) override;
    void SetTip(const QString& tip) override;
    QString ShownTip() const override;
    void Follow(bool shown, bool areaPresent) override;
    bool AreaPresent() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString PlainTip() const;
    void Icon_Activated(QSystemTrayIcon::ActivationReason reason);

    const bool markupTips_;
    QSystemTrayIcon* icon_ = nullptr;
    QPixmap picture_;
    QString tip_;
};
