#pragma once
// Sizes and places of the program's windows. Their forms are measured in
// twips (15 to a pixel); a window's place is that of its outer frame, as the
// window system takes it.

#include <QRect>
#include <functional>

class QScreen;
class QWidget;

int Pixels(int twips);
QRect PixelRect(int left, int top, int width, int height);  // from twips

// A fixed client area of the given twips.
void SetFixedClientSize(QWidget* window, int widthTwips, int heightTwips);
// The frame of a fixed-size dialog of its own (not owned by the tank).
void UseDialogFrame(QWidget* window);

// Where windows may open on a screen: all of it but its panels, docks and
// taskbar, as the window system tells. Tests put their own panels here.
extern std::function<QRect(const QScreen&)> AvailableGeometry;

// The usable area of the screen that holds the tank (while the tank is
// hidden or minimised, of the screen it was on).
QRect UsableArea(const QWidget* tank);
// The window's size with its frame. Before the window system has framed it,
// its frame is taken to be as wide as the tank's.
QSize OuterSize(const QWidget* window, const QWidget* tank);

// Every rule below opens the window wholly inside the usable area: where it
// does not fit at its place, it is moved the least distance that brings it
// inside, and one larger than the area shows its top-left corner.

// The place of the fish's pop-ups: 200 twips right of and below the tank;
// centred (by the client size) while the tank is minimised, maximised or
// hidden.
void PlacePopup(QWidget* popup, const QWidget* tank);
// 200 twips right of and below the tank.
void PlaceBesideTank(QWidget* window, const QWidget* tank);
// Right below the tank, left edges lined up; above it where there is no room
// below, as the camera would otherwise cover what it takes.
void PlaceBelowTank(QWidget* window, const QWidget* tank);
// In the middle of the usable area, by the outer frame.
void CentreOnScreen(QWidget* window, const QWidget* tank);
// A box over the middle of its owner, on the owner's screen; without an
// owner on screen, in the middle of the tank's.
void CentreOverOwner(QWidget* box, const QWidget* tank);
// Moved the least distance back inside the usable area of its own screen,
// after it has grown.
void KeepInside(QWidget* window);

// Shows a modeless window above all ordinary windows, with the focus.
void ShowOnTop(QWidget* window);

// One window of a kind: made when there is none, else the one there is.
template <typename Window, typename Pointer, typename... Args>
Window* OpenOnce(Pointer& window, Args&... args)
{
    if (!window) {
        window = new Window(args...);
    }
    return window;
}
