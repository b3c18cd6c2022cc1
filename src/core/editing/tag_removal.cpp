#include "core/editing/tag_removal.h"

#include <algorithm>

#include "core/display/html_to_rtf.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"

namespace mw {
namespace {

struct Selection {
  Offset start = 0;
  Offset length = 0;
};

Selection Noted(const EditorSurface& e) { return {e.GetSelStart(), e.GetSelLength()}; }

void Restore(EditorSurface& e, Selection s) {
  e.SetSelStart(s.start);
  e.SetSelLength(s.length);
}

Offset SelEnd(const EditorSurface& e) { return e.GetSelStart() + e.GetSelLength(); }

// The document's text replaced as a whole, the way loading shows it: in
// the text font, tags coloured when the author wants them coloured, and
// the view left where it was.
void ReplaceWholeText(EditingContext& ctx, const std::string& text) {
  EditorSurface& e = ctx.Editor();
  UpdateSuspension quiet(e);
  const Offset anchor = e.SelAnchor();
  const Offset active = e.SelActive();
  const Offset top = e.TopDisplayLine();
  e.SetTypingFormat(ctx.Font(FontClass::Text));
  e.SetText(text);
  if (ctx.options.autoTagFont) {
    for (const ColourRun& run : ColourHtml(text))
      if (run.cls != FontClass::Text)
        e.SetRangeFormat(run.start, run.length, ctx.Font(run.cls));
  }
  e.SetSelection(anchor, active);
  const Offset now = e.TopDisplayLine();
  if (now != top) e.LineScroll(top - now);
}

void ChangeTagCase(EditingContext& ctx, bool upper) {
  EditorSurface& e = ctx.Editor();
  const std::string before = e.GetText();
  const std::string after = TagsInCase(before, upper);
  if (after == before) return;  // no edit, so the document stays unmodified
  UndoStep step(e);
  ReplaceWholeText(ctx, after);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

void SelectTagRangeAtCaret(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  SelectTag(e, ctx.currentTag);
  if (e.GetSelLength() == 0) return;
  const std::string t = e.GetSelText();
  const std::string n = TagNameOf(t);
  if (n.empty() || !t.starts_with('<') || t.starts_with("</")) return;
  const Offset after = SelEnd(e);
  const Offset end = FindMatchingEndTag(e.GetText(), after, n);
  if (end == kNoPos) return;
  e.SetSelLength(e.GetSelLength() + (end - after) + static_cast<Offset>(n.size()) + 3);
}

void DeleteTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Selection s0 = Noted(e);
  SelectTag(e, ctx.currentTag);
  if (s0.start < SelEnd(e)) {
    ReplaceSelection(ctx, "");
  } else {
    Restore(e, s0);
  }
}

void DeleteCurrentTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Selection s0 = Noted(e);
  SelectTagRangeAtCaret(ctx);
  if (s0.start >= SelEnd(e)) {
    Restore(e, s0);
    return;
  }
  if (e.GetSelText().starts_with("</")) return;  // the end tag stays selected
  DeleteOuterTag(ctx);
}

std::string WithoutOuterTags(std::string_view s) {
  // The bytes looked for are below 0x40 and never the second byte of a
  // double-byte character.
  const Offset a = Find(s, "<");
  const Offset f = Find(s, ">");
  const Offset b = FindLast(s, "<");
  const Offset g = FindLast(s, ">");
  std::string r(s);
  if (a != kNoPos && a < b && b < g)
    r.erase(static_cast<std::size_t>(b), static_cast<std::size_t>(g - b + 1));
  if (a != kNoPos && a < f) r.erase(static_cast<std::size_t>(a), static_cast<std::size_t>(f - a + 1));
  return r;
}

void DeleteOuterTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const std::string result = WithoutOuterTags(e.GetSelText());
  e.SetTypingFormat(ctx.Font(FontClass::Text));
  ReplaceSelection(ctx, result);
}

void DeleteComment(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const std::string text = e.GetText();
  // A caret inside "<!--" still belongs to that comment.
  const auto upto = static_cast<std::size_t>(std::min<Offset>(e.GetSelStart() + 4, e.TextLength()));
  std::string_view p(text.data(), upto);
  std::size_t c = std::string_view::npos;
  for (;;) {
    const std::size_t lt = p.rfind('<');
    if (lt == std::string_view::npos) return;
    if (p.substr(lt, 4) == "<!--") {
      c = lt;
      break;
    }
    p = p.substr(0, lt);
  }
  // The comment runs to the "-->" that brings the nesting back to zero.
  int depth = 0;
  std::size_t i = c;
  for (; i < text.size(); ++i) {
    if (text.compare(i, 4, "<!--") == 0) {
      ++depth;
    } else if (text[i] == '>' && depth > 0 && i >= 2 && text[i - 1] == '-' && text[i - 2] == '-') {
      if (--depth == 0) break;
    }
  }
  if (i == text.size()) --i;
  const std::size_t n = i - c + 1;
  if (n < 3 || text.compare(i - 2, 3, "-->") != 0) return;
  // In "<!-->" the markers overlap; the comment holds nothing.
  const std::string inner = n >= 7 ? text.substr(c + 4, n - 7) : std::string();
  UndoStep step(e);
  e.SetSelStart(static_cast<Offset>(c));
  e.SetSelLength(static_cast<Offset>(n));
  ReplaceSelection(ctx, inner);
}

std::string TagsInCase(std::string_view text, bool upper) {
  std::string out;
  out.reserve(text.size());
  int comments = 0;
  bool inTag = false;
  bool quoted = false;     // inside "..." anywhere in a tag
  char valueQuote = 0;     // inside 'value' after '='
  bool bareValue = false;  // inside an unquoted value
  bool afterEquals = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    if (n > 1) {
      out.append(text.substr(i, n));
      i += n;
      if (afterEquals) bareValue = true;  // a value may start with a kanji
      afterEquals = false;
      continue;
    }
    char c = text[i];
    const bool dashesBefore = i >= 2 && text[i - 1] == '-' && text[i - 2] == '-';
    if (comments > 0) {
      if (c == '>' && dashesBefore) --comments;
      else if (c == '<' && text.substr(i + 1, 3) == "!--") ++comments;
    } else if (inTag && (quoted || valueQuote != 0) && c != '>') {
      // Inside quotes a '<' is the value's own text; a '>' still ends the
      // tag, so an unclosed quote cannot swallow the rest of the page.
      if (quoted) quoted = c != '"';
      else if (c == valueQuote) valueQuote = 0;
    } else if (c == '<' && text.substr(i + 1, 3) == "!--") {
      ++comments;
    } else if (c == '<') {
      inTag = true;
      quoted = bareValue = afterEquals = false;
      valueQuote = 0;
    } else if (c == '>') {
      inTag = quoted = bareValue = afterEquals = false;
      valueQuote = 0;
    } else if (inTag) {
      if (bareValue) {
        bareValue = !IsBlank(c);
      } else if (c == '"') {
        quoted = true;
        afterEquals = false;
      } else if (afterEquals && !IsBlank(c)) {
        // The value after '=' stays as written, quoted or not.
        afterEquals = false;
        if (c == '\'') valueQuote = c;
        else bareValue = true;
      } else if (c == '=') {
        afterEquals = true;
      } else if (!afterEquals) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      }
    }
    out.push_back(c);
    ++i;
  }
  return out;
}

void ToUpperCaseTag(EditingContext& ctx) { ChangeTagCase(ctx, true); }
void ToLowerCaseTag(EditingContext& ctx) { ChangeTagCase(ctx, false); }

void RegisterTagRemovalCommands(CommandRegistry& r) {
  r.Add({"DeleteTagClick", [](EditingContext& ctx, std::string_view) { DeleteTag(ctx); }});
  r.Add({"DeleteCurrentTagClick", [](EditingContext& ctx, std::string_view) { DeleteCurrentTag(ctx); }});
  r.Add({"DeleteOuterTagClick", [](EditingContext& ctx, std::string_view) { DeleteOuterTag(ctx); }});
  r.Add({"DeleteCommentClick", [](EditingContext& ctx, std::string_view) { DeleteComment(ctx); }});
  r.Add({"ToUpperCaseTagClick", [](EditingContext& ctx, std::string_view) { ToUpperCaseTag(ctx); }});
  r.Add({"ToLowerCaseTagClick", [](EditingContext& ctx, std::string_view) { ToLowerCaseTag(ctx); }});
}

}  // namespace mw
