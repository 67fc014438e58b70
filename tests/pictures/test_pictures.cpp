// The camera, the album and the background picture, and the special files (FIFOs, devices, folders, links to
// them; on Windows device names and pipes) that none of them opens or waits for.
#include "support/windows_rig.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {

struct PictureRig : WindowsRig {
    QString At(const QString& name = {}) const { return model.AppFolder + name; }
    void Picture(const QString& name) const
    {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(At(name), "BMP"));
    }
};

void Click(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Puts a special file of `kind` at `path`; a FIFO linked to lies beside it.
bool MakeSpecial(const QString& kind, const QString& path)
{
#ifdef Q_OS_WIN
    return kind == "folder" && QDir().mkdir(path);
#else
    if (kind == "link to a fifo") {
        return MakeSpecial("fifo", path + ".fifo") && QFile::link(path + ".fifo", path);
    }
    if (kind == "device") {  // one read without end, or a link to it where devices cannot be made
        return ::mknod(QFile::encodeName(path), S_IFCHR | 0600, makedev(1, 5)) == 0 || QFile::link("/dev/zero", path);
    }
    return kind == "fifo" ? ::mkfifo(QFile::encodeName(path), 0600) == 0 : QDir().mkdir(path);
#endif
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    // The tank developed as it was when the camera opened, and the photo listed in the album among the others.
    void cameraDevelopsTheTankAndTheAlbumListsIt()
    {
        PictureRig rig;
        rig.StartWithFish();
        for (const char* name : {"1.bmp", "20250101.BMP", "3.bmp", "2.txt"}) {
            rig.Picture(name);
        }
        rig.main.mnuCarePicture->trigger();
        frmPhoto* camera = rig.pictures.Camera();
        const QRect tank = rig.main.frameGeometry();

        // A shot of the tank, then a smaller tank of another colour: the rest of the first (its right edge) stays.
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
        const QPoint inner = rig.main.Tank->mapToGlobal(QPoint(100, 50)) - rig.main.frameGeometry().topLeft();
        // The date is shown on the tank while the camera is open.
        QCOMPARE(std::tuple(rig.main.lblDate->isVisible(), rig.main.lblDate->text(), photo.size(),
                            photo.pixelColor(inner), photo.pixelColor(tank.width() - 3, tank.height() / 2)),
                 std::tuple(true, QString("2026/12/06 飼育日数: 1日"), tank.size(), QColor(Qt::red), QColor(0, 255, 255)));

        // Developed again the same day: one file, the later picture.
        shoot(Qt::blue);
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        QCOMPARE(std::tuple(QDir(rig.At()).entryList({"2026*"}), QImage(rig.model.PhotoPath()).pixelColor(inner)),
                 std::tuple(QStringList("20261206.bmp"), QColor(Qt::blue)));

#ifndef Q_OS_WIN  // where symbolic links need an administrator, and shortcuts are ordinary files
        // A link at the photo's name is replaced itself; where it points is never written.
        QTemporaryDir elsewhere;
        const QString theirs = elsewhere.filePath("theirs.bmp");
        QVERIFY(WriteAll(theirs, "theirs") && QFile::remove(rig.model.PhotoPath()) &&
                QFile::link(theirs, rig.model.PhotoPath()));
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        QCOMPARE(std::tuple(QFileInfo(rig.model.PhotoPath()).isSymLink(), QImage(rig.model.PhotoPath()).size(),
                            ReadAll(theirs)),
                 std::tuple(false, tank.size(), QByteArray("theirs")));
#endif

        // The album lists it among the photos (1… and 2… .bmp, letter case aside); Yes deletes the chosen one.
        rig.main.mnuCarePictureView->trigger();
        QListWidget* list = rig.pictures.Album()->flbALBUM;
        QCOMPARE(std::tuple(list->count(), list->item(0)->text(), list->item(2)->text()),  // 20250101.BMP between
                 std::tuple(3, QString("1.bmp"), QString("20261206.bmp")));
        Click(list, 1);
        rig.dialogs.answers = {MsgAnswer::Yes};
        rig.pictures.Album()->mnuFileDel->trigger();
        QCOMPARE(std::tuple(QFile::exists(rig.At() + "20250101.BMP"), list->count()), std::tuple(false, 2));

        // A folder that cannot be written (a file stands in its place) is told by the camera, and nothing else happens.
        QVERIFY(WriteAll(rig.At() + "taken", "a file"));
        rig.model.AppFolder = rig.At() + "taken/";
        QTest::mouseClick(camera->cmbPhotoPrn, Qt::LeftButton);
        const MsgRequest told = rig.dialogs.shown.value(1);  // after the album's question
        QCOMPARE(std::tuple(rig.dialogs.shown.size(), Described(told), told.owner),
                 std::tuple(2, "「ばすぽう」カメラ|" + QDir::toNativeSeparators(rig.model.PhotoPath()) + "\nに写真を保存できませんでした。|critical|OK",
                            static_cast<QObject*>(camera)));
        QTest::mouseClick(camera->cmbClose, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!rig.main.lblDate->isVisible() && !rig.pictures.Camera());
    }

    void backgroundPicture()
    {
        PictureRig rig;
        rig.StartWithFish();
        QDir(rig.At()).mkpath("Pics/Deep");
        rig.Picture("Pics/Fish.bmp");
        rig.Picture("Pics/sea.RLE");
        rig.Picture("Pics/other.png");
        const QString started = QDir::currentPath();
        QDir::setCurrent(rig.At());  // the lists start where the program runs
        rig.main.mnuOptionPic->trigger();
        QDir::setCurrent(started);
        frmPic* chooser = rig.pictures.Chooser();
        Click(chooser->dirPic, chooser->dirPic->row(chooser->dirPic->findItems(" Pics", Qt::MatchEndsWith).value(0)));
        Press(chooser, Qt::Key_Return);  // opens the folder (OK, the default, has no file yet)
        Click(chooser->flbPic, 0);
        QCOMPARE(std::tuple(chooser->flbPic->count(), chooser->pcbPic->pixmap().size()),  // Fish.bmp and sea.RLE
                 std::tuple(2, QSize(30, 20)));
        QTest::mouseClick(chooser->cmdOK, Qt::LeftButton);
        QCoreApplication::processEvents();
        // Kept as chosen, letter case and all: on Linux that is the file's only name. Windows keeps
        // its own spelling, in capitals.
        const QString chosen = QDir(rig.At()).canonicalPath() + "/Pics/Fish.bmp";
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
        QCoreApplication::processEvents();
        QVERIFY(rig.model.pet.PicFileName.isEmpty() && Stored("PicFileName").isEmpty() && !rig.main.Tank->HasPicture());

#ifndef Q_OS_WIN  // which keeps a program's current folder from being deleted
        // Started in a folder deleted since: the chooser opens at home, without a wait.
        QTemporaryDir place;
        QVERIFY(QDir(place.path()).mkdir("start") && QDir::setCurrent(place.filePath("start")) &&
                QDir(place.path()).rmdir("start"));
        const QDeadlineTimer second(1000);
        rig.main.mnuOptionPic->trigger();
        const bool inTime = !second.hasExpired();
        QDir::setCurrent(started);
        QCOMPARE(std::tuple(inTime, rig.pictures.Chooser()->FolderPath()),
                 std::tuple(true, QDir(QDir::homePath()).canonicalPath()));
#endif
    }

    void specialFilesCountAsMissing_data()
    {
        QTest::addColumn<QString>("kind");
#ifdef Q_OS_WIN
        const auto kinds = {"folder"};  // Windows puts no FIFO or device into a folder
#else
        const auto kinds = {"fifo", "link to a fifo", "folder", "device"};
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
        rig.Picture("20261205.bmp");
        rig.StartWithFish({{"PicFileName", rig.At("back.bmp")}});
        QCOMPARE(std::tuple(rig.model.pet.PicFileName, rig.main.Tank->HasPicture(), rig.dialogs.titles,
                            QFileInfo(rig.At("VASPO.MNB")).isSymLink() || QFileInfo::exists(rig.At("VASPO.MNB"))),
                 std::tuple(QString(), false, QStringList(), true));

        rig.main.mnuCarePictureView->trigger();
        QListWidget* list = rig.pictures.Album()->flbALBUM;
        QCOMPARE(std::tuple(list->count(), list->item(0)->text()), std::tuple(1, QString("20261205.bmp")));
        // The listed photo becomes one of them before it is clicked.
        QVERIFY(QFile::remove(rig.At("20261205.bmp")) && MakeSpecial(kind, rig.At("20261205.bmp")));
        Click(list, 0);
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
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
