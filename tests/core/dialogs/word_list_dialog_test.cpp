#include "core/dialogs/word_list_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "core/dialogs/dialog_lists.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using Items = std::vector<std::string>;

TEST(WordListDialog, BuiltInPrefixesWithoutAFile) {
  test::TempDir dir;
  WordListDialog d(WordListMode::PreString, dir.dir().string());
  ASSERT_EQ(d.Items().size(), 13u);
  EXPECT_EQ(d.Items()[2], "> ");
  EXPECT_EQ(d.Items()[3], "\x81\x84\x81\x40");
  EXPECT_EQ(d.Items()[12], "&quot; ");
  EXPECT_EQ(d.chosen, 0);
  EXPECT_EQ(d.text, "<P>");
  EXPECT_FALSE(d.HasRefButton());
  // An existing file, even an empty one, replaces the built-in items.
  dir.Write("PreString.txt", "");
  EXPECT_TRUE(WordListDialog(WordListMode::PreString, dir.dir().string()).Items().empty());
}

TEST(WordListDialog, AddDeleteAndOkKeepMostRecentFirst) {
  test::TempDir dir;
  const std::string file = dir.Write("BookMark.txt", "a.html\r\nb.html\r\n");
  WordListDialog d(WordListMode::BookMark, dir.dir().string());
  EXPECT_EQ(d.Items(), (Items{"a.html", "b.html"}));
  EXPECT_TRUE(d.HasRefButton());

  d.text = "b.html";
  d.Add();
  EXPECT_EQ(d.Items(), (Items{"b.html", "a.html"}));
  d.text = "c.html";
  d.Add();
  EXPECT_EQ(ReadFileBytes(file), "c.html\r\nb.html\r\na.html\r\n");

  d.chosen = -1;
  EXPECT_EQ(d.Delete(), std::optional<std::string>("\x8d\xed\x8f\x9c\x82\xb7\x82\xe9\x8c\xea\x8b\xe5\x82\xf0"
                                                   "\x91\x49\x91\xf0\x82\xb5\x82\xc4\x89\xba\x82\xb3\x82\xa2"));
  d.chosen = 1;
  EXPECT_EQ(d.Delete(), std::nullopt);
  EXPECT_EQ(d.Items(), (Items{"c.html", "a.html"}));
  EXPECT_EQ(d.text, "c.html");

  d.text = "a.html";
  d.Ok();
  d.text = "new.html";
  d.Ok();
  EXPECT_EQ(ReadFileBytes(file), "a.html\r\nc.html\r\n");
}

TEST(WordListDialog, SingleValueModeHasNoList) {
  WordListDialog d(WordListMode::Single, "");
  EXPECT_TRUE(d.Items().empty());
  EXPECT_FALSE(d.HasListButtons());
  const DialogFields f = d.Fields();
  EXPECT_EQ(f.Get("Mode"), "0");
}

// A command's one-line question through the dialog: what the dialog is
// shown with, per mode, and what comes back.
TEST(WordListDialog, CommandQuestionsAreAskedThroughTheDialog) {
  struct Host : DialogHost {
    bool Run(std::string_view dialogClass, DialogFields& fields) override {
      shownClass = std::string(dialogClass);
      shown = fields;
      if (answer) fields.Set("cbStr", *answer);
      return answer.has_value();
    }
    std::string shownClass;
    DialogFields shown;
    std::optional<std::string> answer;
  } host;
  test::TempDir dir;
  const std::string folder = dir.dir().string();

  StringRequest plain;
  plain.title = "Jump";
  plain.label = "line";
  plain.text = "1";
  plain.choices = {"1", "10", "100"};
  host.answer = "10";
  EXPECT_EQ(AskWithWordList(host, plain, folder), std::optional<std::string>("10"));
  EXPECT_EQ(host.shownClass, "TInsertStrDlg");
  EXPECT_EQ(host.shown.Get("lbStr"), "line");
  EXPECT_EQ(host.shown.Get("cbStr"), "1");
  EXPECT_EQ(GetItems(host.shown, "cbStr"), (Items{"1", "10", "100"}));
  EXPECT_FALSE(std::filesystem::exists(dir.dir() / "PreString.txt"));

  // The prefix list: the built-in items, and OK keeps the list on disk.
  StringRequest prefix;
  prefix.mode = InputMode::PhraseList;
  prefix.text = "<LI>";
  host.answer = "> ";
  EXPECT_EQ(AskWithWordList(host, prefix, folder), std::optional<std::string>("> "));
  EXPECT_EQ(GetItems(host.shown, "cbStr").size(), 13u);
  EXPECT_EQ(ReadFileBytes((dir.dir() / "PreString.txt").string()).substr(0, 4), "> \r\n");

  host.answer.reset();
  EXPECT_EQ(AskWithWordList(host, prefix, folder), std::nullopt);
}

}  // namespace
}  // namespace mw
