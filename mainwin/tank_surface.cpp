#include "mainwin/tank_surface.h"

#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "storage/file_helpers.h"

QPixmap PictureFile(const QString& path)
{
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return {};
    }
    QImageReader reader(&file);
    return QPixmap::fromImage(reader.read());
}

TankSurface::TankSurface(QWidget* parent) : QWidget(parent)
{
    // Only what changed is repainted; the rest keeps what is on screen,
    // bubbles included.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TankSurface::SetWaterColour(const QColor& colour)
{
    if (colour == water_) {
        return;
    }
    water_ = colour;
    update();
}

void TankSurface::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TankSurface::DrawBubble(int centreX, int centreY, int radius)
{
    pending_.append({QPoint(centreX, centreY), radius});
    update(QRect(centreX - radius - 1, centreY - radius - 1, 2 * radius + 3, 2 * radius + 3));
}

void TankSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, water_);
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);  // at its own size, from the top left; clipped to the area
    }
    if (pending_.isEmpty()) {
        return;
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    for (const Bubble& bubble : pending_) {
        painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
    }
    pending_.clear();
}

void TankSurface::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (!childAt(position)) {
        emit MouseDown(event->button(), position);
    }
}

void TankSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}
