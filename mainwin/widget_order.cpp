#include "mainwin/widget_order.h"

#include <QWidget>
#include <QWindow>

void KeepWidgetOnTop(QWidget* widget, bool onTop)
{
    const Qt::WindowFlags flags = onTop ? widget->windowFlags() | Qt::WindowStaysOnTopHint
                                        : widget->windowFlags() & ~Qt::WindowStaysOnTopHint;
    if (QWindow* window = widget->windowHandle()) {
        // Tell the window system directly and only record the flag on the
        // widget: setWindowFlags() would hide and re-create a shown window.
        window->setFlags(flags);
        widget->overrideWindowFlags(flags);
    } else {
        widget->setWindowFlags(flags);
    }
}

bool IsKeptOnTop(const QWidget* widget)
{
    const bool widgetFlag = widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QWindow* window = widget->windowHandle();
    return widgetFlag && (!window || window->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void WidgetOrder::SendToBottom()
{
    widget_->lower();
}
