#pragma once
// A flat QMenu exported over D-Bus (com.canonical.dbusmenu), so that panels can show it themselves.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class QMenu;

// One item and its properties: (ia{sv}).
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
// An item with its children, each a variant holding the same structure: (ia{sv}av).
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children;
};
using DBusMenuItemList = QList<DBusMenuItem>;
Q_DECLARE_METATYPE(DBusMenuItem)
Q_DECLARE_METATYPE(DBusMenuLayout)

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& item);

// "終了(&X)" as the protocol writes access keys: "終了(_X)".
QString DBusMenuLabel(const QString& text);

class TrayMenu : public QObject {
    Q_OBJECT
public:
    static inline const QString Path = QStringLiteral("/MenuBar");

    explicit TrayMenu(QMenu& menu, QObject* parent = nullptr);
    bool Export(QDBusConnection bus);
    void Unexport();

    // The root is 0; the menu's items follow from 1 in their order.
    QVariantMap Properties(int id) const;
    uint Revision() const { return revision_; }
    // Runs the item's command after the call has been answered (it may open a modal box).
    bool Click(int id);

signals:
    void LayoutUpdated(uint revision, int parent);

private:
    QMenu& menu_;
    QDBusConnection bus_{QString()};
    uint revision_ = 1;
};
