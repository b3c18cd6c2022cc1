#include "core/editing/find_replace.h"

#include "core/editing/tag_scan.h"
#include "core/text/encoding.h"
#include "core/text/messages.h"

namespace mw {

namespace {

Offset SelEnd(const EditorSurface& e) { return e.GetSelStart() + e.GetSelLength(); }

// Selects the next occurrence after the selection; false (selection
// untouched) when there is none.
bool SelectNext(EditorSurface& e, const FindRequest& r) {
  const Offset f = e.FindText(r.findText, SelEnd(e), -1, r.flags);
  if (f < 0) return false;
  e.SetSelStart(f);
  e.SetSelLength(static_cast<Offset>(r.findText.size()));
  return true;
}

}  // namespace

std::string NotFoundMessage(std::string_view findText) {
  return FormatMessage(MessageSjis(Msg::FindNotFound), {findText});
}

std::string ReplacedCountText(int count) {
  return FormatMessage(MessageSjis(Msg::ReplaceCountDone), {std::to_string(count)});
}

std::string InitialFindText(const EditorSurface& editor, std::string_view current) {
  if (editor.GetSelLength() > 0) return editor.GetSelText();
  return std::string(current);
}

bool FindNext(EditingContext& ctx, const FindRequest& request) {
  if (request.findText.empty()) return false;
  EditorSurface& e = ctx.Editor();
  if (SelectNext(e, request)) {
    CentreCaretLine(e);
    return true;
  }
  ctx.prompts->ShowMessage(NotFoundMessage(request.findText));
  e.SetSelStart(0);
  return false;
}

ReplaceResult Replace(EditingContext& ctx, const FindRequest& request) {
  ReplaceResult result;
  if (request.findText.empty()) return result;
  EditorSurface& e = ctx.Editor();
  {
    UpdateSuspension repaintOnce(e);
    UndoStep oneStep(e);
    if (EqualsNoCase(e.GetSelText(), request.findText)) {
      e.SetSelText(request.replaceText);
      ++result.count;
    }
    // Each search starts after the text just inserted, so a replace text
    // containing the find text cannot be matched again.
    for (;;) {
      if (!SelectNext(e, request)) {
        e.SetSelStart(0);
        break;
      }
      if (result.count > 0 && !request.replaceAll) break;
      e.SetSelText(request.replaceText);
      ++result.count;
      if (!request.replaceAll) break;
    }
    if (request.replaceAll) e.SetSelStart(0);
  }
  if (request.replaceAll)
    result.statusText = ReplacedCountText(result.count);
  else
    CentreCaretLine(e);
  return result;
}

}  // namespace mw
