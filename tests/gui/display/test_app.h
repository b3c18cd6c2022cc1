// The one QApplication of a GUI test executable, on the offscreen platform.
#pragma once

#include <QApplication>

namespace mw::test {

inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace mw::test
