#pragma once
// The tank with every window its menus open; Qt's boxes shown for real when asked.

#include "care/care_windows.h"
#include "care/frm_auto_foods.h"
#include "care/frm_food.h"
#include "care/frm_water.h"
#include "mainwin/qt_dialogs.h"
#include "pictures/frm_album.h"
#include "pictures/frm_photo.h"
#include "pictures/frm_pic.h"
#include "pictures/picture_windows.h"
#include "play/frm_janken.h"
#include "play/frm_msg.h"
#include "play/frm_talk.h"
#include "play/play_windows.h"
#include "support/tank_rig.h"

struct WindowsRig : TankRig {
    CareWindows care{main};
    PlayWindows play{main, tray};
    PictureWindows pictures{main};
    QtDialogs boxes;

    // The boxes as the user meets them, owned by the tank.
    void RealBoxes()
    {
        dialogs.real = &boxes;
        boxes.Owner = [this] { return &main; };
    }
};
