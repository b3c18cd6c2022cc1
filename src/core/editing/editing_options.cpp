#include "core/editing/editing_options.h"

#include "core/app/settings.h"

namespace mw {

namespace {

// An on/off option and its settings key.
struct Toggle {
  std::string_view key;
  bool EditingOptions::*flag;
};
constexpr Toggle kToggles[] = {
    {"bLowerCaseTag", &EditingOptions::lowerCaseTag}, {"bAutoSelect", &EditingOptions::autoSelect},
    {"bDirectTagInsert", &EditingOptions::directTagInsert}, {"bAutoIndent", &EditingOptions::autoIndent},
    {"bOpenToShiftJIS", &EditingOptions::openToShiftJis},
};

struct CaretItem {
  std::string_view key;
  CaretPolicy policy;
};
constexpr CaretItem kCaretItems[] = {
    {"bSelectEditedEnd", CaretPolicy::AfterEdited},
    {"bSelectEditedAll", CaretPolicy::SelectEdited},
    {"bSelectPreviousSelection", CaretPolicy::KeepPrevious},
};

struct SaveItem {
  std::string_view key;
  SaveConversion conversion;
};
constexpr SaveItem kSaveItems[] = {
    {"bSaveAsItIs", SaveConversion::AsItIs},
    {"bSaveToJIS", SaveConversion::Jis},
    {"bSaveToEUC", SaveConversion::Euc},
};

struct DropItem {
  std::string_view key;
  bool insertsPath;
};
constexpr DropItem kDropItems[] = {{"bDropThenOpen", false}, {"bDropThenInsert", true}};

}  // namespace

EditingOptions OptionsFromSettings(const FormSettings& s) {
  EditingOptions o;
  for (const Toggle& t : kToggles) o.*t.flag = s.Bool(t.key);
  o.autoTagFont = s.Bool("bAutoTagFont");
  o.tabStop = s.Int("iTabStop");
  o.nofColumn = s.Int("iNofColumn");
  o.dateFormat = s.Text("asDateTimeFormatStr");
  o.timeFormat = s.Text("asTimeFormatStr");
  o.caretPolicy = s.Bool("bSelectPreviousSelection") ? CaretPolicy::KeepPrevious
                  : s.Bool("bSelectEditedAll")       ? CaretPolicy::SelectEdited
                                                     : CaretPolicy::AfterEdited;
  o.saveConversion = s.Bool("bSaveToEUC")   ? SaveConversion::Euc
                     : s.Bool("bSaveToJIS") ? SaveConversion::Jis
                                            : SaveConversion::AsItIs;
  o.dropInsertsPath = s.Bool("bDropThenInsert");
  return o;
}

void StoreOptions(const EditingOptions& o, FormSettings& s) {
  for (const Toggle& t : kToggles) s.SetBool(t.key, o.*t.flag);
  s.SetBool("bAutoTagFont", o.autoTagFont);
  s.SetInt("iTabStop", o.tabStop);
  s.SetInt("iNofColumn", o.nofColumn);
  s.SetText("asDateTimeFormatStr", o.dateFormat);
  s.SetText("asTimeFormatStr", o.timeFormat);
  for (const CaretItem& c : kCaretItems) s.SetBool(c.key, o.caretPolicy == c.policy);
  s.SetBool("bSaveToJIS", o.saveConversion == SaveConversion::Jis);
  s.SetBool("bSaveToEUC", o.saveConversion == SaveConversion::Euc);
  s.SetBool("bDropThenInsert", o.dropInsertsPath);
}

std::optional<bool> OptionItemChecked(const EditingOptions& o, std::string_view key) {
  for (const Toggle& t : kToggles)
    if (t.key == key) return o.*t.flag;
  for (const CaretItem& c : kCaretItems)
    if (c.key == key) return o.caretPolicy == c.policy;
  for (const SaveItem& i : kSaveItems)
    if (i.key == key) return o.saveConversion == i.conversion;
  for (const DropItem& d : kDropItems)
    if (d.key == key) return o.dropInsertsPath == d.insertsPath;
  return std::nullopt;
}

bool ClickOptionItem(EditingOptions& o, std::string_view key) {
  for (const Toggle& t : kToggles)
    if (t.key == key) {
      o.*t.flag = !(o.*t.flag);
      return true;
    }
  for (const CaretItem& c : kCaretItems)
    if (c.key == key) {
      o.caretPolicy = c.policy;
      return true;
    }
  for (const SaveItem& i : kSaveItems)
    if (i.key == key) {
      o.saveConversion = i.conversion;
      return true;
    }
  for (const DropItem& d : kDropItems)
    if (d.key == key) {
      o.dropInsertsPath = d.insertsPath;
      return true;
    }
  return false;
}

}  // namespace mw
