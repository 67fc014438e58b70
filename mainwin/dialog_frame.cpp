#include "mainwin/dialog_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QEvent>
#include <QWidget>
#include <functional>

#include "mainwin/widget_order.h"
#include "model/vaspo.h"
#include "model/window_order.h"
#include "storage/numeric.h"

namespace {

constexpr int BesideTank = 200;  // twips

QMargins FrameMargins(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool TankIsNormal(const QWidget* tank)
{
    return tank->isVisible() && !tank->isMinimized() && !tank->isMaximized();
}

// Pulled back at the right and bottom edges, and never above or left of the
// screen (the tank itself may stand out of it).
QPoint KeptInside(QPoint place, const QSize& outer, const QRect& screen)
{
    place.setY(qMax(qMin(place.y(), screen.bottom() + 1 - outer.height()), screen.top()));
    place.setX(qMax(qMin(place.x(), screen.right() + 1 - outer.width()), screen.left()));
    return place;
}

QPoint BesideTankCorner(const QWidget* tank)
{
    return tank->pos() + QPoint(Pixels(BesideTank), Pixels(BesideTank));
}

bool Framed(const QWidget* window)
{
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

// The window system tells a window's frame only once it shows the window,
// and may put a window placed before by its inner corner; so the place is
// taken once more when the true frame is known, the newest place asked for.
class PlaceWhenFramed : public QObject {
public:
    static constexpr const char* Name = "vaspoPlaceWhenFramed";
    PlaceWhenFramed(QWidget* window, std::function<void()> place) : QObject(window), window_(window), place_(std::move(place))
    {
        setObjectName(Name);
        window->installEventFilter(this);
    }
    void Replace(std::function<void()> place) { place_ = std::move(place); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool shown = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                           type == QEvent::Paint || type == QEvent::WindowActivate;
        if (shown && Framed(window_)) {
            window_->removeEventFilter(this);
            setParent(nullptr);  // no longer pending
            deleteLater();
            place_();
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> place_;
};

// Places now and, while the window's frame is not known, again once it is.
void Place(QWidget* window, const std::function<void()>& place)
{
    place();
    if (auto* pending = window->findChild<QObject*>(PlaceWhenFramed::Name, Qt::FindDirectChildrenOnly)) {
        static_cast<PlaceWhenFramed*>(pending)->Replace(place);
    } else if (!Framed(window)) {
        new PlaceWhenFramed(window, place);
    }
}

}  // namespace

int Pixels(int twips)
{
    return int(RoundHalfEven(twips / double(TwipsPerPixel)));
}

QRect PixelRect(int left, int top, int width, int height)
{
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

void SetFixedClientSize(QWidget* window, int widthTwips, int heightTwips)
{
    window->setFixedSize(Pixels(widthTwips), Pixels(heightTwips));
}

void UseDialogFrame(QWidget* window)
{
    // A title and a close box only: nothing to minimise or maximise.
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

QRect ScreenOf(const QWidget* tank)
{
    const QScreen* screen = tank && tank->screen() ? tank->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QSize OuterSize(const QWidget* window, const QWidget* tank)
{
    const bool framed = window->isVisible() && window->frameGeometry() != window->geometry();
    const QMargins frame = FrameMargins(framed || !tank ? window : tank);
    return window->size().grownBy(frame);
}

void PlacePopup(QWidget* popup, const QWidget* tank)
{
    const QRect screen = ScreenOf(tank);
    // Where the tank is not to be seen, by the client size, as always; else beside it.
    const QPoint corner = TankIsNormal(tank) ? BesideTankCorner(tank)
                                             : screen.topLeft() + QPoint((screen.width() - popup->width()) / 2,
                                                                         (screen.height() - popup->height()) / 2);
    Place(popup, [=] { popup->move(KeptInside(corner, OuterSize(popup, tank), screen)); });
}

void PlaceBesideTank(QWidget* window, const QWidget* tank, bool pullInside)
{
    const QPoint corner = BesideTankCorner(tank);
    const QRect screen = ScreenOf(tank);
    Place(window, [=] { window->move(pullInside ? KeptInside(corner, OuterSize(window, tank), screen) : corner); });
}

void CentreOnScreen(QWidget* window, const QWidget* tank)
{
    const QRect screen = ScreenOf(tank);
    Place(window, [=] {
        const QSize outer = OuterSize(window, tank);
        window->move(screen.left() + (screen.width() - outer.width()) / 2,
                     screen.top() + (screen.height() - outer.height()) / 2);
    });
}

void ShowOnTop(QWidget* window)
{
    WidgetOrder order(window);
    SetTopMost(order, 1);
    window->show();
    window->raise();
    window->activateWindow();
}
