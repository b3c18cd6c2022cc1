// A document in memory with everything a command needs around it: the
// clipboard its paste uses, scripted prompts and the shared editing state.
#pragma once

#include <string>

#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/scripted_prompts.h"
#include "marked_text.h"

namespace mw::test {

struct EditingFixture {
  MemoryClipboard clipboard;
  ScriptedPrompts prompts;
  MemoryEditor editor{clipboard, DesignFonts()[0]};
  EditingContext ctx;

  EditingFixture() {
    ctx.editor = &editor;
    ctx.clipboard = &clipboard;
    ctx.prompts = &prompts;
  }

  // Loads "ab[cd]e" or "ab|cd" with that selection.
  void Load(std::string_view marked) {
    const Marked m = ParseMarked(marked);
    editor.Load(m.text);
    editor.SetSelection(m.start < 0 ? 0 : m.start, (m.start < 0 ? 0 : m.start) + m.length);
  }
};

// The document with its selection marked the way rows are written.
inline std::string Show(const EditorSurface& e) {
  std::string t = e.GetText();
  const auto s = static_cast<std::size_t>(e.GetSelStart());
  const auto n = static_cast<std::size_t>(e.GetSelLength());
  if (n == 0) return t.insert(s, "|");
  t.insert(s + n, "]");
  return t.insert(s, "[");
}

// One letter per byte for the display font it is drawn in: '.' text,
// 'T' tag, 'S' special, 'P' parameter, '?' any other format.
inline std::string FontLetters(const EditorSurface& e, Offset start, Offset length,
                               const DisplayFonts& fonts = DesignFonts()) {
  static constexpr char kLetters[] = {'.', 'T', 'S', 'P'};
  std::string out;
  for (Offset p = start; p < start + length; ++p) {
    char c = '?';
    for (std::size_t i = 0; i < 4; ++i)
      if (SameFormat(e.FormatAt(p), fonts[i])) c = kLetters[i];
    out += c;
  }
  return out;
}

inline std::string FontLetters(const EditorSurface& e) { return FontLetters(e, 0, e.TextLength()); }

}  // namespace mw::test
