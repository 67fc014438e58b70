#pragma once
// One game of rock-paper-scissors against the fish.

#include <QDialog>
#include <array>

class QLabel;
class QToolButton;
class Vaspo;

class frmJanken : public QDialog {
    Q_OBJECT
public:
    explicit frmJanken(Vaspo& model);

    QLabel* lblMes;
    std::array<QToolButton*, 3> cmbJanken{};  // 0 rock, 1 paper, 2 scissors

    void cmbJanken_Click(int index);

private:
    Vaspo& model_;
};
