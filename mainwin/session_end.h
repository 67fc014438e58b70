#pragma once
// Logging out, shutting down and the termination signals all come here, so
// they close the tank the same way its close box does.

#include <QObject>

class QSocketNotifier;

class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    void EndRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};
