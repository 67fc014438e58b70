#include "mainwin/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "mainwin/frm_tray.h"
#include "mainwin/tank_surface.h"
#include "mainwin/widget_order.h"
#include "model/window_order.h"
#include "storage/file_helpers.h"

namespace {

constexpr int RowHeight = 17;  // every label of the status row

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

// A value label of the status row: opaque, sized to its text.
QLabel* MakeValueLabel(QWidget* parent, const QString& text, const QRect& place, const QString& tip)
{
    QLabel* label = MakeLabel(parent, text, place);
    label->setToolTip(tip);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

frmMain::frmMain(Vaspo& model, QWidget* parent) : QMainWindow(parent), model_(model)
{
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setWindowTitle(tr("ばすぽう"));
    CreateControls();
    CreateMenus();
    FollowModel();
    setMinimumSize(SmallestTank);
    resize(372, 187 + menuBar()->sizeHint().height());
}

void frmMain::FollowModel()
{
    connect(&model_, &Vaspo::EnergyChanged, this, &frmMain::ShowGenki);
    connect(&model_, &Vaspo::StressChanged, this, &frmMain::ShowStress);
    connect(&model_, &Vaspo::WaterChanged, this, &frmMain::ShowWater);
    connect(&model_, &Vaspo::StatusLineChanged, lblSTB, &QLabel::setText);
    connect(&model_, &Vaspo::FishChanged, this, &frmMain::ShowFish);
    connect(&model_, &Vaspo::OptionsChanged, this, &frmMain::ApplyOptions);
    connect(&model_, &Vaspo::Dying, ImgVaspo, &QWidget::hide);
}

void frmMain::EnableItem(QAction* item, std::function<void()> opener)
{
    connect(item, &QAction::triggered, this, [opener = std::move(opener)] { opener(); });
    item->setEnabled(true);
}

frmMain::~frmMain() = default;

void frmMain::CreateControls()
{
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::CoarseTimer);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    Tank = new TankSurface(this);
    setCentralWidget(Tank);
    connect(Tank, &TankSurface::MouseDown, this, &frmMain::Form_MouseDown);
    connect(Tank, &TankSurface::Resized, this, &frmMain::Form_Resize);

    picHandCur = MakeLabel(Tank, {}, QRect(288, 8, 32, 32));
    picHandCur->setPixmap(QPixmap(QStringLiteral(":/art/hand_cursor.xpm")));
    picHandCur->hide();
    ImgCara = MakeLabel(Tank, {}, QRect(168, 72, 33, 33));
    ImgCara->setAttribute(Qt::WA_TransparentForMouseEvents);  // it shows nothing: open water
    lblDate = MakeLabel(Tank, QStringLiteral("Label1"), QRect(328, 120, 33, 12));
    lblDate->hide();
    lblSTB = MakeValueLabel(Tank, QStringLiteral("lblSTB"), QRect(8, 152, 185, RowHeight),
                            tr("「ばすぽう」からのメッセージ：あんまり真に受けないように"));
    lblSTB->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblSTB->setTextFormat(Qt::PlainText);  // the fish's name comes from the user
    lblSTB->setIndent(4);
    lblStress = MakeValueLabel(Tank, QStringLiteral("lblStress"), QRect(256, 152, 49, RowHeight),
                               tr("ストレス：小さい程良い。すなわちマイナスの方がよい。"));
    lblGENKI = MakeValueLabel(Tank, QStringLiteral("lblGENKI"), QRect(200, 152, 49, RowHeight),
                              tr("元気度：大きいほど良い。"));
    lblWater = MakeValueLabel(Tank, QStringLiteral("lblWater"), QRect(312, 152, 45, RowHeight),
                              tr("水の汚濁度：小さいほど良い。"));
    imgFood = MakeLabel(Tank, {}, QRect(128, 48, 32, 32));
    imgFood->hide();

    ImgVaspoL = {QPixmap(QStringLiteral(":/art/fish_male_left.xpm")),
                 QPixmap(QStringLiteral(":/art/fish_female_left.xpm"))};
    ImgVaspoR = {QPixmap(QStringLiteral(":/art/fish_male_right.xpm")),
                 QPixmap(QStringLiteral(":/art/fish_female_right.xpm"))};

    ImgVaspo = MakeLabel(Tank, {}, QRect(168, 8, 33, 33));
    ImgVaspo->setScaledContents(true);
    ImgVaspo->setMouseTracking(true);  // stroking needs moves without a button held
    ImgVaspo->installEventFilter(this);
    ImgVaspo->hide();

    // The values stay readable where the status line runs under them.
    lblGENKI->raise();
    lblStress->raise();
    lblWater->raise();
}

void frmMain::CreateMenus()
{
    mnuFile = menuBar()->addMenu(tr("ﾌｧｲﾙ(&F)"));
    mnuFileNew = AddItem(mnuFile, tr("新たに飼育(&N)..."));
    mnuFileSave = AddItem(mnuFile, tr("水槽のお引っ越し(&M)..."));
    mnuFile->addSeparator();
    mnuFileExit = AddItem(mnuFile, tr("終了(&X)..."));

    mnuCare = menuBar()->addMenu(tr("世話(&C)"));
    mnuCareFood = AddItem(mnuCare, tr("餌をあげる(&F)..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuCareWater = AddItem(mnuCare, tr("水の交換(&W)..."), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuCareTalk = AddItem(mnuCare, tr("お話(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuCareJanken = AddItem(mnuCare, tr("ジャンケン(&J)"), QKeySequence(Qt::CTRL | Qt::Key_J));
    mnuCareAutoFoods = AddItem(mnuCare, tr("自動給餌機(&A)..."));
    mnuCare->addSeparator();
    mnuCarePicture = AddItem(mnuCare, tr("写真撮影(&P)..."));
    mnuCarePictureView = AddItem(mnuCare, tr("アルバム(&V)..."));
    mnuCare->addSeparator();
    mnuCareLook = AddItem(mnuCare, tr("様子を見る(&L)..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    // Care comes with its own windows, which switch their items on.
    for (QAction* item : {mnuCareFood, mnuCareWater, mnuCareTalk, mnuCareJanken, mnuCareAutoFoods, mnuCarePicture,
                          mnuCarePictureView, mnuCareLook}) {
        item->setEnabled(false);
    }

    mnuOption = menuBar()->addMenu(tr("ｵﾌﾟｼｮﾝ(&O)"));
    mnuOptionPic = AddItem(mnuOption, tr("バックスクリーン(&S)..."));
    mnuOptionPic->setEnabled(false);  // until the picture chooser is attached
    mnuOptionAcc = AddItem(mnuOption, tr("アクセサリ(&A)..."));
    mnuOptionAcc->setVisible(false);
    mnuOptionAcc->setEnabled(false);
    mnuOptionTop = AddItem(mnuOption, tr("常に手前に表示(&T)"));
    mnuOptionMsg = AddItem(mnuOption, tr("メッセージを表示する(&M)"));
    mnuOptionTray = AddItem(mnuOption, tr("最小化はタスクトレイへ(&I)"));
    mnuOptionLogin = AddItem(mnuOption, tr("ログイン時に起動(&L)"));
    for (QAction* item : {mnuOptionTop, mnuOptionMsg, mnuOptionTray, mnuOptionLogin}) {
        item->setCheckable(true);
    }
    // The entry belongs to the desktop, whose settings may have changed it since.
    connect(mnuOption, &QMenu::aboutToShow, this, [this] { mnuOptionLogin->setChecked(StartAtLogin.Enabled()); });

    mnuHelp = menuBar()->addMenu(tr("ﾍﾙﾌﾟ(&H)"));
    mnuHelpHelp = AddItem(mnuHelp, tr("ﾍﾙﾌﾟ(&H)"));
    mnuHelp->addSeparator();
    mnuHelpInternet = mnuHelp->addMenu(tr("ｲﾝﾀｰﾈｯﾄ"));
    mnuHelpIntAcc[0] = AddItem(mnuHelpInternet, tr("作者にメールを出す(&M)"));
    mnuHelpIntAcc[1] = AddItem(mnuHelpInternet, tr("『オスケペディア』にアクセス(&H)"));
    mnuHelpIntAcc[2] = AddItem(mnuHelpInternet, tr("『OSKE'S Program Library』にアクセス(&P)"));
    mnuHelpIntAcc[1]->setEnabled(false);
    mnuHelp->addSeparator();
    mnuHelpAbout = AddItem(mnuHelp, tr("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    mnuHelpAbout->setEnabled(false);  // until the about box is attached

    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuOptionTop, &QAction::triggered, this, &frmMain::mnuOptionTop_Click);
    connect(mnuOptionMsg, &QAction::triggered, this, &frmMain::mnuOptionMsg_Click);
    connect(mnuOptionTray, &QAction::triggered, this, &frmMain::mnuOptionTray_Click);
    connect(mnuOptionLogin, &QAction::triggered, this, &frmMain::mnuOptionLogin_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &frmMain::mnuHelpHelp_Click);
    for (int index = 0; index < 3; ++index) {
        connect(mnuHelpIntAcc[index], &QAction::triggered, this, [this, index] { mnuHelpIntAcc_Click(index); });
    }
}

void frmMain::PrepareTank()
{
    const PetRecord& pet = model_.pet;
    setCursor(QCursor(picHandCur->pixmap(), 11, 1));
    ApplyOptions();
    mnuOptionTray->setEnabled(!tray_ || tray_->Available());
    if (keptPlace_) {
        PetRecord& kept = model_.pet;
        kept.FormLeft = keptPlace_->left() * TwipsPerPixel;
        kept.FormTop = keptPlace_->top() * TwipsPerPixel;
        kept.FormWidth = keptPlace_->width() * TwipsPerPixel;
        kept.FormHeight = keptPlace_->height() * TwipsPerPixel;
        keptPlace_.reset();
    }
    resize(pet.FormWidth / TwipsPerPixel, pet.FormHeight / TwipsPerPixel);
    move(pet.FormLeft / TwipsPerPixel, pet.FormTop / TwipsPerPixel);
}

void frmMain::ShowFish(qint16 sex)
{
    ImgVaspo->resize(32, 32);
    ShowFishPicture(ImgVaspoL[sex]);
    setWindowIcon(QIcon(ImgVaspoR[sex]));
}

void frmMain::ApplyOptions()
{
    const PetRecord& pet = model_.pet;
    if (IsKeptOnTop(this) != (pet.FormMode != 0)) {
        SetTopMost(*this, pet.FormMode != 0 ? 1 : 0);
    }
    mnuOptionTop->setChecked(pet.FormMode != 0);
    mnuOptionTray->setChecked(pet.MinTray != 0);
    mnuOptionMsg->setChecked(pet.Msgbox != 0);
}

void frmMain::SetBackgroundPicture(const QString& path)
{
    Tank->SetPicture(PictureFile(path));
}

void frmMain::ShowTank()
{
    unloading_ = false;
    loaded_ = true;
    show();
}

void frmMain::RequestClose()
{
    if (loaded_) {
        close();
    } else {
        model_.EndProgram();
    }
}

bool frmMain::ShowsPicture(const QPixmap& picture) const
{
    return shownPicture_ == picture.cacheKey();
}

void frmMain::ShowFishPicture(const QPixmap& picture)
{
    ImgVaspo->setPixmap(picture);
    shownPicture_ = picture.cacheKey();
}

void frmMain::SetValueText(QLabel* label, const QString& text)
{
    if (label->text() == text) {
        return;
    }
    label->setText(text);
    label->resize(label->sizeHint().width() + 6, RowHeight);  // a little air around the figure
}

void frmMain::ShowGenki(const QString& text)
{
    SetValueText(lblGENKI, text);
    lblSort();
}

void frmMain::ShowStress(const QString& text)
{
    SetValueText(lblStress, text);
    lblSort();
}

void frmMain::ShowWater(const QString& text, const WaterColour& colour)
{
    const QColor water(colour.red, colour.green, colour.blue);
    SetValueText(lblWater, text);
    QPalette palette = lblWater->palette();
    palette.setColor(QPalette::Window, water);
    lblWater->setPalette(palette);
    Tank->SetWaterColour(water);
    lblSort();
}

void frmMain::Unload()
{
    Form_Unload();
}

WindowPlacement frmMain::Placement() const
{
    const QPoint corner = pos();
    return {isMinimized(), corner.y() * TwipsPerPixel, corner.x() * TwipsPerPixel, height() * TwipsPerPixel,
            width() * TwipsPerPixel};
}

void frmMain::KeepOnTop(bool onTop)
{
    KeepWidgetOnTop(this, onTop);
}

void frmMain::SendToBottom()
{
    lower();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (CloseMustWait()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool frmMain::CloseMustWait()
{
    if (careBusy_ == 0 || model_.NoSave != 0) {
        return false;
    }
    closePending_ = true;
    return true;
}

void frmMain::BeginCare()
{
    ++careBusy_;
}

void frmMain::EndCare()
{
    if (--careBusy_ == 0 && closePending_) {
        closePending_ = false;
        Form_Unload();
    }
}

void frmMain::Pause(int ms)
{
    WaitMilliseconds(ms, [this] { return closePending_; });
}

void frmMain::DropFood(const QPixmap& food, int left)
{
    imgFood->setPixmap(food);
    imgFood->move(left, 0);
    imgFood->show();
    imgFood->raise();
    const int bottom = Tank->height() - imgFood->height() - lblSTB->height();
    // Paced by the clock, not by the machine: about a second from top to bottom.
    constexpr int SinkMilliseconds = 1000;
    QElapsedTimer clock;
    clock.start();
    for (qint64 elapsed = 0; elapsed < SinkMilliseconds && !closePending_; elapsed = clock.elapsed()) {
        imgFood->move(left, int(bottom * elapsed / SinkMilliseconds));
        Pause(15);
    }
    imgFood->move(left, bottom);
    Pause(1000);
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImgVaspo && event->type() == QEvent::MouseMove) {
        ImgVaspo_MouseMove();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Unload()
{
    if (unloading_ || CloseMustWait()) {
        return;
    }
    unloading_ = true;
    if (model_.NoSave == 0) {
        model_.SavePet();
    }
    if (tray_) {
        tray_->Form_Unload();
    }
    if (help_) {
        help_->close();
    }
    model_.EndProgram();
}
