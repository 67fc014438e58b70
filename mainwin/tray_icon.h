#pragma once
// The fish's icon in the desktop's notification area, as each platform offers one. It reports
// what the user does with it; frmTray decides what that means.

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <optional>

class QMenu;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void SetPicture(const QPixmap& picture) = 0;
    virtual void SetTip(const QString& tip) = 0;
    // The tip as the desktop shows it.
    virtual QString ShownTip() const = 0;
    // The icon is offered while `shown`; an icon that needs an area already there (Qt's own) shows
    // only while `areaPresent` too.
    virtual void Follow(bool shown, bool areaPresent) = 0;
    // Whether the desktop has an area that shows the icon now.
    virtual bool AreaPresent() const = 0;
    // A look now and then, for areas that drop an icon without a word.
    virtual void Recheck() {}

signals:
    // A left click; `at` is where the desktop says it was, when it says so.
    void Clicked(std::optional<QPoint> at);
    void DoubleClicked();
    // The desktop tells that the pointer rests on the icon.
    void PointerRests();
    // An area came or went.
    void AreaChanged();
};

// This platform's icon, with `menu` as the menu the desktop may show itself.
TrayIcon* NewTrayIcon(QMenu& menu, QObject* parent);
