#include "pictures/frm_photo.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>

#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "storage/file_helpers.h"

frmPhoto::frmPhoto(frmMain& main) : main_(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(tr("「ばすぽう」カメラ"));
    SetFixedClientSize(this, 7545, 4410);

    cmbPhoto = new QPushButton(tr("撮影(&O)"), this);
    cmbPhoto->setGeometry(PixelRect(120, 120, 1095, 375));
    cmbPhoto->setDefault(true);
    cmbPhoto->setToolTip(tr("「ばすぽう」を撮影します。\"現像\"ボタンで画像の保存。"));
    cmbPhotoPrn = new QPushButton(tr("現像(&P)"), this);
    cmbPhotoPrn->setGeometry(PixelRect(1320, 120, 975, 375));
    cmbPhotoPrn->setEnabled(false);
    cmbPhotoPrn->setToolTip(QStringLiteral(
        "撮影した画像を「ばすぽう」のおいてあるフォルダに今日の日付のファイル名のビットマップファイルとして保存します"));
    cmbClose = new QPushButton(tr("終了(&X)"), this);
    cmbClose->setGeometry(PixelRect(2400, 120, 975, 375));
    cmbClose->setToolTip(tr("カメラをしまいます"));
    ImgPhoto = new QLabel(this);
    ImgPhoto->setToolTip(tr("撮影した画像が見えます。保存は\"現像\"ボタンで。"));
    ImgPhoto->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The picture is the tank's outer size as it is now, and stays so.
    const QSize tank = main.frameGeometry().size();
    photo_ = QImage(tank, QImage::Format_RGB32);
    photo_.fill(palette().color(QPalette::Window));
    ImgPhoto->setGeometry(0, Pixels(600), tank.width(), tank.height());
    ImgPhoto->setPixmap(QPixmap::fromImage(photo_));
    setFixedSize(tank.width(), ImgPhoto->y() + tank.height());

    connect(cmbPhoto, &QPushButton::clicked, this, &frmPhoto::cmbPhoto_Click);
    connect(cmbPhotoPrn, &QPushButton::clicked, this, &frmPhoto::cmbPhotoPrn_Click);
    connect(cmbClose, &QPushButton::clicked, this, &frmPhoto::cmbClose_Click);
}

frmPhoto::~frmPhoto()
{
    Form_Unload();
}

void frmPhoto::cmbPhoto_Click()
{
    const QRect outer = main_.frameGeometry();
    main_.raise();
    main_.activateWindow();
    const QPointer<frmPhoto> self(this);
    WaitMilliseconds(150);  // for the window system to bring it up and draw it
    if (!self) {
        return;  // closed meanwhile
    }
    QPainter painter(&photo_);  // not cleared: what the shot does not cover stays
    painter.drawPixmap(0, 0, TankAsShown(outer));
    painter.end();
    ImgPhoto->setPixmap(QPixmap::fromImage(photo_));
    cmbPhotoPrn->setEnabled(true);
    activateWindow();
}

QPixmap frmPhoto::TankAsShown(const QRect& outer) const
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform == QLatin1String("windows")) {
        if (QScreen* screen = QGuiApplication::screenAt(outer.center()) ? QGuiApplication::screenAt(outer.center())
                                                                        : QGuiApplication::primaryScreen()) {
            // The screen's pixels, whatever covers the tank; grabWindow(0) takes desktop coordinates.
            const QPixmap shot = screen->grabWindow(0, outer.x(), outer.y(), outer.width(), outer.height());
            if (!shot.isNull()) {
                return shot;
            }
        }
    }
    // Where the screen cannot be copied the tank draws itself, inside its frame.
    QPixmap shot(outer.size());
    shot.fill(palette().color(QPalette::Window));
    QPainter painter(&shot);
    painter.drawPixmap(main_.geometry().topLeft() - outer.topLeft(), main_.grab());
    return shot;
}

void frmPhoto::cmbPhotoPrn_Click()
{
    const QString path = main_.model().PhotoPath();
    QDir().mkpath(main_.model().AppFolder);
    // Into the program folder only: a link at the name is replaced itself,
    // where it points is never written.
    if (QFileInfo(path).isSymLink()) {
        QFile::remove(path);
    }
    QSaveFile file(path);
    // 24 bits a pixel: what every viewer reads.
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       photo_.convertToFormat(QImage::Format_RGB888).save(&file, "BMP") && file.commit();
    if (!saved) {
        main_.model().Message(this, tr("%1\nに写真を保存できませんでした。").arg(QDir::toNativeSeparators(path)),
                              windowTitle(), MsgIcon::Critical);
    }
}

void frmPhoto::cmbClose_Click()
{
    close();
}

void frmPhoto::Form_Unload()
{
    main_.lblDate->hide();
}
