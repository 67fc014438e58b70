#include "model/window_order.h"

void SetTopMost(TopMostWindow& window, qint16 mode)
{
    if (mode == 1) {
        window.KeepOnTop(true);
    } else if (mode == 2) {
        window.SendToBottom();
    } else {
        window.KeepOnTop(false);
    }
}
