// Window bounds fitted to the screen, on the offscreen platform's screen.
#include "gui/app/screen_geometry.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <climits>

#include "gui/display/test_app.h"

namespace mw::gui {
namespace {

TEST(FitToScreens, KeepsWhatFitsAndBringsTheRestWithinReach) {
  test::TestApp();
  ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
  const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_GE(a.width(), 400);
  ASSERT_GE(a.height(), 300);
  const int l = a.x(), t = a.y(), w = a.width(), h = a.height();
  struct Case {
    const char* name;
    int left, top, width, height;
    QRect expected;
  };
  const Case cases[] = {
      {"fits: unchanged", l + 10, t + 20, 300, 200, QRect(l + 10, t + 20, 300, 200)},
      {"the whole area: unchanged", l, t, w, h, a},
      {"past the right and bottom edges: moved back", l + w - 100, t + h - 50, 300, 200,
       QRect(l + w - 300, t + h - 200, 300, 200)},
      {"on a monitor that has gone: moved in", -5000, -4000, 300, 200, QRect(l, t, 300, 200)},
      {"far right, below: moved in", 100000, 100000, 300, 200, QRect(l + w - 300, t + h - 200, 300, 200)},
      {"taller than the screen: as tall as it", l + 1, t, 300, h + 20, QRect(l + 1, t, 300, h)},
      {"wider than the screen: as wide as it", l + 1, t + 5, w * 3, 200, QRect(l, t + 5, w, 200)},
      {"2147483647 x 2147483647: the area", l + 1, t + 1, INT_MAX, INT_MAX, a},
      {"at the int limits: the area", INT_MAX, INT_MIN, INT_MAX, INT_MAX, a},
      {"no size: one pixel", l + 3, t + 4, 0, -7, QRect(l + 3, t + 4, 1, 1)},
  };
  for (const Case& c : cases) EXPECT_EQ(FitToScreens(c.left, c.top, c.width, c.height), c.expected) << c.name;
  EXPECT_EQ(FitToScreens(QRect(-5000, 10, 300, 200)), QRect(l, 10 < t ? t : 10, 300, 200));
}

}  // namespace
}  // namespace mw::gui
