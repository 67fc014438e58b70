#pragma once
// A care dialog whose action, once begun, runs to its end. The action pauses
// with events running and still uses the dialog, so meanwhile nothing the
// user does (Escape, the close box, the window system's close) closes it;
// the dialog closes once the action is over, as its buttons close it.

#include <QDialog>
#include <functional>

class CareDialog : public QDialog {
    Q_OBJECT
public:
    bool Running() const { return running_; }
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Runs `action`, then closes the dialog.
    void RunToEnd(const std::function<void()>& action);

private:
    bool running_ = false;
};
