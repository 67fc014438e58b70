// The tray icon as panels see it over D-Bus, on a private session bus with a watcher of our own.
#ifdef _WIN32
#include <QtTest>

class TestTrayBus : public QObject {
    Q_OBJECT
private slots:
    void panelsOnTheSessionBus() { QSKIP("D-Bus panels are Linux's; Windows's notification area is Qt's own icon"); }
};

QTEST_GUILESS_MAIN(TestTrayBus)
#else
#include <QDBusContext>
#include <QDBusMessage>

#include "mainwin/tray_item.h"
#include "support/tank_rig.h"

namespace {

QString busAddress;

// Stands in for a panel's watcher: notes the items that register.
class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
public:
    QDBusConnection bus;
    QStringList items;
    explicit Watcher(const QString& name) : bus(QDBusConnection::connectToBus(busAddress, name))
    {
        bus.registerObject("/StatusNotifierWatcher", this, QDBusConnection::ExportAllSlots);
        bus.registerService(TrayItem::Watcher);
    }
    ~Watcher() override { QDBusConnection::disconnectFromBus(bus.name()); }
public slots:
    void RegisterStatusNotifierItem(const QString& service) { items.append(message().service() + ' ' + service); }
};

// Calls the item or a menu from another connection, as a panel does.
QVariantList Call(const QString& service, const QString& path, const QString& interface, const QString& method,
                  const QVariantList& args = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(args);
    return QDBusConnection::connectToBus(busAddress, "panel").call(call, QDBus::BlockWithGui).arguments();
}

template <typename T>
T Property(const QString& service, const QString& name)
{
    return qdbus_cast<T>(Call(service, TrayItem::Path, "org.freedesktop.DBus.Properties", "Get",
                              {"org.kde.StatusNotifierItem", name}).value(0).value<QDBusVariant>().variant());
}

}  // namespace

class TestTrayBus : public QObject {
    Q_OBJECT
private slots:
    // A panel's view of the item: it registers with every watcher, shows the fish, the tip and the menu, and
    // takes the panel's clicks.
    void panelsSeeAndClickTheItem()
    {
        // Watcher there at start (or a panel starting later), shell, Activate calls -> whether the tank stays shown.
        const QList<std::tuple<bool, QString, int, bool>> rows{
            {true, "waybar", 1, true},         // a click in waybar or KDE: the menu
            {false, "plasmashell", 2, false},  // a double click there
            {true, "gnome-shell", 1, false}};  // GNOME: its double click
        for (const auto& [watcherFirst, shell, activations, tankVisible] : rows) {
            std::unique_ptr<Watcher> watcher = watcherFirst ? std::make_unique<Watcher>("first") : nullptr;
            TankRig rig;
            rig.tray.Available = [&] { return rig.tray.DesktopArea(); };
            TrayItem* const bus = rig.tray.findChild<TrayItem*>();
            bus->ProcessName = [shell = shell](uint) { return shell; };  // the panel's process
            rig.StartWithFish();
            if (!watcherFirst) {
                watcher = std::make_unique<Watcher>("later");
            }
            const QString item = bus->Service(), registered = QDBusConnection::sessionBus().baseService() + ' ' + item;
            QTRY_COMPARE(watcher->items, QStringList{registered});
            QTRY_VERIFY(rig.main.mnuOptionTray->isEnabled());
            // A restarting panel: the item registers with the new watcher.
            watcher.reset();
            watcher = std::make_unique<Watcher>("restarted");
            QTRY_COMPARE(watcher->items, QStringList{registered});

            const DBusIconPixmaps icon = Property<DBusIconPixmaps>(item, "IconPixmap");
            QCOMPARE(std::tuple(icon.size(), icon.value(0).width, icon.value(0).height), std::tuple(1, 32, 32));
            const QPoint middle(16, 16);  // on the fish: ARGB, most significant byte first
            QCOMPARE(qFromBigEndian<quint32>(icon[0].argb.constData() + 4 * (middle.y() * 32 + middle.x())),
                     quint32(rig.main.ImgVaspoL[0].toImage().convertToFormat(QImage::Format_ARGB32).pixel(middle)));
            QCOMPARE(Property<DBusToolTip>(item, "ToolTip").title, QString("ばすぽう - ぎんじろう"));
            rig.model.ChangeStress(1);  // panels never ask again: the tip follows the values
            QCOMPARE(Property<DBusToolTip>(item, "ToolTip").title, TrayValuesTip(rig.model.pet));
            // Label (or type) of each item of the exported menu, and whether it is enabled.
            QStringList menu;
            const QVariantList layout =
                Call(item, TrayMenu::Path, "com.canonical.dbusmenu", "GetLayout", {0, -1, QStringList()});
            for (const QVariant& child : qdbus_cast<DBusMenuLayout>(layout.value(1)).children) {
                const QVariantMap p = qdbus_cast<DBusMenuLayout>(child).properties;
                const QString kind = p.value("type", p.value("label")).toString();
                menu.append((kind + ' ' + p.value("enabled").toString()).trimmed());
            }
            QCOMPARE(menu, QStringList({"タスクトレイに入れる(_T) true", "separator", "ばすぽうの終了(_X)... true"}));

            QTest::qWait(50);  // the new watcher's shell is known
            const int pastADoubleClick = QApplication::doubleClickInterval() + 100;
            QTimer::singleShot(pastADoubleClick, &rig.tray, [&] { rig.tray.mnuVaspo->close(); });
            for (int i = 0; i < activations; ++i) {
                Call(item, TrayItem::Path, "org.kde.StatusNotifierItem", "Activate", {300, 20});
            }
            QTest::qWait(pastADoubleClick + 100);
            QCOMPARE(std::tuple(shell, rig.main.isVisible()), std::tuple(shell, tankVisible));
            // The menu's first item, clicked in the panel, hides the tank or brings it back.
            Call(item, TrayMenu::Path, "com.canonical.dbusmenu", "Event",
                 {1, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
            QTRY_COMPARE(rig.main.isVisible(), !tankVisible);
        }
    }
};

int main(int argc, char** argv)
{
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    if (!daemon.waitForReadyRead(10000)) {
        qFatal("dbus-daemon did not start");
    }
    busAddress = QString::fromUtf8(daemon.readLine().trimmed());
    qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toUtf8());
    QApplication app(argc, argv);
    TestTrayBus test;
    return QTest::qExec(&test, argc, argv);  // the bus goes with `daemon`, killed as it is destroyed
}

#endif

#include "test_tray_bus.moc"
