#include "mainwin/qt_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

#include "mainwin/dialog_frame.h"
#include "mainwin/widget_order.h"

namespace {

QMessageBox::Icon ToQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A short text would make the box narrower than its own title.
void KeepTitleReadable(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) {
        return;
    }
    QFont titleFont = box.font();
    titleFont.setBold(true);
    constexpr int TitleBarButtons = 120;
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// Qt's box, placed as the program's windows are once it knows its size: Qt
// alone keeps it on the screen's usable area only by guessing the frame, and
// without an owner puts it on the pointer's screen rather than the tank's.
template <typename Box>
class PlacedBox : public Box {
public:
    template <typename... Args>
    explicit PlacedBox(const QWidget* tank, Args&&... args) : Box(std::forward<Args>(args)...), tank_(tank)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        Box::showEvent(event);  // sizes the box to its text
        if (!event->spontaneous()) {
            CentreOverOwner(this, tank_);
        }
    }

private:
    const QWidget* tank_;
};

}  // namespace

// The window the user acted in: the one the request names, else the active
// one (a box the model raises during a care action or a play), else the tank.
QWidget* QtDialogs::VisibleOwner(QObject* requested) const
{
    const auto onScreen = [](QWidget* window) { return window && window->isVisible() && !window->isMinimized(); };
    for (QWidget* window : {qobject_cast<QWidget*>(requested), QApplication::activeWindow(), Owner()}) {
        if (onScreen(window)) {
            return window->window();
        }
    }
    return nullptr;
}

MsgAnswer QtDialogs::MsgBox(const MsgRequest& request)
{
    const QPointer<QWidget> owner = VisibleOwner(request.owner);
    PlacedBox<QMessageBox> box(Owner(), ToQt(request.icon), request.title, request.text, QMessageBox::NoButton,
                               owner);
    box.setTextFormat(Qt::PlainText);  // names and paths are shown as typed
    if (owner && IsKeptOnTop(owner)) {
        KeepWidgetOnTop(&box, true);  // else it would open behind its own window
    }
    KeepTitleReadable(box);
    MsgAnswer answer = MsgAnswer::Ok;
    if (request.buttons == MsgButtons::YesNo) {
        // Y and N answer, as on every Japanese desktop.
        QPushButton* yes = box.addButton(QCoreApplication::translate("QtDialogs", "はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QCoreApplication::translate("QtDialogs", "いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(request.defaultButton == MsgAnswer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        answer = box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    } else {
        QPushButton* ok = box.addButton(QCoreApplication::translate("QtDialogs", "OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
    }
    // Its window stays in front (the window system may have raised the tank meanwhile).
    if (owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
    }
    return answer;
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    PlacedBox<QInputDialog> dialog(Owner(), VisibleOwner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QCoreApplication::translate("QtDialogs", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("QtDialogs", "キャンセル"));
    dialog.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);  // Windows: no border to resize by
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}
