#pragma once
// The icon on Linux desktops: a StatusNotifierItem on the session bus for the panels that talk
// D-Bus (KDE, GNOME's AppIndicator extension, waybar), Qt's icon in the X11 notification area
// where no such panel is there.

#include "mainwin/qt_tray_icon.h"

class TrayItem;

class BusTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    BusTrayIcon(QMenu& menu, QObject* parent = nullptr);
    ~BusTrayIcon() override;

    void SetPicture(const QPixmap& picture) override;
    void SetTip(const QString& tip) override;
    QString ShownTip() const override;
    void Follow(bool shown, bool areaPresent) override;
    bool AreaPresent() const override;
    void Recheck() override;

private:
    void Item_Activated(QPoint at);

    TrayItem* item_;
    QtTrayIcon* x11_;
    bool shown_ = false;
    bool areaPresent_ = false;
};
