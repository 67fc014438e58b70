#include "pictures/frm_pic.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/tank_surface.h"
#include "pictures/file_list.h"

namespace {

// A folder of the list, indented by its depth; its path travels with it.
QListWidgetItem* FolderItem(const QString& path, const QString& name, int depth, bool open, const QStyle* style)
{
    auto* item = new QListWidgetItem(style->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon),
                                     QString(depth, QLatin1Char(' ')) + name);
    item->setData(Qt::UserRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));  // a deep folder's name may be cut at the edge
    return item;
}

// The canonical path of a folder that can be listed and entered; empty for
// one that is gone or whose path is longer than the system takes.
QString EnterableFolder(const QString& path)
{
    const QFileInfo folder(path);
    const bool usable = !path.isEmpty() && folder.isDir() && folder.isReadable() && folder.isExecutable();
    return usable ? folder.canonicalFilePath() : QString();
}

// Where the chooser opens: the current folder, else the home folder, else the root.
QString StartFolder()
{
    for (const QString& candidate : {QDir::currentPath(), QDir::homePath(), QDir::rootPath()}) {
        const QString folder = EnterableFolder(candidate);
        if (!folder.isEmpty()) {
            return folder;
        }
    }
    return QDir::rootPath();
}

// The way down from the volume to `folder`, one folder a level. Taken from
// the path's text, each step shorter, so it always ends.
QStringList WayDown(const QString& folder)
{
    QStringList way{folder};
    for (QString up = QFileInfo(folder).path(); up.size() < way.first().size(); up = QFileInfo(up).path()) {
        way.prepend(up);
    }
    return way;
}

}  // namespace

QStringList PictureVolumes()
{
    QStringList volumes;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        volumes.append(drive.absolutePath());
    }
#else
    volumes = {QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool removable = root.startsWith(QLatin1String("/media/")) ||
                               root.startsWith(QLatin1String("/run/media/")) || root.startsWith(QLatin1String("/mnt/"));
        if (removable && volume.isValid() && volume.isReady() && QFileInfo(root).isReadable()) {
            volumes.append(root);
        }
    }
#endif
    volumes.removeDuplicates();
    return volumes;
}

frmPic::frmPic(frmMain& main) : main_(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    UseDialogFrame(this);
    setWindowTitle(tr("画像の選択"));
    SetFixedClientSize(this, 4110, 2880);

    drvPic = new QComboBox(this);
    drvPic->setGeometry(PixelRect(120, 120, 1695, 300));
    drvPic->addItems(PictureVolumes());
    dirPic = new QListWidget(this);
    dirPic->setGeometry(PixelRect(120, 480, 1695, 930));
    dirPic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // rows rather than a bar; tips show cut names
    UseListFont(dirPic);
    flbPic = new QListWidget(this);
    flbPic->setGeometry(PixelRect(120, 1440, 1695, 1350));
    UseListFont(flbPic);
    pcbPic = new QLabel(this);
    pcbPic->setGeometry(PixelRect(1920, 120, 2070, 1815));
    pcbPic->setFrameShape(QFrame::Box);
    pcbPic->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // natural size from the corner, clipped
    cmdDEF = new QPushButton(tr("画像は貼らない(&D)"), this);
    cmdDEF->setGeometry(PixelRect(1920, 2040, 2055, 255));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setGeometry(PixelRect(1920, 2400, 735, 375));
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setGeometry(PixelRect(2760, 2400, 1215, 375));
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, drvPic);
    setTabOrder(drvPic, dirPic);
    setTabOrder(dirPic, flbPic);
    setTabOrder(flbPic, cmdDEF);
    setTabOrder(cmdDEF, cmdCancel);

    connect(drvPic, &QComboBox::activated, this, &frmPic::drvPic_Change);
    connect(dirPic, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenFolder(item->data(Qt::UserRole).toString()); });
    connect(flbPic, &QListWidget::itemSelectionChanged, this, &frmPic::flbPic_Click);
    connect(flbPic, &QListWidget::itemDoubleClicked, this, &frmPic::cmdOK_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPic::cmdOK_Click);
    connect(cmdDEF, &QPushButton::clicked, this, &frmPic::cmdDEF_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPic::cmdCancel_Click);

    OpenFolder(StartFolder());
}

void frmPic::drvPic_Change()
{
    OpenFolder(drvPic->currentText());
}

void frmPic::OpenFolder(const QString& path)
{
    const QString folder = EnterableFolder(path);
    if (folder.isEmpty()) {
        return;  // a volume that is not ready, or a folder gone meanwhile, leaves the lists as they were
    }
    folder_ = folder;
    const QDir dir(folder_);
    // The way down from the volume to this folder, open, then its own folders.
    const QStringList way = WayDown(folder_);
    dirPic->clear();
    for (int depth = 0; depth < way.size(); ++depth) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(way[0]) : QFileInfo(way[depth]).fileName();
        dirPic->addItem(FolderItem(way[depth], name, depth, true, style()));
    }
    dirPic->setCurrentRow(dirPic->count() - 1);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        dirPic->addItem(FolderItem(dir.filePath(name), name, int(way.size()), false, style()));
    }
    ShowVolumeOf(folder_);
    dirPic_Change();
}

void frmPic::ShowVolumeOf(const QString& folder)
{
    int best = -1;
    for (int i = 0; i < drvPic->count(); ++i) {
        const QString volume = drvPic->itemText(i);
        const bool holds = folder.startsWith(volume, Qt::CaseInsensitive);
        if (holds && (best < 0 || volume.size() > drvPic->itemText(best).size())) {
            best = i;
        }
    }
    drvPic->setCurrentIndex(best);
}

void frmPic::dirPic_Change()
{
    ListFiles(flbPic, folder_, {QStringLiteral("*.BMP"), QStringLiteral("*.RLE")});
}

QString frmPic::SelectedPath() const
{
    return SelectedFile(flbPic, folder_);
}

void frmPic::flbPic_Click()
{
    // A file that is no picture leaves the preview empty.
    pcbPic->setPixmap(PictureFile(SelectedPath()));
}

void frmPic::cmdOK_Click()
{
    const QString path = SelectedPath();
    if (path.isEmpty()) {
        return;
    }
    main_.model().pet.PicFileName = StoredPicturePath(path);
    main_.SetBackgroundPicture(path);
    main_.model().SaveNow();
    close();
}

void frmPic::cmdDEF_Click()
{
    main_.model().pet.PicFileName.clear();
    main_.SetBackgroundPicture(QString());
    main_.model().SaveNow();
    close();
}

void frmPic::cmdCancel_Click()
{
    close();
}
