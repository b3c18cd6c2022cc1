#include "platform/app/guarded_application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <stdexcept>

#include "platform/platform_test_app.h"

namespace mw::platform {
namespace {

// An event handler that fails the way a command can (a file that cannot
// be written, a bad value).
class Failing : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("書き込めません");
    if (e->type() == QEvent::User + 1) throw 42;
    return QObject::event(e);
  }
};

TEST(GuardedApplicationTest, ErrorLeavingAnEventHandlerIsReportedAndTheProgramGoesOn) {
  GuardedApplication& app = test::PlatformTestApp();
  QStringList reports;
  app.SetErrorReporter([&](const QString& message) { reports << message; });
  Failing target;
  QEvent failing(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&target, &failing));
  QEvent odd(static_cast<QEvent::Type>(QEvent::User + 1));
  QCoreApplication::sendEvent(&target, &odd);
  QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  app.SetErrorReporter(nullptr);
  EXPECT_EQ(reports, (QStringList{"書き込めません", "Unknown error", "書き込めません"}));
}

}  // namespace
}  // namespace mw::platform
