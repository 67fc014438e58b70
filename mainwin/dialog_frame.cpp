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

// The least move that brings the outer frame inside the area; a window
// larger than the area keeps its top-left corner (title bar and close box)
// in it.
QPoint Inside(QPoint place, const QSize& outer, const QRect& area)
{
    place.setY(qMax(qMin(place.y(), area.bottom() + 1 - outer.height()), area.top()));
    place.setX(qMax(qMin(place.x(), area.right() + 1 - outer.width()), area.left()));
    return place;
}

QPoint CentredIn(const QRect& area, const QSize& size)
{
    return area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

QRect UsableAreaOf(const QScreen* screen)
{
    return screen ? AvailableGeometry(*screen) : QRect(0, 0, 1024, 768);
}

QPoint BesideTankCorner(const QWidget* tank)
{
    return tank->pos() + QPoint(Pixels(BesideTank), Pixels(BesideTank));
}

bool Framed(const QWidget* window)
{
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

// The window system tells a window's frame only once it shows the window, may
// tell it in steps (a title bar first, its border later), may report a size
// of the window's making late (under load, its first size after its true
// one) and may put a window placed before by its inner corner. So until the
// window is framed and active, the place is taken again whenever its frame
// comes out other than the one it was placed by, the newest place asked for.
// After that the window is the user's to move or size.
class PlaceWhenFramed : public QObject {
public:
    static constexpr const char* Name = "vaspoPlaceWhenFramed";
    PlaceWhenFramed(QWidget* window, std::function<void()> place)
        : QObject(window), window_(window), place_(std::move(place)), placedBy_(Frame())
    {
        setObjectName(Name);
        window->installEventFilter(this);
    }
    void Replace(std::function<void()> place)
    {
        place_ = std::move(place);
        placedBy_ = Frame();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool shown = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                           type == QEvent::Paint || type == QEvent::WindowActivate;
        if (shown && Framed(window_) && Frame() != placedBy_) {
            place_();
            placedBy_ = Frame();
        }
        if (type == QEvent::Hide || (type == QEvent::WindowActivate && Framed(window_))) {
            window_->removeEventFilter(this);
            setParent(nullptr);  // no longer pending
            deleteLater();
        }
        return false;
    }

private:
    // The frame's margins and the window's size, which its place depends on.
    std::pair<QMargins, QSize> Frame() const { return {FrameMargins(window_), window_->size()}; }

    QWidget* window_;
    std::function<void()> place_;
    std::pair<QMargins, QSize> placedBy_;
};

// Places now and, while the window is not yet framed, again as its frame turns out.
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

std::function<QRect(const QScreen&)> AvailableGeometry = [](const QScreen& screen) {
    return screen.availableGeometry();
};

QRect UsableArea(const QWidget* tank)
{
    // A hidden window keeps the screen it was last shown on.
    return UsableAreaOf(tank && tank->screen() ? tank->screen() : QGuiApplication::primaryScreen());
}

QSize OuterSize(const QWidget* window, const QWidget* tank)
{
    const QMargins frame = FrameMargins(Framed(window) || !tank ? window : tank);
    return window->size().grownBy(frame);
}

void PlacePopup(QWidget* popup, const QWidget* tank)
{
    const QRect area = UsableArea(tank);
    // Where the tank is not to be seen, by the client size, as always; else beside it.
    const QPoint corner = TankIsNormal(tank) ? BesideTankCorner(tank) : CentredIn(area, popup->size());
    Place(popup, [=] { popup->move(Inside(corner, OuterSize(popup, tank), area)); });
}

void PlaceBesideTank(QWidget* window, const QWidget* tank)
{
    const QPoint corner = BesideTankCorner(tank);
    const QRect area = UsableArea(tank);
    Place(window, [=] { window->move(Inside(corner, OuterSize(window, tank), area)); });
}

void PlaceBelowTank(QWidget* window, const QWidget* tank)
{
    const QRect outer = tank->frameGeometry();
    const QRect area = UsableArea(tank);
    Place(window, [=] {
        const QSize size = OuterSize(window, tank);
        QPoint place = outer.bottomLeft() + QPoint(0, 1);
        if (place.y() + size.height() > area.bottom() + 1 && outer.top() - size.height() >= area.top()) {
            place.setY(outer.top() - size.height());
        }
        window->move(Inside(place, size, area));
    });
}

void CentreOnScreen(QWidget* window, const QWidget* tank)
{
    const QRect area = UsableArea(tank);
    Place(window, [=] {
        const QSize outer = OuterSize(window, tank);
        window->move(Inside(CentredIn(area, outer), outer, area));
    });
}

void CentreOverOwner(QWidget* box, const QWidget* tank)
{
    const QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible() || owner->isMinimized()) {
        CentreOnScreen(box, tank);
        return;
    }
    const QRect over = owner->frameGeometry();
    const QRect area = UsableAreaOf(owner->screen());
    Place(box, [=] {
        const QSize outer = OuterSize(box, owner);
        box->move(Inside(over.center() - QPoint(outer.width() / 2, outer.height() / 2), outer, area));
    });
}

void KeepInside(QWidget* window)
{
    window->move(Inside(window->pos(), OuterSize(window, nullptr), UsableAreaOf(window->screen())));
}

void ShowOnTop(QWidget* window)
{
    WidgetOrder order(window);
    SetTopMost(order, 1);
    window->show();
    window->raise();
    window->activateWindow();
}
