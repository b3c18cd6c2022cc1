#include "gui/app/screen_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace mw::gui {

namespace {

// The overlap of [a, a + n) and [b, b + m), in 64 bits.
long long Overlap(long long a, long long n, long long b, long long m) {
  return std::max(0LL, std::min(a + n, b + m) - std::max(a, b));
}

}  // namespace

QRect FitToScreens(int left, int top, int width, int height) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  const QScreen* best = QGuiApplication::primaryScreen();
  long long bestArea = 0;
  for (const QScreen* s : screens) {
    const QRect a = s->availableGeometry();
    const long long area = Overlap(left, std::max(width, 1), a.x(), a.width()) *
                           Overlap(top, std::max(height, 1), a.y(), a.height());
    if (area > bestArea) {
      bestArea = area;
      best = s;
    }
  }
  if (best == nullptr) return QRect(left, top, std::max(width, 1), std::max(height, 1));
  const QRect a = best->availableGeometry();
  const int w = std::clamp(width, 1, std::max(1, a.width()));
  const int h = std::clamp(height, 1, std::max(1, a.height()));
  // Right or below the area: back in; left or above it: forward to its edge.
  const int x = static_cast<int>(std::clamp<long long>(left, a.x(), static_cast<long long>(a.x()) + a.width() - w));
  const int y = static_cast<int>(std::clamp<long long>(top, a.y(), static_cast<long long>(a.y()) + a.height() - h));
  return QRect(x, y, w, h);
}

}  // namespace mw::gui
