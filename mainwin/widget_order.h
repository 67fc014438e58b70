#pragma once
// Keeping a top-level widget above the other windows, without re-creating
// it (which would flicker and lose its place).

#include "model/seams.h"

class QWidget;

void KeepWidgetOnTop(QWidget* widget, bool onTop);
bool IsKeptOnTop(const QWidget* widget);

class WidgetOrder : public TopMostWindow {
public:
    explicit WidgetOrder(QWidget* widget) : widget_(widget) {}
    void KeepOnTop(bool onTop) override { KeepWidgetOnTop(widget_, onTop); }
    void SendToBottom() override;

private:
    QWidget* widget_;
};
