// The tank window: start-up, the clock tick, closing, swimming, the menus, the tray icon and the desktop setup.
#include <QMenuBar>
#include <QSystemTrayIcon>

#include "mainwin/desktop_setup.h"
#include "mainwin/widget_order.h"
#include "support/tank_rig.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

// Opens the option menu with a click on the menu bar, as the user does.
bool OpenOptions(frmMain& main)
{
    QMenuBar* bar = main.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(main.mnuOption->menuAction()).center());
    return QTest::qWaitFor([&] { return main.mnuOption->isVisible(); });
}

// Clicks the login item in the open option menu; the menu closes.
bool ClickLoginItem(frmMain& main)
{
    QTest::mouseClick(main.mnuOption, Qt::LeftButton, {}, main.mnuOption->actionGeometry(main.mnuOptionLogin).center());
    return QTest::qWaitFor([&] { return !main.mnuOption->isVisible(); });
}

// The platform chosen with the given variables (null: unset) and arguments.
QByteArray PlatformChosenFor(const char* display, const char* wayland, const char* session,
                             std::vector<const char*> arguments = {"vaspo"})
{
    qunsetenv("QT_QPA_PLATFORM");
    const std::pair<const char*, const char*> variables[] = {
        {"DISPLAY", display}, {"WAYLAND_DISPLAY", wayland}, {"XDG_SESSION_TYPE", session}};
    for (const auto& [name, value] : variables) {
        value ? qputenv(name, value) : qunsetenv(name);
    }
    PreferX11UnderWayland(int(arguments.size()), const_cast<char**>(arguments.data()));
    return qgetenv("QT_QPA_PLATFORM");
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startOptionsAndExit()
    {
        TankRig rig;
        rig.dialogs.inputs = {"ななしの権兵衛"};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        rig.model.StartProcedure(rig.host);

        QVERIFY(rig.main.isVisible() && rig.main.Timer1->isActive() && rig.tray.IsLoaded() && !IsKeptOnTop(&rig.main));
        QCOMPARE(rig.main.size(), QGuiApplication::primaryScreen()->virtualGeometry().size() / 2);  // half the screen

        // Stored options and geometry (the frame included) are applied.
        Tank stored({{"FormMode", "1"}, {"Msgbox", "1"}});
        QCOMPARE(std::tuple(stored.main.mnuOptionMsg->isChecked(), IsKeptOnTop(&stored.main),
                            QRect(stored.main.pos(), stored.main.size())),
                 std::tuple(true, true, QRect(100, 100, 372, 240)));
        // Off and on again: on top at once, and not hidden to re-create the window on the way.
        for (const bool onTop : {false, true}) {
            stored.main.mnuOptionTop->trigger();
            QCOMPARE(std::tuple(IsKeptOnTop(&stored.main), stored.model.pet.FormMode,
                                stored.main.mnuOptionTop->isChecked(), stored.main.isVisible()),
                     std::tuple(onTop, qint16(onTop), onTop, true));
        }

        // Exit saves the fish and takes the tray icon away before the program ends.
        stored.dialogs.answers = {MsgAnswer::Yes};
        stored.model.pet.Stress = -7;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, stored.main.mnuFileExit->trigger());
        QCOMPARE(std::tuple(Stored("Stress"), Stored("FormWidth"), stored.tray.IsLoaded()),
                 std::tuple(QString("-7"), QString::number(stored.main.width() * 15), false));
    }

    void statusLineEveryFiftyTicksRestBonusEvery144001()
    {
        Tank rig;
        const QString greeting = rig.main.lblSTB->text();
        const auto ticks = [&](int count) {
            for (int tick = 0; tick < count; ++tick) {
                rig.main.Timer1_Timer();
            }
        };
        ticks(49);
        QCOMPARE(rig.main.lblSTB->text(), greeting);
        ticks(1);
        QCOMPARE(rig.main.lblSTB->text(), rig.model.SpeechSlots[0]);
        // 667 + 40 on the 144001st tick, and the fish is happier (stress -2).
        ticks(144000 - 50);
        QCOMPARE(rig.model.pet.Speed, 667);
        ticks(1);
        QCOMPARE(std::tuple(rig.model.pet.Speed, rig.model.pet.Stress), std::tuple(707, -2));
    }

    void oneCopyPerUserAndACrashedCopyDoesNotBlock()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("VASPO.lock");
        InstanceLock first(path);
        InstanceLock second(path);
        // Asking again (a new fish) is fine; a second copy is refused until the first lets go.
        QCOMPARE(QList({first.Check(), first.Check(), second.Check()}),
                 QList({InstanceState::Alone, InstanceState::Alone, InstanceState::AnotherRunning}));
        first.Release();
        QCOMPARE(second.Check(), InstanceState::Alone);
        second.Release();

        // Left behind by a crash with no owner to be read: replaced. (A dead owner's pid is QLockFile's to judge.)
        QVERIFY(WriteAll(path, QByteArray()));
        QCOMPARE(InstanceLock(path).Check(), InstanceState::Alone);
    }

    void theFishInTheTank()
    {
        // At either wall the fish turns, and faces its new way from the next step.
        for (const int way : {-1, 1}) {
            Swimming rig;
            const int x = way < 0 ? 2 : 372 - 33 - 2;
            rig.main.ImgVaspo->move(x, 60);
            std::tie(rig.main.DirX, rig.main.DirY) = std::tuple(way, 1);
            rig.main.SwimStep();
            QCOMPARE(std::tuple(rig.main.ImgVaspo->pos(), int(rig.main.DirX)),
                     std::tuple(QPoint(x + 4 * way, 61), -way));
            QVERIFY(rig.main.ShowsPicture((way < 0 ? rig.main.ImgVaspoL : rig.main.ImgVaspoR)[0]));
            rig.main.SwimStep();
            QVERIFY(rig.main.ShowsPicture((way < 0 ? rig.main.ImgVaspoR : rig.main.ImgVaspoL)[0]));
        }

        // It grows a pixel every ten days.
        for (const auto& [days, size] : {std::pair{9, 33}, std::pair{10, 34}, std::pair{100, 43}}) {
            Tank rig;
            rig.model.pet.StartDay = rig.Today() - days;
            rig.random.fallback = 0.5;
            rig.main.SwimStep();
            QCOMPARE(std::tuple(days, rig.main.ImgVaspo->size()), std::tuple(days, QSize(size, size)));
        }

        Swimming rig(0.5, 1);  // a female in a 372 x 187 tank; a dash of Int(0.5 * 26 + 15) = 28 steps
        // Stroked: a touch and its dash take the count past 500; the next touch annoys it and restarts the count.
        rig.main.TouchCount = 480;
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(rig.main.ImgVaspo, &move);  // the pointer moving over the fish
        QCOMPARE(std::tuple(rig.main.TouchCount, rig.model.pet.Stress), std::tuple(481 + 28, 0));
        rig.model.StatusTicks = 30;
        QCoreApplication::sendEvent(rig.main.ImgVaspo, &move);
        QCOMPARE(std::tuple(rig.main.lblSTB->text(), rig.main.TouchCount, rig.model.StatusTicks),
                 std::tuple(QString("あんまり、さわっちゃいや～ん。"), 28, 0));
        QVERIFY(rig.model.pet.Stress > 0 && rig.model.pet.Speed < 667);

        // After a resize it is pushed back above the status row.
        rig.main.ImgVaspo->move(330, 130);
        rig.SizeTank(300, 120);
        QCOMPARE(
            std::tuple(rig.main.ImgVaspo->pos(), rig.main.lblSTB->geometry(), rig.main.lblWater->geometry().right()),
            std::tuple(QPoint(300 - 33, 120 - 33 - 17), QRect(0, 103, 300 - rig.main.lblWater->width(), 17), 299));
    }

    void newFish()
    {
        // Yes twice: start-up again, in the same window.
        Swimming rig;
        const QPoint place = rig.main.ImgVaspo->pos();
        rig.main.Timer1->start();
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::No};
        rig.dialogs.inputs = {"二代目"};
        // The old fish is gone from the store before start-up asks anything.
        rig.dialogs.onMessage = [&](const MsgRequest& request) {
            if (request.title.endsWith("はじめまして！")) {
                QVERIFY(!rig.main.isVisible() && !rig.main.IsLoaded() && !rig.main.Timer1->isActive() &&
                        !rig.tray.IsLoaded() && !rig.KeyExists());
            }
        };
        rig.main.mnuFileNew->trigger();
        // Shown and running again: the same window and swimming state, in the same place, with a female now.
        QCOMPARE(std::tuple(rig.main.isVisible(), rig.main.Timer1->isActive(), rig.tray.IsLoaded(),
                            rig.main.ImgVaspo->pos(), rig.main.pos(), rig.model.pet.FormLeft,
                            rig.main.ShowsPicture(rig.main.ImgVaspoL[1])),
                 std::tuple(true, true, true, place, QPoint(100, 100), 1500, true));
    }

    void hidingInTheTrayAndItsMenu()
    {
        Tank rig;
        std::tie(rig.model.pet.Stress, rig.model.pet.WaterConc) = std::tuple(-12, 230);
        QHelpEvent rest(QEvent::ToolTip, {}, {});  // the pointer resting on the icon
        QCoreApplication::sendEvent(rig.tray.findChild<QSystemTrayIcon*>(), &rest);
        QCOMPARE(rig.tray.ToolTip(), QString("ぎんじろう/66.7%/-12/9.8%"));
        const QString hide = "タスクトレイに入れる(&T)", show = "タスクトレイから出す(&T)";
        // A double click on the icon hides the tank and brings it back.
        for (const auto& [shown, item] : {std::pair{false, show}, std::pair{true, hide}}) {
            emit rig.tray.findChild<QSystemTrayIcon*>()->activated(QSystemTrayIcon::DoubleClick);
            QCOMPARE(std::tuple(rig.main.isVisible(), rig.tray.mnuTray->text()), std::tuple(shown, item));
        }
        // Minimised with the tray option on, it hides, and comes back un-minimised.
        rig.main.mnuOptionTray->trigger();
        rig.main.showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(rig.main.isVisible(), rig.tray.TrayHidden, rig.tray.mnuTray->text()),
                 std::tuple(false, 0, show));
        rig.tray.mnuTray->trigger();
        QCOMPARE(std::tuple(rig.main.isVisible(), rig.main.isMinimized()), std::tuple(true, false));
        // A notification area that goes away gives the hidden tank back, and takes the option.
        rig.tray.mnuTray->trigger();
        rig.trayAvailable = false;
        rig.tray.CheckTrayArea();
        QCOMPARE(std::tuple(rig.main.isVisible(), rig.main.isMinimized(), rig.main.mnuOptionTray->isEnabled()),
                 std::tuple(true, false, false));

        // Without one, minimising does not hide.
        TankRig bare;
        bare.trayAvailable = false;
        bare.StartWithFish({{"MinTray", "1"}});
        bare.main.showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(bare.main.mnuOptionTray->isEnabled(), bare.main.mnuOptionTray->isChecked(),
                            bare.main.isVisible()),
                 std::tuple(false, true, true));
    }

    // The item shows the desktop's autostart entry whoever changed it, and a click
    // turns it round; the fish's record is not written for it.
    void loginItemFollowsTheEntry()
    {
#ifdef Q_OS_WIN
        QSKIP("an XDG autostart file; Windows starts what the Run key names");
#else
        const QByteArray other = "[Desktop Entry]\nType=Application\nName=VASPO\nExec=/bin/true\n";
        // The entry put there from outside -> the item checked, and after a click.
        const QList<std::tuple<const char*, QByteArray, bool, bool>> rows{
            {"none", QByteArray(), false, true},
            {"another copy's", other + "TryExec=/bin/true\n", true, false},
            {"switched off in GNOME", other + "X-GNOME-Autostart-enabled=false\n", false, true},
            {"hidden", other + "Hidden=true\n", false, true},
            {"a FIFO, not read", "FIFO", false, true},
            {"folder blocked: told", "blocked", false, false}};
        for (const auto& [name, entry, checked, afterClick] : rows) {
            Tank rig;
            QVERIFY(OpenOptions(rig.main));
            QTest::keyClick(rig.main.mnuOption, Qt::Key_Escape);
            const QString folder = rig.config.filePath("autostart"), file = folder + "/org.example.vaspo.desktop";
            if (entry == "blocked") {
                QVERIFY(WriteAll(folder, "a file where the folder should be"));
            } else if (entry == "FIFO") {
                QVERIFY(QDir().mkpath(folder) && ::mkfifo(QFile::encodeName(file), 0600) == 0);
            } else if (!entry.isEmpty()) {
                QVERIFY(QDir().mkpath(folder) && WriteAll(file, entry));
            }
            QVERIFY(OpenOptions(rig.main));
            const bool shown = rig.main.mnuOptionLogin->isChecked();
            QVERIFY(ClickLoginItem(rig.main));
            const QByteArray tryExec = "TryExec=" + QFile::encodeName(QCoreApplication::applicationFilePath());
            QCOMPARE(std::tuple(name, shown, rig.main.mnuOptionLogin->isChecked(), QFile::exists(file),
                                ReadAll(file).split('\n').contains(tryExec), rig.dialogs.titles, rig.registry.writes),
                     std::tuple(name, checked, afterClick, afterClick, afterClick,
                                entry == "blocked" ? QStringList{"ログイン時に起動"} : QStringList(), QStringList()));
        }
#endif
    }

    // On Windows the item is the value VASPO under the Run key, which Task Manager may switch off.
    void loginItemWritesTheRunValue()
    {
#ifndef Q_OS_WIN
        QSKIP("the Run key is Windows's; elsewhere the item is an XDG autostart file");
#else
        Tank rig;  // its store's key also holds the Run key the item writes
        const QString key = RegStoreRoot() + "\\Software\\Microsoft\\Windows\\CurrentVersion";
        const QString run = "HKEY_CURRENT_USER\\" + key + "\\Run";
        const std::wstring approved = (key + "\\Explorer\\StartupApproved\\Run").toStdWString();
        const auto switchOff = [&](BYTE first) {
            HKEY handle = nullptr;
            const BYTE data[12] = {first};
            QVERIFY(RegCreateKeyExW(HKEY_CURRENT_USER, approved.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                                    nullptr) == ERROR_SUCCESS);
            QVERIFY(RegSetValueExW(handle, L"VASPO", 0, REG_BINARY, data, sizeof data) == ERROR_SUCCESS);
            RegCloseKey(handle);
        };
        const auto runValue = [&] { return QSettings(run, QSettings::NativeFormat).value("VASPO").toString(); };
        const QString quoted = '"' + QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) + '"';
        QVERIFY(OpenOptions(rig.main) && !rig.main.mnuOptionLogin->isChecked() && ClickLoginItem(rig.main));
        QCOMPARE(std::tuple(rig.main.mnuOptionLogin->isChecked(), runValue()), std::tuple(true, quoted));
        // Switched off in Task Manager: unchecked; a click switches it on again for good.
        switchOff(3);
        QVERIFY(OpenOptions(rig.main) && !rig.main.mnuOptionLogin->isChecked() && ClickLoginItem(rig.main));
        QCOMPARE(std::tuple(rig.main.mnuOptionLogin->isChecked(), runValue()), std::tuple(true, quoted));
        switchOff(2);  // switched on there
        QVERIFY(OpenOptions(rig.main) && rig.main.mnuOptionLogin->isChecked() && ClickLoginItem(rig.main));
        QCOMPARE(std::tuple(rig.main.mnuOptionLogin->isChecked(), runValue(), rig.registry.writes),
                 std::tuple(false, QString(), QStringList()));
#endif
    }

    void waylandSessionsGoThroughXWayland()
    {
        // Without XWayland to go through, Qt makes its own choice; the user's own choice stands.
        QCOMPARE(QList({PlatformChosenFor(":0", "wayland-0", "wayland"), PlatformChosenFor(":0", nullptr, "x11"),
                        PlatformChosenFor(nullptr, "wayland-0", "wayland"),
                        PlatformChosenFor(":0", "wayland-0", "wayland", {"vaspo", "-platform", "wayland"})}),
                 QList<QByteArray>({"xcb", "", "", ""}));
    }

};

QTEST_MAIN(TestMainWindow)
#include "test_mainwin.moc"
