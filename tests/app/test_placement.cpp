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

    PlacementRig()
    {
        RealBoxes();
        StartWithFish({{"WaterDay", QString::number(Today() - 1)}});
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

// The window's own place, as each window's rule writes it.
enum class Rule { BesideTank, BelowTank, Centred, OverTank };

// The least move that brings a window of `outer` size at `place` inside
// `area`; one larger than the area shows its top-left corner.
QPoint LeastMove(const QPoint& place, const QSize& outer, const QRect& area)
{
    const auto axis = [](int at, int length, int low, int room) {
        return length > room ? low : std::clamp(at, low, low + room - length);
    };
    return {axis(place.x(), outer.width(), area.left(), area.width()),
            axis(place.y(), outer.height(), area.top(), area.height())};
}

QPoint Written(Rule rule, const QRect& tank, const QSize& outer, const QRect& area)
{
    const QPoint half(outer.width() / 2, outer.height() / 2);
    const QPoint below = tank.bottomLeft() + QPoint(0, 1);
    switch (rule) {
    case Rule::BesideTank:
        return tank.topLeft() + QPoint(13, 13);  // 200 twips
    case Rule::BelowTank:  // above where there is no room below but there is above
        return below.y() + outer.height() <= area.bottom() + 1 || tank.top() - outer.height() < area.top()
                   ? below
                   : QPoint(tank.left(), tank.top() - outer.height());
    case Rule::Centred:
        return area.center() - half;
    case Rule::OverTank:
        break;
    }
    return tank.center() - half;
}

// "" when `frame` lies where the rule and the least move put it (centring may
// differ by a pixel), else what is wrong.
QString Misplaced(Rule rule, const QRect& frame, const QRect& tank, const QRect& area)
{
    const QPoint expected = LeastMove(Written(rule, tank, frame.size(), area), frame.size(), area);
    const int slack = rule == Rule::Centred || rule == Rule::OverTank ? 1 : 0;
    const bool inside = area.contains(frame) || frame.width() > area.width() || frame.height() > area.height();
    if (frame.isValid() && inside && qAbs(frame.x() - expected.x()) <= slack &&
        qAbs(frame.y() - expected.y()) <= slack) {
        return {};
    }
    QString wrong;
    QDebug(&wrong).nospace() << "at " << frame << ", expected " << expected << " in " << area;
    return wrong;
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
        using Open = std::function<QRect()>;
        const auto window = [&](QAction* item, std::function<const QWidget*()> opened) -> Open {
            return [&rig, item, opened] { return item->trigger(), rig.Frame(opened()); };
        };
        const auto box = [&](QAction* item) -> Open { return [&rig, item] { return item->trigger(), rig.LastBox(); }; };
        const QList<std::tuple<QString, Rule, Open>> windows{
            {"chooser", Rule::BesideTank, window(rig.main.mnuOptionPic, [&] { return rig.pictures.Chooser(); })},
            {"camera", Rule::BelowTank, window(rig.main.mnuCarePicture, [&] { return rig.pictures.Camera(); })},
            {"album", Rule::Centred, window(rig.main.mnuCarePictureView, [&] { return rig.pictures.Album(); })},
            {"food", Rule::BesideTank, window(rig.main.mnuCareFood, [&] { return rig.care.FoodWindow(); })},
            {"water", Rule::BesideTank, window(rig.main.mnuCareWater, [&] { return rig.care.WaterWindow(); })},
            {"feeder", Rule::BesideTank, window(rig.main.mnuCareAutoFoods, [&] { return rig.care.FeederWindow(); })},
            {"status", Rule::OverTank, box(rig.main.mnuCareLook)},
            {"message", Rule::BesideTank,
             [&] { return rig.model.ShowPetMessage("やあ", "独り言"), rig.Frame(rig.play.MessageWindow()); }},
            {"talk", Rule::BesideTank, window(rig.main.mnuCareTalk, [&] { return rig.play.TalkWindow(); })},
            {"janken", Rule::BesideTank, window(rig.main.mnuCareJanken, [&] { return rig.play.JankenWindow(); })},
            {"about", Rule::Centred, box(rig.main.mnuHelpAbout)},
            {"help", Rule::Centred, window(rig.main.mnuHelpHelp, [&] { return rig.main.HelpWindow(); })},
        };
        QStringList wrong;
        for (const auto& [size, screen, at] : TankPlaces(rig.main.size())) {
            const QRect area = WithPanels(*Named(screen));
            rig.main.resize(size);
            rig.PutTank(area, at.x(), at.y());
            const QRect tank = rig.main.frameGeometry();
            const QString row = QString("%1x%2 %3 %4,%5 ").arg(size.width()).arg(size.height()).arg(screen).arg(
                at.x()).arg(at.y());
            if (rig.main.screen()->name() != screen || !area.contains(tank)) {
                wrong.append(row + "tank not there");
            }
            for (const auto& [name, rule, open] : windows) {
                const QString misplaced = Misplaced(rule, open(), tank, area);
                if (!misplaced.isEmpty()) {
                    wrong.append(row + name + ' ' + misplaced);
                }
                rig.CloseAllButTheTank();
            }
        }
        QCOMPARE(wrong.join('\n'), QString());
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

        // A new fish from the right screen: its two questions over the tank; every question of the start, asked
        // while the tank is away, in the middle of that screen.
        rig.CloseAllButTheTank();
        rig.main.showNormal();
        rig.PutTank(right, 1, 1);
        const QRect tank = rig.main.frameGeometry();
        rig.watcher.replies = {"Y", "Y", "Return", "Fin", "Y"};
        rig.main.mnuFileNew->trigger();
        QStringList wrong;
        for (qsizetype box = 0; box < rig.watcher.frames.size(); ++box) {
            const QRect frame = rig.watcher.frames[box];
            const QString misplaced = Misplaced(box < 2 ? Rule::OverTank : Rule::Centred, frame, tank, right);
            if (!misplaced.isEmpty()) {
                wrong.append(rig.watcher.titles[box] + ' ' + misplaced);
            }
        }
        QCOMPARE(std::tuple(rig.model.pet.FishName, rig.watcher.frames.size(), wrong),
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
