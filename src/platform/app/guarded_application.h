// The application object of the program: an error that escapes a command
// or any other event handler is shown in an error box and the program goes
// on, instead of ending with the user's unsaved work.
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace mw::platform {

class GuardedApplication : public QApplication {
 public:
  using ErrorReporter = std::function<void(const QString& message)>;

  GuardedApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Where escaped errors go; an error box by default. Null restores it.
  void SetErrorReporter(ErrorReporter reporter);
  // The default: a critical message box over the active window, captioned
  // with the application name.
  static void ShowErrorBox(const QString& message);

 private:
  ErrorReporter m_reporter;
};

}  // namespace mw::platform
