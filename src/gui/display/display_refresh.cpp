#include "gui/display/display_refresh.h"

#include <algorithm>

#include "gui/display/line_gutter.h"

namespace mw {

namespace {
using Sci = QsciScintillaBase;
}

void ConfigureEditor(ScintillaSurface& surface, const EditorLook& look) {
  ScintillaEditor& editor = surface.Widget();
  editor.Configure(look);
  surface.SetFonts(look.fonts);  // the widget forgot every style's font
  surface.SetTextLimit(look.textLimit);
}

void RefreshDisplay(ScintillaSurface& surface, const EditorLook& look, bool recolour, bool coloured) {
  ScintillaEditor& editor = surface.Widget();
  const Offset anchor = surface.SelAnchor();
  const Offset active = surface.SelActive();
  // The top is kept as a logical line and a row within it: a change of
  // wrapping or font size moves display lines, not the text shown.
  const long top = editor.SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
  const long topDoc = editor.SendScintilla(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(top));
  const long row = top - editor.SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(topDoc));
  const long xOffset = editor.SendScintilla(Sci::SCI_GETXOFFSET);

  surface.BeginUpdate();
  ConfigureEditor(surface, look);
  if (recolour) surface.Recolour(coloured);
  surface.SetSelection(anchor, active);
  const long rows = editor.SendScintilla(Sci::SCI_WRAPCOUNT, static_cast<unsigned long>(topDoc));
  const long newTop = editor.SendScintilla(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(topDoc)) +
                      std::clamp(row, 0L, std::max(rows - 1, 0L));
  editor.SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(newTop));
  if (!look.wordWrap) editor.SendScintilla(Sci::SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
  surface.EndUpdate();
  if (editor.Gutter() != nullptr) editor.Gutter()->update();
}

void RefreshDisplay(ScintillaSurface& surface) {
  const EditorLook look = surface.Widget().Look();
  RefreshDisplay(surface, look, true, surface.IsColoured());
}

}  // namespace mw
