// The camera, the album and the background picture.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

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
    void Picture(const QString& name, const QSize& size, const QColor& colour = Qt::red) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(Folder() + name, "BMP"));
    }
};

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
        // The date stands on the status row; the camera right below the tank.
        QCOMPARE(std::tuple(rig.main.lblDate->isVisible(), rig.main.lblDate->text(),
                            rig.main.lblDate->geometry().bottom() + 1, camera->pos()),
                 std::tuple(true, QString("2026/12/06 飼育日数: 1日"), rig.main.Tank->height() - 17,
                            tank.bottomLeft() + QPoint(0, 1)));

        // A shot of the tank, then a smaller tank of another colour: the rest of the first stays.
        camera->cmbPhoto_Click();
        rig.main.Tank->SetWaterColour(Qt::red);
        rig.SizeTank(200, 100);
        camera->cmbPhoto_Click();
        camera->cmbPhotoPrn_Click();
        const QImage photo(rig.model.PhotoPath());
        QCOMPARE(std::tuple(photo.size(), ReadAll(rig.model.PhotoPath()).mid(28, 2)),
                 std::tuple(tank.size(), QByteArray("\x18\x00", 2)));  // 24 bits a pixel
        const QPoint inner = rig.main.geometry().topLeft() - rig.main.frameGeometry().topLeft() +
                             rig.main.Tank->mapTo(&rig.main, QPoint(0, 0));
        QCOMPARE(photo.pixelColor(inner + QPoint(100, 50)), QColor(Qt::red));
        QCOMPARE(photo.pixelColor(tank.width() - 3, tank.height() / 2), QColor(0, 255, 255));  // from the first shot

        // Developed again the same day: one file, the later picture.
        camera->cmbPhoto_Click();
        rig.main.Tank->SetWaterColour(Qt::blue);
        QCoreApplication::processEvents();
        camera->cmbPhoto_Click();
        camera->cmbPhotoPrn_Click();
        QCOMPARE(QDir(rig.Folder()).entryList({"*.bmp"}), QStringList("20261206.bmp"));
        QCOMPARE(QImage(rig.model.PhotoPath()).pixelColor(inner + QPoint(100, 50)), QColor(Qt::blue));

        // A folder that cannot be written (a file stands in its place) is told, and nothing else happens.
        QVERIFY(WriteAll(rig.Folder() + "taken", "a file"));
        rig.model.AppFolder = rig.Folder() + "taken/";
        camera->cmbPhotoPrn_Click();
        QVERIFY(rig.dialogs.texts.size() == 1 && rig.dialogs.texts[0].startsWith(rig.model.PhotoPath()));
        camera->cmbClose_Click();
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
        QStringList listed;
        for (int i = 0; i < album->flbALBUM->count(); ++i) {
            listed.append(album->flbALBUM->item(i)->text());
        }
        QCOMPARE(listed, QStringList({"1.bmp", "20250101.BMP", "20250102.bmp"}));

        // Never lower than 3600 twips (240 pixels); taller with a tall picture.
        const int lowest = 240;
        album->flbALBUM->setCurrentRow(0);
        const int borders = OuterSize(album, &rig.main).height() - album->centralWidget()->height();
        QCOMPARE(std::tuple(OuterSize(album, &rig.main).height(), album->flbALBUM->height(), album->width()),
                 std::tuple(lowest, lowest - borders, 104 + 40));
        album->flbALBUM->setCurrentRow(2);
        QCOMPARE(std::tuple(album->imgALBUM->size(), album->flbALBUM->height(), OuterSize(album, &rig.main).height()),
                 std::tuple(QSize(50, 230), 230, borders + 230));
        // Not a picture: the last one stays.
        WriteAll(rig.Folder() + "1.bmp", "no picture");
        album->flbALBUM->setCurrentRow(0);
        QCOMPARE(album->imgALBUM->size(), QSize(50, 230));

        // Deleting asks for a photo, then for a yes.
        album->flbALBUM->clearSelection();
        album->mnuFileDel_Click();
        album->flbALBUM->setCurrentRow(1);
        rig.dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
        album->mnuFileDel_Click();
        QVERIFY(QFile::exists(rig.Folder() + "20250101.BMP"));
        album->mnuFileDel_Click();
        QCOMPARE(std::tuple(rig.dialogs.titles.value(0), rig.dialogs.texts.value(1), album->flbALBUM->count()),
                 std::tuple(QString("写真を選択して下さい"), rig.Folder() + "20250101.BMPを削除してよろしいですか", 2));
        QVERIFY(!QFile::exists(rig.Folder() + "20250101.BMP"));
    }

    void backgroundPicture()
    {
        PictureRig rig;
        QDir(rig.Folder()).mkdir("Pics");
        rig.Picture("Pics/Fish.bmp", {30, 20});
        rig.Picture("Pics/sea.RLE", {30, 20});
        rig.Picture("Pics/other.png", {30, 20});
        rig.main.move(300, 200);
        rig.main.mnuOptionPic->trigger();
        frmPic* chooser = rig.pictures.Chooser();
        QCOMPARE(std::tuple(chooser->size(), chooser->pos()), std::tuple(QSize(274, 192), QPoint(313, 213)));
        QVERIFY(chooser->drvPic->findText(QDir::rootPath()) >= 0 && chooser->drvPic->findText(QDir::homePath()) >= 0);
        chooser->OpenFolder(rig.Folder());
        const QList<QListWidgetItem*> pics = chooser->dirPic->findItems(" Pics", Qt::MatchEndsWith);
        QCOMPARE(pics.size(), 1);
        emit chooser->dirPic->itemActivated(pics.first());
        QCOMPARE(chooser->flbPic->count(), 2);  // Fish.bmp and sea.RLE
        chooser->cmdOK_Click();  // nothing chosen: it stays open
        QVERIFY(chooser->isVisible());

        chooser->flbPic->setCurrentRow(0);
        QCOMPARE(chooser->pcbPic->pixmap().size(), QSize(30, 20));
        chooser->cmdOK_Click();
        QCoreApplication::processEvents();
        // Kept as chosen, letter case and all: on Linux that is the file's only name.
        QCOMPARE(rig.model.pet.PicFileName, QDir(rig.Folder()).canonicalPath() + "/Pics/Fish.bmp");
        QVERIFY(rig.main.Tank->HasPicture() && !rig.pictures.Chooser());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "PicFileName"), rig.model.pet.PicFileName);

        rig.main.mnuOptionPic->trigger();
        rig.pictures.Chooser()->cmdDEF_Click();
        QVERIFY(rig.model.pet.PicFileName.isEmpty() && !rig.main.Tank->HasPicture());
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
