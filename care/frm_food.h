#pragma once
// Feeding: a food and a quantity, then the food sinks into the tank.

#include "care/care_dialog.h"

#include <QMap>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class frmMain;
class Vaspo;

class frmFood : public CareDialog {
    Q_OBJECT
public:
    explicit frmFood(frmMain& main);

    QLabel* Label1;
    QGroupBox* Frame1;
    QMap<int, QToolButton*> optFoodBut;  // 0, 1, 2 and 99 (the fortune food)
    QGroupBox* Frame2;
    std::array<QToolButton*, 3> optFoodQuant{};
    QPushButton* Command2;
    QPushButton* Command1;

    void Form_Load();
    void optFoodBut_Click(int index);
    void Command1_Click();
    void Command2_Click();

    static QPixmap FoodPicture(int kind);

private:
    int SelectedKind() const;
    void DropFood(int kind);

    frmMain& main_;
    Vaspo& model_;
};
