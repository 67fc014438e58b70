#pragma once
// The automatic feeder: from tomorrow, a few days fed without the owner.

#include "care/care_dialog.h"

class QLabel;
class QPushButton;
class QScrollBar;
class Vaspo;

class frmAutoFoods : public CareDialog {
    Q_OBJECT
public:
    explicit frmAutoFoods(Vaspo& model);

    QLabel* lblMes;
    QLabel* lblDay;
    QScrollBar* vsbDay;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void Form_Load();
    void vsbDay_Change();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    Vaspo& model_;
};
