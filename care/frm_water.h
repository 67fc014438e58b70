#pragma once
// Changing part of the water, once a day.

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class frmMain;
class Vaspo;

class frmWater : public QDialog {
    Q_OBJECT
public:
    explicit frmWater(frmMain& main);

    QLabel* Label1;
    QLabel* lblOdaku;
    QLabel* lblWaterv;
    QScrollBar* hsbWaterV;
    QPushButton* Command2;
    QPushButton* Command1;

    void Form_Load();
    void hsbWaterV_Change();
    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmMain& main_;
    Vaspo& model_;
    bool exchanged_ = false;
};
