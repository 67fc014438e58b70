// Where every window opens: on the screen that holds the tank, inside what
// its panels leave free, at its own place where it fits there. Three
// screens (the primary one in the middle, one right and one left of it),
// each with a panel at the bottom and the right one with another at the top.
#include <algorithm>

#include "about/about_menu.h"
#include "support/windows_rig.h"

namespace {

// The first by name is the primary one. No negative coordinates: the
// offscreen platform pushes a window there back by its frame.
const char* const Screens = R"({"screens": [
    {"name": "Centre", "x": 800, "y": 0, "width": 1024, "height": 768},
    {"name": "Right", "x": 1824, "y": 0, "width": 1280, "height": 1024},
    {"name": "Left", "x": 0, "y": 168, "width": 800, "height": 600}]})";

QRect WithPanels(const QScreen& screen)
{
    return screen.geometry().adjusted(0, screen.name() == "Right" ? 28 : 0, 0, -32);
}

QScreen* Named(const QString& name)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return *std::find_if(screens.begin(), screens.end(), [&](const QScreen* s) { return s->name() == name; });
}

// Answers each box as it opens, with the next of `replies` (Escape when there
// is none), and notes its title and frame.
struct BoxWatcher {
    std::deque<QString> replies;
    QStringList titles;
    QList<QRect> frames;
    QPointer<QWidget> answered;
    QTimer timer;

    BoxWatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { Answer(); });
        timer.start(10);
    }
    void Answer()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || box == answered) {
            return;
        }
        answered = box;
        titles.append(box->windowTitle());
        frames.append(box->frameGeometry());
        const QString reply = Next(replies, QString("Escape"));
        if (auto* input = qobject_cast<QInputDialog*>(box); input && reply != "Escape") {
            input->setTextValue(reply);
            input->accept();
        } else {
            QTest::keyClick(box, reply == "Y" ? Qt::Key_Y : reply == "Return" ? Qt::Key_Return : Qt::Key_Escape);
        }
    }
};

struct PlacementRig : WindowsRig {
    AboutMenu about{main, tray};
    BoxWatcher watcher;
    using Opener = std::function<QRect()>;
    QList<std::pair<QString, Opener>> windows;  // each window of the tank's menus, opened as its menu opens it

    PlacementRig()
    {
        RealBoxes();
        StartWithFish({{"WaterDay", QString::number(Today() - 1)}});
        const auto window = [this](QAction* item, std::function<const QWidget*()> opened) -> Opener {
            return [this, item, opened] { return item->trigger(), Frame(opened()); };
        };
        const auto box = [this](QAction* item) -> Opener {
            return [this, item] { return item->trigger(), LastBox(); };
        };
        windows = {{"chooser", window(main.mnuOptionPic, [this] { return pictures.Chooser(); })},
                   {"camera", window(main.mnuCarePicture, [this] { return pictures.Camera(); })},
                   {"album", window(main.mnuCarePictureView, [this] { return pictures.Album(); })},
                   {"food", window(main.mnuCareFood, [this] { return care.FoodWindow(); })},
                   {"water", window(main.mnuCareWater, [this] { return care.WaterWindow(); })},
                   {"feeder", window(main.mnuCareAutoFoods, [this] { return care.FeederWindow(); })},
                   {"status", box(main.mnuCareLook)},
                   {"message", [this] { return model.ShowPetMessage("やあ", "独り言"), Frame(play.MessageWindow()); }},
                   {"talk", window(main.mnuCareTalk, [this] { return play.TalkWindow(); })},
                   {"janken", window(main.mnuCareJanken, [this] { return play.JankenWindow(); })},
                   {"about", box(main.mnuHelpAbout)},
                   {"help", window(main.mnuHelpHelp, [this] { return main.HelpWindow(); })}};
    }
    QRect Open(const QString& name)
    {
        const auto named = std::find_if(windows.begin(), windows.end(), [&](const auto& w) { return w.first == name; });
        return named->second();
    }
    // The tank's frame at (fx, fy) of the usable area: 0 left or top, 1 right or bottom.
    void PutTank(const QRect& area, double fx, double fy)
    {
        const QSize room = area.size() - main.frameGeometry().size();
        const QPoint want = area.topLeft() + QPoint(qRound(room.width() * fx), qRound(room.height() * fy));
        main.move(want);
        QCoreApplication::processEvents();
    }
    QRect Frame(const QWidget* window) const
    {
        QCoreApplication::processEvents();
        return window && window->isVisible() ? window->frameGeometry() : QRect();
    }
    QRect LastBox() const { return watcher.frames.value(watcher.frames.size() - 1); }
    void CloseAllButTheTank()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != &main) {
                window->close();
            }
        }
        QCoreApplication::processEvents();
    }
};

// The frame lies inside the area, or shows its top-left corner there when it is larger.
bool Inside(const QRect& frame, const QRect& area)
{
    const bool larger = frame.width() > area.width() || frame.height() > area.height();
    return frame.isValid() && (area.contains(frame) || (larger && area.contains(frame.topLeft())));
}

// The tank at each corner and edge midpoint (0 left or top, 1 right or bottom) of each screen's usable area, as
// stored and as small as it can be: smaller than most of the windows it opens.
QList<std::tuple<QSize, QString, QPointF>> TankPlaces(const QSize& stored)
{
    QList<std::tuple<QSize, QString, QPointF>> places;
    for (const QSize& size : {stored, SmallestTank}) {
        for (const char* screen : {"Centre", "Right", "Left"}) {
            for (const QPointF at : {QPointF(0, 0), {0.5, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {0.5, 1}, {1, 1}}) {
                places.append({size, screen, at});
            }
        }
    }
    return places;
}

}  // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(std::tuple(QGuiApplication::screens().size(), QGuiApplication::primaryScreen()->name()),
                 std::tuple(3, QString("Centre")));
        AvailableGeometry = WithPanels;
    }

    void everyWindowOpensInsideTheTanksScreen()
    {
        PlacementRig rig;
        QStringList wrong;
        for (const auto& [size, screen, at] : TankPlaces(rig.main.size())) {
            const QRect area = WithPanels(*Named(screen));
            rig.main.resize(size);
            rig.PutTank(area, at.x(), at.y());
            const QString row = QString("%1x%2 %3 %4,%5 ").arg(size.width()).arg(size.height()).arg(screen).arg(
                at.x()).arg(at.y());
            if (rig.main.screen()->name() != screen || !area.contains(rig.main.frameGeometry())) {
                wrong.append(row + "tank not there");
            }
            for (const auto& [name, open] : rig.windows) {
                const QRect frame = open();
                if (!Inside(frame, area)) {
                    QDebug(&wrong.emplace_back(row + name + ':')) << frame << "outside" << area;
                }
                rig.CloseAllButTheTank();
            }
        }
        QCOMPARE(wrong.join('\n'), QString());
    }

    void eachRuleItsPlace()
    {
        // One window of each rule, from a tank inside the right screen: beside the tank (a popup and another
        // window), below it, centred on the screen, over the tank; and above a tank at the screen's foot.
        PlacementRig rig;
        const QRect right = WithPanels(*Named("Right"));
        rig.PutTank(right, 0.5, 0.5);
        const QRect tank = rig.main.frameGeometry();
        const auto centredOn = [](const QRect& frame, const QRect& on) {
            const QPoint off = frame.center() - on.center();  // a pixel either way when halves do not come out even
            return qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1;
        };
        const QPoint beside = tank.topLeft() + QPoint(13, 13);  // 200 twips
        QCOMPARE(QList({rig.Open("message").topLeft(), rig.Open("chooser").topLeft(), rig.Open("camera").topLeft()}),
                 QList({beside, beside, tank.bottomLeft() + QPoint(0, 1)}));
        QVERIFY(centredOn(rig.Open("album"), right) && centredOn(rig.Open("status"), tank));
        rig.CloseAllButTheTank();
        rig.PutTank(right, 0.5, 1);
        QCOMPARE(rig.Open("camera").bottomLeft(), rig.main.frameGeometry().topLeft() - QPoint(0, 1));
    }

    void unseenTankKeepsItsScreen()
    {
        // Minimised on the right screen: the fish's message in the middle of that screen, by its client size.
        PlacementRig rig;
        const QRect right = WithPanels(*Named("Right"));
        rig.PutTank(right, 0.2, 0.2);
        rig.main.showMinimized();
        QCoreApplication::processEvents();
        rig.model.ShowPetMessage("やあ", "独り言");
        const QWidget* msg = rig.play.MessageWindow();
        const QSize room = right.size() - msg->size();
        QCOMPARE(rig.Frame(msg).topLeft(), right.topLeft() + QPoint(room.width() / 2, room.height() / 2));

        // A new fish from the right screen: its two questions over the tank, and every question of the start,
        // asked while the tank is away, on that screen.
        rig.CloseAllButTheTank();
        rig.main.showNormal();
        rig.PutTank(right, 1, 1);
        rig.watcher.replies = {"Y", "Y", "Return", "Fin", "Y"};
        rig.main.mnuFileNew->trigger();
        QStringList outside;
        for (qsizetype box = 0; box < rig.watcher.frames.size(); ++box) {
            if (!Inside(rig.watcher.frames[box], right)) {
                outside.append(rig.watcher.titles[box]);
            }
        }
        QCOMPARE(std::tuple(rig.model.pet.FishName, rig.watcher.frames.size(), outside),
                 std::tuple(QString("Fin"), 5, QStringList()));
    }

    void tallPhotoShowsTheAlbumsTopLeftCorner()
    {
        PlacementRig rig;
        const QRect left = WithPanels(*Named("Left"));
        QImage tall(50, 700, QImage::Format_RGB32);
        tall.fill(Qt::red);
        QVERIFY(tall.save(rig.model.AppFolder + "20261206.bmp", "BMP"));
        rig.PutTank(left, 1, 1);
        rig.main.mnuCarePictureView->trigger();
        frmALBUM* album = rig.pictures.Album();
        const QListWidget* list = album->flbALBUM;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        const QRect frame = rig.Frame(album);
        QCOMPARE(std::tuple(frame.height() > left.height(), frame.top(), left.contains(frame.topRight())),
                 std::tuple(true, left.top(), true));
    }

    void storedPlaceUnderAPanelComesBackOnItsScreen()
    {
        // A title bar stored under the right screen's top panel comes back below it, on that screen.
        const QRect right = WithPanels(*Named("Right"));
        TankRig rig;
        rig.StartWithFish({{"FormLeft", QString::number(2100 * 15)}, {"FormTop", QString::number(10 * 15)}});
        const QRect tank = rig.main.frameGeometry();
        QVERIFY2(right.contains(tank) && rig.main.screen() == Named("Right"),
                 qPrintable(QString("%1,%2").arg(tank.x()).arg(tank.y())));
    }
};

int main(int argc, char** argv)
{
    // Read from the working folder: the platform's options are separated by colons, as a drive letter is.
    const QString config = "test_placement_screens.json";
    if (!WriteAll(config, Screens)) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toUtf8());
    QApplication application(argc, argv);
    QFile::remove(config);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_placement.moc"
