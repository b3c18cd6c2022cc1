// Text with its character formats, as a tag dialog's preview holds it. The
// dialogs hand their preview to the insertion routines in this form, so the
// insertion keeps the colours the user saw, without any GUI type and without
// going through the system clipboard.
#pragma once

#include <string>
#include <vector>

#include "core/app/display_fonts.h"
#include "core/editing/editor_surface.h"

namespace mw {

struct FormatRun {
  Offset start = 0;
  Offset length = 0;
  DisplayFont font;
};

struct FormattedText {
  std::string text;
  // In order, not overlapping; bytes outside every run are in the text font.
  std::vector<FormatRun> runs;
};

// The whole content of a rich-text control (a preview) with its formats.
inline FormattedText TakeFormatted(const EditorSurface& control) {
  FormattedText f;
  f.text = control.GetText();
  const auto n = static_cast<Offset>(f.text.size());
  for (Offset p = 0; p < n; ++p) {
    DisplayFont font = control.FormatAt(p);
    if (!f.runs.empty() && SameFormat(f.runs.back().font, font))
      ++f.runs.back().length;
    else
      f.runs.push_back({p, 1, std::move(font)});
  }
  return f;
}

}  // namespace mw
