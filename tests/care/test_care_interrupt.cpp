// Escape and the window system's close (Alt+F4, the close box) while a water
// change or a feeding runs: the action ends and is saved, then its dialog goes.
#include <QPointer>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>

#include "care/care_windows.h"
#include "care/frm_food.h"
#include "care/frm_water.h"
#include "support/tank_rig.h"

class TestCareInterrupt : public QObject {
    Q_OBJECT
private slots:
    void careRunsToItsEnd_data()
    {
        QTest::addColumn<bool>("feeding");
        QTest::addColumn<bool>("escape");
        QTest::newRow("water change, Escape") << false << true;
        QTest::newRow("water change, Alt+F4") << false << false;
        QTest::newRow("feeding, Escape") << true << true;
        QTest::newRow("feeding, Alt+F4") << true << false;
    }

    void careRunsToItsEnd()
    {
        QFETCH(bool, feeding);
        QFETCH(bool, escape);
        TankRig rig;
        CareWindows care(rig.main);
        rig.StartWithFish({{"WaterDay", "1"}});
        (feeding ? rig.main.mnuCareFood : rig.main.mnuCareWater)->trigger();
        QDialog* dialog = feeding ? static_cast<QDialog*>(care.FoodWindow()) : care.WaterWindow();
        if (!feeding) {
            QTest::keyClick(care.WaterWindow()->hsbWaterV, Qt::Key_End);  // all of it: 101 steps
        }
        const QPointer<QDialog> alive(dialog);
        int survived = 0;  // presses the dialog outlived
        QTimer presses;
        connect(&presses, &QTimer::timeout, [&] {
            if (alive) {
                escape ? QTest::keyClick(alive, Qt::Key_Escape) : void(alive->windowHandle()->close());
                survived += bool(alive);
            }
        });
        presses.start(100);
        QTest::keyClick(dialog, Qt::Key_Return);  // the default button; the action runs in here
        presses.stop();
        QTRY_VERIFY(!alive);
        QCOMPARE(std::tuple(survived > 5, rig.main.isVisible(), ReadRegString(vaspo::KeyPath, feeding ? "EatFoods" : "WaterDay")),
                 std::tuple(true, true, feeding ? QString("1") : QString::number(rig.Today())));
    }
};

QTEST_MAIN(TestCareInterrupt)
#include "test_care_interrupt.moc"
