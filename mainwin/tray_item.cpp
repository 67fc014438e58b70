#include "mainwin/tray_item.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <unistd.h>

#include "model/pet_record.h"

QDBusArgument& operator<<(QDBusArgument& argument, const DBusIconPixmap& pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusIconPixmap& pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.pixmaps << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

namespace {

class ItemAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(QString IconName READ IconName)
    Q_PROPERTY(DBusIconPixmaps IconPixmap READ IconPixmap)
    Q_PROPERTY(DBusToolTip ToolTip READ ToolTip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)
    Q_PROPERTY(QString IconThemePath READ None)
    Q_PROPERTY(QString OverlayIconName READ None)
    Q_PROPERTY(DBusIconPixmaps OverlayIconPixmap READ NoPixmaps)
    Q_PROPERTY(QString AttentionIconName READ None)
    Q_PROPERTY(DBusIconPixmaps AttentionIconPixmap READ NoPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ None)
public:
    explicit ItemAdaptor(TrayItem& item) : QDBusAbstractAdaptor(&item), item_(item)
    {
        connect(&item, &TrayItem::IconChanged, this, &ItemAdaptor::NewIcon);
        connect(&item, &TrayItem::TipChanged, this, &ItemAdaptor::NewToolTip);
    }
    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const
    {
        const QString desktop = QGuiApplication::desktopFileName();
        return desktop.isEmpty() ? QCoreApplication::applicationName() : desktop;
    }
    QString Title() const { return vaspo::ProgramName; }
    QString Status() const { return QStringLiteral("Active"); }
    int WindowId() const { return 0; }
    QString IconName() const { return {}; }  // the picture of this fish, not a themed icon
    DBusIconPixmaps IconPixmap() const { return item_.Icon(); }
    // Hosts show the title as plain text; the text below it may be read as markup.
    DBusToolTip ToolTip() const { return {{}, {}, item_.Tip(), {}}; }
    bool ItemIsMenu() const { return false; }  // a left click is the program's, the menu the right button's
    QDBusObjectPath Menu() const { return QDBusObjectPath(TrayMenu::Path); }
    QString None() const { return {}; }
    DBusIconPixmaps NoPixmaps() const { return {}; }

public slots:
    void Activate(int x, int y) { emit item_.Activated(QPoint(x, y)); }
    // The middle button, the right button where a host shows no menu, the wheel: nothing.
    void SecondaryActivate(int, int) {}
    void ContextMenu(int, int) {}
    void Scroll(int, const QString&) {}

signals:
    void NewTitle();
    void NewIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    TrayItem& item_;
};

QString ProcessNameOf(uint pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.read(64)).trimmed() : QString();
}

int instances = 0;

}  // namespace

TrayItem::TrayItem(QMenu& menu, QObject* parent)
    : QObject(parent),
      ProcessName(ProcessNameOf),
      bus_(QDBusConnection::sessionBus()),
      menu_(menu),
      service_(QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(::getpid()).arg(++instances))
{
    qDBusRegisterMetaType<DBusIconPixmap>();
    qDBusRegisterMetaType<DBusIconPixmaps>();
    qDBusRegisterMetaType<DBusToolTip>();
    new ItemAdaptor(*this);
    if (bus_.isConnected()) {
        watch_ = new QDBusServiceWatcher(Watcher, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watch_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& owner) { WatcherOwnerChanged(owner); });
    }
}

TrayItem::~TrayItem()
{
    Hide();
}

void TrayItem::SetIcon(const QImage& icon)
{
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(argb.width() * argb.height() * 4, Qt::Uninitialized);
    auto* out = reinterpret_cast<quint32*>(bytes.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            *out++ = qToBigEndian(line[x]);
        }
    }
    icon_ = {{argb.width(), argb.height(), bytes}};
    emit IconChanged();
}

void TrayItem::SetTip(const QString& tip)
{
    if (tip != tip_) {
        tip_ = tip;
        emit TipChanged();
    }
}

void TrayItem::Show()
{
    if (shown_ || !bus_.isConnected()) {
        return;
    }
    shown_ = bus_.registerService(service_) && bus_.registerObject(Path, this, QDBusConnection::ExportAdaptors) &&
             menu_.Export(bus_);
    if (!shown_) {
        Hide();
        return;
    }
    watcherPresent_ = bus_.interface()->isServiceRegistered(Watcher);
    if (watcherPresent_) {
        Register();
    }
}

void TrayItem::Hide()
{
    shown_ = false;
    if (bus_.isConnected()) {
        menu_.Unexport();
        bus_.unregisterObject(Path);
        bus_.unregisterService(service_);  // hosts drop the item when its name goes
    }
    if (registered_) {
        registered_ = false;
        emit RegisteredChanged();
    }
}

void TrayItem::WatcherOwnerChanged(const QString& owner)
{
    watcherPresent_ = !owner.isEmpty();
    const bool was = registered_;
    registered_ = false;
    if (watcherPresent_ && shown_) {
        Register();
    }
    if (was) {
        emit RegisteredChanged();
    }
}

void TrayItem::CheckListed()
{
    if (!registered_) {
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(Watcher, QStringLiteral("/StatusNotifierWatcher"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << Watcher << QStringLiteral("RegisteredStatusNotifierItems");
    auto* reply = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QDBusVariant> items = *done;
        if (!items.isValid() || !registered_) {
            return;  // a watcher that keeps no list
        }
        const QStringList listed = items.value().variant().toStringList();
        // Watchers list "name/path", "name@path" or the name alone.
        const bool found = std::any_of(listed.begin(), listed.end(), [this](const QString& item) {
            const QString name = item.section(QRegularExpression(QStringLiteral("[/@]")), 0, 0);
            return name == service_ || name == bus_.baseService();
        });
        if (!found) {
            Register();
        }
    });
}

void TrayItem::Register()
{
    QDBusMessage call = QDBusMessage::createMethodCall(Watcher, QStringLiteral("/StatusNotifierWatcher"), Watcher,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << service_;
    auto* reply = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        if (!done->isError() && shown_ && !registered_) {
            registered_ = true;
            emit RegisteredChanged();
        }
    });
    const QDBusPendingReply<uint> pid = bus_.interface()->asyncCall(QStringLiteral("GetConnectionUnixProcessID"), Watcher);
    auto* owner = new QDBusPendingCallWatcher(pid, this);
    connect(owner, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        shellShowsMenu_ = reply.isValid() && ProcessName(reply.value()) == QLatin1String("gnome-shell");
    });
}

#include "tray_item.moc"
