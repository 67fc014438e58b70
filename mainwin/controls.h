#pragma once
// Controls that answer and look as the desktop's own do.

#include <QScrollBar>

class QGroupBox;
class QListWidget;

// A scroll bar whose arrow keys move as on the desktop's own: Right and Down
// raise the value, Left and Up lower it, whichever way the bar lies (Qt
// turns Left and Right round).
class DesktopScrollBar : public QScrollBar {
public:
    DesktopScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A frame whose title sits on its top line, so what the form puts right
// below the title lies inside the frame.
void PutTitleOnLine(QGroupBox* frame);

// A list font in which a photo's name ("20261207.bmp") fits beside the
// vertical scroll bar, and folder rows as low as their text.
void UseListFont(QListWidget* list);
