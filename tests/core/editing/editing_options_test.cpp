// The options the option items change, kept without any window: the
// settings they come from and go back to, the items' clicks, and what the
// kanji options do to the bytes a document opens as and is saved as.
#include "core/editing/editing_options.h"

#include <gtest/gtest.h>

#include "core/app/settings.h"
#include "core/app/tools/kanji_converter.h"

namespace mw {
namespace {

TEST(EditingOptions, ComeFromTheSettingsAndGoBack) {
  FormSettings s;
  s.SetBool("bSaveToEUC", true);
  s.SetBool("bOpenToShiftJIS", true);
  s.SetBool("bDropThenInsert", true);
  s.SetBool("bSelectEditedAll", true);
  s.SetBool("bAutoIndent", true);
  const EditingOptions o = OptionsFromSettings(s);
  EXPECT_EQ(o.saveConversion, SaveConversion::Euc);
  EXPECT_TRUE(o.openToShiftJis);
  EXPECT_TRUE(o.dropInsertsPath);
  EXPECT_EQ(o.caretPolicy, CaretPolicy::SelectEdited);
  EXPECT_TRUE(o.autoIndent);

  FormSettings back;
  StoreOptions(o, back);
  for (const char* key : {"bSaveToEUC", "bOpenToShiftJIS", "bDropThenInsert", "bSelectEditedAll", "bAutoIndent"})
    EXPECT_TRUE(back.Bool(key)) << key;
  for (const char* key : {"bSaveToJIS", "bSelectEditedEnd", "bSelectPreviousSelection", "bLowerCaseTag"})
    EXPECT_FALSE(back.Bool(key)) << key;
}

// Of two radio items stored as checked the last one wins, as checking a
// radio item clears the others.
TEST(EditingOptions, TheLastCheckedRadioItemWins) {
  FormSettings s;
  s.SetBool("bSaveToJIS", true);
  s.SetBool("bSaveToEUC", true);
  s.SetBool("bSelectEditedAll", true);
  s.SetBool("bSelectPreviousSelection", true);
  const EditingOptions o = OptionsFromSettings(s);
  EXPECT_EQ(o.saveConversion, SaveConversion::Euc);
  EXPECT_EQ(o.caretPolicy, CaretPolicy::KeepPrevious);
}

TEST(OptionItems, ClicksToggleOrChooseAndMarksFollow) {
  EditingOptions o;
  const struct {
    const char* key;
    const char* checkedAfter;   // items shown checked after the click
    const char* uncheckedAfter;
  } clicks[] = {
      {"bSaveToEUC", "bSaveToEUC", "bSaveAsItIs"},
      {"bSaveAsItIs", "bSaveAsItIs", "bSaveToEUC"},
      {"bDropThenInsert", "bDropThenInsert", "bDropThenOpen"},
      {"bSelectPreviousSelection", "bSelectPreviousSelection", "bSelectEditedEnd"},
      {"bOpenToShiftJIS", "bOpenToShiftJIS", "bAutoSelect"},
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(c.key);
    EXPECT_TRUE(ClickOptionItem(o, c.key));
    EXPECT_EQ(OptionItemChecked(o, c.checkedAfter), true);
    EXPECT_EQ(OptionItemChecked(o, c.uncheckedAfter), false);
  }
  // A check item toggles back; a radio item chosen again stays chosen.
  ClickOptionItem(o, "bOpenToShiftJIS");
  EXPECT_FALSE(o.openToShiftJis);
  ClickOptionItem(o, "bSaveAsItIs");
  EXPECT_EQ(o.saveConversion, SaveConversion::AsItIs);
  // Keys that are no option here are left to their owners.
  EXPECT_FALSE(ClickOptionItem(o, "bFlatBtn"));
  EXPECT_EQ(OptionItemChecked(o, "bShowSpeedBar"), std::nullopt);
}

// Saving with "EUCに変換" writes EUC-JP; the document keeps its Shift-JIS.
TEST(SaveConversion, SavedBytesFollowTheSaveOption) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  // 表 (95 5C) and ア (83 41): second bytes that are ASCII.
  const std::string text = "<P>\x95\x5c\x83\x41</P>\r\n";
  FormSettings s;
  s.SetBool("bSaveToEUC", true);
  const EditingOptions o = OptionsFromSettings(s);
  EXPECT_EQ(BytesToSave(text, o.saveConversion), "<P>\xc9\xbd\xa5\xa2</P>\r\n");
  EXPECT_EQ(BytesToSave(text, SaveConversion::Jis), "<P>\x1b$BI=%\"\x1b(B</P>\r\n");
  EXPECT_EQ(BytesToSave(text, SaveConversion::AsItIs), text);
  // After the editor's own "EUCコードに" or "JISコードに" the text is EUC-JP
  // or JIS, and the save converts from that code.
  const std::string euc = "<P>\xc9\xbd\xa5\xa2</P>\r\n";
  const std::string jis = "<P>\x1b$BI=%\"\x1b(B</P>\r\n";
  EXPECT_EQ(BytesToSave(euc, SaveConversion::Jis), jis);
  EXPECT_EQ(BytesToSave(euc, SaveConversion::Euc), euc);
  EXPECT_EQ(BytesToSave(jis, SaveConversion::Euc), euc);
  // A user-defined character EUC-JP cannot hold: nothing to write.
  EXPECT_THROW(BytesToSave("\xf0\x40", SaveConversion::Euc), ConversionError);
}

TEST(SaveConversion, OpenedBytesFollowTheOpenOption) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  const std::string euc = "<P>\xc9\xbd\xa5\xa2</P>\r\n";
  EXPECT_EQ(BytesToShow(euc, true), "<P>\x95\x5c\x83\x41</P>\r\n");
  EXPECT_EQ(BytesToShow(euc, false), euc);
  // Bytes the converter cannot read are shown as they are.
  EXPECT_EQ(BytesToShow("\xff\xfe\x80", true), "\xff\xfe\x80");
}

}  // namespace
}  // namespace mw
