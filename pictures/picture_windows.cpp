#include "pictures/picture_windows.h"

#include <QLabel>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/tank_surface.h"
#include "pictures/frm_album.h"
#include "pictures/frm_photo.h"
#include "pictures/frm_pic.h"

PictureWindows::PictureWindows(frmMain& main) : main_(main)
{
    main.EnableItem(main.mnuCarePicture, [this] { mnuCarePicture_Click(); });
    main.EnableItem(main.mnuCarePictureView, [this] { mnuCarePictureView_Click(); });
    main.EnableItem(main.mnuOptionPic, [this] { mnuOptionPic_Click(); });
}

PictureWindows::~PictureWindows()
{
    delete photo_;
    delete album_;
    delete chooser_;
}

frmPhoto* PictureWindows::Camera() const
{
    return photo_;
}

frmALBUM* PictureWindows::Album() const
{
    return album_;
}

frmPic* PictureWindows::Chooser() const
{
    return chooser_;
}

void PictureWindows::mnuCarePicture_Click()
{
    delete photo_;  // opened again: a fresh camera of the tank's present size
    if (!main_.isMinimized()) {
        QLabel* stamp = main_.lblDate;
        stamp->setText(main_.model().DateStamp());
        stamp->adjustSize();
        stamp->setGeometry(main_.Tank->width() - stamp->width(), main_.Tank->height() - 17 - 17, stamp->width(), 17);
        stamp->show();
        stamp->raise();
    }
    photo_ = new frmPhoto(main_);
    PlaceBelowTank(photo_, &main_);
    photo_->show();
    photo_->activateWindow();
}

void PictureWindows::mnuCarePictureView_Click()
{
    OpenOnce<frmALBUM>(album_, main_);
    CentreOnScreen(album_, &main_);
    album_->show();
    album_->raise();
    album_->activateWindow();  // its access keys work at once
}

void PictureWindows::mnuOptionPic_Click()
{
    OpenOnce<frmPic>(chooser_, main_);
    PlaceBesideTank(chooser_, &main_);
    ShowOnTop(chooser_);
}
