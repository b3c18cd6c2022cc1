// The Shift-JIS mirror of the widget's text and its line index, kept up to
// date from the widget's modification reports.
#include "gui/display/scintilla_surface.h"

#include "core/text/unicode_view.h"

namespace mw {

namespace {

using Sci = QsciScintillaBase;

// Characters Shift-JIS cannot hold are stopped before they reach the widget
// (ScintillaEditor's input filter). Should one come through another way,
// it becomes a full-width question mark of the same Shift-JIS length, so
// the mirror and the offsets stay in step with what the widget shows.
// ？ in Shift-JIS: two bytes, like every character it stands for.
constexpr std::string_view kStandIn = "\x81\x48";

std::string ViewToSjisKeepingLength(std::string_view v) {
  SjisFromView s = UnicodeViewToSjis(v);
  if (s.badAt == std::string::npos) return std::move(s.bytes);
  std::string out;
  const auto size = static_cast<Offset>(v.size());
  for (Offset i = 0; i < size;) {
    Offset vl = 1;
    SjisLengthOfViewChar(v, i, &vl);
    const SjisFromView c = UnicodeViewToSjis(v.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(vl)));
    out += c.badAt == std::string::npos ? c.bytes : std::string(kStandIn);
    i += vl;
  }
  return out;
}

}  // namespace

void ScintillaSurface::Splice(Offset pos, Offset removeLength, std::string_view bytes) const {
  m_text.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(removeLength), bytes);
  m_lines.Update(m_text, pos, removeLength, static_cast<Offset>(bytes.size()));
  m_modified = true;
}

// The widget reports only the moments before an insertion or deletion: its
// reports after them go through the widget's accessibility bridge, which
// counts characters from the start of the document every time (tens of
// milliseconds per keystroke on a 10 MB page). Before a deletion the text
// is still there to measure, and the mirror drops it at once; an inserted
// text is read back from the widget at the next report or query.
void ScintillaSurface::OnModified(int position, int type, const char*, int length, int, int, int, int, int token,
                                  int) {
  if (m_loading) return;
  Flush();
  const Offset pos = position;
  const bool undoing = (type & Sci::SC_PERFORMED_UNDO) != 0;
  const bool redoing = (type & Sci::SC_PERFORMED_REDO) != 0;
  if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) {
    if (!undoing && !redoing && m_undoDepth > 0) MarkStepStart();
  }
  if (type & Sci::SC_MOD_BEFOREINSERT) {
    if (length > 0) m_pending = PendingInsert{OffsetOfView(pos), pos, length, undoing, StyleOf(m_typing)};
  } else if (type & Sci::SC_MOD_BEFOREDELETE) {
    const Offset at = OffsetOfView(pos);
    const Offset n = SjisLengthOfView(ViewRange(pos, pos + length));
    if (!undoing && Send(Sci::SCI_GETUNDOCOLLECTION)) {
      std::string styles(static_cast<std::size_t>(length), '\0');
      for (Offset i = 0; i < length; ++i)
        styles[static_cast<std::size_t>(i)] = static_cast<char>(Send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(pos + i)));
      m_deletedStyles.push_back(std::move(styles));
    }
    Splice(at, n, {});
  } else if (type & Sci::SC_MOD_CONTAINER) {
    if (token < 0 || static_cast<std::size_t>(token) >= m_records.size()) return;
    const UndoRecord& r = m_records[static_cast<std::size_t>(token)];
    if (r.selection) {
      if (undoing) m_undoSelection = std::make_pair(r.anchor, r.active);
    } else if (undoing) {
      ApplyStyles(r.viewStart, r.oldStyles);
    } else if (redoing) {
      ApplyStyle(r.viewStart, static_cast<Offset>(r.oldStyles.size()), r.newStyle);
    }
  }
}

void ScintillaSurface::Flush() const {
  if (!m_pending) return;
  const PendingInsert p = *m_pending;
  m_pending.reset();
  const std::string v = ViewRange(p.viewPos, p.viewPos + p.viewLength);
  Splice(p.at, 0, ViewToSjisKeepingLength(v));
  // Text brought back by undo gets the formats it had; anything else the
  // typing format.
  if (p.undoing && !m_deletedStyles.empty() && m_deletedStyles.back().size() == v.size()) {
    ApplyStyles(p.viewPos, m_deletedStyles.back());
    m_deletedStyles.pop_back();
  } else {
    if (p.undoing && !m_deletedStyles.empty()) m_deletedStyles.pop_back();
    ApplyStyle(p.viewPos, p.viewLength, p.style);
  }
}

}  // namespace mw
