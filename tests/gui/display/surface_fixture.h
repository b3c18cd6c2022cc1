// A ScintillaSurface over a real editor widget, with the same clipboard,
// prompts and editing state as the in-memory fixture.
#pragma once

#include <string>

#include "gui/display/test_app.h"
#include "core/text/unicode_view.h"
#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/scripted_prompts.h"
#include "gui/display/scintilla_surface.h"

namespace mw::test {

struct SurfaceFixture {
  QApplication& app = TestApp();
  MemoryClipboard clipboard;
  ScriptedPrompts prompts;
  ScintillaEditor widget;
  ScintillaSurface editor{widget, clipboard};
  EditingContext ctx;

  SurfaceFixture() {
    widget.resize(600, 400);
    ctx.editor = &editor;
    ctx.clipboard = &clipboard;
    ctx.prompts = &prompts;
  }

  // The widget's whole UTF-8 text.
  std::string WidgetText() const {
    const long n = widget.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    widget.SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, 0L, n, out.data());
    out.resize(static_cast<std::size_t>(n));
    return out;
  }
  // The bytes the widget shows; must always equal the surface's text.
  std::string WidgetBytes() const { return UnicodeViewToSjis(WidgetText()).bytes; }
};

// Logical line starts computed from scratch.
inline std::vector<Offset> RebuiltLineStarts(const std::string& t) {
  std::vector<Offset> v{0};
  for (std::size_t q = 1; q <= t.size(); ++q) {
    const char b = t[q - 1];
    if (b == '\n' || (b == '\r' && (q == t.size() || t[q] != '\n'))) v.push_back(static_cast<Offset>(q));
  }
  return v;
}

}  // namespace mw::test
