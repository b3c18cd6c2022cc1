// Loading a document into the widget and colouring it: the display fonts as
// the widget's styles, the page sent in slices, every character given the
// style of its font.
#include "gui/display/scintilla_surface.h"

#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "core/display/html_scanner.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {
using Sci = QsciScintillaBase;
}  // namespace

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
    if (static_cast<int>(s) >= kTwinStyle) break;  // the twins follow their styles
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
  const auto& f = m_styles[static_cast<std::size_t>(style & 0xFF & ~kTwinStyle)];
  return f ? *f : *m_styles[0];
}

void ScintillaSurface::ApplyStyle(Offset viewStart, Offset length, int style) const {
  constexpr Offset kSlice = 1 << 20;
  for (Offset from = 0; from < length; from += kSlice) {
    const Offset n = std::min(kSlice, length - from);
    ApplyStyles(viewStart + from, std::string(static_cast<std::size_t>(n), static_cast<char>(style)));
  }
}

// styles holds a style per view byte; each break unit gets the style or
// its twin, the other one than the unit before it (see kTwinStyle).
void ScintillaSurface::ApplyStyles(Offset viewStart, std::string_view styles) const {
  if (styles.empty()) return;
  const auto length = static_cast<Offset>(styles.size());
  const std::string view = ViewRange(viewStart, viewStart + length);
  // The unit going on from before: the character that ends there.
  unsigned char prev = '\n';
  bool twin = false;
  if (viewStart > 0) {
    const long before = Send(Sci::SCI_POSITIONBEFORE, static_cast<unsigned long>(viewStart));
    prev = static_cast<unsigned char>(Send(Sci::SCI_GETCHARAT, static_cast<unsigned long>(before)));
    twin = (Send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(before)) & kTwinStyle) != 0;
  }
  std::string twinned(styles);
  for (std::size_t i = 0; i < twinned.size(); ++i) {
    const auto b = static_cast<unsigned char>(i < view.size() ? view[i] : ' ');
    const bool continuation = b >= 0x80 && b < 0xC0;  // inside a UTF-8 character
    if (!continuation) {
      if (StartsBreakUnit(prev, b)) twin = !twin;
      prev = b;
    }
    const int base = static_cast<unsigned char>(twinned[i]) & ~kTwinStyle;
    twinned[i] = static_cast<char>(twin ? base | kTwinStyle : base);
  }
  Send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(viewStart), 0);
  m_editor.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(twinned.size()), twinned.data());
  m_editor.NoteRestyled();
  if (!m_anyStrike) return;
  Send(Sci::SCI_SETINDICATORCURRENT, kStrikeIndicator);
  const auto baseAt = [&](std::size_t k) { return static_cast<unsigned char>(styles[k]) & ~kTwinStyle; };
  for (std::size_t i = 0; i < styles.size();) {
    std::size_t j = i;
    while (j < styles.size() && baseAt(j) == baseAt(i)) ++j;
    const bool strike = FontOfStyle(baseAt(i)).strikeOut;
    Send(strike ? Sci::SCI_INDICATORFILLRANGE : Sci::SCI_INDICATORCLEARRANGE,
         static_cast<unsigned long>(viewStart + static_cast<Offset>(i)), static_cast<long>(j - i));
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
  m_lines.Rebuild(m_text);
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
  const Offset viewLength = ViewLengthOf(bytes);
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
  Offset done = 0;
  Offset p = 0;
  const auto paint = [&](Offset end, FontClass cls) {
    while (p < end) {
      Offset sl = 1;
      styles.append(static_cast<std::size_t>(ViewLengthOfChar(bytes, p, &sl)), static_cast<char>(cls));
      p += sl;
      if (styles.size() >= kSlice) {
        ApplyStyles(done, styles);
        done += static_cast<Offset>(styles.size());
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
  paint(static_cast<Offset>(bytes.size()), FontClass::Text);
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

void ScintillaSurface::Recolour(bool coloured) {
  Flush();
  BeginUpdate();
  m_coloured = coloured;
  ColourAll();
  ResetTypingFormat();
  EndUpdate();
}

}  // namespace mw
