#pragma once
// The tank window: the fish, the status row, the menus and the program's
// only clock.

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <optional>

#include "mainwin/autostart.h"
#include "model/seams.h"
#include "model/vaspo.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QTextBrowser;
class StartupHost;
class TankSurface;
class frmTray;

class frmMain : public QMainWindow, public MainWindowPort, public TopMostWindow {
    Q_OBJECT
public:
    explicit frmMain(Vaspo& model, QWidget* parent = nullptr);
    ~frmMain() override;

    Vaspo& model() const { return model_; }
    // Menu items whose windows live elsewhere are switched on by connecting
    // them to their opener.
    void EnableItem(QAction* item, std::function<void()> opener);

    void AttachTray(frmTray* tray) { tray_ = tray; }
    void SetStartupHost(StartupHost* host) { startupHost_ = host; }
    // How help targets reach the desktop; replaceable so that tests see them.
    std::function<bool(const QUrl&)> OpenUrl;
    // The desktop's autostart entry behind the login item; tests move it.
    Autostart StartAtLogin;

    // Controls.
    QTimer* Timer1 = nullptr;
    TankSurface* Tank = nullptr;
    QLabel* picHandCur = nullptr;
    QLabel* ImgCara = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblStress = nullptr;
    QLabel* lblGENKI = nullptr;
    QLabel* lblWater = nullptr;
    QLabel* imgFood = nullptr;
    std::array<QPixmap, 2> ImgVaspoL;  // indexed by Sex
    std::array<QPixmap, 2> ImgVaspoR;
    QLabel* lblSTB = nullptr;
    QLabel* ImgVaspo = nullptr;

    // Menus.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuCare = nullptr;
    QAction* mnuCareFood = nullptr;
    QAction* mnuCareWater = nullptr;
    QAction* mnuCareTalk = nullptr;
    QAction* mnuCareJanken = nullptr;
    QAction* mnuCareAutoFoods = nullptr;
    QAction* mnuCarePicture = nullptr;
    QAction* mnuCarePictureView = nullptr;
    QAction* mnuCareLook = nullptr;
    QMenu* mnuOption = nullptr;
    QAction* mnuOptionPic = nullptr;
    QAction* mnuOptionAcc = nullptr;
    QAction* mnuOptionTop = nullptr;
    QAction* mnuOptionMsg = nullptr;
    QAction* mnuOptionTray = nullptr;
    QAction* mnuOptionLogin = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QMenu* mnuHelpInternet = nullptr;
    std::array<QAction*, 3> mnuHelpIntAcc{};
    QAction* mnuHelpAbout = nullptr;

    // Animation state; none of it is saved.
    qint16 DirX = 0;
    qint16 DirY = 0;
    qint16 Placed = 0;
    qint16 SwimCount = 0;
    qint16 TouchCount = 0;

    // Handlers.
    void Timer1_Timer();
    void SwimStep();
    void Form_Resize();
    void lblSort();
    void Form_MouseDown(Qt::MouseButton button, const QPoint& position);
    void ImgVaspo_MouseMove();
    void Form_Unload();
    void mnuFileNew_Click();
    void mnuFileSave_Click();
    void mnuFileExit_Click();
    void mnuOptionTop_Click();
    void mnuOptionMsg_Click();
    void mnuOptionTray_Click();
    void mnuOptionLogin_Click();
    void mnuHelpHelp_Click();
    void mnuHelpIntAcc_Click(int index);

    // Start-up's share of the window.
    void PrepareTank();
    void SetBackgroundPicture(const QString& path);
    void ShowTank();
    bool IsLoaded() const { return loaded_; }
    // Closes the way the close box does once the tank is up; before that,
    // there is nothing to save and the program simply ends.
    void RequestClose();

    // A care action runs to its end before the program closes: a close that
    // comes meanwhile waits for EndCare, and the action's pauses are cut short.
    void BeginCare();
    void EndCare();
    bool ClosePending() const { return closePending_; }
    void Pause(int ms);
    // The food sinks from the top at `left` to the status row in about a
    // second, drawn as it goes; then a second's wait.
    void DropFood(const QPixmap& food, int left);

    // Following the model.
    void ShowGenki(const QString& text);
    void ShowStress(const QString& text);
    void ShowWater(const QString& text, const WaterColour& colour);
    void ShowFish(qint16 sex);
    void ApplyOptions();

    void Unload() override;
    WindowPlacement Placement() const override;
    void KeepOnTop(bool onTop) override;
    void SendToBottom() override;

    QTextBrowser* HelpWindow() const { return help_; }
    bool ShowsPicture(const QPixmap& picture) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void FollowModel();
    void SetValueText(QLabel* label, const QString& text);
    // Out of sight (minimised or hidden) the fish swims on in numbers only;
    // its picture is put in place when the tank is seen again.
    bool OutOfSight() const { return !isVisible() || isMinimized(); }
    QPoint FishPos() const;
    void SetFishPos(const QPoint& place);
    void SyncFishPicture();
    bool CloseMustWait();
    void ShowFishPicture(const QPixmap& picture);
    void BlowBubbles(int x0, int w, int h);
    int RandomTurn();

    Vaspo& model_;
    frmTray* tray_ = nullptr;
    StartupHost* startupHost_ = nullptr;
    QTextBrowser* help_ = nullptr;
    qint64 shownPicture_ = 0;
    bool loaded_ = false;
    bool unloading_ = false;
    std::optional<QRect> keptPlace_;
    std::optional<QPoint> unseenFish_;
    int careBusy_ = 0;
    bool closePending_ = false;
};
