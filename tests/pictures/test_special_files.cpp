// What no picture, photo or move file is: FIFOs, devices, folders and links
// to them (on Windows device names and named pipes) count as missing and are
// never waited for; start folders that are gone or too long; links at the
// photo's name; move files past their bound.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

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
#ifdef Q_OS_WIN
    return kind == "folder" && QDir().mkdir(path);
#else
    if (kind == "link to a fifo") {
        return MakeSpecial("fifo", path + ".fifo") && QFile::link(path + ".fifo", path);
    }
    if (kind == "device") {  // a link to one where devices cannot be made
        return ::mknod(QFile::encodeName(path), S_IFCHR | 0600, makedev(1, 3)) == 0 || QFile::link("/dev/null", path);
    }
    return kind == "fifo" ? ::mkfifo(QFile::encodeName(path), 0600) == 0
                          : kind == "folder" ? QDir().mkdir(path) : QFile::link("/dev/zero", path);
#endif
}

}  // namespace

class TestSpecialFiles : public QObject {
    Q_OBJECT
private slots:
    void specialFilesCountAsMissing_data()
    {
        QTest::addColumn<QString>("kind");
#ifdef Q_OS_WIN
        const auto kinds = {"folder"};  // Windows puts no FIFO or device into a folder
#else
        const auto kinds = {"fifo", "link to a fifo", "link to /dev/zero", "folder", "device"};
#endif
        for (const char* kind : kinds) {
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

    // A background path may name a device or a named pipe, whose writer might never write.
    void windowsDevicesAreNoBackground()
    {
#ifndef Q_OS_WIN
        QSKIP("Windows's device names and named pipes; the FIFOs and devices of POSIX are above");
#else
        const QString pipe = R"(\\.\pipe\vaspo-test-)" + QString::number(QCoreApplication::applicationPid());
        HANDLE server = CreateNamedPipeW(pipe.toStdWString().c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 4, 0, 0, 0,
                                         nullptr);
        QVERIFY(server != INVALID_HANDLE_VALUE);
        for (const QString& name : {pipe, QString(R"(\\.\NUL)"), QString("NUL"), QString("COM1.bmp")}) {
            PictureRig rig;
            const QString path = name.startsWith('\\') ? name : rig.At(name);
            const QDeadlineTimer second(5000);
            rig.StartWithFish({{"PicFileName", path}});
            QCOMPARE(std::tuple(path, rig.model.pet.PicFileName, rig.main.Tank->HasPicture(), second.hasExpired()),
                     std::tuple(path, QString(), false, false));
        }
        CloseHandle(server);
#endif
    }

    void moveFileIsReadUpToItsBound()
    {
        for (const qsizetype size : {MoveFileMaxBytes, MoveFileMaxBytes + 1}) {
            FishRig packed;
            // Lines after the fourteenth are not read.
            const QByteArray bytes = MoveFileBytes(packed.model.pet, packed.Today()).leftJustified(size, '\n');
            ModelRig rig;
            QVERIFY(WriteAll(rig.model.MoveFilePath, bytes));
            rig.model.LoadPet({0, 0, 15360, 11520});
            const bool taken = size <= MoveFileMaxBytes;
            QCOMPARE(std::tuple(size, rig.model.pet.FishName, ReadAll(rig.model.MoveFilePath)),
                     std::tuple(size, taken ? packed.model.pet.FishName : QString(), taken ? QByteArray() : bytes));
            QVERIFY(taken || rig.dialogs.texts[0].startsWith("VASPO.MNBが読めないので"));
        }
    }

    void chooserOpensInAFolderThatExists()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps a program's current folder from being deleted");
#else
        for (const bool deleted : {true, false}) {
            PictureRig rig;
            rig.StartWithFish();
            QTemporaryDir place;
            const QByteArray origin = QFile::encodeName(QDir::currentPath());
            const QByteArray name = deleted ? QByteArray("start") : QByteArray(200, 'd');
            const int depth = deleted ? 1 : 25;  // 25 x 201 characters below the temporary folder
            QVERIFY(::chdir(QFile::encodeName(place.path())) == 0);
            for (int i = 0; i < depth; ++i) {
                QVERIFY(::mkdir(name, 0700) == 0 && ::chdir(name) == 0);
            }
            if (deleted) {
                QVERIFY(::rmdir(QFile::encodeName(place.path() + "/start")) == 0);
            }
            const QDeadlineTimer second(1000);
            rig.main.mnuOptionPic->trigger();
            const bool inTime = !second.hasExpired();
            for (int i = 0; i < depth && !deleted; ++i) {
                QVERIFY(::chdir("..") == 0 && ::rmdir(name) == 0);
            }
            QVERIFY(::chdir(origin) == 0);
            QCOMPARE(std::tuple(deleted, inTime, rig.pictures.Chooser()->FolderPath()),
                     std::tuple(deleted, true, QDir(QDir::homePath()).canonicalPath()));
        }
#endif
    }

    void cameraReplacesALinkAtThePhotoName()
    {
#ifdef Q_OS_WIN
        QSKIP("symbolic links need an administrator on Windows; its shortcuts are ordinary files");
#else
        for (const bool dangling : {false, true}) {
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
            QCOMPARE(std::tuple(dangling, photo.isSymLink(), QImage(photo.filePath()).size(), ReadAll(target)),
                     std::tuple(dangling, false, camera->Photo().size(), QByteArray(dangling ? "" : "theirs")));
        }
#endif
    }
};

QTEST_MAIN(TestSpecialFiles)
#include "test_special_files.moc"
