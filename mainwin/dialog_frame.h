#pragma once
// Sizes and places of the program's windows. Their forms are measured in
// twips (15 to a pixel); a window's place is that of its outer frame, as the
// window system takes it.

#include <QRect>

class QWidget;

int Pixels(int twips);
QRect PixelRect(int left, int top, int width, int height);  // from twips

// A fixed client area of the given twips.
void SetFixedClientSize(QWidget* window, int widthTwips, int heightTwips);
// The frame of a fixed-size dialog of its own (not owned by the tank).
void UseDialogFrame(QWidget* window);

// The screen the tank is on.
QRect ScreenOf(const QWidget* tank);
// The window's size with its frame. Before the window system has framed it,
// its frame is taken to be as wide as the tank's.
QSize OuterSize(const QWidget* window, const QWidget* tank);

// The place of the fish's pop-ups: 200 twips right of and below the tank,
// pulled back inside the screen; centred (by the client size) while the tank
// is minimised, maximised or hidden.
void PlacePopup(QWidget* popup, const QWidget* tank);
// 200 twips right of and below the tank; `pullInside` pulls the window back
// at the right and bottom edges of the screen.
void PlaceBesideTank(QWidget* window, const QWidget* tank, bool pullInside);
// In the middle of the tank's screen, by the outer frame.
void CentreOnScreen(QWidget* window, const QWidget* tank);

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
