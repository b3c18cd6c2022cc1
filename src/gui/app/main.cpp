// The program: the main window, with the files named on the command line
// opened as documents.
#include <QApplication>
#include <QStringList>

#include "gui/app/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Markupwright"));
  mw::gui::TMainForm window;
  const QStringList args = QApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) window.OpenDocument(args[i]);
  window.show();
  return QApplication::exec();
}
