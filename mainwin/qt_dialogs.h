#pragma once
// Message and input boxes, with Japanese button texts whatever the system
// language is.

#include <functional>

#include "model/seams.h"

class QWidget;

class QtDialogs : public Dialogs {
public:
    // The window the boxes belong to while it is on screen, unless a request
    // names its own (the tank).
    std::function<QWidget*()> Owner = [] { return nullptr; };

    MsgAnswer MsgBox(const MsgRequest& request) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QWidget* VisibleOwner(QObject* requested = nullptr) const;
};
