#include "mainwin/qt_dialogs.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

}  // namespace

QWidget* QtDialogs::VisibleOwner() const
{
    QWidget* owner = Owner();
    return owner && owner->isVisible() && !owner->isMinimized() ? owner : nullptr;
}

MsgAnswer QtDialogs::MsgBox(const MsgRequest& request)
{
    QMessageBox box(ToQt(request.icon), request.title, request.text, QMessageBox::NoButton, VisibleOwner());
    box.setTextFormat(Qt::PlainText);  // names and paths are shown as typed
    KeepTitleReadable(box);
    if (request.buttons == MsgButtons::YesNo) {
        // Y and N answer, as on every Japanese desktop.
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(request.defaultButton == MsgAnswer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgAnswer::Ok;
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(VisibleOwner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}
