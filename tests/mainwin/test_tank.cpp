// Start-up of the real window, the clock tick and closing.
#include <QtTest>

#include "support/tank_rig.h"

class TestTank : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTheTank()
    {
        TankRig rig;
        rig.dialogs.inputs = {"ななしの権兵衛"};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        rig.model.StartProcedure(rig.host);

        QVERIFY(rig.main.isVisible());
        QCOMPARE(rig.main.windowTitle(), QString("ななしの権兵衛 - ばすぽう"));
        QCOMPARE(rig.main.lblSTB->text(), QString("私の名前は、ななしの権兵衛です。可愛がってね。"));
        QVERIFY(rig.main.Timer1->isActive());
        QCOMPARE(rig.main.Timer1->interval(), 200);
        QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoL[0]));
        QCOMPARE(rig.main.ImgVaspo->size(), QSize(32, 32));
        QVERIFY(!rig.main.ImgVaspo->isVisible());  // shown by the first swimming step
        QVERIFY(rig.tray.IsLoaded());
        QCOMPARE(rig.tray.ToolTip(), QString("ばすぽう - ななしの権兵衛"));
        QCOMPARE(rig.main.lblGENKI->text(), QString("66.7%"));
        QVERIFY(!rig.main.mnuOptionTop->isChecked());
        QVERIFY(!IsTopMost(rig.main));
        // Half the (offscreen) screen, at 0, 0.
        const QRect screen = QGuiApplication::primaryScreen()->virtualGeometry();
        QCOMPARE(rig.main.size(), screen.size() / 2);
        QCOMPARE(rig.main.IsLoaded(), true);
        QCOMPARE(rig.model.NoSave, 0);
    }

    void storedOptionsAndGeometryAreApplied()
    {
        TankRig rig;
        WriteRegString(vaspo::KeyPath, "FormMode", "1");
        WriteRegString(vaspo::KeyPath, "Msgbox", "1");
        rig.StartWithFish("はなこ", 1);
        QVERIFY(rig.main.mnuOptionTop->isChecked());
        QVERIFY(IsTopMost(rig.main));
        QVERIFY(rig.main.mnuOptionMsg->isChecked());
        QVERIFY(!rig.main.mnuOptionTray->isChecked());
        QCOMPARE(rig.main.size(), QSize(372, 240));
        QCOMPARE(rig.main.pos(), QPoint(100, 100));
        QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoL[1]));
    }

    void fishDyingAtStartNeverShowsTheTank()
    {
        TankRig rig;
        rig.StoreFish();
        WriteRegString(vaspo::KeyPath, "Speed", "60");
        WriteRegString(vaspo::KeyPath, "LastRunDay", QString::number(rig.Today() - 3));
        WriteRegString(vaspo::KeyPath, "EatFood", QString::number(rig.Today() - 3));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.model.StartProcedure(rig.host));
        QVERIFY(!rig.main.isVisible());
        QVERIFY(!rig.main.Timer1->isActive());
        QVERIFY(!rig.KeyExists());
        QVERIFY(!rig.tray.IsLoaded());
    }

    void statusLineChangesEveryFiftyTicks()
    {
        TankRig rig;
        rig.StartWithFish();
        const QString greeting = rig.main.lblSTB->text();
        for (int tick = 1; tick < 50; ++tick) {
            rig.main.Timer1_Timer();
        }
        QCOMPARE(rig.main.lblSTB->text(), greeting);
        QCOMPARE(rig.model.StatusTicks, 49);
        rig.main.Timer1_Timer();
        QCOMPARE(rig.main.lblSTB->text(), rig.model.SpeechSlots[0]);  // every draw is 0 here
        QVERIFY(rig.main.lblSTB->text() != greeting);
        QCOMPARE(rig.model.StatusTicks, 0);
    }

    void dayChangesOnceAtMidnightEvenOnAFeederDay()
    {
        TankRig rig;
        rig.clock.now = QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59, 900));
        rig.StartWithFish();
        PetRecord& pet = rig.model.pet;
        pet.AutoFoodDay = rig.Today();
        pet.AutoFoods = 2;  // tomorrow is a feeder day
        rig.main.Timer1_Timer();
        QCOMPARE(pet.WaterConc, 255);

        rig.clock.now = rig.clock.now.addMSecs(200);
        rig.main.Timer1_Timer();
        QCOMPARE(pet.LastRunDay, rig.Today());
        QCOMPARE(pet.EatFoods, 0);  // the feeder's 3 is cleared by the tick
        QCOMPARE(pet.EatFood, rig.Today());
        QCOMPARE(pet.WaterConc, 250);
        for (int tick = 0; tick < 10; ++tick) {
            rig.main.Timer1_Timer();
        }
        QCOMPARE(pet.WaterConc, 250);  // once, not again
        QCOMPARE(rig.main.lblWater->text(), QString("2.0%"));
    }

    void restBonusEvery144001Ticks()
    {
        TankRig rig;
        rig.StartWithFish();
        PetRecord& pet = rig.model.pet;
        QCOMPARE(pet.Speed, 667);
        // 667 + 40; then + 40 and + 1 for the happier fish (stress -2).
        const qint16 afterBonus[] = {707, 748};
        for (int round = 1; round <= 2; ++round) {
            const qint16 before = pet.Speed;
            for (int tick = 0; tick < 144000; ++tick) {
                rig.main.Timer1_Timer();
            }
            QCOMPARE(pet.Speed, before);
            rig.main.Timer1_Timer();
            QCOMPARE(pet.Speed, afterBonus[round - 1]);
            QCOMPARE(pet.Stress, -2 * round);
            QCOMPARE(rig.main.ClockTicks, 0);
        }
    }

    void closingSavesUnlessTold()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.model.pet.Stress = -7;
        rig.registry.writes.clear();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.Form_Unload());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "Stress"), QString("-7"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FormWidth"), QString::number(rig.main.width() * 15));
        QVERIFY(!rig.tray.IsLoaded());

        TankRig unsaved;
        unsaved.StartWithFish();
        unsaved.model.NoSave = 1;
        unsaved.registry.writes.clear();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, unsaved.main.Form_Unload());
        QVERIFY(unsaved.registry.writes.isEmpty());
    }

    void minimisedTankKeepsItsStoredGeometry()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.main.showMinimized();
        QCoreApplication::processEvents();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.Form_Unload());
        QVERIFY(!rig.registry.writes.contains("FormTop"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FormWidth"), QString::number(372 * 15));
        QVERIFY(rig.registry.writes.contains("Version"));
    }

    void helpWindowClosesWithTheProgram()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.main.mnuHelpHelp_Click();
        QVERIFY(rig.main.HelpWindow()->isVisible());
        QCOMPARE(rig.main.HelpWindow()->documentTitle(), QString("ばすぽう ヘルプ"));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.Form_Unload());
        QVERIFY(!rig.main.HelpWindow()->isVisible());
    }

    void oneCopyPerUser()
    {
        TempWorld world;
        const QString path = world.config.path() + "/VASPO.lock";
        InstanceLock first(path);
        InstanceLock second(path);
        QVERIFY(!first.AnotherInstanceRunning());
        QVERIFY(!first.AnotherInstanceRunning());  // asking again (a new fish) is fine
        QVERIFY(second.AnotherInstanceRunning());
        first.Release();
        QVERIFY(!second.AnotherInstanceRunning());
    }

    void crashedCopyDoesNotBlock()
    {
        TempWorld world;
        const QString path = world.config.path() + "/VASPO.lock";
        QByteArray content;
        {
            QLockFile probe(path);
            QVERIFY(probe.tryLock(0));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            content = file.readAll();
            probe.unlock();
        }
        // The same lock, left behind by a process that is gone.
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        content.replace(0, content.indexOf('\n'), QByteArray::number(pid));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        InstanceLock lock(path);
        QVERIFY(!lock.AnotherInstanceRunning());
    }

private:
    static bool IsTopMost(const QWidget& widget)
    {
        return widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    }
};

QTEST_MAIN(TestTank)
#include "test_tank.moc"
