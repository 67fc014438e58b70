// What no picture, photo or move file is: FIFOs, devices, folders and links
// to them count as missing and are never waited for; start folders that are
// gone or too long; links at the photo's name; move files past their bound.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "model/move_file.h"
#include "pictures/frm_album.h"
#include "pictures/frm_photo.h"
#include "pictures/frm_pic.h"
#include "pictures/picture_windows.h"
#include "support/tank_rig.h"

namespace {

struct PictureRig : TankRig {
    PictureWindows pictures{main};
    QString At(const QString& name) const { return model.AppFolder + name; }
};

// Puts a special file of `kind` at `path`; a FIFO linked to lies beside it.
bool MakeSpecial(const QString& kind, const QString& path)
{
    const QByteArray at = QFile::encodeName(path);
    if (kind == "fifo") {
        return ::mkfifo(at, 0600) == 0;
    }
    if (kind == "folder") {
        return QDir().mkdir(path);
    }
    if (kind == "device") {  // a link to one where devices cannot be made
        return ::mknod(at, S_IFCHR | 0600, makedev(1, 3)) == 0 || QFile::link("/dev/null", path);
    }
    const bool toFifo = kind == "link to a fifo";
    const QString target = toFifo ? path + ".fifo" : "/dev/zero";
    return (!toFifo || ::mkfifo(QFile::encodeName(target), 0600) == 0) && QFile::link(target, path);
}

}  // namespace

class TestSpecialFiles : public QObject {
    Q_OBJECT
private slots:
    void specialFilesCountAsMissing_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fifo", "link to a fifo", "link to /dev/zero", "folder", "device"}) {
            QTest::newRow(kind) << QString(kind);
        }
    }

    void specialFilesCountAsMissing()
    {
        QFETCH(QString, kind);
        PictureRig rig;
        // As the background, the move file and an album entry, beside a photo.
        QVERIFY(MakeSpecial(kind, rig.At("back.bmp")) && MakeSpecial(kind, rig.At("VASPO.MNB")) &&
                MakeSpecial(kind, rig.At("20261206.bmp")));
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(rig.At("20261205.bmp"), "BMP"));
        rig.StartWithFish({{"PicFileName", rig.At("back.bmp")}});
        QCOMPARE(std::tuple(rig.model.pet.PicFileName, rig.main.Tank->HasPicture(), rig.dialogs.titles,
                            QFileInfo(rig.At("VASPO.MNB")).isSymLink() || QFileInfo::exists(rig.At("VASPO.MNB"))),
                 std::tuple(QString(), false, QStringList(), true));

        rig.main.mnuCarePictureView->trigger();
        QListWidget* list = rig.pictures.Album()->flbALBUM;
        QCOMPARE(std::tuple(list->count(), list->item(0)->text()), std::tuple(1, QString("20261205.bmp")));
        // The listed photo becomes one of them before it is clicked.
        QVERIFY(QFile::remove(rig.At("20261205.bmp")) && MakeSpecial(kind, rig.At("20261205.bmp")));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QVERIFY(list->item(0)->isSelected() && rig.pictures.Album()->imgALBUM->pixmap().isNull());
    }

    void moveFileIsReadUpToItsBound_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::newRow("64 KiB") << MoveFileMaxBytes;
        QTest::newRow("64 KiB and a byte") << MoveFileMaxBytes + 1;
    }

    void moveFileIsReadUpToItsBound()
    {
        QFETCH(qsizetype, size);
        FishRig packed;
        QByteArray bytes = MoveFileBytes(packed.model.pet, packed.Today());
        bytes += QByteArray(size - bytes.size(), '\n');  // lines after the fourteenth are not read
        ModelRig rig;
        QVERIFY(WriteAll(rig.model.MoveFilePath, bytes));
        rig.model.LoadPet({0, 0, 15360, 11520});
        const bool taken = size <= MoveFileMaxBytes;
        QCOMPARE(std::tuple(rig.model.pet.FishName, rig.dialogs.titles.value(0), ReadAll(rig.model.MoveFilePath)),
                 std::tuple(taken ? packed.model.pet.FishName : QString(), QString("水槽のお引っ越し"),
                            taken ? QByteArray() : bytes));
        QVERIFY(taken || rig.dialogs.texts[0].startsWith("VASPO.MNBが読めないので"));
    }

    void chooserOpensInAFolderThatExists_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("home");
        QTest::newRow("deleted start folder") << true << true;
        QTest::newRow("start folder longer than PATH_MAX") << false << true;
        QTest::newRow("deleted start folder, no home") << true << false;
    }

    void chooserOpensInAFolderThatExists()
    {
        QFETCH(bool, deleted);
        QFETCH(bool, home);
        PictureRig rig;
        rig.StartWithFish();
        QTemporaryDir place, homeFolder;
        const QByteArray origin = QFile::encodeName(QDir::currentPath()), oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home ? homeFolder.path() : place.path() + "/no home"));
        const QByteArray name = deleted ? QByteArray("start") : QByteArray(200, 'd');
        const int depth = deleted ? 1 : 25;  // 25 x 201 characters below the temporary folder
        QVERIFY(::chdir(QFile::encodeName(place.path())) == 0);
        for (int i = 0; i < depth; ++i) {
            QVERIFY(::mkdir(name, 0700) == 0 && ::chdir(name) == 0);
        }
        if (deleted) {
            QVERIFY(::rmdir(QFile::encodeName(place.path() + "/start")) == 0);
        }
        QElapsedTimer clock;
        clock.start();
        rig.main.mnuOptionPic->trigger();
        const qint64 took = clock.elapsed();
        for (int i = 0; i < depth && !deleted; ++i) {
            QVERIFY(::chdir("..") == 0 && ::rmdir(name) == 0);
        }
        QVERIFY(::chdir(origin) == 0);
        qputenv("HOME", oldHome);
        QCOMPARE(std::tuple(took < 1000, rig.pictures.Chooser()->FolderPath()),
                 std::tuple(true, home ? QDir(homeFolder.path()).canonicalPath() : QDir::rootPath()));
    }

    void cameraReplacesALinkAtThePhotoName_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::newRow("link to a file") << false;
        QTest::newRow("dangling link") << true;
    }

    void cameraReplacesALinkAtThePhotoName()
    {
        QFETCH(bool, dangling);
        PictureRig rig;
        rig.StartWithFish();
        QTemporaryDir elsewhere;
        const QString target = elsewhere.path() + "/theirs.bmp";
        QVERIFY((dangling || WriteAll(target, "theirs")) && QFile::link(target, rig.model.PhotoPath()));
        rig.main.mnuCarePicture->trigger();
        frmPhoto* camera = rig.pictures.Camera();
        QTest::mouseClick(camera->cmbPhoto, Qt::LeftButton);
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        const QFileInfo photo(rig.model.PhotoPath());
        QCOMPARE(std::tuple(photo.isSymLink(), QImage(photo.filePath()).size(), QFile::exists(target), ReadAll(target)),
                 std::tuple(false, camera->Photo().size(), !dangling, QByteArray(dangling ? "" : "theirs")));
    }
};

QTEST_MAIN(TestSpecialFiles)
#include "test_special_files.moc"
