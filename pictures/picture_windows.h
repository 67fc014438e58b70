#pragma once
// The camera, the album and the background chooser, behind the tank's menus.

#include <QObject>
#include <QPointer>

class frmALBUM;
class frmMain;
class frmPhoto;
class frmPic;

class PictureWindows : public QObject {
    Q_OBJECT
public:
    explicit PictureWindows(frmMain& main);
    ~PictureWindows() override;

    void mnuCarePicture_Click();
    void mnuCarePictureView_Click();
    void mnuOptionPic_Click();

    frmPhoto* Camera() const;
    frmALBUM* Album() const;
    frmPic* Chooser() const;

private:
    frmMain& main_;
    QPointer<frmPhoto> photo_;
    QPointer<frmALBUM> album_;
    QPointer<frmPic> chooser_;
};
