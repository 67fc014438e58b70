// The clock tick and the fish's swimming.
#include <QLabel>
#include <cmath>

#include "mainwin/frm_main.h"
#include "mainwin/tank_surface.h"

namespace {

int Int(double value)
{
    return int(std::floor(value));
}

}  // namespace

void frmMain::Timer1_Timer()
{
    SwimStep();
    model_.ClockTick();
}

void frmMain::SwimStep()
{
    RandomSource& random = model_.random();
    const PetRecord& pet = model_.pet;

    // One pixel more every ten days of age.
    // (A start day far off, by a clock set wrong, must not make a giant.)
    const int size = int(qBound(1.0, std::floor((model_.DaysKept() - 1) / 10.0) + 33, 4096.0));
    if (size != ImgVaspo->width()) {
        ImgVaspo->resize(size, size);
    }
    const int tankWidth = Tank->width();
    const int tankHeight = Tank->height();
    const int w = ImgVaspo->width();
    const int h = ImgVaspo->height();
    const int rowHeight = lblSTB->height();

    if (Placed != 1) {
        random.Randomize();
        const double r1 = random.Rnd();
        const double r2 = random.Rnd();
        const int x = Int((tankWidth - w + 1) * r1);
        const int y = Int((tankHeight - h - rowHeight + 1) * r2);
        DirX = -1;
        DirY = -1;
        Placed = 1;
        ImgVaspo->move(x, y);
        ImgVaspo->show();
        return;
    }

    SyncFishPicture();
    const QPoint at = FishPos();
    const int x0 = at.x();
    const int y0 = at.y();
    if (DirX == 1 && !ShowsPicture(ImgVaspoR[pet.Sex])) {
        ShowFishPicture(ImgVaspoR[pet.Sex]);
    } else if (DirX == -1 && !ShowsPicture(ImgVaspoL[pet.Sex])) {
        ShowFishPicture(ImgVaspoL[pet.Sex]);
    }

    random.Randomize();
    const int k = Int(random.Rnd() * 29 + 1);
    if (k % 3 == 0 && SwimCount > 20) {
        BlowBubbles(x0, w, h);
        SwimCount = -1;
    }
    ++SwimCount;

    SetFishPos(QPoint(x0 + 4 * DirX, y0 + DirY));

    random.Randomize();
    const int a = RandomTurn();
    const int b = RandomTurn();
    const int left = x0 + 4 * DirX;
    const int top = y0 + DirY;
    if (left < 0 || left > tankWidth - w || (a == 0 && SwimCount > 10)) {
        DirX = qint16(-DirX);
    }
    if (top < 0 || top > tankHeight - (rowHeight + h) || (b == 0 && SwimCount > 10)) {
        DirY = qint16(-DirY);
    }
}

QPoint frmMain::FishPos() const
{
    return unseenFish_ ? *unseenFish_ : ImgVaspo->pos();
}

void frmMain::SetFishPos(const QPoint& place)
{
    if (OutOfSight()) {
        unseenFish_ = place;
    } else {
        ImgVaspo->move(place);
    }
}

void frmMain::SyncFishPicture()
{
    if (unseenFish_ && !OutOfSight()) {
        ImgVaspo->move(*unseenFish_);
        unseenFish_.reset();
    }
}

void frmMain::BlowBubbles(int x0, int w, int h)
{
    RandomSource& random = model_.random();
    const int top = FishPos().y();
    const bool seen = !OutOfSight();  // rings drawn on a tank out of sight would only pile up
    for (int bubble = 4; bubble <= 10; bubble += 2) {
        const int radius = Int(h / 15.0);
        int x = DirX == 1 ? x0 + w : x0;
        x += DirX * Int(random.Rnd() * (6 * radius - radius / 2.0 + 1) + radius / 2.0);
        const int y = (top + h) - Int(random.Rnd() * (2 * h / 3.0 - h / 3.0 + 1) + h / 3.0);
        if (seen) {
            Tank->DrawBubble(x, y, radius);
        }
    }
}

// Zero about once in 24: a dividend of 1 to 100 against a divisor of 20 to 25.
int frmMain::RandomTurn()
{
    RandomSource& random = model_.random();
    const int dividend = Int(random.Rnd() * 100 + 1);
    const int divisor = Int(random.Rnd() * 6 + 20);
    return dividend % divisor;
}
