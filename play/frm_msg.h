#pragma once
// The fish's message window: monologues, answers and results arrive here,
// with buttons to play on or to bring the tank back.

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class PlayWindows;

class frmMsg : public QDialog {
    Q_OBJECT
public:
    explicit frmMsg(PlayWindows& play);

    QLabel* imgFish;
    QPlainTextEdit* txtMes;
    QGroupBox* Frame1;
    QPushButton* cmbTalk;
    QPushButton* cmbJanken;
    QPushButton* cmbActive;
    QPushButton* cmbOK;

    void cmbOK_Click();
    void cmbTalk_Click();
    void cmbJanken_Click();
    void cmbActive_Click();

private:
    PlayWindows& play_;
};
