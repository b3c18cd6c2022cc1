#include "gui/display/scintilla_surface.h"

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "core/display/html_scanner.h"
#include "core/text/unicode_view.h"
#include "core/editing/char_sync.h"
#include "core/editing/memory_editor.h"

namespace mw {

namespace {

using Sci = QsciScintillaBase;

// Bytes the view character at s takes in Shift-JIS, and its UTF-8 length.
// The widget only ever holds characters whose Shift-JIS form reads back as
// the same character (insertions are checked), so the lead byte and the
// code point decide: ASCII, markers and half-width kana are one byte.
int SjisLengthOfViewChar(std::string_view v, std::size_t i, std::size_t* viewLength) {
  const auto c = static_cast<unsigned char>(v[i]);
  if (c < 0x80) {
    *viewLength = 1;
    return 1;
  }
  if (c < 0xE0) {
    *viewLength = 2;
    return 2;
  }
  if (c < 0xF0) {
    *viewLength = 3;
    if (i + 2 >= v.size()) return 2;
    const char32_t cp = (static_cast<char32_t>(c & 0x0F) << 12) |
                        (static_cast<char32_t>(static_cast<unsigned char>(v[i + 1]) & 0x3F) << 6) |
                        (static_cast<unsigned char>(v[i + 2]) & 0x3F);
    if (IsRawByteMarker(cp) || (cp >= 0xFF61 && cp <= 0xFF9F)) return 1;
    return 2;
  }
  *viewLength = 4;
  return 2;
}

std::size_t SjisLengthOfView(std::string_view v) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < v.size();) {
    std::size_t vl = 1;
    n += static_cast<std::size_t>(SjisLengthOfViewChar(v, i, &vl));
    i += vl;
  }
  return n;
}

// Characters Shift-JIS cannot hold are stopped before they reach the widget
// (ScintillaEditor's input filter). Should one come through another way,
// it becomes a full-width question mark of the same Shift-JIS length, so
// the mirror and the offsets stay in step with what the widget shows.
std::string ViewToSjisKeepingLength(std::string_view v) {
  SjisFromView s = UnicodeViewToSjis(v);
  if (s.badAt == std::string::npos) return std::move(s.bytes);
  std::string out;
  for (std::size_t i = 0; i < v.size();) {
    std::size_t vl = 1;
    SjisLengthOfViewChar(v, i, &vl);
    const SjisFromView c = UnicodeViewToSjis(v.substr(i, vl));
    out += c.badAt == std::string::npos ? c.bytes : std::string("\x81\x48");
    i += vl;
  }
  return out;
}

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

void ScintillaSurface::SetFonts(const DisplayFonts& fonts) {
  for (std::size_t i = 0; i < 4; ++i) m_styles[i] = fonts[i];
  m_anyStrike = false;
  for (std::size_t s = 0; s < m_styles.size(); ++s) {
    if (!m_styles[s]) continue;
    m_editor.SetStyleFont(static_cast<int>(s), *m_styles[s]);
    m_anyStrike = m_anyStrike || m_styles[s]->strikeOut;
  }
}

int ScintillaSurface::StyleOf(const DisplayFont& font) const {
  int free = -1;
  for (std::size_t s = 0; s < m_styles.size(); ++s) {
    if (m_styles[s] && SameFormat(*m_styles[s], font)) return static_cast<int>(s);
    if (!m_styles[s] && free < 0 && (static_cast<int>(s) < Sci::STYLE_DEFAULT || static_cast<int>(s) >= kFirstExtraStyle))
      free = static_cast<int>(s);
  }
  if (free < 0) return 0;  // every style in use: the text font
  m_styles[static_cast<std::size_t>(free)] = font;
  m_editor.SetStyleFont(free, font);
  m_anyStrike = m_anyStrike || font.strikeOut;
  return free;
}

const DisplayFont& ScintillaSurface::FontOfStyle(int style) const {
  const auto& f = m_styles[static_cast<std::size_t>(style & 0xFF)];
  return f ? *f : *m_styles[0];
}

void ScintillaSurface::ApplyStyle(long viewStart, long length, int style) const {
  if (length <= 0) return;
  Send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(viewStart), 0);
  Send(Sci::SCI_SETSTYLING, static_cast<unsigned long>(length), style);
  if (m_anyStrike) {
    Send(Sci::SCI_SETINDICATORCURRENT, kStrikeIndicator);
    Send(FontOfStyle(style).strikeOut ? Sci::SCI_INDICATORFILLRANGE : Sci::SCI_INDICATORCLEARRANGE,
         static_cast<unsigned long>(viewStart), length);
  }
}

void ScintillaSurface::ApplyStyles(long viewStart, std::string_view styles) const {
  if (styles.empty()) return;
  Send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(viewStart), 0);
  m_editor.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
  if (!m_anyStrike) return;
  Send(Sci::SCI_SETINDICATORCURRENT, kStrikeIndicator);
  for (std::size_t i = 0; i < styles.size();) {
    std::size_t j = i;
    while (j < styles.size() && styles[j] == styles[i]) ++j;
    const bool strike = FontOfStyle(static_cast<unsigned char>(styles[i])).strikeOut;
    Send(strike ? Sci::SCI_INDICATORFILLRANGE : Sci::SCI_INDICATORCLEARRANGE,
         static_cast<unsigned long>(viewStart + static_cast<long>(i)), static_cast<long>(j - i));
    i = j;
  }
}

// --- Loading -----------------------------------------------------------------

void ScintillaSurface::Load(std::string_view bytes, bool coloured) { LoadText(bytes, coloured, nullptr); }

void ScintillaSurface::LoadOwned(std::string&& bytes, bool coloured) { LoadText(bytes, coloured, &bytes); }

// `owned`, when given, holds `bytes` and is taken over as the mirror, so a
// page read from disk is not held twice.
void ScintillaSurface::LoadText(std::string_view bytes, bool coloured, std::string* owned) {
  const std::size_t size = bytes.size();
  BeginUpdate();
  m_loading = true;
  Send(Sci::SCI_SETUNDOCOLLECTION, 0);
  Send(Sci::SCI_CLEARALL);
  // With wrapping on, the widget would wrap every line of the new text at
  // once (seconds for a 10 MB page); switched on afterwards, it wraps the
  // visible lines first and the rest when idle.
  const long wrap = Send(Sci::SCI_GETWRAPMODE);
  Send(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_NONE);
  AppendView(bytes);
  Send(Sci::SCI_SETWRAPMODE, static_cast<unsigned long>(wrap));
  m_editor.MarkWrapStale();
  m_loading = false;
  m_pending.reset();
  if (owned != nullptr) m_text = std::move(*owned);
  else m_text.assign(bytes);
  m_lineStarts.assign(1, 0);
  for (Offset q = 1; q <= TextLength(); ++q)
    if (IsLineStart(q)) m_lineStarts.push_back(q);
  m_coloured = coloured;
  ColourAll();
  Send(Sci::SCI_SETUNDOCOLLECTION, 1);
  Send(Sci::SCI_EMPTYUNDOBUFFER);
  Send(Sci::SCI_SETSAVEPOINT);
  m_deletedStyles.clear();
  m_records.clear();
  m_modified = false;
  Send(Sci::SCI_GOTOPOS, 0);
  m_typing = *m_styles[0];
  MoveSelection(0, 0);
  EndUpdate();
  ReleaseFreedMemory(size);
}

// The page goes to the widget a slice at a time, into room reserved for all
// of it, so no second copy of the whole page exists while loading and the
// widget never moves its buffers.
void ScintillaSurface::AppendView(std::string_view bytes) {
  std::size_t viewLength = 0;
  for (std::size_t p = 0; p < bytes.size();) {
    std::size_t sl = 1;
    viewLength += ViewLengthOfChar(bytes, p, &sl);
    p += sl;
  }
  Send(Sci::SCI_ALLOCATE, static_cast<unsigned long>(viewLength + 1));
  constexpr std::size_t kSlice = 1 << 20;
  for (std::size_t from = 0; from < bytes.size();) {
    // Slices end after a line feed, which is never part of a character.
    std::size_t to = bytes.size();
    if (bytes.size() - from > kSlice) {
      const std::size_t lf = bytes.find('\n', from + kSlice);
      to = lf == std::string_view::npos ? bytes.size() : lf + 1;
    }
    const std::string view = SjisToUnicodeView(bytes.substr(from, to - from));
    m_editor.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<uintptr_t>(view.size()), view.data());
    from = to;
  }
}

// Gives every character the style of its display font: the colouring of
// the markup, or the text font throughout. The text is not touched.
void ScintillaSurface::ColourAll() const {
  const std::string_view bytes = m_text;
  if (!m_coloured || bytes.empty()) {
    ApplyStyle(0, Send(Sci::SCI_GETLENGTH), 0);
    return;
  }
  // One style byte per view byte, styled a slice at a time.
  constexpr std::size_t kSlice = 1 << 20;
  std::string styles;
  styles.reserve(kSlice + 8);
  long done = 0;
  std::size_t p = 0;
  const auto paint = [&](std::size_t end, FontClass cls) {
    while (p < end) {
      std::size_t sl = 1;
      styles.append(ViewLengthOfChar(bytes, p, &sl), static_cast<char>(cls));
      p += sl;
      if (styles.size() >= kSlice) {
        ApplyStyles(done, styles);
        done += static_cast<long>(styles.size());
        styles.clear();
      }
    }
  };
  HtmlScanner scanner(bytes);
  HtmlPainter painter;
  for (;;) {
    const HtmlToken token = scanner.Next();
    if (token.kind == HtmlTokenKind::End) break;
    // A double-byte character takes the class of its first byte.
    paint(token.start + token.length, painter.Paint(token, bytes).draw);
  }
  // The colouring stops at a NUL; what follows is still shown, as text.
  paint(bytes.size(), FontClass::Text);
  ApplyStyles(done, styles);
}

// Loading a large page frees large temporaries; the allocator keeps such
// memory for the process unless asked to give it back.
void ScintillaSurface::ReleaseFreedMemory(std::size_t loadedBytes) {
#if defined(__GLIBC__)
  if (loadedBytes >= (1u << 20)) malloc_trim(0);
#else
  (void)loadedBytes;
#endif
}

// --- The mirror ----------------------------------------------------------------

bool ScintillaSurface::IsLineStart(Offset q) const {
  const Offset size = TextLength();
  if (q <= 0 || q > size) return q == 0;
  const char b = m_text[static_cast<std::size_t>(q - 1)];
  return b == '\n' || (b == '\r' && (q == size || m_text[static_cast<std::size_t>(q)] != '\n'));
}

// Only starts whose deciding bytes touch the change are recomputed; the
// others shift.
void ScintillaSurface::UpdateLineStarts(Offset pos, Offset removed, Offset inserted) const {
  auto& v = m_lineStarts;
  auto lo = std::lower_bound(v.begin() + 1, v.end(), pos);
  auto hi = std::upper_bound(lo, v.end(), pos + removed);
  const Offset delta = inserted - removed;
  for (auto it = hi; it != v.end(); ++it) *it += delta;
  std::vector<Offset> fresh;
  for (Offset q = std::max<Offset>(pos, 1); q <= pos + inserted; ++q)
    if (IsLineStart(q)) fresh.push_back(q);
  const auto at = v.erase(lo, hi);
  v.insert(at, fresh.begin(), fresh.end());
}

void ScintillaSurface::Splice(Offset pos, Offset removeLength, std::string_view bytes) const {
  m_text.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(removeLength), bytes);
  UpdateLineStarts(pos, removeLength, static_cast<Offset>(bytes.size()));
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
  const long pos = position;
  const bool undoing = (type & Sci::SC_PERFORMED_UNDO) != 0;
  const bool redoing = (type & Sci::SC_PERFORMED_REDO) != 0;
  if (type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) {
    if (!undoing && !redoing && m_undoDepth > 0) MarkStepStart();
  }
  if (type & Sci::SC_MOD_BEFOREINSERT) {
    if (length > 0) m_pending = PendingInsert{OffsetOfView(pos), pos, length, undoing, StyleOf(m_typing)};
  } else if (type & Sci::SC_MOD_BEFOREDELETE) {
    const Offset at = OffsetOfView(pos);
    const auto n = static_cast<Offset>(SjisLengthOfView(ViewRange(pos, pos + length)));
    if (!undoing && Send(Sci::SCI_GETUNDOCOLLECTION)) {
      std::string styles(static_cast<std::size_t>(length), '\0');
      for (long i = 0; i < length; ++i)
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
      ApplyStyle(r.viewStart, static_cast<long>(r.oldStyles.size()), r.newStyle);
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

// --- Offsets -------------------------------------------------------------------

std::string ScintillaSurface::ViewRange(long from, long to) const {
  if (to <= from) return {};
  std::string out(static_cast<std::size_t>(to - from) + 1, '\0');
  m_editor.SendScintilla(Sci::SCI_GETTEXTRANGE, from, to, out.data());
  out.resize(static_cast<std::size_t>(to - from));
  return out;
}

Offset ScintillaSurface::LineOfOffset(Offset p) const {
  Flush();
  const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), p);
  return static_cast<Offset>(it - m_lineStarts.begin()) - 1;
}

Offset ScintillaSurface::OffsetOfView(long viewPos) const {
  Flush();
  const long line = Send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(viewPos));
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const auto l = static_cast<std::size_t>(line);
  const Offset base = l < m_lineStarts.size() ? m_lineStarts[l] : TextLength();
  return std::min(TextLength(), base + static_cast<Offset>(SjisLengthOfView(ViewRange(start, viewPos))));
}

long ScintillaSurface::ViewPosition(Offset p) const {
  Flush();
  p = std::clamp<Offset>(p, 0, TextLength());
  const Offset line = LineOfOffset(p);
  Offset s = m_lineStarts[static_cast<std::size_t>(line)];
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  if (s == p) return start;
  const long end = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1));
  const std::string v = ViewRange(start, end < start ? Send(Sci::SCI_GETLENGTH) : end);
  std::size_t i = 0;
  while (i < v.size()) {
    std::size_t vl = 1;
    const int sl = SjisLengthOfViewChar(v, i, &vl);
    if (s + sl > p) break;  // p is inside this character: its start
    s += sl;
    i += vl;
    if (s == p) break;
  }
  return start + static_cast<long>(i);
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
  const long a = ViewPosition(anchor);
  const long c = ViewPosition(active);
  Send(Sci::SCI_SETSEL, static_cast<unsigned long>(a), c);
  RememberSelection();
  ResetTypingFormat();
}

void ScintillaSurface::OnUpdateUi(int updated) {
  if (!(updated & Sci::SC_UPDATE_SELECTION)) return;
  const std::pair<long, long> now{Send(Sci::SCI_GETANCHOR), Send(Sci::SCI_GETCURRENTPOS)};
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

// --- Clipboard and undo ----------------------------------------------------------------

void ScintillaSurface::Cut() { CutSelection(*this, *m_clipboard); }
void ScintillaSurface::Copy() { CopySelection(*this, *m_clipboard); }
void ScintillaSurface::Paste() { PasteText(*this, *m_clipboard); }

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

// --- Lines --------------------------------------------------------------------------

bool ScintillaSurface::Wraps() const { return Send(Sci::SCI_GETWRAPMODE) != Sci::SC_WRAP_NONE; }

// The widget wraps the lines in view at once and the rest when idle, and
// until then counts an unwrapped line as one display line. Display-line
// answers must count every line as shown, so after new text, settings or
// width the pending wrapping is done first (once: a far caret move of the
// widget's own does the same). An edit's lines are wrapped by the widget as
// the caret moves, and only they can differ until the next paint.
bool ScintillaSurface::WrapPending() const {
  if (!Wraps()) return false;
  if (m_editor.TakeWrapStale()) {
    const long lines = Send(Sci::SCI_GETLINECOUNT);
    Send(Sci::SCI_ENSUREVISIBLE, static_cast<unsigned long>(std::max(lines - 1, 0L)));
  }
  return true;
}

Offset ScintillaSurface::LineIndex(Offset k) const {
  Flush();
  if (k == -1) k = LineFromChar(-1);
  if (k < 0) return -1;
  if (!WrapPending()) return k < static_cast<Offset>(m_lineStarts.size()) ? m_lineStarts[static_cast<std::size_t>(k)] : -1;
  const long doc = Send(Sci::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(k));
  if (doc >= static_cast<long>(m_lineStarts.size())) return -1;
  const long sub = static_cast<long>(k) - Send(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc));
  if (sub <= 0) return m_lineStarts[static_cast<std::size_t>(doc)];
  if (sub >= Send(Sci::SCI_WRAPCOUNT, static_cast<unsigned long>(doc))) return -1;
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc));
  const long y = Send(Sci::SCI_POINTYFROMPOSITION, 0, start) + sub * Send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(doc));
  return OffsetOfView(Send(Sci::SCI_POSITIONFROMPOINT, 0, y));
}

Offset ScintillaSurface::LineFromChar(Offset p) const {
  if (p == -1) p = GetSelStart();
  p = std::clamp<Offset>(p, 0, TextLength());
  const Offset doc = LineOfOffset(p);
  if (!WrapPending()) return doc;
  const long v = ViewPosition(p);
  const long start = Send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc));
  const long h = std::max(1L, Send(Sci::SCI_TEXTHEIGHT, static_cast<unsigned long>(doc)));
  const long sub = (Send(Sci::SCI_POINTYFROMPOSITION, 0, v) - Send(Sci::SCI_POINTYFROMPOSITION, 0, start)) / h;
  return Send(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc)) + sub;
}

Offset ScintillaSurface::LineCount() const {
  Flush();
  const auto lines = static_cast<Offset>(m_lineStarts.size());
  const bool emptyLast = m_lineStarts.back() == TextLength();
  if (!WrapPending()) return emptyLast ? lines - 1 : lines;
  const long last = static_cast<long>(lines) - 1;
  const long total = Send(Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(last)) +
                     Send(Sci::SCI_WRAPCOUNT, static_cast<unsigned long>(last));
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

// --- Search -----------------------------------------------------------------------------

Offset ScintillaSurface::FindText(std::string_view t, Offset start, Offset length, FindFlags flags) const {
  return FindInDocumentText(m_text, t, start, length, flags);
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
  const long vs = ViewPosition(s);
  const long ve = ViewPosition(e);
  const int style = StyleOf(font);
  // Colouring is no edit: undone with its step only, modified flag untouched.
  if (m_undoDepth > 0 && Send(Sci::SCI_GETUNDOCOLLECTION)) {
    MarkStepStart();
    UndoRecord r;
    r.viewStart = vs;
    r.newStyle = static_cast<unsigned char>(style);
    r.oldStyles.resize(static_cast<std::size_t>(ve - vs));
    for (long i = vs; i < ve; ++i)
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

namespace mw {

void ScintillaSurface::Recolour(bool coloured) {
  Flush();
  BeginUpdate();
  m_coloured = coloured;
  ColourAll();
  ResetTypingFormat();
  EndUpdate();
}

}  // namespace mw
