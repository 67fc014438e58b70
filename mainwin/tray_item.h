#pragma once
// The fish's icon for panels that talk D-Bus (KDE, GNOME's AppIndicator extension, waybar, ...): a
// StatusNotifierItem that registers with the session's watcher whenever one comes, with its menu exported.
// Qt's own icon settles on one protocol when it is first asked and does not register again with a
// watcher that starts later or restarts, which is how panels that start after the program lost it.

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <functional>

#include "mainwin/tray_menu.h"

class QDBusServiceWatcher;

// One picture of the icon: (iiay), ARGB32 in network byte order.
struct DBusIconPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using DBusIconPixmaps = QList<DBusIconPixmap>;
// (sa(iiay)ss): icon name, pictures, title, text.
struct DBusToolTip {
    QString iconName;
    DBusIconPixmaps pixmaps;
    QString title;
    QString text;
};
Q_DECLARE_METATYPE(DBusIconPixmap)
Q_DECLARE_METATYPE(DBusToolTip)

QDBusArgument& operator<<(QDBusArgument& argument, const DBusIconPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusIconPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& tip);

class TrayItem : public QObject {
    Q_OBJECT
public:
    static inline const QString Watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString Path = QStringLiteral("/StatusNotifierItem");

    explicit TrayItem(QMenu& menu, QObject* parent = nullptr);
    ~TrayItem() override;

    // The name of a process, to tell which shell keeps the watcher; replaceable in tests.
    std::function<QString(uint pid)> ProcessName;

    void SetIcon(const QImage& icon);
    void SetTip(const QString& tip);
    // Puts the item on the session bus and follows the watcher from then on; Hide takes it away.
    void Show();
    void Hide();
    // A host may drop an item it failed to read (GNOME's extension, while the shell is starting):
    // registers again when the watcher no longer lists it.
    void CheckListed();
    QString Service() const { return service_; }
    bool WatcherPresent() const { return watcherPresent_; }
    bool Registered() const { return registered_; }
    // GNOME Shell's AppIndicator extension shows the exported menu itself on a single click and
    // calls Activate only for a double click; other panels call it for every left click.
    bool ActivateIsDoubleClick() const { return shellShowsMenu_; }

    DBusIconPixmaps Icon() const { return icon_; }
    QString Tip() const { return tip_; }

signals:
    void Activated(QPoint at);
    void RegisteredChanged();
    void IconChanged();
    void TipChanged();

private:
    void Register();
    void WatcherOwnerChanged(const QString& owner);

    QDBusConnection bus_;
    QDBusServiceWatcher* watch_ = nullptr;
    TrayMenu menu_;
    QString service_;
    DBusIconPixmaps icon_;
    QString tip_;
    bool shown_ = false;
    bool watcherPresent_ = false;
    bool registered_ = false;
    bool shellShowsMenu_ = false;
};
