// The camera, the album and the background picture.
#include <QListWidget>
#include <QPushButton>

#include "pictures/frm_album.h"
#include "pictures/frm_photo.h"
#include "pictures/frm_pic.h"
#include "pictures/picture_windows.h"
#include "support/tank_rig.h"

namespace {

struct PictureRig : TankRig {
    PictureWindows pictures{main};
    PictureRig() { StartWithFish(); }
    QString Folder() const { return model.AppFolder; }
    void Picture(const QString& name, const QSize& size) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(Folder() + name, "BMP"));
    }
};

void Click(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void cameraDevelopsTheTankAsItWasOpened()
    {
        PictureRig rig;
        rig.main.mnuCarePicture->trigger();
        frmPhoto* camera = rig.pictures.Camera();
        const QRect tank = rig.main.frameGeometry();
        // The date is shown on the tank.
        QCOMPARE(std::tuple(rig.main.lblDate->isVisible(), rig.main.lblDate->text()),
                 std::tuple(true, QString("2026/12/06 飼育日数: 1日")));

        // A shot of the tank, then a smaller tank of another colour: the rest of the first stays.
        const auto shoot = [&](const QColor& water) {
            rig.main.Tank->SetWaterColour(water);
            QCoreApplication::processEvents();
            QTest::mouseClick(camera->cmbPhoto, Qt::LeftButton);
        };
        shoot(QColor(0, 255, 255));
        rig.SizeTank(200, 100);
        shoot(Qt::red);
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        const QImage photo(rig.model.PhotoPath());
        QCOMPARE(photo.size(), tank.size());
        const QPoint inner = rig.main.geometry().topLeft() - rig.main.frameGeometry().topLeft() +
                             rig.main.Tank->mapTo(&rig.main, QPoint(0, 0)) + QPoint(100, 50);
        QCOMPARE(std::tuple(photo.pixelColor(inner), photo.pixelColor(tank.width() - 3, tank.height() / 2)),
                 std::tuple(QColor(Qt::red), QColor(0, 255, 255)));  // the right edge from the first shot

        // Developed again the same day: one file, the later picture.
        shoot(Qt::blue);
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        QCOMPARE(std::tuple(QDir(rig.Folder()).entryList({"*.bmp"}), QImage(rig.model.PhotoPath()).pixelColor(inner)),
                 std::tuple(QStringList("20261206.bmp"), QColor(Qt::blue)));

        // A folder that cannot be written (a file stands in its place) is told by the camera, and nothing else happens.
        QVERIFY(WriteAll(rig.Folder() + "taken", "a file"));
        rig.model.AppFolder = rig.Folder() + "taken/";
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        const MsgRequest told = rig.dialogs.shown.value(0);
        QCOMPARE(std::tuple(rig.dialogs.shown.size(), Described(told), told.owner),
                 std::tuple(1, "「ばすぽう」カメラ|" + QDir::toNativeSeparators(rig.model.PhotoPath()) + "\nに写真を保存できませんでした。|critical|OK",
                            static_cast<QObject*>(camera)));
        QTest::mouseClick(camera->cmbClose, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!rig.main.lblDate->isVisible() && !rig.pictures.Camera());
    }

    void albumListsShowsAndDeletes()
    {
        PictureRig rig;
        for (const char* name : {"1.bmp", "20250101.BMP", "x.bmp", "3.bmp", "2.txt"}) {
            rig.Picture(name, {40, 30});
        }
        rig.Picture("20250102.bmp", {50, 230});  // taller than 3600 twips only with the borders
        rig.main.mnuCarePictureView->trigger();
        frmALBUM* album = rig.pictures.Album();
        QCOMPARE(std::tuple(album->flbALBUM->count(), album->flbALBUM->item(0)->text(),
                            album->flbALBUM->item(2)->text()),  // 20250101.BMP between them is deleted below
                 std::tuple(3, QString("1.bmp"), QString("20250102.bmp")));

        // Never lower than 3600 twips (240 pixels); taller with a tall picture.
        Click(album->flbALBUM, 0);
        const int borders = OuterSize(album, &rig.main).height() - album->centralWidget()->height();
        QCOMPARE(std::tuple(OuterSize(album, &rig.main).height(), album->flbALBUM->height(), album->width()),
                 std::tuple(240, 240 - borders, 104 + 40));
        Click(album->flbALBUM, 2);
        QCOMPARE(std::tuple(album->imgALBUM->size(), album->flbALBUM->height(), OuterSize(album, &rig.main).height()),
                 std::tuple(QSize(50, 230), 230, borders + 230));
        // Yes deletes the chosen photo from the folder and the list.
        Click(album->flbALBUM, 1);
        rig.dialogs.answers = {MsgAnswer::Yes};
        album->mnuFileDel->trigger();
        QCOMPARE(std::tuple(QFile::exists(rig.Folder() + "20250101.BMP"), album->flbALBUM->count()),
                 std::tuple(false, 2));
    }

    void backgroundPicture()
    {
        PictureRig rig;
        QDir(rig.Folder()).mkpath("Pics/Deep");
        rig.Picture("Pics/Fish.bmp", {30, 20});
        rig.Picture("Pics/sea.RLE", {30, 20});
        rig.Picture("Pics/other.png", {30, 20});
        const QString started = QDir::currentPath();
        QDir::setCurrent(rig.Folder());  // the lists start where the program runs
        rig.main.mnuOptionPic->trigger();
        QDir::setCurrent(started);
        frmPic* chooser = rig.pictures.Chooser();
        QCOMPARE(chooser->size(), QSize(274, 192));
        const QList<QListWidgetItem*> pics = chooser->dirPic->findItems(" Pics", Qt::MatchEndsWith);
        QCOMPARE(pics.size(), 1);
        Click(chooser->dirPic, chooser->dirPic->row(pics.first()));
        Press(chooser, Qt::Key_Return);  // opens the folder (OK, the default, has no file yet)
        QCOMPARE(chooser->flbPic->count(), 2);  // Fish.bmp and sea.RLE
        QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);  // nothing chosen: it stays open
        QVERIFY(chooser->isVisible());

        Click(chooser->flbPic, 0);
        QCOMPARE(chooser->pcbPic->pixmap().size(), QSize(30, 20));
        QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);
        QCoreApplication::processEvents();
        // Kept as chosen, letter case and all: on Linux that is the file's only name. Windows keeps
        // its own spelling, in capitals.
        const QString chosen = QDir(rig.Folder()).canonicalPath() + "/Pics/Fish.bmp";
#ifdef Q_OS_WIN
        const QString kept = QDir::toNativeSeparators(chosen).toUpper();
#else
        const QString kept = chosen;
#endif
        QCOMPARE(std::tuple(rig.model.pet.PicFileName, Stored("PicFileName"), rig.main.Tank->HasPicture(),
                            rig.pictures.Chooser()),
                 std::tuple(kept, kept, true, nullptr));

        rig.main.mnuOptionPic->trigger();
        QTest::mouseClick(rig.pictures.Chooser()->cmdDEF, Qt::LeftButton);
        QVERIFY(rig.model.pet.PicFileName.isEmpty() && Stored("PicFileName").isEmpty() && !rig.main.Tank->HasPicture());
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
