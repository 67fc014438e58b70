// Windows: the notification area is always Qt's; its tips are plain text.
#include "mainwin/qt_tray_icon.h"

TrayIcon* NewTrayIcon(QMenu&, QObject* parent)
{
    return new QtTrayIcon(false, parent);
}
