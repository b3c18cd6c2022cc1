#include "core/editing/memory_editor.h"

#include <algorithm>

#include "core/text/encoding.h"

namespace mw {

namespace {
bool IsWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
}  // namespace

MemoryEditor::MemoryEditor(DisplayFont defaultFormat) : MemoryEditor(m_ownClipboard, std::move(defaultFormat)) {}

MemoryEditor::MemoryEditor(Clipboard& clipboard, DisplayFont defaultFormat)
    : m_default(std::move(defaultFormat)), m_typing(m_default), m_clipboard(&clipboard) {
  m_palette.push_back(m_default);
}

void MemoryEditor::Load(std::string_view text) {
  m_text.assign(text);
  m_formats.assign(m_text.size(), IndexOf(m_default));
  m_lines.Rebuild(m_text);
  m_displayStale = true;
  m_undo.clear();
  if (m_open) m_open->changes.clear();
  m_modified = false;
  m_top = 0;
  m_anchor = m_active = 0;
  m_typing = m_default;
  Changed();
}

void MemoryEditor::SetWrapWidth(Offset bytes) {
  m_wrap = bytes < 0 ? 0 : bytes;
  m_displayStale = true;
}

void MemoryEditor::SetUndoLimit(std::size_t steps) {
  m_undoLimit = steps;
  if (m_undo.size() > m_undoLimit)
    m_undo.erase(m_undo.begin(), m_undo.end() - static_cast<std::ptrdiff_t>(m_undoLimit));
}

Offset MemoryEditor::Clamp(Offset p) const { return std::clamp<Offset>(p, 0, TextLength()); }

MemoryEditor::FontIndex MemoryEditor::IndexOf(const DisplayFont& font) {
  for (std::size_t i = 0; i < m_palette.size(); ++i)
    if (SameFormat(m_palette[i], font)) return static_cast<FontIndex>(i);
  m_palette.push_back(font);
  return static_cast<FontIndex>(m_palette.size() - 1);
}

std::string MemoryEditor::GetTextRange(Offset start, Offset length) const {
  const Offset s = Clamp(start);
  const Offset e = length < 0 ? s : Clamp(s + length);
  return m_text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(e - s));
}

// --- Changes ---------------------------------------------------------------

void MemoryEditor::Replace(Offset pos, Offset removeLength, std::string_view text, FontIndex format) {
  const std::vector<FontIndex> formats(text.size(), format);
  Splice(pos, removeLength, text, formats);
}

void MemoryEditor::Splice(Offset pos, Offset removeLength, std::string_view text,
                          const std::vector<FontIndex>& formats) {
  const auto p = static_cast<std::size_t>(pos);
  const auto n = static_cast<std::size_t>(removeLength);
  if (m_open && !m_undoing) {
    Change c;
    c.pos = pos;
    c.removed = m_text.substr(p, n);
    c.removedFormats.assign(m_formats.begin() + pos, m_formats.begin() + pos + removeLength);
    c.insertedLength = static_cast<Offset>(text.size());
    m_open->changes.push_back(std::move(c));
  }
  m_text.replace(p, n, text);
  m_formats.erase(m_formats.begin() + pos, m_formats.begin() + pos + removeLength);
  m_formats.insert(m_formats.begin() + pos, formats.begin(), formats.end());
  m_lines.Update(m_text, pos, removeLength, static_cast<Offset>(text.size()));
  m_displayStale = true;
  m_modified = true;
  m_top = std::min(m_top, std::max<Offset>(0, static_cast<Offset>(DisplayStarts().size()) - 1));
  Changed();
}

void MemoryEditor::Changed() {
  if (m_updateDepth == 0)
    ++m_repaints;
  else
    m_dirty = true;
}

void MemoryEditor::EndUpdate() {
  if (m_updateDepth == 0) return;
  if (--m_updateDepth == 0 && m_dirty) {
    m_dirty = false;
    ++m_repaints;
  }
}

void MemoryEditor::SetText(std::string_view text) {
  UndoStep step(*this);
  Replace(0, TextLength(), text, IndexOf(m_typing));
  MoveSelection(0, 0);
}

void MemoryEditor::SetSelText(std::string_view text) {
  UndoStep step(*this);
  const Offset s = GetSelStart();
  Replace(s, GetSelLength(), text, IndexOf(m_typing));
  // The typing format stays: the text before the caret now has it. A stray
  // lead byte on one side and a trail byte on the other make one character
  // of the bytes either side of the caret: it goes to that character's start.
  m_anchor = m_active = CharBoundary(m_text, s + static_cast<Offset>(text.size()));
  ScrollCaretIntoView();
}

void MemoryEditor::Cut() { CutSelection(*this, *m_clipboard); }
void MemoryEditor::Copy() { CopySelection(*this, *m_clipboard); }
void MemoryEditor::Paste() { PasteText(*this, *m_clipboard); }

// --- Undo ------------------------------------------------------------------

bool MemoryEditor::CanUndo() const {
  return !m_undo.empty() || (m_open && !m_open->changes.empty());
}

void MemoryEditor::BeginUndoStep() {
  if (m_undoDepth++ == 0) m_open = Step{{}, m_anchor, m_active};
}

void MemoryEditor::EndUndoStep() {
  if (m_undoDepth == 0) return;
  if (--m_undoDepth > 0) return;
  if (m_open && !m_open->changes.empty() && m_undoLimit > 0) {
    m_undo.push_back(std::move(*m_open));
    if (m_undo.size() > m_undoLimit) m_undo.erase(m_undo.begin());
  }
  m_open.reset();
}

void MemoryEditor::Undo() {
  Step step;
  if (m_open && !m_open->changes.empty()) {
    // Inside an unfinished step the latest edits are its own: undo those.
    step.changes = std::move(m_open->changes);
    m_open->changes.clear();
    step.anchor = m_open->anchor;
    step.active = m_open->active;
  } else if (!m_undo.empty()) {
    step = std::move(m_undo.back());
    m_undo.pop_back();
  } else {
    return;
  }
  BeginUpdate();
  m_undoing = true;
  for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
    if (it->formatOnly) {
      std::copy(it->removedFormats.begin(), it->removedFormats.end(), m_formats.begin() + it->pos);
      Changed();
    } else {
      Splice(it->pos, it->insertedLength, it->removed, it->removedFormats);
    }
  }
  m_undoing = false;
  MoveSelection(step.anchor, step.active);
  ScrollCaretIntoView();
  EndUpdate();
}

// --- Selection ---------------------------------------------------------------

void MemoryEditor::MoveSelection(Offset anchor, Offset active) {
  m_anchor = CharBoundary(m_text, anchor);
  m_active = CharBoundary(m_text, active);
  // Like the widget: a moved caret types in the format of the character
  // before it (the first character's at the start of the text).
  const Offset s = GetSelStart();
  if (s > 0)
    m_typing = m_palette[m_formats[static_cast<std::size_t>(CharBoundary(m_text, s - 1))]];
  else if (!m_text.empty())
    m_typing = m_palette[m_formats[0]];
}

void MemoryEditor::SetSelStart(Offset p) { MoveSelection(p, p); }

void MemoryEditor::SetSelLength(Offset n) {
  const Offset s = GetSelStart();
  MoveSelection(s, s + std::max<Offset>(n, 0));
  ScrollCaretIntoView();
}

void MemoryEditor::SetSelection(Offset anchor, Offset active) { MoveSelection(anchor, active); }

void MemoryEditor::SelectAll() { MoveSelection(0, TextLength()); }

// --- Lines -------------------------------------------------------------------

const std::vector<Offset>& MemoryEditor::DisplayStarts() const {
  const std::vector<Offset>& lineStarts = m_lines.Starts();
  if (m_wrap == 0) return lineStarts;
  if (!m_displayStale) return m_displayStarts;
  m_displayStarts.clear();
  const Offset size = TextLength();
  for (std::size_t i = 0; i < lineStarts.size(); ++i) {
    Offset p = lineStarts[i];
    const Offset next = i + 1 < lineStarts.size() ? lineStarts[i + 1] : size;
    Offset end = next;  // the line's content, without its line end
    if (end > p && m_text[static_cast<std::size_t>(end - 1)] == '\n') --end;
    if (end > p && m_text[static_cast<std::size_t>(end - 1)] == '\r') --end;
    m_displayStarts.push_back(p);
    while (end - p > m_wrap) {
      Offset q = p;
      while (true) {
        const Offset len = CharLength(m_text, q);
        if (q + len - p > m_wrap) break;
        q += len;
      }
      if (q == p) q += CharLength(m_text, p);
      if (q >= end) break;
      m_displayStarts.push_back(q);
      p = q;
    }
  }
  m_displayStale = false;
  return m_displayStarts;
}

Offset MemoryEditor::LineIndex(Offset k) const {
  if (k == -1) k = LineFromChar(-1);
  const auto& starts = DisplayStarts();
  if (k < 0 || k >= static_cast<Offset>(starts.size())) return -1;
  return starts[static_cast<std::size_t>(k)];
}

Offset MemoryEditor::LineFromChar(Offset p) const {
  if (p == -1) p = GetSelStart();
  const auto& starts = DisplayStarts();
  const auto it = std::upper_bound(starts.begin(), starts.end(), Clamp(p));
  return static_cast<Offset>(it - starts.begin()) - 1;
}

Offset MemoryEditor::LineCount() const {
  const auto& starts = DisplayStarts();
  auto n = static_cast<Offset>(starts.size());
  if (starts.back() == TextLength()) --n;  // an empty last line does not count
  return n;
}

std::string MemoryEditor::LineText(Offset k) const {
  const Offset s = LineIndex(k);
  if (s < 0) return {};
  const Offset next = LineIndex(k + 1);
  std::string_view line(m_text);
  line = line.substr(static_cast<std::size_t>(s), static_cast<std::size_t>((next < 0 ? TextLength() : next) - s));
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

void MemoryEditor::LineScroll(Offset n) {
  const auto last = static_cast<Offset>(DisplayStarts().size()) - 1;
  m_top = std::clamp<Offset>(m_top + n, 0, std::max<Offset>(last, 0));
}

void MemoryEditor::ScrollCaretIntoView() {
  const Offset line = LineFromChar(m_active);
  if (line < m_top)
    m_top = line;
  else if (m_rows > 0 && line >= m_top + m_rows)
    m_top = line - m_rows + 1;
}

// --- Search ------------------------------------------------------------------

Offset FindInDocumentText(std::string_view all, std::string_view t, Offset start, Offset length, FindFlags flags) {
  const auto size = static_cast<Offset>(all.size());
  if (t.empty() || start > size) return -1;
  start = std::max<Offset>(start, 0);
  const Offset end = length < 0 ? size : std::clamp<Offset>(start + length, start, size);
  const std::string_view text = all.substr(0, static_cast<std::size_t>(end));
  Offset from = CharBoundary(all, start);
  if (from < start) from += CharLength(all, from);  // start was a trail byte
  while (from <= end) {
    const Offset hit = flags.matchCase ? Find(text, t, from) : FindNoCase(text, t, from);
    if (hit < 0) return -1;
    if (!flags.wholeWord) return hit;
    // A word touches another only through a single-byte word character.
    const auto at = [&](Offset p) { return static_cast<unsigned char>(all[static_cast<std::size_t>(p)]); };
    const bool before = hit > 0 && CharBoundary(all, hit - 1) == hit - 1 && IsWordByte(at(hit - 1));
    const Offset e = hit + static_cast<Offset>(t.size());
    const bool after = e < size && CharLength(all, e) == 1 && IsWordByte(at(e));
    if (!before && !after) return hit;
    from = hit + CharLength(all, hit);
  }
  return -1;
}

Offset MemoryEditor::FindText(std::string_view t, Offset start, Offset length, FindFlags flags) const {
  return FindInDocumentText(m_text, t, start, length, flags);
}

// --- Formats -------------------------------------------------------------------

void MemoryEditor::SetRangeFormat(Offset start, Offset length, const DisplayFont& font) {
  const Offset s = Clamp(start);
  const Offset e = Clamp(s + std::max<Offset>(length, 0));
  if (e == s) return;
  const FontIndex idx = IndexOf(font);
  // Colouring is not an edit of the document: it is recorded for undo only
  // inside a step (so undoing an insertion drops its colours with it), and
  // it leaves the modified flag alone.
  if (m_open && !m_undoing) {
    Change c;
    c.pos = s;
    c.formatOnly = true;
    c.removedFormats.assign(m_formats.begin() + s, m_formats.begin() + e);
    m_open->changes.push_back(std::move(c));
  }
  std::fill(m_formats.begin() + s, m_formats.begin() + e, idx);
  Changed();
}

DisplayFont MemoryEditor::FormatAt(Offset p) const {
  if (p < 0 || p >= TextLength()) return m_typing;
  return m_palette[m_formats[static_cast<std::size_t>(p)]];
}

}  // namespace mw
