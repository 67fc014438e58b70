#pragma once
// The fish's message window, talking and rock-paper-scissors, behind the
// tank's care menu. One window of each kind at a time.

#include <QObject>
#include <QPointer>

class frmJanken;
class frmMain;
class frmMsg;
class frmTalk;
class frmTray;

class PlayWindows : public QObject {
    Q_OBJECT
public:
    PlayWindows(frmMain& main, frmTray& tray);
    ~PlayWindows() override;

    void ShowPetMessage(const QString& text, const QString& caption);
    void OpenTalk();
    void OpenJanken();
    void mnuCareTalk_Click() { OpenTalk(); }
    void mnuCareJanken_Click() { OpenJanken(); }
    void BringBackTank();

    frmMsg* MessageWindow() const;
    frmTalk* TalkWindow() const;
    frmJanken* JankenWindow() const;

private:
    frmMain& main_;
    frmTray& tray_;
    QPointer<frmMsg> msg_;
    QPointer<frmTalk> talk_;
    QPointer<frmJanken> janken_;
};
