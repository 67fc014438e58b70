#pragma once
// The water of the tank: its colour or background picture, and the bubbles
// drawn straight onto it. A bubble is painted once and stays until that part
// of the tank is repainted for some other reason, as ink on glass would.

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

// The picture in a regular file; none for anything else, which is never
// waited for or read.
QPixmap PictureFile(const QString& path);

class TankSurface : public QWidget {
    Q_OBJECT
public:
    explicit TankSurface(QWidget* parent = nullptr);

    void SetWaterColour(const QColor& colour);
    QColor WaterColour() const { return water_; }
    void SetPicture(const QPixmap& picture);
    bool HasPicture() const { return !picture_.isNull(); }
    void DrawBubble(int centreX, int centreY, int radius);
    int PendingBubbles() const { return int(pending_.size()); }

signals:
    // A button pressed on the water itself, not on a label or the fish.
    void MouseDown(Qt::MouseButton button, const QPoint& position);
    void Resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Bubble {
        QPoint centre;
        int radius;
    };
    QColor water_{0, 255, 255};
    QPixmap picture_;
    QVector<Bubble> pending_;
};
