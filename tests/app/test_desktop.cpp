// On a desktop with a window manager: windows placed by their real frames,
// dialogs that take the focus, boxes that stay with the window the user
// acted in.
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "care/care_windows.h"
#include "mainwin/qt_dialogs.h"
#include "pictures/frm_album.h"
#include "pictures/picture_windows.h"
#include "play/frm_msg.h"
#include "play/play_windows.h"
#include "support/tank_rig.h"
#include "support/virtual_desktop.h"

namespace {

struct DesktopRig : TankRig {
    CareWindows care{main};
    PlayWindows play{main, tray};
    PictureWindows pictures{main};
    QtDialogs boxes;
    DesktopRig()
    {
        dialogs.real = &boxes;
        boxes.Owner = [this] { return &main; };
        StartWithFish();
    }
};

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void placedByTheirFrames()
    {
        DesktopRig rig;
        const QRect screen = UsableArea(&rig.main);
        QTRY_VERIFY(rig.main.frameGeometry().top() < rig.main.geometry().top());  // framed
        rig.model.ShowPetMessage("となり", "ぎんじろうの独り言");
        frmMsg* msg = rig.play.MessageWindow();
        QTRY_COMPARE(msg->frameGeometry().topLeft(), rig.main.frameGeometry().topLeft() + QPoint(13, 13));
        // Near the bottom right corner it is pulled back, frame and all.
        rig.main.move(screen.bottomRight() - QPoint(120, 90));
        QTRY_COMPARE(rig.main.pos(), screen.bottomRight() - QPoint(120, 90));
        rig.model.ShowPetMessage("すみ", "ぎんじろうの独り言");
        QTRY_COMPARE(msg->frameGeometry().bottomRight(), screen.bottomRight());
        // The tank minimised: in the middle by the client size.
        rig.main.showMinimized();
        QTRY_VERIFY(rig.main.isMinimized());
        rig.model.ShowPetMessage("まんなか", "ぎんじろうの独り言");
        QTRY_COMPARE(msg->pos(), QPoint((1024 - msg->width()) / 2, (768 - msg->height()) / 2));
        // The album in the middle by its outer size.
        rig.main.mnuCarePictureView->trigger();
        const QWidget* album = rig.pictures.Album();
        QTRY_VERIFY(album->frameGeometry().top() < album->geometry().top());
        QTRY_VERIFY((album->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }

    void dialogsTakeTheFocusBoxesStayWithTheWindowActedIn()
    {
        DesktopRig rig;
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(rig.model.AppFolder + "20261207.bmp", "BMP"));
        const QList<std::pair<QAction*, QString>> items{
            {rig.main.mnuCareFood, "餌をあげる"}, {rig.main.mnuCareTalk, "ぎんじろうと会話"},
            {rig.main.mnuCarePictureView, "アルバム"}, {rig.main.mnuOptionPic, "画像の選択"}};
        for (const auto& [item, caption] : items) {
            rig.main.activateWindow();
            QTRY_VERIFY(rig.main.isActiveWindow());
            item->trigger();
            QTRY_COMPARE(QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle() : QString(),
                         caption);
            QApplication::activeWindow()->close();
        }

        rig.main.mnuCarePictureView->trigger();
        frmALBUM* album = rig.pictures.Album();
        QTRY_VERIFY(album->isActiveWindow());
        QTest::mouseClick(album->flbALBUM->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        // N answers, its text shown as it is, and the album is active again; then Y deletes.
        QStringList seen;
        const auto answer = [&](Qt::Key key) {
            QTimer::singleShot(0, [&, key] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                for (const QPushButton* button : box->findChildren<QPushButton*>()) {
                    seen.append(button->text());
                }
                seen.append(box->parentWidget() == album && box->textFormat() == Qt::PlainText ? "album's, plain"
                                                                                               : "?");
                QTest::keyClick(box, key);
            });
        };
        answer(Qt::Key_N);
        album->mnuFileDel->trigger();
        QTRY_VERIFY(album->isActiveWindow());
        QCOMPARE(seen, QStringList({"はい(&Y)", "いいえ(&N)", "album's, plain"}));
        QVERIFY(QFile::exists(rig.model.AppFolder + "20261207.bmp"));
        answer(Qt::Key_Y);
        album->mnuFileDel->trigger();
        QVERIFY(!QFile::exists(rig.model.AppFolder + "20261207.bmp"));
    }
};

int main(int argc, char** argv)
{
    VirtualDesktop desktop;
    QApplication application(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
