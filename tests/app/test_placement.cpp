// Where every window opens: on the screen that holds the tank, inside what
// its panels leave free, at its own place where it fits there. Three
// screens (the primary one in the middle, one right and one left of it),
// each with a panel at the bottom and the right one with another at the top.
#include <algorithm>
#include <map>

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

struct PlacementRig : WindowsRig {
    AboutMenu about{main, tray};
    std::deque<QString> replies;  // to the boxes in turn as they open, Escape when none is left
    QList<std::pair<QString, QRect>> boxes;  // the title and frame of each box answered
    QPointer<QWidget> answered;  // a button's access key clicks it a moment later: the box stays up till then
    QTimer answering;
    std::map<QString, std::function<QRect()>> windows;  // each window of the tank's menus, opened as its menu opens it

    PlacementRig()
    {
        RealBoxes();
        StartWithFish({{"WaterDay", QString::number(Today() - 1)}});
        QObject::connect(&answering, &QTimer::timeout, [this] { Answer(); });
        answering.start(10);
        const auto window = [this](QAction* item, std::function<const QWidget*()> opened) {
            return [this, item, opened] { return item->trigger(), Frame(opened()); };
        };
        const auto box = [this](QAction* item) {
            return [this, item] { return boxes.clear(), item->trigger(), boxes.value(boxes.size() - 1).second; };
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
    void Answer()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible() || box == answered) {
            return;
        }
        answered = box;
        boxes.append({box->windowTitle(), box->frameGeometry()});
        const QString reply = Next(replies, QString("Escape"));
        if (auto* input = qobject_cast<QInputDialog*>(box); input && reply != "Escape") {
            input->setTextValue(reply);
            input->accept();
        } else {
            QTest::keyClick(box, reply == "Y" ? Qt::Key_Y : reply == "Return" ? Qt::Key_Return : Qt::Key_Escape);
        }
    }
    // The tank's frame at (fx, fy) of the usable area: 0 left or top, 1 right or bottom.
    void PutTank(const QRect& area, double fx, double fy)
    {
        const QSize room = area.size() - main.frameGeometry().size();
        main.move(area.topLeft() + QPoint(qRound(room.width() * fx), qRound(room.height() * fy)));
        QCoreApplication::processEvents();
    }
    QRect Frame(const QWidget* window) const
    {
        QCoreApplication::processEvents();
        return window && window->isVisible() ? window->frameGeometry() : QRect();
    }
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
        // The tank in each corner and at each edge's middle (0 left or top, 1 right or bottom) of each screen's
        // usable area, as stored and as small as it can be: smaller than most of the windows it opens.
        PlacementRig rig;
        QStringList wrong;
        for (const QSize size : {rig.main.size(), SmallestTank}) {
            for (const char* screen : {"Centre", "Right", "Left"}) {
                for (const QPointF at :
                     {QPointF(0, 0), {0.5, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {0.5, 1}, {1, 1}}) {
                    const QRect area = WithPanels(*Named(screen));
                    rig.main.resize(size);
                    rig.PutTank(area, at.x(), at.y());
                    QString row;
                    QDebug(&row) << size << screen << at;
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
            }
        }
        QCOMPARE(wrong.join('\n'), QString());
    }

    void eachRuleItsPlace()
    {
        // One window of each rule, from a tank inside the right screen: beside the tank (a popup and another
        // window), below it, centred on the screen, over the tank; and above a tank at the screen's foot.
        PlacementRig rig;
        QVERIFY(QImage(50, 700, QImage::Format_RGB32).save(rig.model.AppFolder + "20261206.bmp", "BMP"));  // tall
        const QRect right = WithPanels(*Named("Right"));
        rig.PutTank(right, 0.5, 0.5);
        const QRect tank = rig.main.frameGeometry();
        const auto centredOn = [](const QRect& frame, const QRect& on) {
            const QPoint off = frame.center() - on.center();  // a pixel either way when halves do not come out even
            return qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1;
        };
        const auto open = [&](const char* name) { return rig.windows.at(name)(); };
        const QPoint beside = tank.topLeft() + QPoint(13, 13);  // 200 twips
        QCOMPARE(QList({open("message").topLeft(), open("chooser").topLeft(), open("camera").topLeft()}),
                 QList({beside, beside, tank.bottomLeft() + QPoint(0, 1)}));
        QVERIFY(centredOn(open("album"), right) && centredOn(open("status"), tank));
        rig.CloseAllButTheTank();
        rig.PutTank(right, 0.5, 1);
        QCOMPARE(open("camera").bottomLeft(), rig.main.frameGeometry().topLeft() - QPoint(0, 1));

        // The album grown to the tall photo on the left screen shows its top-left corner there.
        rig.CloseAllButTheTank();
        const QRect left = WithPanels(*Named("Left"));
        rig.PutTank(left, 1, 1);
        open("album");
        QTest::mouseClick(rig.pictures.Album()->flbALBUM->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        const QRect frame = rig.Frame(rig.pictures.Album());
        QCOMPARE(std::tuple(frame.height() > left.height(), frame.top(), left.contains(frame.topRight())),
                 std::tuple(true, left.top(), true));
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
        rig.replies = {"Y", "Y", "Return", "Fin", "Y"};
        rig.main.mnuFileNew->trigger();
        QStringList outside;
        for (const auto& [title, frame] : rig.boxes) {
            if (!Inside(frame, right)) {
                outside.append(title);
            }
        }
        QCOMPARE(std::tuple(rig.model.pet.FishName, rig.boxes.size(), outside),
                 std::tuple(QString("Fin"), 5, QStringList()));
    }

    void storedPlaceUnderAPanelComesBackOnItsScreen()
    {
        // A title bar stored under the right screen's top panel comes back below it, on that screen.
        TankRig rig;
        rig.StartWithFish({{"FormLeft", QString::number(2100 * 15)}, {"FormTop", QString::number(10 * 15)}});
        QCOMPARE(std::tuple(rig.main.screen()->name(), WithPanels(*Named("Right")).contains(rig.main.frameGeometry())),
                 std::tuple(QString("Right"), true));
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
