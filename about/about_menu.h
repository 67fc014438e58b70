#pragma once
// The about box behind the tank's help menu.

#include <QObject>

class frmMain;
class frmTray;

class AboutMenu : public QObject {
    Q_OBJECT
public:
    AboutMenu(frmMain& main, frmTray& tray);
    // Opens the box centred on the screen, on top of everything, and waits
    // for it to close.
    void mnuHelpAbout_Click();

private:
    frmMain& main_;
    frmTray& tray_;
};
