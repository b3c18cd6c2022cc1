#include "core/editing/selection.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"
#include "core/text/messages.h"

namespace mw {

namespace {

// Every byte these searches look for ('<', '>', '=', '"', ';', space, CR,
// LF) is below 0x40 and so never the second byte of a double-byte
// character: a plain byte scan of any range finds only real characters.

constexpr Offset kFirstChunk = 256;
constexpr Offset kMaxChunk = 64 * 1024;

struct Sel {
  Offset start = 0;
  Offset length = 0;
  Offset End() const { return start + length; }
  friend bool operator==(const Sel&, const Sel&) = default;
};

Sel GetSel(const EditorSurface& e) { return {e.GetSelStart(), e.GetSelLength()}; }

void Restore(EditorSurface& e, Sel s) {
  e.SetSelStart(s.start);
  if (s.length > 0) e.SetSelLength(s.length);
}

void Select(EditorSurface& e, Offset start, Offset length) {
  e.SetSelStart(start);
  e.SetSelLength(length);
}

bool SelBegins(const EditorSurface& e, std::string_view prefix) {
  const auto n = static_cast<Offset>(prefix.size());
  return e.GetSelLength() >= n && e.GetTextRange(e.GetSelStart(), n) == prefix;
}

// Whether [start, start + length) holds nothing but blanks and control
// bytes; reads only until the first other byte.
bool RangeIsBlank(const EditorSurface& e, Offset start, Offset length) {
  for (Offset p = start, end = start + length; p < end;) {
    const Offset n = std::min(kMaxChunk, end - p);
    const std::string part = e.GetTextRange(p, n);
    if (!TrimLeft(part).empty()) return false;
    if (part.empty()) break;
    p += static_cast<Offset>(part.size());
  }
  return true;
}

bool SelIsBlank(const EditorSurface& e) { return RangeIsBlank(e, e.GetSelStart(), e.GetSelLength()); }

bool SelContains(const EditorSurface& e, std::string_view needle) {
  const auto overlap = static_cast<Offset>(needle.size()) - 1;
  for (Offset p = e.GetSelStart(), end = e.GetSelStart() + e.GetSelLength(); p < end;) {
    const Offset n = std::min(kMaxChunk, end - p);
    const std::string part = e.GetTextRange(p, n);
    if (part.find(needle) != std::string::npos) return true;
    if (p + n >= end || n <= overlap) break;
    p += n - overlap;
  }
  return false;
}

// One start tag and nothing more: begins with '<', ends with '>', and holds
// no "</".
bool IsSingleStartTag(const EditorSurface& e) {
  const Offset s = e.GetSelStart();
  const Offset n = e.GetSelLength();
  return n > 0 && e.GetTextRange(s, 1) == "<" && e.GetTextRange(s + n - 1, 1) == ">" && !SelContains(e, "</");
}

TextSpan SelectTagHere(EditingContext& ctx) { return SelectTag(ctx.Editor(), ctx.currentTag); }

// The end tag that closes a start tag ending at `after`. The search reads a
// window that doubles until it holds the end tag: a match found inside a
// window is the match in the whole text, since every nested start before it
// lies in the window too.
Offset FindEndTagFrom(const EditorSurface& e, Offset after, std::string_view name) {
  const Offset size = e.TextLength();
  for (Offset w = 4096;; w *= 2) {
    const std::string part = e.GetTextRange(after, w);
    const Offset f = FindMatchingEndTag(part, 0, name);
    if (f != kNoPos) return after + f;
    if (after + static_cast<Offset>(part.size()) >= size) return kNoPos;
  }
}

// Whether the value ParameterAtCaret found in `part` (a window beginning at
// the '=') is the value it would find in the whole text. A quoted value
// needs its closing quote in the window; a bare one needs a quote or one of
// its delimiters, and a delimiter right at its start only counts when the
// quote is known, since that start delimiter only wins when no quote follows.
bool ValueEndsInWindow(std::string_view part, const TextSpan& value) {
  const std::string_view x = part.substr(static_cast<std::size_t>(value.start));
  if (x.find('"') != std::string_view::npos) return true;
  const bool quoted = part[static_cast<std::size_t>(value.start) - 1] == '"';
  if (quoted || x.empty()) return false;
  if (x.find_first_of("<> ;") == 0) return false;
  return x.find_first_of("<> ;") != std::string_view::npos;
}

// ParameterAtCaret on the editor, reading back only to the last '=' and on
// only as far as the value's end.
std::optional<TextSpan> ParameterNearCaret(const EditorSurface& e, Offset caret) {
  const Offset size = e.TextLength();
  caret = std::clamp<Offset>(caret, 0, size);
  Offset eq = kNoPos;
  for (Offset end = caret, chunk = kFirstChunk; end > 0 && eq == kNoPos; chunk = std::min(chunk * 2, kMaxChunk)) {
    const Offset begin = std::max<Offset>(0, end - chunk);
    const std::string part = e.GetTextRange(begin, end - begin);
    if (const std::size_t i = part.rfind('='); i != std::string::npos) eq = begin + static_cast<Offset>(i);
    end = begin;
  }
  if (eq == kNoPos) return std::nullopt;
  for (Offset w = kFirstChunk;; w *= 2) {
    const std::string part = e.GetTextRange(eq, caret - eq + w);
    const auto value = ParameterAtCaret(part, caret - eq);  // the same '=', now at 0
    if (!value) return std::nullopt;
    if (eq + static_cast<Offset>(part.size()) >= size || ValueEndsInWindow(part, *value))
      return TextSpan{eq + value->start, value->length};
  }
}

// Selects the attribute value at the caret when there is one.
bool SelectParameterAt(EditorSurface& e, Offset caret) {
  const auto value = ParameterNearCaret(e, caret);
  if (!value) return false;
  Select(e, value->start, value->length);
  return true;
}

// SelectPreviousParameter, telling whether a value was found at all.
bool SelectPreviousParameterFound(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Sel s0 = GetSel(e);
  bool found = SelectParameterAt(e, s0.start);
  // From the start of a value the last '=' is its own, so a second press
  // looks a few bytes further back, past that '=' and its quote.
  if (GetSel(e) == s0 && s0.start >= 6) {
    e.SetSelStart(s0.start - 6);
    found = SelectParameterAt(e, e.GetSelStart());
  }
  return found;
}

}  // namespace

// --- Tags and elements ---------------------------------------------------------

void SelectTagRange(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  SelectTagHere(ctx);
  const Sel s = GetSel(e);
  if (s.length == 0 || !SelBegins(e, "<")) return;
  const std::string t = e.GetSelText();
  const std::string name = TagNameOf(t);
  if (name.empty() || t.starts_with("</")) return;
  const Offset end = FindEndTagFrom(e, s.End(), name);
  if (end == kNoPos) return;
  e.SetSelLength(end + static_cast<Offset>(name.size()) + 3 - s.start);
}

void SelectPreviousTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Sel s0 = GetSel(e);
  SelectTagHere(ctx);
  if (GetSel(e) != s0 || s0.start == 0) return;
  e.SetSelStart(s0.start - 1);
  SelectTagHere(ctx);
  if (!SelBegins(e, "<")) Restore(e, s0);
}

void SelectNextTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  // From offset 0 the tag at the very start counts as the one at the caret.
  if (GetSel(e) == Sel{0, 0}) e.SetSelStart(1);
  const Sel s1 = GetSel(e);
  const TextSpan tag = SelectTagHere(ctx);
  if (tag.length > 0) {
    const Sel t{tag.start, tag.length};
    if (t.End() > s1.start && t != s1) return;  // the caret was inside it
    e.SetSelStart(t.End());
  }
  const Offset f = e.FindText("<", e.GetSelStart());
  if (f < 1) return;
  e.SetSelStart(f + 1);
  SelectTagHere(ctx);
  if (!SelBegins(e, "<")) Restore(e, s1);
}

void SelectPreviousTagRange(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  // Each round ends on an element or lone tag; it goes round again only
  // when it landed on an end tag before its own start, so it always ends.
  for (;;) {
    const Sel s0 = GetSel(e);
    if (!IsSingleStartTag(e)) {
      e.SetSelStart(s0.start);
      SelectPreviousTag(ctx);
    }
    while (SelBegins(e, "</")) {
      const Sel before = GetSel(e);
      SelectPreviousTag(ctx);
      if (GetSel(e) == before) break;
    }
    SelectTagRange(ctx);
    const Sel s = GetSel(e);
    if (s != s0 || s.start == 0) return;
    e.SetSelStart(s.start - 1);
    SelectTagRange(ctx);
    if (!SelBegins(e, "<")) {
      Restore(e, s0);
      return;
    }
    if (!SelBegins(e, "</") || e.GetSelStart() >= s0.start) return;
  }
}

void SelectNextTagRange(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  for (;;) {
    if (GetSel(e) == Sel{0, 0}) e.SetSelStart(1);
    const Sel s1 = GetSel(e);
    if (!IsSingleStartTag(e)) {
      e.SetSelStart(s1.End());
      SelectNextTag(ctx);
    }
    while (SelBegins(e, "</")) {
      const Sel before = GetSel(e);
      SelectNextTag(ctx);
      if (GetSel(e) == before) break;
    }
    SelectTagRange(ctx);
    const Sel s = GetSel(e);
    if (s.length > 0) {
      if (s.End() > s1.start && s != s1) return;
      e.SetSelStart(s.End());
    }
    const Offset f = e.FindText("<", e.GetSelStart());
    if (f < 1) return;
    e.SetSelStart(f + 1);
    SelectTagRange(ctx);
    if (!SelBegins(e, "<")) {
      Restore(e, s1);
      return;
    }
    // An end tag: go on from it to the next element.
    if (!SelBegins(e, "</") || e.GetSelStart() <= s1.start) return;
  }
}

// --- Body text and attribute values ------------------------------------------

void SelectPreviousText(EditingContext& ctx) {
  if (ctx.currentTag.length == 0) return;
  EditorSurface& e = ctx.Editor();
  const Sel s0 = GetSel(e);
  e.SetSelStart(s0.start);
  // a is the start of the last tag stepped over; it only goes down.
  Offset a = s0.start;
  while (a > 0 && SelIsBlank(e)) {
    e.SetSelStart(a - 1);
    SelectPreviousTag(ctx);
    if (e.GetSelLength() == 0) {
      e.SetSelStart(a);
      return;
    }
    a = e.GetSelStart();
    const Offset c = a + e.GetSelLength();
    e.SetSelStart(c);
    const Offset f = e.FindText("<", c);
    if (f > 0) e.SetSelLength(f - c);
    if (GetSel(e) == s0) {
      SelectPreviousTag(ctx);
      if (e.GetSelStart() == 0) {
        e.SetSelStart(0);
        return;
      }
      e.SetSelStart(e.GetSelStart() - 1);
    }
  }
}

void SelectNextText(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  if (GetSel(e) == Sel{0, 0}) e.SetSelStart(1);
  const Sel s1 = GetSel(e);
  // b is the end of the last tag stepped over; it only goes up.
  Offset b = s1.start;
  SelectTagHere(ctx);
  e.SetSelStart(e.GetSelStart());
  while (SelIsBlank(e) && e.GetSelStart() < e.TextLength()) {
    e.SetSelStart(b);
    SelectNextTag(ctx);
    if (e.GetSelLength() == 0) return;
    b = e.GetSelStart() + e.GetSelLength();
    e.SetSelStart(b);
    const Offset f = e.FindText("<", b);
    if (f < 1) return;
    e.SetSelLength(f - b);
    if (GetSel(e) == s1) SelectNextTag(ctx);
  }
}

void SelectPreviousParameter(EditingContext& ctx) { SelectPreviousParameterFound(ctx); }

void SelectNextParameter(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  if (GetSel(e) == Sel{0, 0}) e.SetSelStart(1);
  const Sel s1 = GetSel(e);
  SelectParameterAt(e, s1.start);
  const Sel s = GetSel(e);
  if (s.length > 0) {
    if (s.End() > s1.start && s != s1) return;
    e.SetSelStart(s.End());
  }
  const Offset f = e.FindText("=", e.GetSelStart());
  if (f < 1) return;
  // Past the '=' and an opening quote, so the value found is this one.
  e.SetSelStart(f + 2);
  SelectParameterAt(e, e.GetSelStart());
}

void SelectAutoRange(EditingContext& ctx) {
  if (ctx.currentTag.length <= 0) return;
  EditorSurface& e = ctx.Editor();
  if (SelBegins(e, "<") && e.GetTextRange(e.GetSelStart() + e.GetSelLength() - 1, 1) == ">") {
    SelectPreviousTagRange(ctx);
    return;
  }
  UpdateSuspension quiet(e);
  const Sel s0 = GetSel(e);
  auto holdsCaret = [&] {
    const Sel s = GetSel(e);
    return s0.start >= s.start && s0.start <= s.End();
  };
  // A search that finds nothing leaves the selection where it was, which
  // also "holds" the caret: only a value actually found counts.
  if (SelectPreviousParameterFound(ctx) && holdsCaret()) return;
  Restore(e, s0);
  SelectPreviousText(ctx);
  if (holdsCaret()) return;
  Restore(e, s0);
  SelectTagHere(ctx);
  if (holdsCaret()) return;
  Restore(e, s0);
}

// --- Rows and the whole text -------------------------------------------------

namespace {

// The start of the line after the one holding p, or the end of the text.
Offset NextLineStart(const EditorSurface& e, Offset p) {
  const Offset next = e.LineIndex(e.LineFromChar(p) + 1);
  return next < 0 ? e.TextLength() : next;
}

}  // namespace

void SelectRow(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Offset c = e.GetSelStart();
  e.SetSelStart(c);
  e.SetSelection(e.LineIndex(e.LineFromChar(c)), NextLineStart(e, c));
}

void SelectFromRowStart(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Offset c = e.GetSelStart();
  e.SetSelStart(c);
  e.SetSelection(c, e.LineIndex(e.LineFromChar(c)));
}

void SelectToRowEnd(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Offset c = e.GetSelStart() + e.GetSelLength();
  e.SetSelStart(c);
  e.SetSelection(c, NextLineStart(e, c));
}

void SelectFromStart(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  e.SetSelection(e.GetSelStart(), 0);
}

void SelectToEnd(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  e.SetSelection(e.GetSelStart() + e.GetSelLength(), e.TextLength());
}

void SelectAllText(EditingContext& ctx) { ctx.Editor().SelectAll(); }

void BackSpace(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  if (e.GetSelLength() == 0) {
    const Offset c = e.GetSelStart();
    if (c == 0) return;
    Offset from = c - 1;
    if (from > 0 && e.GetTextRange(from - 1, 2) == "\r\n") {
      --from;
    } else {
      e.SetSelStart(from);  // the editor moves it to the character's first byte
      from = e.GetSelStart();
    }
    e.SetSelection(from, c);
  }
  e.SetSelText("");
}

// --- Jumps ---------------------------------------------------------------------

namespace {

// A pattern at the very start of the text is found like any other: a page
// that begins with <HEAD> or <BODY> is still a place to jump to.
Offset Jump(EditingContext& ctx, Offset from, std::string_view pattern, bool after) {
  EditorSurface& e = ctx.Editor();
  const Offset f = e.FindText(pattern, from);
  if (f < 0) return f;
  e.SetSelStart(after ? f + static_cast<Offset>(pattern.size()) : f);
  CentreCaretLine(e);
  return e.GetSelStart();
}

// A decimal integer, blanks around it allowed; -1 when the text is not one.
long long ParseLineNumber(std::string_view s) {
  s = Trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  long long n = -1;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc{} || end != s.data() + s.size() || s.empty()) return -1;
  return n;
}

}  // namespace

Offset JumpAfter(EditingContext& ctx, Offset from, std::string_view pattern) {
  return Jump(ctx, from, pattern, true);
}

Offset JumpBefore(EditingContext& ctx, Offset from, std::string_view pattern) {
  return Jump(ctx, from, pattern, false);
}

void JumpToTop(EditingContext& ctx) { ctx.Editor().SetSelStart(0); }

void JumpToBottom(EditingContext& ctx) { ctx.Editor().SetSelStart(ctx.Editor().TextLength()); }

void JumpToHeadStart(EditingContext& ctx) { JumpAfter(ctx, 0, "<HEAD>"); }

void JumpToHeadEnd(EditingContext& ctx) { JumpBefore(ctx, 0, "</HEAD>"); }

void JumpToBodyStart(EditingContext& ctx) {
  // The BODY start tag may carry attributes: on to its '>'.
  const Offset a = JumpAfter(ctx, 0, "<BODY");
  if (a > 0) JumpAfter(ctx, a, ">");
}

void JumpToBodyEnd(EditingContext& ctx) { JumpBefore(ctx, 0, "</BODY>"); }

void JumpToBodyTag(EditingContext& ctx) {
  // Just before the '>', where a new attribute goes.
  const Offset a = JumpAfter(ctx, 0, "<BODY");
  if (a > 0) JumpBefore(ctx, a, ">");
}

void JumpToLineNumber(EditingContext& ctx) {
  if (ctx.prompts == nullptr) return;
  const StringRequest request{InputMode::Plain, MessageSjis(Msg::GotoLineTitle), MessageSjis(Msg::GotoLineLabel),
                              std::string("1"), {"1", "10", "100", "1000", "10000"}};
  const auto answer = ctx.prompts->AskString(request);
  if (!answer) return;
  const long long n = ParseLineNumber(*answer);
  if (n >= 0) GotoLine(ctx, n);
}

bool GotoLine(EditingContext& ctx, long long n) {
  EditorSurface& e = ctx.Editor();
  const Offset size = e.TextLength();
  long long line = 1;
  Offset p = 0;
  while (line < n && p < size) {
    const std::string part = e.GetTextRange(p, kMaxChunk);
    std::size_t i = 0;
    while (line < n && (i = part.find('\n', i)) != std::string::npos) {
      ++line;
      ++i;
    }
    p += line < n ? static_cast<Offset>(part.size()) : static_cast<Offset>(i);
    if (part.empty()) break;
  }
  if (line != n) {
    if (ctx.prompts) ctx.prompts->ShowMessage(MessageSjis(Msg::GotoLineOutOfRange));
    return false;
  }
  e.SetSelStart(p);
  CentreCaretLine(e);
  return true;
}

// --- For automatic pre-selection ---------------------------------------------

void EngineSelectionSearch::SelectPreviousTag(EditingContext& ctx) { mw::SelectPreviousTag(ctx); }
void EngineSelectionSearch::SelectPreviousTagRange(EditingContext& ctx) { mw::SelectPreviousTagRange(ctx); }
void EngineSelectionSearch::SelectPreviousText(EditingContext& ctx) { mw::SelectPreviousText(ctx); }

SelectionSearch& EngineSelectionSearchInstance() {
  static EngineSelectionSearch search;
  return search;
}

// --- Registration ----------------------------------------------------------------

void RegisterSelectionCommands(CommandRegistry& r) {
  using Fn = void (*)(EditingContext&);
  // Moving the caret changes no text; each still runs as one undo step so
  // it never splits the author's typing around it.
  auto add = [&r](const char* name, Fn f, bool modifiesText = false) {
    r.Add({name, [f](EditingContext& ctx, std::string_view) {
             UndoStep step(ctx.Editor());
             f(ctx);
           }, modifiesText});
  };
  add("SelectAutoRangeClick", SelectAutoRange);
  add("SelectPreviousTagClick", SelectPreviousTag);
  add("SelectNextTagClick", SelectNextTag);
  add("SelectPreviousTagRangeClick", SelectPreviousTagRange);
  add("SelectNextTagRangeClick", SelectNextTagRange);
  add("SelectPreviousParameterClick", SelectPreviousParameter);
  add("SelectNextParameterClick", SelectNextParameter);
  add("SelectPreviousTextClick", SelectPreviousText);
  add("SelectNextTextClick", SelectNextText);
  add("SelectRowClick", SelectRow);
  add("SelectFromRowStartClick", SelectFromRowStart);
  add("SelectToRowEndClick", SelectToRowEnd);
  add("SelectFromStartClick", SelectFromStart);
  add("SelectToEndClick", SelectToEnd);
  add("SelectAllClick", SelectAllText);
  add("BackSpaceClick", BackSpace, true);
  add("JumpToTopClick", JumpToTop);
  add("JumpToBottomClick", JumpToBottom);
  add("JumpToHeadStartClick", JumpToHeadStart);
  add("JumpToHeadEndClick", JumpToHeadEnd);
  add("JumpToBodyStartClick", JumpToBodyStart);
  add("JumpToBodyEndClick", JumpToBodyEnd);
  add("JumpToBodyTagClick", JumpToBodyTag);
  add("JumpToLineNumberClick", JumpToLineNumber);
}

}  // namespace mw
