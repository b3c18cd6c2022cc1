// A main window with the site-check windows wired in, questions answered
// by a script and files in a temporary folder.
#pragma once

#include <QApplication>
#include <string>

#include "core/app/document_file.h"
#include "core/editing/scripted_prompts.h"
#include "gui/app/command_table.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "gui/project/site_checks.h"
#include "support/temp_dir.h"

namespace mw::gui::test_site {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

struct SiteWindow {
  explicit SiteWindow(std::string dataFolder = {}) : w(std::move(dataFolder)) {
    w.SetPrompts(&prompts);
    WireSiteChecks(w);
    WireSiteChecks(w);  // the window may have wired them already
    checks = SiteChecks::Of(w);
  }
  void Run(std::string_view id) {
    if (const CommandRow* row = FindCommand(id)) w.RunCommand(*row);
  }
  ScintillaSurface& Doc() { return *w.ActiveSurface(); }
  // The selected text of the active document.
  std::string Selected() { return Doc().GetTextRange(Doc().GetSelStart(), Doc().GetSelLength()); }

  TMainForm w;
  ScriptedPrompts prompts;
  SiteChecks* checks = nullptr;
};

}  // namespace mw::gui::test_site
