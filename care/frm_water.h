#pragma once
// Changing part of the water, once a day.

#include "care/care_dialog.h"

class QLabel;
class QPushButton;
class QScrollBar;
class frmMain;
class Vaspo;

class frmWater : public CareDialog {
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

private:
    frmMain& main_;
    Vaspo& model_;
};
