#pragma once
// The real tank window and tray, wired to scripted seams.

#include <QtTest>
#include <QtWidgets>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/instance_lock.h"
#include "mainwin/tank_startup.h"
#include "mainwin/tank_surface.h"
#include "support/scripted.h"

struct TankRig : ModelRig {
    InstanceLock lock{config.path() + QStringLiteral("/VASPO.lock")};
    frmMain main{model};
    frmTray tray{main, model};
    TankStartup host{main, tray, lock, {}, program.path()};
    bool trayAvailable = true;

    TankRig()
    {
        model.AttachMainWindow(&main);
        main.AttachTray(&tray);
        main.SetStartupHost(&host);
        tray.Available = [this] { return trayAvailable; };
    }

    // Starts with a fish already stored (and `extra` values), so that start-up
    // asks nothing, and lets the window settle on screen.
    void StartWithFish(RegValues extra = {}, const QString& name = QStringLiteral("ぎんじろう"), int sex = 0)
    {
        const QString today = QString::number(Today());
        Store({{"Version", "0.32"}, {"FishName", name}, {"Sex", QString::number(sex)}, {"StartDay", today},
               {"LastRunDay", today}, {"EatFood", today}, {"WaterDay", today}, {"FormLeft", "1500"},
               {"FormTop", "1500"}, {"FormWidth", "5580"}, {"FormHeight", "3600"}});  // 372 x 240 pixels
        Store(extra);
        model.StartProcedure(host);
        main.Timer1->stop();  // tests drive the clock themselves
        QCoreApplication::processEvents();
    }

    // Captions of the windows on screen besides the tank.
    QStringList Shown() const
    {
        QStringList captions;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != &main) {
                captions.append(window->windowTitle());
            }
        }
        return captions;
    }

    // Makes the tank exactly `width` x `height` pixels.
    void SizeTank(int width, int height)
    {
        main.resize(width, height + (main.height() - main.Tank->height()));
        QCoreApplication::processEvents();
    }
};

// A key pressed as the user presses it: to the window, which hands it to its focus or its shortcuts.
inline void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

// A tank started with a stored fish.
struct Tank : TankRig {
    explicit Tank(RegValues extra = {}) { StartWithFish(extra); }
};

// A stored fish (of `sex`) in a 372 x 187 pixel tank, placed by its first swimming step with `draw`.
struct Swimming : TankRig {
    explicit Swimming(double draw = 0.5, int sex = 0)
    {
        StartWithFish({}, QStringLiteral("はなこ"), sex);
        SizeTank(372, 187);
        random.fallback = draw;
        main.SwimStep();
    }
};
