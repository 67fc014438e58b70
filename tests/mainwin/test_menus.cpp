// The file, option and help menus and the notification-area icon.
#include <QtTest>

#include "about/frm_about.h"
#include "mainwin/widget_order.h"
#include "support/tank_rig.h"
#include "storage/text_codec.h"

class TestMenus : public QObject {
    Q_OBJECT
private slots:
    void newFishNeedsTwoYeses_data()
    {
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::newRow("no at once") << QList<MsgAnswer>{MsgAnswer::No};
        QTest::newRow("no at the last") << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::No};
    }
    void newFishNeedsTwoYeses()
    {
        QFETCH(QList<MsgAnswer>, answers);
        TankRig rig;
        rig.StartWithFish();
        rig.dialogs.answers.assign(answers.begin(), answers.end());
        rig.main.mnuFileNew_Click();
        QCOMPARE(rig.dialogs.shown[0].text, QString("ぎんじろうを海に帰します。\n新しい「ばすぽう」を飼育し始めます。\n"
                                                     "現在のデータは削除されます。\nよろしいですか？"));
        QCOMPARE(rig.dialogs.shown[0].defaultButton, MsgAnswer::No);
        QCOMPARE(rig.dialogs.shown.size(), answers.size());
        QVERIFY(rig.main.isVisible());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString("ぎんじろう"));
        QCOMPARE(rig.model.pet.FishName, QString("ぎんじろう"));
        QVERIFY(rig.tray.IsLoaded());
    }

    void newFishStartsOverInTheSameWindow()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.random.fallback = 0.5;
        rig.main.SwimStep();
        const QPoint place = rig.main.ImgVaspo->pos();
        rig.main.Timer1->start();
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::No};
        rig.dialogs.inputs = {"二代目"};
        // The old fish is gone from the store before start-up asks anything.
        rig.dialogs.onMessage = [&](const MsgRequest& request) {
            if (request.title.endsWith("はじめまして！")) {
                QVERIFY(!rig.main.isVisible());
                QVERIFY(!rig.main.Timer1->isActive());
                QVERIFY(!rig.tray.IsLoaded());
                QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString());
            }
        };
        rig.main.mnuFileNew_Click();
        QCOMPARE(rig.dialogs.Titles(), QStringList({"新たに飼育", "新たに飼育・最終確認", "ばすぽう - はじめまして！",
                                                    "ばすぽうの性別を決定します"}));
        QCOMPARE(rig.dialogs.prompts.size(), 1);
        QVERIFY(rig.main.isVisible());
        QCOMPARE(rig.main.windowTitle(), QString("二代目 - ばすぽう"));
        QCOMPARE(rig.model.pet.Sex, 1);
        QCOMPARE(rig.main.ImgVaspo->pos(), place);  // the same window and swimming state
        QVERIFY(rig.main.ShowsPicture(rig.main.ImgVaspoL[1]));
        QVERIFY(rig.main.Timer1->isActive());
        QVERIFY(rig.tray.IsLoaded());
        QCOMPARE(rig.tray.ToolTip(), QString("ばすぽう - 二代目"));
    }

    void packingEndsWithoutSaving()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.model.pet.Stress = -12;
        rig.dialogs.answers = {MsgAnswer::No};
        rig.main.mnuFileSave_Click();
        QVERIFY(!QFile::exists(rig.model.MoveFilePath));
        QVERIFY(rig.KeyExists());

        rig.dialogs.answers = {MsgAnswer::Yes};
        rig.registry.writes.clear();
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.mnuFileSave_Click());
        QFile file(rig.model.MoveFilePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = DecodeCp932(file.readAll()).split("\r\n");
        QCOMPARE(lines.size(), 15);  // 14 lines, each ended
        QCOMPARE(lines[5], QString("-12"));
        QCOMPARE(lines[8], QString("ぎんじろう"));
        QVERIFY(!rig.KeyExists());
        QVERIFY(rig.registry.writes.isEmpty());
        const MsgRequest& done = rig.dialogs.shown.last();
        QCOMPARE(done.title, QString("引っ越し準備完了！"));
        QCOMPARE(done.text.split('\n')[1], QDir::toNativeSeparators(rig.model.MoveFilePath) + "に梱包しました。");
    }

    void exitAsksFirst()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.dialogs.answers = {MsgAnswer::No};
        rig.main.mnuFileExit_Click();
        QVERIFY(rig.main.isVisible());
        rig.dialogs.answers = {MsgAnswer::Yes};
        rig.model.pet.Stress = 9;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.main.mnuFileExit_Click());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "Stress"), QString("9"));
    }

    void togglesComeBackAfterTwoClicks()
    {
        TankRig rig;
        rig.StartWithFish();
        PetRecord& pet = rig.model.pet;
        rig.main.mnuOptionMsg_Click();
        QCOMPARE(pet.Msgbox, 1);
        QVERIFY(rig.main.mnuOptionMsg->isChecked());
        rig.main.mnuOptionMsg_Click();
        QCOMPARE(pet.Msgbox, 0);
        QVERIFY(!rig.main.mnuOptionMsg->isChecked());
        rig.main.mnuOptionTray_Click();
        rig.main.mnuOptionTray_Click();
        QCOMPARE(pet.MinTray, 0);
        QVERIFY(!rig.main.mnuOptionTray->isChecked());
        QVERIFY(rig.registry.writes.isEmpty() || !rig.registry.writes.contains("Msgbox"));
    }

    void stayOnTopTakesEffectAtOnce()
    {
        TankRig rig;
        rig.StartWithFish();
        QVERIFY(rig.main.windowHandle());
        rig.main.mnuOptionTop_Click();
        QVERIFY(IsKeptOnTop(&rig.main));
        QCOMPARE(rig.model.pet.FormMode, 1);
        rig.main.mnuOptionTop_Click();
        QVERIFY(!IsKeptOnTop(&rig.main));
        QVERIFY(!rig.main.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        rig.main.mnuOptionTop_Click();
        QVERIFY(IsKeptOnTop(&rig.main));
        QVERIFY(rig.main.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(rig.main.isVisible());  // not re-created on the way
        QVERIFY(rig.main.mnuOptionTop->isChecked());
    }

    void trayTips()
    {
        PetRecord pet;
        pet.FishName = "ぎんじろう";
        pet.Speed = 875;
        pet.Stress = -12;
        pet.WaterConc = 230;
        QCOMPARE(TrayValuesTip(pet), QString("ぎんじろう/87.5%/-12/9.8%"));
        pet.Speed = 1000;
        pet.Stress = 0;
        pet.WaterConc = 255;
        QCOMPARE(TrayValuesTip(pet), QString("ぎんじろう/100.0%/0/0.0%"));

        TankRig rig;
        rig.StartWithFish();
        QCOMPARE(rig.tray.ToolTip(), QString("ばすぽう - ぎんじろう"));
        rig.tray.Form_MouseMove(frmTray::MouseMoved);
        QCOMPARE(rig.tray.ToolTip(), TrayValuesTip(rig.model.pet));
        rig.model.pet.Stress = 50;
        rig.model.ChangeEnergy(0);  // a value changes: the tip follows
        QCOMPARE(rig.tray.ToolTip(), TrayValuesTip(rig.model.pet));
    }

    void doubleClickHidesAndShows()
    {
        TankRig rig;
        rig.StartWithFish();
        QCOMPARE(rig.tray.mnuTray->text(), QString("タスクトレイに入れる(&T)"));
        rig.tray.Form_MouseMove(frmTray::LeftDoubleClick);
        QVERIFY(!rig.main.isVisible());
        QCOMPARE(rig.tray.TrayHidden, 1);
        QCOMPARE(rig.tray.mnuTray->text(), QString("タスクトレイから出す(&T)"));
        rig.tray.Form_MouseMove(frmTray::RightButtonDown);
        QVERIFY(!rig.main.isVisible());
        rig.tray.Form_MouseMove(frmTray::LeftDoubleClick);
        QVERIFY(rig.main.isVisible());
        QVERIFY(!rig.main.isMinimized());
        QCOMPARE(rig.tray.TrayHidden, 0);
        QCOMPARE(rig.tray.mnuTray->text(), QString("タスクトレイに入れる(&T)"));
    }

    void minimisingToTheTrayAndBack()
    {
        TankRig rig;
        WriteRegString(vaspo::KeyPath, "MinTray", "1");
        rig.StartWithFish();
        rig.main.showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(!rig.main.isVisible());
        QCOMPARE(rig.tray.mnuTray->text(), QString("タスクトレイから出す(&T)"));
        QCOMPARE(rig.tray.TrayHidden, 0);
        rig.tray.mnuTray_Click();
        QVERIFY(rig.main.isVisible());
        QVERIFY(!rig.main.isMinimized());
        QCOMPARE(rig.main.lblWater->geometry().right() + 1, rig.main.Tank->width());
    }

    void withoutANotificationAreaMinimisingDoesNotHide()
    {
        TankRig rig;
        rig.trayAvailable = false;
        WriteRegString(vaspo::KeyPath, "MinTray", "1");
        rig.StartWithFish();
        QVERIFY(!rig.main.mnuOptionTray->isEnabled());
        QVERIFY(rig.main.mnuOptionTray->isChecked());
        rig.main.showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(rig.main.isVisible());
        QVERIFY(rig.main.isMinimized());
    }

    void trayMenuOpensOnceAtATime()
    {
        TankRig rig;
        rig.StartWithFish();
        int opened = 0;
        // While the menu is open another click arrives; it must not open a second one.
        QTimer::singleShot(0, &rig.tray, [&] {
            opened += rig.tray.mnuVaspo->isVisible();
            QCOMPARE(rig.tray.TrayMenuBusy, -1);
            rig.tray.Form_MouseMove(frmTray::LeftButtonDown);
            rig.tray.mnuVaspo->close();
        });
        rig.tray.Form_MouseMove(frmTray::LeftButtonDown);
        QCOMPARE(opened, 1);
        QCOMPARE(rig.tray.TrayMenuBusy, 0);
        QCOMPARE(rig.tray.mnuVaspo->defaultAction(), rig.tray.mnuTray);
    }

    void helpTargetsGoToTheDesktop()
    {
        TankRig rig;
        rig.StartWithFish();
        QList<QUrl> opened;
        rig.main.OpenUrl = [&](const QUrl& url) {
            opened.append(url);
            return false;  // nothing installed to handle it
        };
        rig.main.mnuHelpIntAcc_Click(0);
        rig.main.mnuHelpIntAcc_Click(2);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].scheme(), QString("mailto"));
        QCOMPARE(opened[0].path(), vaspo::AuthorMail);
        QCOMPARE(opened[1].scheme(), QString("https"));
        QVERIFY(!rig.main.mnuHelpIntAcc[1]->isEnabled());
        QVERIFY(rig.dialogs.shown.isEmpty());
        QVERIFY(rig.main.isVisible());
    }

    void helpPrefersTheFileBesideTheProgram()
    {
        TankRig rig;
        rig.StartWithFish();
        QFile own(rig.model.HelpFile);
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("<html><head><title>beside</title></head><body>x</body></html>");
        own.close();
        rig.main.mnuHelpHelp_Click();
        QCOMPARE(rig.main.HelpWindow()->documentTitle(), QString("beside"));
        QFile::remove(rig.model.HelpFile);
        rig.main.mnuHelpHelp_Click();
        QCOMPARE(rig.main.HelpWindow()->documentTitle(), QString("ばすぽう ヘルプ"));
    }

    void aboutBoxOpensCentredOnTop()
    {
        TankRig rig;
        rig.StartWithFish();
        rig.main.move(0, 0);
        QRect seen;
        bool onTop = false;
        QTimer::singleShot(0, &rig.main, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->frameGeometry();
            onTop = IsKeptOnTop(box);
            box->Command1_Click();
        });
        rig.main.mnuHelpAbout_Click();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(seen.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(seen.center().y() - screen.center().y()) <= 1);
        QVERIFY(onTop);
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
