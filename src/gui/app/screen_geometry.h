// Where a window may go: every window's stored or design bounds are fitted
// to the screens before it is shown, so a window never opens out of reach
// (settings from a larger or a second monitor, a design size larger than
// the screen, a settings file with absurd numbers).
#pragma once

#include <QRect>

namespace mw::gui {

// The bounds fitted to the available area (without task bars and docks) of
// the screen that holds most of them, or of the primary screen when none
// does: a size larger than that area shrinks to it, a size below 1 grows
// to 1, and the window then moves just far enough to lie inside it. Bounds
// that fit are returned unchanged. Without any screen, unchanged too.
// Taken as four numbers, so that stored values near the int limits do not
// overflow on the way (QRect's right edge is left + width - 1).
QRect FitToScreens(int left, int top, int width, int height);
inline QRect FitToScreens(const QRect& wanted) {
  return FitToScreens(wanted.x(), wanted.y(), wanted.width(), wanted.height());
}

}  // namespace mw::gui
