#include "pictures/frm_album.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>

#include "mainwin/controls.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/tank_surface.h"
#include "pictures/file_list.h"

namespace {

constexpr int LowestWindow = 3600;  // twips

}  // namespace

frmALBUM::frmALBUM(frmMain& main) : main_(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("アルバム"));
    QMenu* mnuFile = menuBar()->addMenu(tr("アルバム(&A)"));
    mnuFileDel = mnuFile->addAction(tr("写真削除(&D)..."));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(tr("終了(&E)"));
    connect(mnuFileDel, &QAction::triggered, this, &frmALBUM::mnuFileDel_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmALBUM::mnuFileExit_Click);

    auto* area = new QWidget(this);
    setCentralWidget(area);
    flbALBUM = new QListWidget(area);
    flbALBUM->setGeometry(PixelRect(0, 0, 1455, 2970));
    UseListFont(flbALBUM);
    imgALBUM = new QLabel(area);
    imgALBUM->setGeometry(PixelRect(1560, 0, 2895, 2895));
    imgALBUM->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(flbALBUM, &QListWidget::itemSelectionChanged, this, &frmALBUM::flbALBUM_Click);
    setFixedSize(Pixels(4500), menuBar()->sizeHint().height() + Pixels(3060));
    Form_Load();
}

void frmALBUM::Form_Load()
{
    folder_ = main_.model().AppFolder;
    ListFiles(flbALBUM, folder_, {QStringLiteral("1*.BMP"), QStringLiteral("2*.BMP")});
}

QString frmALBUM::SelectedPath() const
{
    return SelectedFile(flbALBUM, folder_);
}

void frmALBUM::flbALBUM_Click()
{
    const QPixmap picture = PictureFile(SelectedPath());
    if (picture.isNull()) {
        return;  // not a picture: the last one stays
    }
    imgALBUM->setPixmap(picture);
    imgALBUM->resize(picture.size());
    imgALBUM_Resize();
}

void frmALBUM::imgALBUM_Resize()
{
    // In the window system's sense the borders are all but the inner area:
    // the frame and the menu bar.
    const int menu = menuBar()->sizeHint().height();
    const int borders = (OuterSize(this, &main_) - size()).height() + menu;
    const int lowest = Pixels(LowestWindow);
    const int picture = imgALBUM->y() + imgALBUM->height();
    const bool tall = borders + picture > lowest;
    const int inner = tall ? picture : lowest - borders;
    setFixedSize(imgALBUM->x() + imgALBUM->width(), menu + inner);
    flbALBUM->resize(flbALBUM->width(), tall ? imgALBUM->height() : inner);
    if (isVisible()) {
        KeepInside(this);  // a tall picture would push the list's foot off the screen
    }
}

void frmALBUM::mnuFileDel_Click()
{
    Vaspo& model = main_.model();
    const QString path = SelectedPath();
    if (path.isEmpty()) {
        model.Message(this, tr("削除する写真を選択して下さい"), tr("写真を選択して下さい"),
                      MsgIcon::Exclamation);
        return;
    }
    if (model.Message(this, tr("%1を削除してよろしいですか").arg(QDir::toNativeSeparators(path)),
                      tr("写真を削除します"), MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes) {
        return;
    }
    QFile::remove(path);  // one that cannot go stays in the list
    Form_Load();
}

void frmALBUM::mnuFileExit_Click()
{
    close();
}
