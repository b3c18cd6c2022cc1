#include "core/check/close_tag.h"

#include <gtest/gtest.h>

#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::kHyo;
using test::kTsu;
using test::Show;

TEST(CloseTag, InsertsTheEndTagOfTheInnermostOpenElement) {
  const TagLists lists = BuiltInTagLists();
  const struct {
    std::string before;
    bool lowerCase;
    CaretPolicy policy;
    std::string after;
  } rows[] = {
      {"<HTML><BODY><P>text|", false, CaretPolicy::AfterEdited, "<HTML><BODY><P>text</BODY>|"},
      {"<ul><li>x|", false, CaretPolicy::AfterEdited, "<ul><li>x</UL>|"},
      {"<ul><li>x|", true, CaretPolicy::AfterEdited, "<ul><li>x</ul>|"},
      {"<B>" + kHyo + "|" + kTsu, false, CaretPolicy::SelectEdited, "<B>" + kHyo + "</B>|" + kTsu},
      {"<B><I>x</I>|</B>", false, CaretPolicy::KeepPrevious, "<B><I>x</I></B>|</B>"},
      // Only the text before the selection counts; the selection is replaced.
      {"<B>[x]", false, CaretPolicy::AfterEdited, "<B></B>|"},
      {"<B>x</B>|", false, CaretPolicy::AfterEdited, "<B>x</B>|"},
      {"<B><!-- <I> -->|", false, CaretPolicy::AfterEdited, "<B><!-- <I> --></B>|"},
      {"|", false, CaretPolicy::AfterEdited, "|"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    EditingFixture f;
    f.ctx.options.lowerCaseTag = row.lowerCase;
    f.ctx.options.caretPolicy = row.policy;
    f.Load(row.before);
    CloseTag(f.ctx, lists);
    EXPECT_EQ(Show(f.editor), row.after);
  }
}

TEST(RegisterCheckCommands, CloseTagRunsByHandlerName) {
  CommandRegistry r;
  RegisterCheckCommands(r);
  const EditCommand* c = r.Find("CloseTagClick");
  ASSERT_NE(c, nullptr);
  EditingFixture f;
  f.Load("<HTML><BODY><P>text|");
  c->run(f.ctx, "");
  EXPECT_EQ(Show(f.editor), "<HTML><BODY><P>text</BODY>|");
}

}  // namespace
}  // namespace mw
