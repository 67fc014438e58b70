#include "mainwin/bus_tray_icon.h"

#include "mainwin/tray_item.h"

BusTrayIcon::BusTrayIcon(QMenu& menu, QObject* parent)
    : TrayIcon(parent), item_(new TrayItem(menu, this)), x11_(new QtTrayIcon(true, this))
{
    connect(item_, &TrayItem::Activated, this, &BusTrayIcon::Item_Activated, Qt::QueuedConnection);
    connect(item_, &TrayItem::RegisteredChanged, this, [this] {
        // Qt's icon only where no panel on the session bus shows the item.
        Follow(shown_, areaPresent_);
        emit AreaChanged();
    });
    connect(x11_, &TrayIcon::Clicked, this, &TrayIcon::Clicked);
    connect(x11_, &TrayIcon::DoubleClicked, this, &TrayIcon::DoubleClicked);
    connect(x11_, &TrayIcon::PointerRests, this, &TrayIcon::PointerRests);
}

BusTrayIcon::~BusTrayIcon()
{
    disconnect(item_, nullptr, this, nullptr);
}

void BusTrayIcon::SetPicture(const QPixmap& picture)
{
    item_->SetIcon(picture.toImage());
    x11_->SetPicture(picture);
}

void BusTrayIcon::SetTip(const QString& tip)
{
    item_->SetTip(tip);
    x11_->SetTip(tip);
}

QString BusTrayIcon::ShownTip() const
{
    return x11_->ShownTip();
}

void BusTrayIcon::Follow(bool shown, bool areaPresent)
{
    shown_ = shown;
    areaPresent_ = areaPresent;
    if (shown) {
        item_->Show();  // registers whenever a watcher comes
    } else {
        item_->Hide();
    }
    x11_->Follow(shown && !item_->WatcherPresent(), areaPresent);
}

bool BusTrayIcon::AreaPresent() const
{
    return item_->Registered() || x11_->AreaPresent();
}

void BusTrayIcon::Recheck()
{
    item_->CheckListed();
}

// A panel's Activate is a left click, except where the panel shows the menu itself on a single
// click and activates only for a double click.
void BusTrayIcon::Item_Activated(QPoint at)
{
    if (item_->ActivateIsDoubleClick()) {
        emit DoubleClicked();
    } else {
        emit Clicked(at);
    }
}

TrayIcon* NewTrayIcon(QMenu& menu, QObject* parent)
{
    return new BusTrayIcon(menu, parent);
}
