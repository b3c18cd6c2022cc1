#include "platform/app/browsers.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "core/text/messages.h"

namespace mw::platform {

QString ShowInBrowser(const QString& program, const QString& file) {
  if (program.isEmpty()) {
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return {};
  } else if (QProcess::startDetached(program, {file})) {
    return {};
  }
  // The default browser has no name of its own to show.
  const std::string name = program.isEmpty() ? std::string("xdg-open") : program.toStdString();
  return QString::fromStdString(FormatMessage(MessageUtf8(Msg::BrowserStartFailed), {name}));
}

}  // namespace mw::platform
