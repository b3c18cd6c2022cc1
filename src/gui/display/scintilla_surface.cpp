// The surface's text, lines and display state; the other parts are in
// scintilla_surface_*.cpp (see the header).
#include "gui/display/scintilla_surface.h"

#include <algorithm>

#include "core/editing/memory_editor.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {
using Sci = QsciScintillaBase;
}  // namespace

ScintillaSurface::ScintillaSurface(ScintillaEditor& editor, Clipboard& clipboard, const DisplayFonts& fonts)
    : m_editor(editor), m_clipboard(&clipboard), m_typing(fonts[0]) {
  SetFonts(fonts);
  m_editor.SetInputFilter([](std::string_view v) {
    // Every character must have Shift-JIS bytes that read back as itself.
    const SjisFromView s = UnicodeViewToSjis(v);
    return s.badAt == std::string::npos && SjisToUnicodeView(s.bytes) == v;
  });
  // Text composed at the start of the text or right after a tag is body
  // text, whatever the caret's format was.
  m_editor.SetCompositionStartHandler([this] {
    const Offset caret = GetSelStart();
    if (caret == 0 || m_text[static_cast<std::size_t>(caret - 1)] == '>') m_typing = *m_styles[0];
  });
  connect(&m_editor, &QsciScintillaBase::SCN_MODIFIED, this, &ScintillaSurface::OnModified);
  connect(&m_editor, &QsciScintillaBase::SCN_UPDATEUI, this, &ScintillaSurface::OnUpdateUi);
  Load({}, false);
}

long ScintillaSurface::Send(unsigned int msg, unsigned long w, long l) const {
  return m_editor.SendScintilla(msg, w, l);
}

// --- Text ------------------------------------------------------------------------

std::string ScintillaSurface::GetTextRange(Offset start, Offset length) const {
  const Offset s = std::clamp<Offset>(start, 0, TextLength());
  const Offset e = length < 0 ? s : std::clamp<Offset>(s + length, s, TextLength());
  return m_text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
}

void ScintillaSurface::SetText(std::string_view text) {
  UndoStep step(*this);
  const DisplayFont typing = m_typing;  // selecting must not change it
  SelectAll();
  m_typing = typing;
  SetSelText(text);
  MoveSelection(0, 0);
}

void ScintillaSurface::SetSelText(std::string_view text) {
  UndoStep step(*this);
  const std::string view = SjisToUnicodeView(text);
  ++m_internal;
  Send(Sci::SCI_TARGETFROMSELECTION);
  m_editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(view.size()), view.data());
  --m_internal;
  const long end = Send(Sci::SCI_GETTARGETEND);
  Send(Sci::SCI_SETSEL, static_cast<unsigned long>(end), end);
  Send(Sci::SCI_SCROLLCARET);
  RememberSelection();  // the typing format stays
}

void ScintillaSurface::Cut() { CutSelection(*this, *m_clipboard); }
void ScintillaSurface::Copy() { CopySelection(*this, *m_clipboard); }
void ScintillaSurface::Paste() { PasteText(*this, *m_clipboard); }

Offset ScintillaSurface::FindText(std::string_view t, Offset start, Offset length, FindFlags flags) const {
  return FindInDocumentText(m_text, t, start, length, flags);
}

// --- Lines --------------------------------------------------------------------------

bool ScintillaSurface::Wraps() const { return Send(Sci::SCI_GETWRAPMODE) != Sci::SC_WRAP_NONE; }

// The widget wraps the lines in view at once and the rest when idle, a
// slice at a time, and counts a line it has not wrapped yet as one display
// line. Display-line answers follow the widget's count as it stands, so
// they agree with what is shown. After new text, settings or width a short
// page is wrapped whole first: that costs little and makes its numbers
// final at once. A big page is never held up for it (seconds for 10 MB of
// Japanese): its numbers are final when the background wrapping is done.
bool ScintillaSurface::WrapPending() const {
  if (!Wraps()) return false;
  if (m_editor.TakeWrapStale() && m_lines.Count() <= kWrapAtOnceLines) {
    const long lines = Send(Sci::SCI_GETLINECOUNT);
    Send(Sci::SCI_ENSUREVISIBLE, static_cast<unsigned long>(std::max(lines - 1, 0L)));
  }
  return true;
}

Offset ScintillaSurface::LineIndex(Offset k) const {
  Flush();
  if (k == -1) k = LineFromChar(-1);
  if (k < 0) return -1;
  if (!WrapPending()) return k < m_lines.Count() ? m_lines.Start(k) : -1;
  const long doc = Send(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(k));
  if (doc >= m_lines.Count()) return -1;
  const long sub = static_cast<long>(k) - Send(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc));
  if (sub <= 0) return m_lines.Start(doc);
  if (sub >= m_editor.ShownRows(doc)) return -1;
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc));
  const long y = Send(Sci::SCI_POINTYFROMPOSITION, 0, start) + sub * Send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(doc));
  return OffsetOfView(Send(Sci::SCI_POSITIONFROMPOINT, 0, y));
}

Offset ScintillaSurface::LineFromChar(Offset p) const {
  if (p == -1) p = GetSelStart();
  p = std::clamp<Offset>(p, 0, TextLength());
  const Offset doc = LineOfOffset(p);
  if (!WrapPending()) return doc;
  const Offset v = ViewPosition(p);
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc));
  const long h = std::max(1L, Send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(doc)));
  // The line's own layout knows its row even before the widget has counted
  // its rows; until then it counts as one.
  const long rows = m_editor.ShownRows(doc);
  const long sub = (Send(Sci::SCI_POINTYFROMPOSITION, 0, v) - Send(Sci::SCI_POINTYFROMPOSITION, 0, start)) / h;
  return Send(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc)) + std::clamp(sub, 0L, std::max(rows - 1, 0L));
}

Offset ScintillaSurface::LineCount() const {
  Flush();
  const Offset lines = m_lines.Count();
  const bool emptyLast = m_lines.LastStart() == TextLength();
  if (!WrapPending()) return emptyLast ? lines - 1 : lines;
  const long total = m_editor.DisplayLineTotal();
  return emptyLast ? total - 1 : total;
}

std::string ScintillaSurface::LineText(Offset k) const {
  const Offset s = LineIndex(k);
  if (s < 0) return {};
  const Offset next = LineIndex(k + 1);
  std::string line = GetTextRange(s, (next < 0 ? TextLength() : next) - s);
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

Offset ScintillaSurface::TopDisplayLine() const {
  WrapPending();  // the widget keeps the same text at the top meanwhile
  return Send(Sci::SCI_GETFIRSTVISIBLELINE);
}

void ScintillaSurface::LineScroll(Offset n) {
  WrapPending();
  Send(Sci::SCI_LINESCROLL, 0, static_cast<long>(n));
}
Offset ScintillaSurface::VisibleLineCount() const { return Send(Sci::SCI_LINESONSCREEN); }

// --- Display and input state ------------------------------------------------------------------

void ScintillaSurface::BeginUpdate() {
  if (m_updateDepth++ == 0) m_editor.viewport()->setUpdatesEnabled(false);
}

void ScintillaSurface::EndUpdate() {
  if (m_updateDepth == 0) return;
  if (--m_updateDepth == 0) {
    m_editor.viewport()->setUpdatesEnabled(true);
    m_editor.viewport()->update();
  }
}

bool ScintillaSurface::InsertMode() const { return Send(Sci::SCI_GETOVERTYPE) == 0; }
void ScintillaSurface::SetInsertMode(bool insert) { Send(Sci::SCI_SETOVERTYPE, insert ? 0 : 1); }
void ScintillaSurface::SetFocus() { m_editor.setFocus(); }
bool ScintillaSurface::HasFocus() const { return m_editor.hasFocus(); }

}  // namespace mw
