#pragma once
// The about box. It also holds the uninstaller, which wipes the stored fish
// and ends the program without saving.

#include <QDialog>
#include <functional>

#include "mainwin/autostart.h"

class QLabel;
class QPushButton;
class Vaspo;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // unloadTray takes the icon out of the notification area before the end.
    frmAbout(Vaspo& model, std::function<void()> unloadTray, QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    QLabel* Image2;
    QLabel* Image1;
    QLabel* lblProgName;
    QLabel* lblMakeDay;
    QLabel* Label2;
    QLabel* lblinternet;
    QPushButton* Command2;
    QPushButton* Command1;
    // The uninstall removes the entry too, so that nothing starts the program again.
    Autostart StartAtLogin;

private:
    QLabel* NewLabel(const QString& text, const QRect& twips);
    QLabel* NewFishPicture(const QRect& twips);
    QPushButton* NewButton(const QString& text, const QRect& twips);
    bool UserConfirmsUninstall();

    Vaspo& model_;
    std::function<void()> unloadTray_;
};
