// The commands that open tag dialogs and insert their results, on a
// document in memory, with a dialog host that plays the author.
#include "core/dialogs/tag_dialog_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/editing/editing_fixture.h"
#include "core/app/document_file.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/edit_tag.h"
#include "core/editing/command_registry.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_groups.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

// Records what it was shown and answers with the fields a test gives.
class AuthorHost : public DialogHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    shownClass = std::string(dialogClass);
    shown = fields;
    if (edit) edit(fields);
    for (const auto& [name, value] : answer.values) fields.Set(name, value);
    return ok;
  }
  std::string shownClass;
  DialogFields shown;
  DialogFields answer;
  std::function<void(DialogFields&)> edit;
  bool ok = true;
};

struct DialogCommandTest : ::testing::Test {
  test::EditingFixture fx;
  AuthorHost host;
  CommandRegistry commands;
  DialogCommandTest() {
    fx.ctx.dialogs = &host;
    RegisterEditingCommands(commands);
    RegisterTagDialogCommands(commands);
  }
  void Run(std::string_view command) {
    const EditCommand* c = commands.Find(command);
    ASSERT_NE(c, nullptr) << command;
    c->run(fx.ctx, {});
  }
  std::string Doc() const { return test::Show(fx.editor); }
};

TEST_F(DialogCommandTest, NewWrappedTagAndItsRepeatPair) {
  fx.Load("ab[cd]e");
  host.answer.Set("cbColor", "red");
  Run("FONTClick");
  EXPECT_EQ(host.shownClass, "TFontSetDlg");
  EXPECT_EQ(host.shown.Get(kFieldPreview), "<FONT>cd</FONT>");
  EXPECT_EQ(Doc(), "ab<FONT COLOR=\"red\">cd</FONT>|e");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<FONT COLOR=\"red\">", "</FONT>"}));
}

TEST_F(DialogCommandTest, KeepPreviousSelectsTheWrappedText) {
  fx.Load("[cell]");
  fx.ctx.options.caretPolicy = CaretPolicy::KeepPrevious;
  host.answer.Set("edColSpan", "2");
  Run("TDClick");
  EXPECT_EQ(host.shown.Get(kFieldName), "TD");
  EXPECT_EQ(Doc(), "<TD COLSPAN=\"2\">[cell]</TD>");
}

TEST_F(DialogCommandTest, CancelChangesNothing) {
  fx.Load("ab[cd]e");
  fx.ctx.repeatTag = {"<X>", "</X>"};
  host.ok = false;
  for (const char* c : {"FONTClick", "HRClick", "ULClick", "METAClick", "FRAMESETClick", "SELECTClick"}) {
    Run(c);
    EXPECT_EQ(fx.editor.GetText(), "abcde") << c;
    EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"})) << c;
  }
}

TEST_F(DialogCommandTest, SingleTagsAndTheirRepeatPairs) {
  fx.Load("a|b");
  host.answer.Set("edSize", "3");
  fx.ctx.options.lowerCaseTag = true;
  Run("HRClick");
  EXPECT_EQ(Doc(), "a<hr size=\"3\">|b");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<hr size=\"3\">", ""}));
}

TEST_F(DialogCommandTest, AHandEditedPreviewIsInsertedAsItStands) {
  fx.Load("|");
  host.answer.Set(kFieldPreview, "<HR class=\"mine\">");
  Run("HRClick");
  EXPECT_EQ(fx.editor.GetText(), "<HR class=\"mine\">");
}

TEST_F(DialogCommandTest, ListRemembersItsIndent) {
  test::TempDir dir;
  fx.ctx.services.dataFolder = dir.dir().string();
  fx.Load("[a\r\nb]");
  host.answer.SetIndex("rgIndent", 0);
  Run("ULClick");
  EXPECT_EQ(host.shown.Index("rgIndent"), 2);
  EXPECT_EQ(fx.editor.GetText(), "<UL>\r\n<LI>a\r\n<LI>b\r\n</UL>");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<UL>\r\n", "</UL>"}));
  fx.Load("|");
  host.answer = {};
  Run("ULClick");
  EXPECT_EQ(host.shown.Index("rgIndent"), 0);
}

TEST_F(DialogCommandTest, MetaGoesOnANewLineAfterHead) {
  fx.Load("<HTML><head>|</head>x");
  host.answer.Set("cbContent", "text/html; charset=SHIFT_JIS");
  Run("METAClick");
  EXPECT_EQ(fx.editor.GetText(),
            "<HTML><head>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=SHIFT_JIS\"></head>x");
  fx.Load("no head|");
  host.answer = {};
  Run("METAClick");
  EXPECT_EQ(fx.editor.GetText(), "no head\r\n<META HTTP-EQUIV=\"Content-Type\">");
}

TEST_F(DialogCommandTest, BaseFontReEditsAnExistingOne) {
  fx.Load("x<basefont size=2>|y");
  host.answer.SetIndex("rgSize", 4);
  Run("BASEFONTClick");
  EXPECT_EQ(host.shownClass, "TBaseFontDlg");
  EXPECT_EQ(host.shown.Index("rgSize"), 1);
  // The tag as the author wrote it, with the new size.
  EXPECT_EQ(fx.editor.GetText(), "x<basefont size=\"5\">y");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"", "<basefont size=\"5\">"}));
  fx.Load("[ab]c");
  host.answer = {};
  Run("BASEFONTClick");
  EXPECT_EQ(fx.editor.GetText(), "ab<BASEFONT SIZE=\"3\">c");
}

TEST_F(DialogCommandTest, ScriptWrapsAppletReplaces) {
  fx.Load("[f();]");
  Run("SCRIPTClick");
  EXPECT_EQ(fx.editor.GetText(), "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\nf();\r\n//-->\r\n</SCRIPT>\r\n");
  EXPECT_EQ(fx.ctx.repeatTag.end, "\r\n//-->\r\n</SCRIPT>\r\n");
  fx.Load("[x]");
  host.answer.Set("edCODE", "A.class");
  Run("APPLETClick");
  EXPECT_EQ(fx.editor.GetText(), "<APPLET CODE=\"A.class\">\r\n<PARAM NAME=\"\" VALUE=\"\">\r\n</APPLET>");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<APPLET CODE=\"A.class\">\r\n", "</APPLET>"}));
}

TEST_F(DialogCommandTest, EmptyLinkPutsTheSelectionBack) {
  fx.Load("a[b" + test::kSo + "]c");
  fx.ctx.repeatTag = {"<X>", "</X>"};
  Run("HREFClick");
  EXPECT_EQ(fx.editor.GetText(), "ab" + test::kSo + "c");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"}));
}

TEST_F(DialogCommandTest, EditTagOnTheElementAtTheCaret) {
  fx.Load("<B>bo|ld</B>");
  host.answer.Set("cbCLASS", "x");
  Run("EditTagClick");
  EXPECT_EQ(host.shownClass, "TSimpleReDlg");
  EXPECT_EQ(host.shown.Get("reTag"), "<B>");
  EXPECT_EQ(fx.editor.GetText(), "<B CLASS=\"x\">bold</B>");

  fx.Load("<TD>x</T|D>");
  host.answer = {};
  Run("EditTagClick");
  EXPECT_EQ(host.shownClass, "TTHTDDlg");
  EXPECT_EQ(fx.editor.GetText(), "<TD>x</TD>");

  fx.Load("<A HREF=\"#top\" onClick=\"go()\">|t</A>");
  host.answer.Set("cbName", "end");
  Run("EditTagClick");
  EXPECT_EQ(fx.editor.GetText(), "<A HREF=\"#end\" onClick=\"go()\">t</A>");

  fx.Load("<SPAN CLASS=\"a b\" onClick=\"f()\">|x</SPAN>");
  host.answer = {};
  Run("EditTagClick");
  EXPECT_EQ(fx.editor.GetText(), "<SPAN CLASS=\"a b\" onClick=\"f()\">x</SPAN>");

  fx.Load("<FRAMESET ROWS=\"*,*\">|");
  Run("EditTagClick");
  EXPECT_EQ(fx.editor.GetText(), "<FRAMESET ROWS=\"*,*\">");
}

TEST_F(DialogCommandTest, EmptiedNameInAReEditKeepsTheTag) {
  fx.Load("<A HREF=\"#top\">|t</A>");
  host.answer.Set("cbName", "");
  Run("EditTagClick");
  EXPECT_EQ(fx.editor.GetText(), "<A HREF=\"#top\">t</A>");
}

TEST_F(DialogCommandTest, OtherSubsystemsPlugInTheirRoutines) {
  std::string seen;
  SetReEditHandler("TABLE", [&seen](EditingContext&, std::string_view tag) { seen = std::string(tag); });
  fx.Load("<TABLE BORDER=\"1\">|");
  Run("EditTagClick");
  EXPECT_EQ(seen, "<TABLE BORDER=\"1\">");
  SetReEditHandler("TABLE", nullptr);
}

TEST_F(DialogCommandTest, ListsFromTheDataFolderAndTheDocument) {
  test::TempDir dir;
  dir.Write("ColorList.txt", "red\r\n#00FF00\r\n");
  dir.Write("StyleList.txt", "color: blue\n");
  fx.ctx.services.dataFolder = dir.dir().string();
  // Loaded as it stands: the braces would read as range marks.
  fx.editor.Load("<HEAD><STYLE>.a{x} P.note {y} #top {z}</STYLE></HEAD>");
  Run("TDClick");
  EXPECT_EQ(GetItems(host.shown, "cbBgColor"), (std::vector<std::string>{"red", "#00FF00"}));
  EXPECT_EQ(GetItems(host.shown, "cbStyle"), (std::vector<std::string>{"color: blue"}));
  EXPECT_EQ(GetItems(host.shown, "cbCLASS"), (std::vector<std::string>{"a", "note"}));
  EXPECT_EQ(GetItems(host.shown, "cbID"), (std::vector<std::string>{"top"}));
  EXPECT_EQ(GetItems(host.shown, "rgVAlign"), (std::vector<std::string>{"", "top", "middle", "bottom"}));
}

TEST_F(DialogCommandTest, LinkDialogsTellTheLinkList) {
  int changes = 0;
  fx.ctx.services.linksChanged = [&changes] { ++changes; };
  fx.Load("[x]");
  host.answer.Set("cbURL", "a.html");
  Run("HREFClick");
  EXPECT_EQ(fx.editor.GetText(), "<A HREF=\"a.html\">x</A>");
  Run("EditTagClick");
  Run("FONTClick");
  EXPECT_EQ(changes, 2);
}

TEST_F(DialogCommandTest, CaptionShowsTheVerticalGroup) {
  fx.Load("[t]");
  host.answer.SetIndex("rgVAlign", 1);
  Run("CAPTIONClick");
  EXPECT_EQ(host.shown.Get("rgAlign#visible"), "0");
  EXPECT_EQ(host.shown.Get("rgVAlign#visible"), "1");
  EXPECT_EQ(fx.editor.GetText(), "<CAPTION ALIGN=\"bottom\">t</CAPTION>");
}

TEST_F(DialogCommandTest, RegisteredWordGoesInAsPlainText) {
  test::TempDir dir;
  const std::string file = dir.Write("BookMark.txt", "a.html\r\nb.html\r\n");
  fx.ctx.services.dataFolder = dir.dir().string();
  fx.Load("x|y");
  host.answer.Set("cbStr", "b.html");
  Run("InsertURLClick");
  EXPECT_EQ(host.shownClass, "TInsertStrDlg");
  EXPECT_EQ(host.shown.Get("cbStr"), "a.html");
  EXPECT_EQ(fx.editor.GetText(), "xb.htmly");
  EXPECT_EQ(ReadFileBytes(file), "b.html\r\na.html\r\n");
}

TEST(ReferenceButton, RelativeUrlWithSlashes) {
  test::TempDir dir;
  EXPECT_FALSE(ReferenceButtonEnabled(""));
  EXPECT_FALSE(ReferenceButtonEnabled(dir.Path("unsaved.html")));
  EXPECT_TRUE(ReferenceButtonEnabled(dir.Write("saved.html", "")));
  DialogServices r;
  DialogFields f;
  EXPECT_FALSE(ApplyReferenceChoice(f, "edBackGround", "C:\\site\\b.gif", "C:\\site\\doc\\i.html", r));
  EXPECT_FALSE(f.Has("edBackGround"));
  // The relative path itself comes from the path helper; the dialog turns
  // its delimiters into slashes, but not the trail byte of a character.
  r.makeRelativePath = [](const std::string&, const std::string&) { return "..\\" + test::kHyo + "\\a.gif"; };
  EXPECT_TRUE(ApplyReferenceChoice(f, "edBackGround", "x", "y", r));
  EXPECT_EQ(f.Get("edBackGround"), "../" + test::kHyo + "/a.gif");
}

TEST(StyleCandidates, OnlyFromAStyleBlockNearTheTop) {
  EXPECT_TRUE(StyleBlockCandidates(std::string(4100, ' ') + "<style>.a{}</style>", ".").empty());
  EXPECT_TRUE(StyleBlockCandidates(".a{}", ".").empty());
  // A double-byte name whose trail byte is a backslash; blanks trimmed.
  const std::string so = test::kSo;
  EXPECT_EQ(StyleBlockCandidates("<style>." + so + "x { } .b\n{}</style>", "."),
            (std::vector<std::string>{so + "x", "b"}));
  // A style sheet's scan ends at the first name without a rule after it.
  EXPECT_EQ(StyleSheetCandidates(".a{} .b {} .c;" + std::string(30, ' ') + ".d{}", "."),
            (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace mw
