#include "mainwin/tray_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QDBusAbstractAdaptor>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QMenu>

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const QVariant& child : item.children) {
        argument << QDBusVariant(child);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    item.children.clear();
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(child.variant());
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QString DBusMenuLabel(const QString& text)
{
    QString label;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&') && i + 1 < text.size()) {
            const QChar next = text[++i];
            label += next == QLatin1Char('&') ? QStringLiteral("&") : QStringLiteral("_") + next;
        } else {
            label += c == QLatin1Char('_') ? QStringLiteral("__") : QString(c);
        }
    }
    return label;
}

namespace {

class MenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QStringList IconThemePath READ IconThemePath)
public:
    MenuAdaptor(QObject* object, TrayMenu& menu, int items) : QDBusAbstractAdaptor(object), menu_(menu), items_(items)
    {
        connect(&menu_, &TrayMenu::LayoutUpdated, this, &MenuAdaptor::LayoutUpdated);
    }
    uint Version() const { return 3; }
    QString TextDirection() const { return QStringLiteral("ltr"); }
    QString Status() const { return QStringLiteral("normal"); }
    QStringList IconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& names, DBusMenuLayout& layout)
    {
        layout = {parentId, Filtered(menu_.Properties(parentId), names), {}};
        if (parentId == 0 && recursionDepth != 0) {
            for (int id = 1; id <= items_; ++id) {
                layout.children.append(QVariant::fromValue(DBusMenuLayout{id, Filtered(menu_.Properties(id), names), {}}));
            }
        }
        return menu_.Revision();
    }
    DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& names)
    {
        DBusMenuItemList items;
        for (const int id : ids) {
            if (id >= 0 && id <= items_) {
                items.append({id, Filtered(menu_.Properties(id), names)});
            }
        }
        return items;
    }
    QDBusVariant GetProperty(int id, const QString& name) { return QDBusVariant(menu_.Properties(id).value(name)); }
    void Event(int id, const QString& eventId, const QDBusVariant&, uint)
    {
        if (eventId == QLatin1String("clicked")) {
            menu_.Click(id);
        }
    }
    bool AboutToShow(int) { return false; }

signals:
    void LayoutUpdated(uint revision, int parent);

private:
    static QVariantMap Filtered(QVariantMap properties, const QStringList& names)
    {
        if (!names.isEmpty()) {
            properties.removeIf([&](const auto& entry) { return !names.contains(entry.key()); });
        }
        return properties;
    }

    TrayMenu& menu_;
    int items_;
};

}  // namespace

TrayMenu::TrayMenu(QMenu& menu, QObject* parent) : QObject(parent), menu_(menu)
{
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuLayout>();
    for (QAction* action : menu_.actions()) {
        connect(action, &QAction::changed, this, [this] { emit LayoutUpdated(++revision_, 0); });
    }
    new MenuAdaptor(this, *this, int(menu_.actions().size()));
}

bool TrayMenu::Export(QDBusConnection bus)
{
    bus_ = bus;
    return bus_.registerObject(Path, this, QDBusConnection::ExportAdaptors);
}

void TrayMenu::Unexport()
{
    if (bus_.isConnected()) {
        bus_.unregisterObject(Path);
    }
}

QVariantMap TrayMenu::Properties(int id) const
{
    const QList<QAction*> actions = menu_.actions();
    if (id == 0) {
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    }
    if (id < 1 || id > actions.size()) {
        return {};
    }
    const QAction* action = actions[id - 1];
    if (action->isSeparator()) {
        return {{QStringLiteral("type"), QStringLiteral("separator")}};
    }
    QVariantMap properties{{QStringLiteral("label"), DBusMenuLabel(action->text())},
                           {QStringLiteral("enabled"), action->isEnabled()},
                           {QStringLiteral("visible"), action->isVisible()}};
    if (action->isCheckable()) {
        const bool radio = action->actionGroup() && action->actionGroup()->isExclusive();
        properties.insert(QStringLiteral("toggle-type"), radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
    }
    return properties;
}

bool TrayMenu::Click(int id)
{
    const QList<QAction*> actions = menu_.actions();
    if (id < 1 || id > actions.size() || !actions[id - 1]->isEnabled()) {
        return false;
    }
    QMetaObject::invokeMethod(actions[id - 1], &QAction::trigger, Qt::QueuedConnection);
    return true;
}

#include "tray_menu.moc"
