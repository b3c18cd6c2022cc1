#include "core/editing/find_replace.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "core/text/messages.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kA;
using test::kHyo;
using test::kTsu;
using test::Show;

constexpr FindFlags kAnyCase{};
constexpr FindFlags kCase{true, false};
constexpr FindFlags kWord{false, true};

struct FindRow {
  std::string before;
  std::string find;
  FindFlags flags;
  std::string after;
  bool found;
};

TEST(FindNext, SelectsNextOccurrenceOrReportsAndReturnsToTop) {
  const FindRow rows[] = {
      {"|<TD>" + kTsu, "td", kAnyCase, "<[TD]>" + kTsu, true},
      {"|<TD>" + kTsu + "<td>", "td", kCase, "<TD>" + kTsu + "<[td]>", true},
      {"|<tdx>" + kTsu + "<td>", "td", kWord, "<tdx>" + kTsu + "<[td]>", true},
      {"[td]" + kA + "td", "td", kAnyCase, "td" + kA + "[td]", true},
      // The trail bytes of ツ ('c'), ア ('A') and 表 ('\') are no matches.
      {"|" + kTsu + "C", "c", kAnyCase, kTsu + "[C]", true},
      {"|" + kA + "a", "A", kCase, "|" + kA + "a", false},
      {"|" + kHyo + "\\", "\\", kAnyCase, kHyo + "[\\]", true},
      {"|" + kHyo, "\\", kAnyCase, "|" + kHyo, false},
      {"td" + kTsu + "|", "td", kAnyCase, "|td" + kTsu, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before + " find " + row.find);
    EditingFixture f;
    f.Load(row.before);
    EXPECT_EQ(FindNext(f.ctx, {row.find, "", row.flags}), row.found);
    EXPECT_EQ(Show(f.editor), row.after);
    const std::vector<std::string> expected =
        row.found ? std::vector<std::string>{} : std::vector<std::string>{NotFoundMessage(row.find)};
    EXPECT_EQ(f.prompts.Texts(), expected);
  }
}

TEST(FindNext, AfterTheLastOccurrenceStartsAgainAtTheTop) {
  EditingFixture f;
  f.Load("|td" + kTsu + "td");
  const FindRequest r{"td", "", kAnyCase};
  EXPECT_TRUE(FindNext(f.ctx, r));
  EXPECT_TRUE(FindNext(f.ctx, r));
  EXPECT_EQ(Show(f.editor), "td" + kTsu + "[td]");
  EXPECT_FALSE(FindNext(f.ctx, r));
  EXPECT_EQ(Show(f.editor), "|td" + kTsu + "td");
  EXPECT_TRUE(FindNext(f.ctx, r));
  EXPECT_EQ(Show(f.editor), "[td]" + kTsu + "td");
  EXPECT_EQ(f.prompts.Texts().size(), 1u);
}

TEST(FindNext, NotFoundMessageQuotesTheFindText) {
  const std::string m = NotFoundMessage(kTsu + "c");
  EXPECT_TRUE(m.starts_with("\"" + kTsu + "c\""));
  EXPECT_EQ(m, FormatMessage(MessageSjis(Msg::FindNotFound), {kTsu + "c"}));
}

TEST(FindAndReplace, EmptyFindTextDoesNothing) {
  EditingFixture f;
  f.Load("a[b]" + kTsu);
  EXPECT_FALSE(FindNext(f.ctx, {"", "x", kAnyCase}));
  EXPECT_EQ(Replace(f.ctx, {"", "x", kAnyCase, true}).count, 0);
  EXPECT_EQ(Show(f.editor), "a[b]" + kTsu);
  EXPECT_TRUE(f.prompts.Texts().empty());
  EXPECT_FALSE(f.editor.CanUndo());
}

struct ReplaceRow {
  std::string before;
  std::string find;
  std::string replace;
  FindFlags flags;
  bool all;
  std::string after;
  int count;
};

TEST(Replace, ReplacesForwardFromTheSelection) {
  const ReplaceRow rows[] = {
      // Single: a matching selection is replaced and the next one selected.
      {"x[TD]y" + kTsu + "td", "td", "th", kAnyCase, false, "xthy" + kTsu + "[td]", 1},
      // Single: otherwise the first occurrence is replaced, caret after it.
      {"|b" + kTsu + "a a", "a", "x", kAnyCase, false, "b" + kTsu + "x| a", 1},
      {"|b" + kTsu, "c", "x", kAnyCase, false, "|b" + kTsu, 0},
      {"[" + kA + "]" + kA, kA, "x", kAnyCase, false, "x[" + kA + "]", 1},
      // All: only from the caret on, and the selection when it matches.
      {"a" + kTsu + "a|a" + kA + "a", "a", "b", kAnyCase, true, "|a" + kTsu + "ab" + kA + "b", 2},
      {"a [A] a" + kTsu, "a", "b", kAnyCase, true, "|a b b" + kTsu, 2},
      {"|a" + kTsu + "a", "a", "aa", kAnyCase, true, "|aa" + kTsu + "aa", 2},
      {"|a" + kTsu + "a", "a", "", kAnyCase, true, "|" + kTsu, 2},
      {"|A a" + kTsu, "a", "b", kCase, true, "|A b" + kTsu, 1},
      {"|td tdx " + kTsu + "td", "td", "th", kWord, true, "|th tdx " + kTsu + "th", 2},
      // Trail bytes are never matched.
      {"|" + kTsu + "c" + kTsu, "c", "x", kAnyCase, true, "|" + kTsu + "x" + kTsu, 1},
      {"|" + kA + "a", "A", "x", kAnyCase, true, "|" + kA + "x", 1},
      {"|" + kHyo + "\\" + kHyo, "\\", "/", kAnyCase, true, "|" + kHyo + "/" + kHyo, 1},
      {"|" + kHyo, "\\", "/", kAnyCase, true, "|" + kHyo, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before + " " + row.find + " -> " + row.replace + (row.all ? " (all)" : ""));
    EditingFixture f;
    f.Load(row.before);
    const ReplaceResult r = Replace(f.ctx, {row.find, row.replace, row.flags, row.all});
    EXPECT_EQ(Show(f.editor), row.after);
    EXPECT_EQ(r.count, row.count);
    EXPECT_EQ(r.statusText, row.all ? ReplacedCountText(row.count) : "");
    EXPECT_TRUE(f.prompts.Texts().empty());
  }
}

TEST(Replace, SingleReplacementsStepThroughTheDocument) {
  EditingFixture f;
  f.Load("|a" + kTsu + "a");
  const FindRequest r{"a", "aa", kAnyCase, false};
  EXPECT_EQ(Replace(f.ctx, r).count, 1);
  EXPECT_EQ(Show(f.editor), "aa|" + kTsu + "a");
  EXPECT_EQ(FindNext(f.ctx, r), true);
  EXPECT_EQ(Replace(f.ctx, r).count, 1);
  EXPECT_EQ(Show(f.editor), "|aa" + kTsu + "aa");
}

TEST(Replace, AllIsOneUndoStepOfPlainText) {
  EditingFixture f;
  const std::string before = "x" + kTsu + "x" + kA + "x";
  f.Load("|" + before);
  const ReplaceResult r = Replace(f.ctx, {"X", "<b>", kAnyCase, true});
  EXPECT_EQ(r.count, 3);
  EXPECT_EQ(f.editor.GetText(), "<b>" + kTsu + "<b>" + kA + "<b>");
  EXPECT_EQ(FontLetters(f.editor), std::string(f.editor.GetText().size(), '.'));
  f.editor.Undo();
  EXPECT_EQ(f.editor.GetText(), before);
}

TEST(Replace, CountTextFollowsTheNumber) {
  EXPECT_TRUE(ReplacedCountText(12).starts_with("12"));
  EXPECT_EQ(ReplacedCountText(12), FormatMessage(MessageSjis(Msg::ReplaceCountDone), {"12"}));
}

TEST(InitialFindText, TakesTheSelectionOverTheDialogText) {
  EditingFixture f;
  f.Load("a[" + kTsu + "c]d");
  EXPECT_EQ(InitialFindText(f.editor, "old"), kTsu + "c");
  f.Load("a|" + kTsu);
  EXPECT_EQ(InitialFindText(f.editor, "old"), "old");
}

}  // namespace
}  // namespace mw
