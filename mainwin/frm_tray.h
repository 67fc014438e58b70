#pragma once
// The fish's icon in the notification area, with its small menu.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <optional>

#include "model/pet_record.h"

class QAction;
class QMenu;
class Vaspo;
class frmMain;
class TrayIcon;

// "<name>/<energy>%/<stress>/<pollution>%"
QString TrayValuesTip(const PetRecord& pet);

class frmTray : public QObject {
    Q_OBJECT
public:
    // The icon's notifications, by the window messages they stand for.
    enum Message { MouseMoved = 512, LeftButtonDown = 513, LeftDoubleClick = 515, RightButtonDown = 516 };

    frmTray(frmMain& main, Vaspo& model, QObject* parent = nullptr);
    ~frmTray() override;

    // Whether the desktop shows the icon; replaceable in tests.
    std::function<bool()> Available;
    // Whether the desktop has a notification area that shows the icon now.
    bool DesktopArea() const;

    QMenu* mnuVaspo = nullptr;
    QAction* mnuTray = nullptr;
    QAction* mnuExit = nullptr;
    qint16 TrayHidden = 0;
    qint16 TrayMenuBusy = 0;

    void Form_Load();
    void Form_Unload();
    void Form_MouseMove(int message);
    void mnuTray_Click();
    void mnuExit_Click();

    bool IsLoaded() const { return loaded_; }
    QString ToolTip() const;
    void RefreshTip();
    void ShowHiddenCaption();
    // Restores a minimised or hidden tank, normal and with the focus.
    void BringBackTank();
    // A notification area may come after the program (panels often start
    // later) or go away: the icon and the tray option follow it, and a tank
    // hidden in a vanished area comes back.
    void CheckTrayArea();

private:
    void Icon_Clicked(std::optional<QPoint> at);
    void Icon_DoubleClicked();
    void Icon_AreaChanged();
    void ShowTip(const QString& tip);
    void FollowArea();
    QPoint MenuPlace();

    frmMain& main_;
    Vaspo& model_;
    TrayIcon* icon_ = nullptr;
    std::optional<QPoint> clickAt_;  // where a panel says it was clicked
    bool loaded_ = false;
    QTimer singleClick_;  // a first click may still become a double click
    QTimer trayWatch_;
    bool trayArea_ = false;
};
