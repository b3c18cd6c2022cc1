#include "core/dialogs/style_editor.h"

#include "core/dialogs/dialog_actions.h"

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/dialogs/style_registry.h"
#include "core/dialogs/style_text.h"
#include "core/text/encoding.h"
#include "core/text/messages.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

constexpr std::string_view kRememberSection = "REGISTER_STYLE";
constexpr std::string_view kRememberKey = "UPPERCASE";

void Rebuild(DialogFields& f) { f.Set(kFieldStyleText, BuildStyleText(f, f.Checked(kFieldUpperCase))); }
void SetModified(DialogFields& f, bool on) { f.SetChecked(kFieldStyleModified, on); }

void EmptyProperties(DialogFields& f) {
  for (const StyleProperty& p : StyleProperties()) {
    f.Set(p.field, {});
    if (!p.unitField.empty()) f.Set(p.unitField, std::string(kDefaultUnit));
  }
}

int FindEntry(const std::vector<std::string>& entries, std::string_view style) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (EqualsNoCase(entries[i], style)) return static_cast<int>(i);
  return -1;
}

// The entry with exactly this text (the first of equal ones).
int FindExact(const std::vector<std::string>& entries, std::string_view style) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == style) return static_cast<int>(i);
  return -1;
}

void FillFromEntry(DialogFields& f, const std::string& entry) {
  StyleToFields(entry, f);
  SetModified(f, false);
  Rebuild(f);
}

}  // namespace

std::vector<std::string> StyleEntries(const DialogFields& f) {
  const std::string joined = f.Get(ItemsKey(kFieldStyleList));
  if (joined.empty()) return {};
  return SplitItems(joined);
}

void SetStyleEntries(DialogFields& f, const std::vector<std::string>& entries) {
  SetItems(f, kFieldStyleList, entries);
}

int SelectedStyle(const DialogFields& f) {
  const int i = f.Index(kFieldStyleList, -1);
  return i >= 0 && i < static_cast<int>(StyleEntries(f).size()) ? i : -1;
}

DialogFields StyleEditorFields(const DialogServices& s) {
  DialogFields f;
  f.Set("Caption", MessageSjis(Msg::RegisterStyleCaption));
  const std::vector<std::string> colours = SourceItems(s, ListSource::Colours, {});
  for (const StyleProperty& p : StyleProperties()) {
    if (p.kind == StyleKind::Colour) SetItems(f, p.field, colours);
    if (p.kind == StyleKind::Keyword) SetItems(f, p.field, SplitItems(UnicodeViewToSjis(p.items).bytes));
    if (p.kind == StyleKind::FontFamily) SetItems(f, p.field, SourceItems(s, ListSource::Fonts, {}));
  }
  f.SetChecked(kFieldUpperCase, ReadPreviousInt(s, kRememberSection, kRememberKey, 0) != 0);
  SetStyleEntries(f, s.dataFolder.empty() ? std::vector<std::string>{}
                                          : LoadStyleList(DataFilePath(s.dataFolder, kStyleListName)));
  f.SetIndex(kFieldStyleList, -1);
  // Every showing starts with empty fields.
  EmptyProperties(f);
  SetModified(f, false);
  Rebuild(f);
  return f;
}

void StyleFieldChanged(DialogFields& f, std::string_view control, UserPrompts& prompts) {
  if (control == kFieldStyleList) {
    StyleEditorSelect(f, f.Index(kFieldStyleList, -1), prompts);
    return;
  }
  if (control == kFieldUpperCase) {
    Rebuild(f);
    return;
  }
  for (const StyleProperty& p : StyleProperties()) {
    if (control == p.field) {
      if (p.kind == StyleKind::Number) {
        // Zero values are never written: the field empties at once.
        if (f.Get(p.field) == "0") f.Set(p.field, {});
      } else if (p.kind != StyleKind::Url) {
        SetModified(f, true);
      }
      Rebuild(f);
      return;
    }
    if (!p.unitField.empty() && control == p.unitField) {
      SetModified(f, true);
      Rebuild(f);
      return;
    }
  }
}

Reply AskAddChangedStyle(DialogFields& f, UserPrompts& prompts) {
  if (!f.Checked(kFieldStyleModified)) return Reply::Yes;
  const Reply r = prompts.Ask(MessageSjis(Msg::StyleChangedAddQuestion), QuestionButtons::YesNoCancel,
                              MessageSjis(Msg::StyleEditorCaption));
  if (r == Reply::Yes) StyleEditorAdd(f);
  return r;
}

void StyleEditorNew(DialogFields& f, UserPrompts& prompts) {
  if (AskAddChangedStyle(f, prompts) == Reply::Cancel) return;
  EmptyProperties(f);
  Rebuild(f);
  SetModified(f, false);
}

void StyleEditorAdd(DialogFields& f) {
  const std::string s(Trim(f.Get(kFieldStyleText)));
  std::vector<std::string> entries = StyleEntries(f);
  if (const int found = FindEntry(entries, s); found >= 0) {
    f.SetIndex(kFieldStyleList, found);
    return;
  }
  if (!s.empty()) {
    const std::size_t at = SortedPlace(entries, s);
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), s);
    SetStyleEntries(f, entries);
    f.SetIndex(kFieldStyleList, static_cast<int>(at));
  }
  SetModified(f, false);
}

void StyleEditorOverwrite(DialogFields& f) {
  const int selected = SelectedStyle(f);
  const std::string s(Trim(f.Get(kFieldStyleText)));
  if (selected < 0 || s.empty()) {
    StyleEditorAdd(f);
    return;
  }
  std::vector<std::string> entries = StyleEntries(f);
  entries.erase(entries.begin() + selected);
  const std::size_t at = SortedPlace(entries, s);
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), s);
  SetStyleEntries(f, entries);
  f.SetIndex(kFieldStyleList, static_cast<int>(at));
  SetModified(f, false);
}

void StyleEditorDelete(DialogFields& f, UserPrompts& prompts) {
  const int selected = SelectedStyle(f);
  if (selected < 0) return;
  if (prompts.Ask(MessageSjis(Msg::StyleDeleteQuestion), QuestionButtons::YesNoCancel,
                  MessageSjis(Msg::StyleEditorCaption)) != Reply::Yes)
    return;
  std::vector<std::string> entries = StyleEntries(f);
  entries.erase(entries.begin() + selected);
  SetStyleEntries(f, entries);
  f.SetIndex(kFieldStyleList, -1);
}

void StyleEditorSelect(DialogFields& f, int index, UserPrompts& prompts) {
  const std::vector<std::string> before = StyleEntries(f);
  if (index < 0 || index >= static_cast<int>(before.size())) {
    f.SetIndex(kFieldStyleList, -1);
    return;
  }
  const std::string chosen = before[static_cast<std::size_t>(index)];
  f.SetIndex(kFieldStyleList, index);
  if (AskAddChangedStyle(f, prompts) == Reply::Cancel) return;
  // Adding the changed style may have moved the chosen entry: the fields
  // take the entry the author chose, wherever it now stands.
  const int now = FindExact(StyleEntries(f), chosen);
  f.SetIndex(kFieldStyleList, now);
  FillFromEntry(f, chosen);
}

void StyleEditorOk(DialogFields& f, UserPrompts& prompts) {
  AskAddChangedStyle(f, prompts);
  SetModified(f, false);
}

bool StyleEditorPress(DialogFields& f, std::string_view button, UserPrompts& prompts) {
  if (button == "NewBtn") StyleEditorNew(f, prompts);
  else if (button == "AddBtn") StyleEditorAdd(f);
  else if (button == "ReplaceBtn") StyleEditorOverwrite(f);
  else if (button == "DeleteBtn") StyleEditorDelete(f, prompts);
  else if (button == "OkBtn") StyleEditorOk(f, prompts);
  else return false;
  return true;
}

std::optional<std::string> RunStyleEditor(EditingContext& ctx) {
  if (!ctx.dialogs || !ctx.prompts) return std::nullopt;
  DialogFields f = StyleEditorFields(ctx.services);
  TagDialogActions actions(ctx, kRegisterStyleDlgClass);
  f.actions = &actions;
  const bool ok = ctx.dialogs->Run(kRegisterStyleDlgClass, f);
  f.actions = nullptr;
  if (!ok) return std::nullopt;
  StyleEditorOk(f, *ctx.prompts);
  const DialogServices& s = ctx.services;
  if (!s.dataFolder.empty()) {
    try {
      SaveStyleList(DataFilePath(s.dataFolder, kStyleListName), StyleEntries(f));
      WritePreviousInt(s, kRememberSection, kRememberKey, f.Checked(kFieldUpperCase) ? 1 : 0);
    } catch (const FileError& e) {
      ctx.prompts->ShowMessageUtf8(e.what(), MessageKind::Error);
    }
  }
  return std::string(Trim(f.Get(kFieldStyleText)));
}

}  // namespace mw
