#pragma once
// The camera: a copy of the tank as it shows on the screen, developed into
// a bitmap file named by the day.

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;
class frmMain;

class frmPhoto : public QDialog {
    Q_OBJECT
public:
    explicit frmPhoto(frmMain& main);
    ~frmPhoto() override;

    QPushButton* cmbPhoto;
    QPushButton* cmbPhotoPrn;
    QPushButton* cmbClose;
    QLabel* ImgPhoto;

    void cmbPhoto_Click();
    void cmbPhotoPrn_Click();
    void cmbClose_Click();
    void Form_Unload();

    const QImage& Photo() const { return photo_; }

private:
    QPixmap TankAsShown(const QRect& outer) const;

    frmMain& main_;
    QImage photo_;  // the picture kept between shots
};
