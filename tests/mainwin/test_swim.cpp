// Swimming, the status row and stroking the fish.
#include <QtTest>
#include <random>

#include "support/tank_rig.h"

namespace {

// Draws that give no bubbles and no random turn.
constexpr double Calm = 0.5;

}  // namespace

class TestSwim : public QObject {
    Q_OBJECT
private slots:
    void firstStepPlacesTheFishInsideTheTank_data()
    {
        QTest::addColumn<double>("draw");
        QTest::newRow("lowest") << 0.0;
        QTest::newRow("highest") << 0.999999;
    }
    void firstStepPlacesTheFishInsideTheTank()
    {
        QFETCH(double, draw);
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.random.fallback = draw;
        rig.main.SwimStep();
        QLabel* fish = rig.main.ImgVaspo;
        QVERIFY(fish->isVisible());
        QCOMPARE(fish->size(), QSize(33, 33));
        QVERIFY(fish->x() >= 0 && fish->x() + 33 <= 372);
        QVERIFY(fish->y() >= 0 && fish->y() + 33 <= 187 - 17);
        QCOMPARE(rig.main.DirX, -1);
        QCOMPARE(rig.main.DirY, -1);
        const QPoint placed = fish->pos();
        QCOMPARE(rig.main.Placed, 1);
        if (draw > 0.9) {
            QCOMPARE(placed, QPoint(372 - 33, 187 - 33 - 17));
        }
    }

    void fishTurnsAtTheWallAndFacesItsWay()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.random.fallback = Calm;
        rig.main.SwimStep();
        rig.main.ImgVaspo->move(2, 60);
        rig.main.DirX = -1;
        rig.main.DirY = 1;
        rig.main.SwimStep();
        QCOMPARE(rig.main.ImgVaspo->pos(), QPoint(-2, 61));
        QCOMPARE(rig.main.DirX, 1);
        QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoL[0]));
        rig.main.SwimStep();
        QCOMPARE(rig.main.ImgVaspo->pos(), QPoint(2, 62));
        QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoR[0]));
    }

    void fishGrowsWithAge_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("size");
        QTest::newRow("day 0") << 0 << 33;
        QTest::newRow("day 9") << 9 << 33;
        QTest::newRow("day 10") << 10 << 34;
        QTest::newRow("day 100") << 100 << 43;
    }
    void fishGrowsWithAge()
    {
        QFETCH(int, days);
        QFETCH(int, size);
        TankRig rig;
        rig.StartWithFish();
        rig.model.pet.StartDay = rig.Today() - days;
        rig.random.fallback = Calm;
        rig.main.SwimStep();
        rig.main.SwimStep();
        QCOMPARE(rig.main.ImgVaspo->size(), QSize(size, size));
    }

    void bubblesOnlyAfterTwentySteps()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.random.fallback = Calm;
        rig.main.SwimStep();
        rig.main.ImgVaspo->move(150, 80);
        // 0.1 gives k = 3, a bubble draw; the rest stay calm.
        rig.main.SwimCount = 20;
        rig.random.draws = {0.1};
        rig.main.SwimStep();
        QCOMPARE(rig.main.Tank->PendingBubbles(), 0);
        QCOMPARE(rig.main.SwimCount, 21);
        rig.random.draws = {0.1};
        rig.main.SwimStep();
        QCOMPARE(rig.main.Tank->PendingBubbles(), 4);
        QCOMPARE(rig.main.SwimCount, 0);
        // Drawn once, then gone from the list: the screen keeps them.
        rig.main.Tank->repaint();
        QCOMPARE(rig.main.Tank->PendingBubbles(), 0);
    }

    void onlyThePicturesOfItsSex()
    {
        TankRig rig;
        rig.StartWithFish("はなこ", 1);
        rig.SizeTank(200, 120);
        std::mt19937 generator(7);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 20000; ++i) {
            rig.random.draws.push_back(uniform(generator));
        }
        bool sawLeft = false;
        bool sawRight = false;
        for (int step = 0; step < 1500; ++step) {
            rig.main.SwimStep();
            sawLeft |= rig.main.ShowsPicture(rig.main.ImgVaspoL[1]);
            sawRight |= rig.main.ShowsPicture(rig.main.ImgVaspoR[1]);
            QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoL[1]) || rig.main.ShowsPicture(rig.main.ImgVaspoR[1]));
            // Never further than one step beyond a wall.
            QVERIFY(rig.main.ImgVaspo->x() >= -4 && rig.main.ImgVaspo->x() <= 200 - 33 + 4);
        }
        QVERIFY(sawLeft && sawRight);
    }

    void statusRowFillsTheBottom()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.main.lblWater->resize(45, 17);
        rig.main.lblSort();
        QCOMPARE(rig.main.lblSTB->geometry(), QRect(0, 170, 327, 17));
        QCOMPARE(rig.main.lblWater->geometry(), QRect(327, 170, 45, 17));

        // Value labels follow their texts and stay side by side.
        rig.main.ShowGenki("100.0%");
        rig.main.lblSort();
        const int wide = rig.main.lblGENKI->width();
        rig.main.ShowGenki("0.5%");
        rig.main.lblSort();
        QVERIFY(rig.main.lblGENKI->width() < wide);
        QCOMPARE(rig.main.lblGENKI->geometry().right() + 1, rig.main.lblStress->x());
        QCOMPARE(rig.main.lblStress->geometry().right() + 1, rig.main.lblWater->x());
        QCOMPARE(rig.main.lblWater->geometry().right() + 1, 372);
    }

    void resizeKeepsTheFishAboveTheStatusRow()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.random.fallback = Calm;
        rig.main.SwimStep();
        rig.main.ImgVaspo->move(330, 130);
        rig.SizeTank(300, 120);
        QCOMPARE(rig.main.ImgVaspo->pos(), QPoint(300 - 33, 120 - 33 - 17));
        QCOMPARE(rig.main.lblSTB->y(), 103);
        // A fish already inside is left where it is.
        rig.main.ImgVaspo->move(10, 10);
        rig.SizeTank(320, 150);
        QCOMPARE(rig.main.ImgVaspo->pos(), QPoint(10, 10));
    }

    void strokingTheFishAnnoysIt_data()
    {
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("male") << 0 << "あんまり、さわらないで。";
        QTest::newRow("female") << 1 << "あんまり、さわっちゃいや～ん。";
    }
    void strokingTheFishAnnoysIt()
    {
        QFETCH(int, sex);
        QFETCH(QString, complaint);
        TankRig rig;
        rig.StartWithFish("はなこ", sex);
        rig.random.fallback = Calm;  // a dash of Int(0.5 * 26 + 15) = 28 steps
        rig.main.SwimStep();
        rig.main.TouchCount = 480;
        rig.main.ImgVaspo_MouseMove();
        QCOMPARE(rig.main.TouchCount, 481 + 28);  // passed 500 within the dash
        QVERIFY(rig.main.lblSTB->text() != complaint);

        rig.model.StatusTicks = 30;
        rig.main.ImgVaspo_MouseMove();
        QCOMPARE(rig.main.lblSTB->text(), complaint);
        QCOMPARE(rig.main.TouchCount, 28);  // restarted, then this event's dash
        QCOMPARE(rig.model.StatusTicks, 0);
        QVERIFY(rig.model.pet.Stress > 0);
        QVERIFY(rig.model.pet.Speed < 667);
    }

    void rightClickOnOpenWaterOnly()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.SizeTank(372, 187);
        rig.random.fallback = 0.0;
        rig.main.SwimStep();  // fish at 0, 0
        QTest::mouseClick(rig.main.ImgVaspo, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!rig.main.mnuCare->isVisible());
        QTest::mouseClick(rig.main.lblSTB, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!rig.main.mnuCare->isVisible());
        QTest::mouseClick(rig.main.Tank, Qt::LeftButton, {}, QPoint(200, 90));
        QVERIFY(!rig.main.mnuCare->isVisible());
        QTest::mouseClick(rig.main.Tank, Qt::RightButton, {}, QPoint(200, 90));
        QVERIFY(rig.main.mnuCare->isVisible());
        rig.main.mnuCare->close();
    }
};

QTEST_MAIN(TestSwim)
#include "test_swim.moc"
