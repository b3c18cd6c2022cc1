// The program: hands the paths on its command line to this user's running
// instance and exits with 1, or runs the main window with them (exit 0).
#include <QFile>
#include <QStringList>
#include <exception>

#include "core/app/data_folder.h"
#include "gui/app/main_window.h"
#include "platform/app/guarded_application.h"
#include "platform/app/native_path.h"
#include "platform/app/single_instance.h"

int main(int argc, char* argv[]) {
  mw::platform::GuardedApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Markupwright"));
  try {
    // The arguments' own bytes: a Shift-JIS file name is no UTF-8, and
    // Qt's decoding of it would name no file.
    const QStringList paths = mw::platform::AbsolutePaths(mw::platform::NativeArguments(argc, argv));
    const QString socketPath = mw::platform::InstanceSocketPath();
    // Without paths a second window runs beside the first.
    if (!paths.isEmpty() && mw::platform::HandOffPaths(socketPath, paths)) return 1;

    const std::string dataFolder =
        mw::ChooseDataFolder(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    mw::gui::TMainForm window(dataFolder);
    mw::platform::InstanceReceiver receiver([&window](const QString& path) { window.ReceivePath(path); });
    // Claimed before the first show so that a program started meanwhile
    // hands its paths here rather than opening a third window.
    receiver.Listen(socketPath);
    window.show();
    window.StartUp(paths);
    return QApplication::exec();
  } catch (const std::exception& e) {
    mw::platform::GuardedApplication::ShowErrorBox(QString::fromLocal8Bit(e.what()));
    return 0;
  }
}
