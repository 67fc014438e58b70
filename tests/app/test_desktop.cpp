// On a desktop of the test's own, a virtual X display with the openbox window
// manager and a panel at its foot: windows placed by their real frames inside
// what the panel leaves free, dialogs that take the focus, boxes that stay
// with the window the user acted in.
#include "support/windows_rig.h"

namespace {

constexpr int Panel = 32;  // pixels at the foot of the screen

// How long the window manager may take, on a busy machine, to frame, place or activate a window; each wait
// ends as soon as its condition holds.
constexpr int Settles = 30000;

#ifndef Q_OS_WIN
struct VirtualDesktop {
    QProcess server, manager;
    QTemporaryDir settings;

    // Made before the application, which then runs on this display. Each says when it is ready, however slow the
    // machine: the server (on a free display it picks) taking connections, the window manager with the usable area set.
    VirtualDesktop()
    {
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QByteArray display;
        while (!display.endsWith('\n') && server.waitForReadyRead(60000)) {
            display += server.readAll();
        }
        qputenv("DISPLAY", ":" + display.trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The window manager keeps the panel's strip out of the usable area, as it does a panel's.
        const QString config = settings.filePath("rc.xml");
        WriteAll(config, QString("<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><margins><bottom>%1</bottom>"
                                 "</margins></openbox_config>\n").arg(Panel).toUtf8());
        manager.start("openbox", {"--config-file", config, "--startup", "echo managed"});
        QByteArray said;
        while (!said.contains("managed") && manager.waitForReadyRead(60000)) {
            said += manager.readAllStandardOutput();
        }
    }
    ~VirtualDesktop()
    {
        for (QProcess* program : {&manager, &server}) {
            program->terminate();
            program->waitForFinished(5000);
        }
    }
};
#endif

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("needs an X desktop of its own: Xvfb with the openbox window manager");
#endif
    }

    void placedByTheirFrames()
    {
        WindowsRig rig;
        rig.RealBoxes();
        rig.StartWithFish();
        const QRect area(0, 0, 1024, 768 - Panel);  // the panel's strip is not for windows
        QTRY_COMPARE_WITH_TIMEOUT(UsableArea(&rig.main), area, Settles);  // once the window manager has told it
        QTRY_VERIFY_WITH_TIMEOUT(rig.main.frameGeometry().top() < rig.main.geometry().top(), Settles);  // framed
        rig.model.ShowPetMessage("となり", "ぎんじろうの独り言");
        frmMsg* msg = rig.play.MessageWindow();
        QTRY_COMPARE_WITH_TIMEOUT(msg->frameGeometry().topLeft(), rig.main.frameGeometry().topLeft() + QPoint(13, 13),
                                  Settles);

        // The smallest tank in the bottom-right corner above the panel: a window beside it is pulled back into the
        // corner, frame and all, and so is Qt's box over it.
        rig.main.resize(SmallestTank);
        QTRY_COMPARE_WITH_TIMEOUT(rig.main.size(), SmallestTank, Settles);
        rig.main.move(area.bottomRight() - QPoint(rig.main.frameGeometry().width(), rig.main.frameGeometry().height()) +
                      QPoint(1, 1));
        QTRY_COMPARE_WITH_TIMEOUT(rig.main.frameGeometry().bottomRight(), area.bottomRight(), Settles);
        rig.main.mnuOptionPic->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.pictures.Chooser()->frameGeometry().bottomRight(), area.bottomRight(), Settles);
        rig.pictures.Chooser()->close();
        QRect box;
        QTimer::singleShot(0, [&] {
            QWidget* status = QApplication::activeModalWidget();
            (void)QTest::qWaitFor([&] { return status->frameGeometry().bottomRight() == area.bottomRight(); }, Settles);
            box = status->frameGeometry();
            QTest::keyClick(status, Qt::Key_Escape);
        });
        rig.main.mnuCareLook->trigger();
        QCOMPARE(box.bottomRight(), area.bottomRight());
    }

    void dialogsTakeTheFocusBoxesStayWithTheWindowActedIn()
    {
        WindowsRig rig;
        rig.RealBoxes();
        rig.StartWithFish();
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(rig.model.AppFolder + "20261207.bmp", "BMP"));
        // Opened from the tank, a window shown on top takes the focus, and so does the album.
        rig.main.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(rig.main.isActiveWindow(), Settles);
        rig.main.mnuCareFood->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(rig.care.FoodWindow()->isActiveWindow(), Settles);
        rig.care.FoodWindow()->close();
        rig.main.mnuCarePictureView->trigger();
        frmALBUM* album = rig.pictures.Album();
        QTRY_VERIFY_WITH_TIMEOUT(album->isActiveWindow(), Settles);
        QTest::mouseClick(album->flbALBUM->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        // N answers, its text shown as it is, and the album is active again with the photo kept.
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (const QPushButton* button : box->findChildren<QPushButton*>()) {
                seen.append(button->text());
            }
            seen.append(box->parentWidget() == album && box->textFormat() == Qt::PlainText ? "album's, plain" : "?");
            QTest::keyClick(box, Qt::Key_N);
        });
        album->mnuFileDel->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(album->isActiveWindow(), Settles);
        QCOMPARE(seen, QStringList({"はい(&Y)", "いいえ(&N)", "album's, plain"}));
        QVERIFY(QFile::exists(rig.model.AppFolder + "20261207.bmp"));
    }
};

int main(int argc, char** argv)
{
#ifndef Q_OS_WIN
    VirtualDesktop desktop;
#endif
    QApplication application(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
