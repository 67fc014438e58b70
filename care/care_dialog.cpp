#include "care/care_dialog.h"

#include <QCloseEvent>

void CareDialog::reject()
{
    if (!running_) {
        QDialog::reject();
    }
}

void CareDialog::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CareDialog::RunToEnd(const std::function<void()>& action)
{
    running_ = true;
    action();
    running_ = false;
    close();
}
