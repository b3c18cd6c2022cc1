#include "core/editing/command_groups.h"

#include "core/editing/command_registry.h"
#include "core/editing/editing_context.h"
#include "core/editing/find_replace.h"
#include "core/editing/repeat_tag.h"
#include "core/editing/selection.h"

namespace mw {

namespace {

// The repeat dialog shown through the context's dialog host.
class HostedRepeatDialog : public RepeatTagDialogRunner {
 public:
  explicit HostedRepeatDialog(EditingContext& ctx) : m_ctx(ctx) {}
  bool Run(RepeatTagDialog& dialog) override {
    if (!m_ctx.dialogs) return false;
    DialogFields f;
    f.Set("rePreTag", dialog.preTag);
    f.Set("rePostTag", dialog.postTag);
    if (!m_ctx.dialogs->Run("TRepeatTagDlg", f)) return false;
    dialog.preTag = f.Get("rePreTag");
    dialog.postTag = f.Get("rePostTag");
    return true;
  }

 private:
  EditingContext& m_ctx;
};

// The find and replace dialogs' fields: FindText, ReplaceText, MatchCase,
// WholeWord, and for the replace dialog ReplaceAll (1 = "すべて置換").
bool ShowFindDialog(EditingContext& ctx, const char* dialogClass, bool& replaceAll) {
  if (!ctx.dialogs) return false;
  DialogFields f;
  f.Set("FindText", InitialFindText(ctx.Editor(), ctx.findText));
  f.Set("ReplaceText", ctx.replaceText);
  f.SetChecked("MatchCase", ctx.findFlags.matchCase);
  f.SetChecked("WholeWord", ctx.findFlags.wholeWord);
  f.SetChecked("ReplaceAll", false);
  if (!ctx.dialogs->Run(dialogClass, f)) return false;
  ctx.findText = f.Get("FindText");
  ctx.replaceText = f.Get("ReplaceText");
  ctx.findFlags.matchCase = f.Checked("MatchCase");
  ctx.findFlags.wholeWord = f.Checked("WholeWord");
  replaceAll = f.Checked("ReplaceAll");
  return true;
}

FindRequest RequestOf(const EditingContext& ctx, bool replaceAll) {
  return FindRequest{ctx.findText, ctx.replaceText, ctx.findFlags, replaceAll};
}

}  // namespace

void RegisterFindReplaceCommands(CommandRegistry& r) {
  // Headless, showing the dialog and pressing its one action are one step.
  r.Add({"EditFindClick", [](EditingContext& ctx, std::string_view) {
           bool all = false;
           if (ShowFindDialog(ctx, "TFindDialog", all)) FindNext(ctx, RequestOf(ctx, false));
         }, false});
  r.Add({"FindDialog1Find", [](EditingContext& ctx, std::string_view) {
           FindNext(ctx, RequestOf(ctx, false));
         }, false});
  r.Add({"EditReplaceClick", [](EditingContext& ctx, std::string_view) {
           bool all = false;
           if (!ShowFindDialog(ctx, "TReplaceDialog", all)) return;
           ctx.statusText = Replace(ctx, RequestOf(ctx, all)).statusText;
         }});
}

void RegisterRepeatTagCommands(CommandRegistry& r) {
  r.Add({"RepeatInsertTagClick", [](EditingContext& ctx, std::string_view) { RepeatInsertTag(ctx); }});
  r.Add({"EditRepeatTagClick", [](EditingContext& ctx, std::string_view) {
           HostedRepeatDialog dialog(ctx);
           EditRepeatTag(ctx, dialog);
         }, false});
  r.Add({"ExtractRepeatTagClick", [](EditingContext& ctx, std::string_view) {
           HostedRepeatDialog dialog(ctx);
           ExtractRepeatTag(ctx, SelectTagRange, dialog);
         }, false});
}

SelectionSearch* DefaultSelectionSearch() { return &EngineSelectionSearchInstance(); }

void RegisterEditingCommands(CommandRegistry& r) {
  RegisterBasicCommands(r);
  RegisterFindReplaceCommands(r);
  RegisterRepeatTagCommands(r);
  RegisterSimpleTagCommands(r);
  RegisterSelectionCommands(r);
  RegisterTagRemovalCommands(r);
  RegisterTransformCommands(r);
}

}  // namespace mw
