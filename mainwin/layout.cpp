// Keeping the status row and the fish in place, and the mouse.
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <cmath>

#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/tank_surface.h"

void frmMain::Form_Resize()
{
    if (isMinimized()) {
        // Without a notification area the window must stay reachable.
        if (model_.pet.MinTray == 1 && tray_ && tray_->Available()) {
            // After the minimising has finished, or it would show the window again.
            QTimer::singleShot(0, this, [this] {
                if (isMinimized()) {
                    hide();
                    tray_->ShowHiddenCaption();
                }
            });
        }
        return;
    }
    SyncFishPicture();
    const int tankWidth = Tank->width();
    const int tankHeight = Tank->height();
    QPoint fish = ImgVaspo->pos();
    if (fish.y() < 0) {
        fish.setY(0);
    }
    if (ImgVaspo->height() + fish.y() + lblSTB->height() > tankHeight) {
        fish.setY(tankHeight - ImgVaspo->height() - lblSTB->height());
    }
    if (fish.x() < 0) {
        fish.setX(0);
    }
    if (ImgVaspo->width() + fish.x() > tankWidth) {
        fish.setX(tankWidth - ImgVaspo->width());
    }
    ImgVaspo->move(fish);
    lblSort();
    lblDate->resize(lblDate->width(), 17);
    lblDate->move(tankWidth - lblDate->width(), tankHeight - lblDate->height() - 17);
}

void frmMain::lblSort()
{
    if (isMinimized()) {
        return;
    }
    const int tankWidth = Tank->width();
    const int tankHeight = Tank->height();
    const int water = lblWater->width();
    const int stress = lblStress->width();
    const int genki = lblGENKI->width();
    lblWater->setGeometry(tankWidth - water, tankHeight - 17, water, 17);
    lblStress->setGeometry(tankWidth - water - stress, tankHeight - 17, stress, 17);
    lblGENKI->setGeometry(tankWidth - genki - stress - water, tankHeight - 17, genki, 17);
    lblSTB->setGeometry(0, tankHeight - 17, tankWidth - water, 17);
}

void frmMain::Form_MouseDown(Qt::MouseButton button, const QPoint& position)
{
    if (button == Qt::RightButton) {
        mnuCare->popup(Tank->mapToGlobal(position));
    }
}

void frmMain::ImgVaspo_MouseMove()
{
    ++TouchCount;
    if (TouchCount >= 500) {
        model_.StrokedTooMuch();
        TouchCount = 0;
    }
    // The fish darts away; nothing is repainted until it has arrived.
    const int steps = int(std::floor(model_.random().Rnd() * 26 + 15));
    for (int i = 0; i < steps; ++i) {
        SwimStep();
        ++TouchCount;
    }
}
