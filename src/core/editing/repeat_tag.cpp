#include "core/editing/repeat_tag.h"

#include "core/editing/insertion.h"
#include "core/text/messages.h"

namespace mw {
namespace {

// Blanks and control bytes at either end; Shift-JIS trail bytes are never
// below 0x40, so a double-byte character is never cut.
std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

bool CanRepeatTag(const RepeatTagPair& pair) { return !pair.start.empty() || !pair.end.empty(); }

void RepeatInsertTag(EditingContext& ctx) {
  const RepeatTagPair pair = ctx.repeatTag;
  if (!CanRepeatTag(pair)) return;
  EditorSurface& e = ctx.Editor();
  if (pair.start.empty() || pair.end.empty()) {
    // A lone tag such as <BR> is inserted, not wrapped round anything.
    const std::string text = pair.start + pair.end;
    UndoStep step(e);
    const Offset s0 = e.GetSelStart();
    ReplaceSelection(ctx, text);
    e.SetSelStart(s0 + static_cast<Offset>(text.size()));
    return;
  }
  AutoSelect(ctx);
  const std::string text = pair.start + e.GetSelText() + pair.end;
  if (pair.start == "<!--" && pair.end == "-->") {
    // A comment is shown in the special font as a whole, not tag-coloured.
    UndoStep step(e);
    UpdateSuspension quiet(e);
    e.SetTypingFormat(ctx.Font(FontClass::Special));
    e.SetSelText(text);
    return;
  }
  InsertWrapped(ctx, text, static_cast<Offset>(pair.start.size()));
}

RepeatTagPair ProposeRepeatTag(std::string_view x) {
  constexpr auto npos = std::string_view::npos;
  const auto a = x.find('<');
  const auto f = x.find('>');
  const auto b = x.rfind('<');
  const auto g = x.rfind('>');
  RepeatTagPair p;
  // Positions here are 0-based; "a found before f" is the whole condition.
  if (a != npos && f != npos && a < f) p.start = std::string(x.substr(a, f - a + 1));
  if (a != npos && b != npos && g != npos && a < b && b < g) p.end = std::string(x.substr(b, g - b + 1));
  return p;
}

bool EditRepeatTag(EditingContext& ctx, RepeatTagDialogRunner& runner) {
  RepeatTagDialog d{ctx.repeatTag.start, ctx.repeatTag.end};
  if (!runner.Run(d)) return false;
  SetRepeatTag(ctx, d.preTag, d.postTag);
  return true;
}

bool ExtractRepeatTag(EditingContext& ctx, const std::function<void(EditingContext&)>& selectTagRange,
                      RepeatTagDialogRunner& runner) {
  EditorSurface& e = ctx.Editor();
  if (selectTagRange) selectTagRange(ctx);
  if (e.GetSelText().starts_with("</") && ctx.selectionSearch != nullptr) {
    // From an end tag, the element is the one that tag closes.
    e.SetSelStart(e.GetSelStart() + 1);
    ctx.selectionSearch->SelectPreviousTagRange(ctx);
  }
  const RepeatTagPair proposed = ProposeRepeatTag(e.GetSelText());
  RepeatTagDialog d{proposed.start, proposed.end};
  if (!runner.Run(d)) return false;
  SetRepeatTag(ctx, d.preTag, d.postTag);
  return true;
}

bool RegisterRepeatTag(const RepeatTagDialog& dialog, UserPrompts& prompts,
                       const RegisterTagHandler& registerTag) {
  const std::string_view start = TrimBlanks(dialog.preTag);
  const std::string_view end = TrimBlanks(dialog.postTag);
  if (HasLineBreak(start) || HasLineBreak(end)) {
    prompts.ShowMessage(MessageSjis(Msg::RepeatTagLineBreakRefusal));
    return false;
  }
  if (start.find('\t') != std::string_view::npos || end.find('\t') != std::string_view::npos) {
    prompts.ShowMessage(MessageSjis(Msg::RepeatTagTabRefusal));
    return false;
  }
  if (registerTag) registerTag(start, end);
  return true;
}

}  // namespace mw
