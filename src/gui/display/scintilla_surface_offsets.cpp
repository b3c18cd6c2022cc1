// Offsets of the Shift-JIS text against positions in the widget's view, and
// the selection, which the widget keeps in view positions.
#include "gui/display/scintilla_surface.h"

#include <algorithm>

#include "core/text/unicode_view.h"

namespace mw {

namespace {
using Sci = QsciScintillaBase;
}  // namespace

// --- Offsets -------------------------------------------------------------------

std::string ScintillaSurface::ViewRange(Offset from, Offset to) const {
  if (to <= from) return {};
  std::string out(static_cast<std::size_t>(to - from) + 1, '\0');
  m_editor.SendScintilla(Sci::SCI_GETTEXTRANGE, from, to, out.data());
  out.resize(static_cast<std::size_t>(to - from));
  return out;
}

Offset ScintillaSurface::LineOfOffset(Offset p) const {
  Flush();
  return m_lines.LineOf(p);
}

// One widget line is one logical line, so the line's start is known on both
// sides and only the part of the line before the position is measured.
Offset ScintillaSurface::OffsetOfView(Offset viewPos) const {
  Flush();
  const long line = Send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(viewPos));
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const Offset base = line < m_lines.Count() ? m_lines.Start(line) : TextLength();
  return std::min(TextLength(), base + SjisLengthOfView(ViewRange(start, viewPos)));
}

Offset ScintillaSurface::ViewPosition(Offset p) const {
  Flush();
  p = CharBoundary(m_text, p);
  const Offset line = LineOfOffset(p);
  Offset s = m_lines.Start(line);
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  if (s == p) return start;
  const long end = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
  const std::string v = ViewRange(start, end < start ? Send(Sci::SCI_GETLENGTH) : end);
  const auto size = static_cast<Offset>(v.size());
  Offset i = 0;
  // After an edit the widget can hold a view character across a boundary
  // of the mirror (a character typed after a lone lead byte's marker): p
  // inside it goes to its start.
  while (i < size) {
    Offset vl = 1;
    const Offset sl = SjisLengthOfViewChar(v, i, &vl);
    if (s + sl > p) break;
    s += sl;
    i += vl;
    if (s == p) break;
  }
  return start + i;
}

// --- Selection ---------------------------------------------------------------------

Offset ScintillaSurface::SelAnchor() const { return OffsetOfView(Send(Sci::SCI_GETANCHOR)); }
Offset ScintillaSurface::SelActive() const { return OffsetOfView(Send(Sci::SCI_GETCURRENTPOS)); }
Offset ScintillaSurface::GetSelStart() const { return OffsetOfView(Send(Sci::SCI_GETSELECTIONSTART)); }
Offset ScintillaSurface::GetSelLength() const {
  return OffsetOfView(Send(Sci::SCI_GETSELECTIONEND)) - GetSelStart();
}

void ScintillaSurface::RememberSelection() {
  m_lastSel = {Send(Sci::SCI_GETANCHOR), Send(Sci::SCI_GETCURRENTPOS)};
}

// Like the rich-edit control: a moved caret types in the format of the
// character before it (the first character's at the start of the text).
void ScintillaSurface::ResetTypingFormat() {
  Flush();
  const long s = Send(Sci::SCI_GETSELECTIONSTART);
  const long len = Send(Sci::SCI_GETLENGTH);
  if (s > 0)
    m_typing = FontOfStyle(static_cast<int>(
        Send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(Send(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(s))))));
  else if (len > 0)
    m_typing = FontOfStyle(static_cast<int>(Send(Sci::SCI_GETSTYLEAT, 0)));
}

void ScintillaSurface::MoveSelection(Offset anchor, Offset active) {
  const Offset a = ViewPosition(anchor);
  const Offset c = ViewPosition(active);
  Send(Sci::SCI_SETSEL, static_cast<unsigned long>(a), c);
  RememberSelection();
  ResetTypingFormat();
}

void ScintillaSurface::OnUpdateUi(int updated) {
  if (!(updated & Sci::SC_UPDATE_SELECTION)) return;
  const std::pair<Offset, Offset> now{Send(Sci::SCI_GETANCHOR), Send(Sci::SCI_GETCURRENTPOS)};
  if (now == m_lastSel) return;
  m_lastSel = now;
  ResetTypingFormat();
}

void ScintillaSurface::SetSelStart(Offset p) { MoveSelection(p, p); }

void ScintillaSurface::SetSelLength(Offset n) {
  const Offset s = GetSelStart();
  MoveSelection(s, s + std::max<Offset>(n, 0));
  Send(Sci::SCI_SCROLLCARET);
}

void ScintillaSurface::SetSelection(Offset anchor, Offset active) { MoveSelection(anchor, active); }
void ScintillaSurface::SelectAll() { MoveSelection(0, TextLength()); }

}  // namespace mw
