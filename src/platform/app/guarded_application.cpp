#include "platform/app/guarded_application.h"

#include <QMessageBox>
#include <exception>

namespace mw::platform {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  QString message;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    message = QString::fromLocal8Bit(e.what());
  } catch (...) {
    message = QStringLiteral("Unknown error");
  }
  // Reported outside the handler: the box runs its own event loop.
  if (m_reporter) m_reporter(message);
  else ShowErrorBox(message);
  return false;
}

void GuardedApplication::SetErrorReporter(ErrorReporter reporter) { m_reporter = std::move(reporter); }

void GuardedApplication::ShowErrorBox(const QString& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

}  // namespace mw::platform
