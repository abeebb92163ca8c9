#pragma once
// Windows on the screen: placed and sized so that the whole window, the frame and title bar the
// window manager puts round it included, lies on the screen's free area.
#include <QMargins>
#include <QRect>

class QWidget;

namespace ui {
// A design length in twips as pixels of the widget's screen: 1440 twips an inch at the widget's
// logical DPI (15 twips a pixel at 96 DPI), times the scale a window draws its design at.
// Without a widget, the primary screen's DPI.
int TwipsToPixels(const QWidget* widget, int twips, double scale = 1.0);

// The free area of the screen the window is on (the panels of the desktop left out).
QRect FreeArea(const QWidget* window);

// The frame round the window: its own once the window manager has framed it, else the frame
// last seen round another window (none before the first).
QMargins FrameMargins(const QWidget* window);

// True when no control of the window is lower than its contents need (its layout laid out first).
bool ControlsKeepTheirHeight(QWidget* window);

// These leave alone a widget that is not a window (a window shown inside another).

// Centres the window, frame included, on the free area. A window the user may resize that is
// larger than the area is made smaller first, never below its minimum size nor below the height
// its controls need; a window larger than the area keeps its top left corner on it.
void CentreOnScreen(QWidget* window);

// Moves the window the least way that puts it, frame included, wholly on the free area (where
// it is larger than the area, its top left corner); it stays where it is when it fits. A window
// that sets its own minimum size is made smaller first where it must.
void KeepOnScreen(QWidget* window);

// Keeps the window on the screen once the window manager has framed it: the frame is known
// only after the first show, and may be larger than the one expected. A window of fixed size
// also keeps that size when the window system reports a stale one (a size from before the
// window last fixed it).
void KeepOnScreenWhenFramed(QWidget* window);

// A window with a fixed border: a title bar with the window menu and the close button (and a
// minimise button where asked), no maximise button; from its first show on, the size it has
// then is the only one it has. (A window manager then refuses the window's own resizes too: a
// window that changes its size itself fixes it with setFixedSize alone.)
void SetFixedBorder(QWidget* window, bool minimizeButton);
}  // namespace ui
