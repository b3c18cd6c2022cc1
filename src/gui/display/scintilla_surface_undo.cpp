// Undo steps as the editing commands see them, on top of the widget's own
// undo: the selection before a step and the format changes inside it; and
// the formats and the modified flag.
#include "gui/display/scintilla_surface.h"

#include <algorithm>

namespace mw {

namespace {
using Sci = QsciScintillaBase;
}  // namespace

bool ScintillaSurface::CanUndo() const { return Send(Sci::SCI_CANUNDO) != 0; }

void ScintillaSurface::BeginUndoStep() {
  if (m_undoDepth++ > 0) return;
  Send(Sci::SCI_BEGINUNDOACTION);
  m_stepMarked = false;
  m_stepAnchor = SelAnchor();
  m_stepActive = SelActive();
}

void ScintillaSurface::EndUndoStep() {
  if (m_undoDepth == 0) return;
  if (--m_undoDepth > 0) return;
  Send(Sci::SCI_ENDUNDOACTION);
}

// The first change of a step records where the selection was, so undoing
// the step puts it back (the widget alone would leave a bare caret).
void ScintillaSurface::MarkStepStart() {
  if (m_stepMarked || !Send(Sci::SCI_GETUNDOCOLLECTION)) return;
  m_stepMarked = true;
  UndoRecord r;
  r.selection = true;
  r.anchor = m_stepAnchor;
  r.active = m_stepActive;
  m_records.push_back(std::move(r));
  Send(Sci::SCI_ADDUNDOACTION, static_cast<unsigned long>(m_records.size() - 1), 0);
}

void ScintillaSurface::Undo() {
  if (!CanUndo()) return;
  BeginUpdate();
  m_undoSelection.reset();
  ++m_internal;
  Send(Sci::SCI_UNDO);
  --m_internal;
  if (m_undoSelection) MoveSelection(m_undoSelection->first, m_undoSelection->second);
  else ResetTypingFormat();
  RememberSelection();
  Send(Sci::SCI_SCROLLCARET);
  EndUpdate();
}

// --- Modified flag and formats ---------------------------------------------------------------

void ScintillaSurface::SetModifiedFlag(bool modified) {
  m_modified = modified;
  if (!modified) Send(Sci::SCI_SETSAVEPOINT);
}

void ScintillaSurface::SetRangeFormat(Offset start, Offset length, const DisplayFont& font) {
  const Offset s = std::clamp<Offset>(start, 0, TextLength());
  const Offset e = std::clamp<Offset>(s + std::max<Offset>(length, 0), s, TextLength());
  if (e == s) return;
  const Offset vs = ViewPosition(s);
  const Offset ve = ViewPosition(e);
  const int style = StyleOf(font);
  // Colouring is no edit: undone with its step only, modified flag untouched.
  if (m_undoDepth > 0 && Send(Sci::SCI_GETUNDOCOLLECTION)) {
    MarkStepStart();
    UndoRecord r;
    r.viewStart = vs;
    r.newStyle = static_cast<unsigned char>(style);
    r.oldStyles.resize(static_cast<std::size_t>(ve - vs));
    for (Offset i = vs; i < ve; ++i)
      r.oldStyles[static_cast<std::size_t>(i - vs)] = static_cast<char>(Send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(i)));
    m_records.push_back(std::move(r));
    Send(Sci::SCI_ADDUNDOACTION, static_cast<unsigned long>(m_records.size() - 1), 0);
  }
  ApplyStyle(vs, ve - vs, style);
}

DisplayFont ScintillaSurface::FormatAt(Offset p) const {
  if (p < 0 || p >= TextLength()) return m_typing;
  return FontOfStyle(static_cast<int>(Send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(ViewPosition(p)))));
}

}  // namespace mw
