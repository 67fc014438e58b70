#pragma once
// Talking to the fish: five things to say, one answer.

#include <QDialog>
#include <array>

class QPushButton;
class QRadioButton;
class Vaspo;

class frmTalk : public QDialog {
    Q_OBJECT
public:
    explicit frmTalk(Vaspo& model);

    std::array<QRadioButton*, 5> optMes{};
    QPushButton* cmbOK;

    void Form_Load();
    void cmbOK_Click();

private:
    Vaspo& model_;
};
