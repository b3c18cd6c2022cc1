// Acting on a modal dialog from a test, as the author would once it is up.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace mw::test {

// Runs act on the modal dialog once it is up; a dialog of another kind is
// cancelled so a test never hangs on it.
template <typename View>
void WhenShown(std::function<void(View&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* view = qobject_cast<View*>(modal);
    EXPECT_NE(view, nullptr);
    if (view != nullptr) act(*view);
    else if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
  });
}

}  // namespace mw::test
