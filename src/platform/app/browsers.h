// Showing a page in a browser: the program named in the settings, started
// with an argument vector (the page its one argument, never a command line
// a shell reads), or the desktop's default browser.
#pragma once

#include <QString>

namespace mw::platform {

// Starts program (a file-system path, or a name found on PATH) with file as
// its argument, or opens file in the default browser when program is
// empty. Empty on success; else the message saying why not.
QString ShowInBrowser(const QString& program, const QString& file);

}  // namespace mw::platform
