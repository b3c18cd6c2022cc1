// The style insertion commands on a document in memory, and what their
// dialogs' fields and buttons do.
#include "core/dialogs/style_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/app/document_file.h"
#include "core/dialogs/dialog_actions.h"
#include "core/dialogs/style_editor.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"
#include "core/text/messages.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using Items = std::vector<std::string>;

// Plays the author: each dialog shown gets the next step, by class.
class Author : public DialogHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    shown.push_back(std::string(dialogClass));
    seen = fields;
    const auto it = steps.find(std::string(dialogClass));
    if (it != steps.end()) return it->second(fields);
    return true;
  }
  std::map<std::string, std::function<bool(DialogFields&)>> steps;
  std::vector<std::string> shown;
  DialogFields seen;
};

struct StyleCommandTest : ::testing::Test {
  test::EditingFixture fx;
  test::TempDir dir;
  Author author;
  CommandRegistry commands;
  StyleCommandTest() {
    fx.ctx.dialogs = &author;
    fx.ctx.services.dataFolder = dir.dir().string();
    RegisterEditingCommands(commands);
    RegisterTagDialogCommands(commands);
  }
  void Run(std::string_view command) {
    const EditCommand* c = commands.Find(command);
    ASSERT_NE(c, nullptr) << command;
    c->run(fx.ctx, {});
  }
  void Answer(const std::string& dialogClass, std::vector<std::pair<std::string, std::string>> values) {
    author.steps[dialogClass] = [values](DialogFields& f) {
      for (const auto& [k, v] : values) f.Set(k, v);
      return true;
    };
  }
  std::string Doc() const { return test::Show(fx.editor); }
};

TEST_F(StyleCommandTest, StyleBlocks) {
  struct Case {
    std::string doc;
    std::vector<std::pair<std::string, std::string>> fields;
    bool lower;
    std::string result;
  } cases[] = {
      {"<HTML><HEAD>|</HEAD>",
       {{"edRowCount", "3"}, {"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "color:red"}, {"sgStyle[2,0]", "P.note"},
        {"sgStyle[2,1]", "font-size:10pt"}},
       false,
       "<HTML><HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nH1{color:red}\r\nP.note{font-size:10pt}\r\n-->\r\n"
       "</STYLE>\r\n|</HEAD>"},
      {"<head>|", {{"edRowCount", "1"}, {"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "color:red"}}, true,
       "<head>\r\n<style type=\"text/css\">\r\n<!--\r\nH1{color:red}\r\n-->\r\n</style>\r\n|"},
      // The rules stop at the first row with an empty cell.
      {"<HEAD>|",
       {{"edRowCount", "3"}, {"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "a:b"}, {"sgStyle[2,0]", "H2"},
        {"sgStyle[3,0]", "H3"}, {"sgStyle[3,1]", "c:d"}},
       false, "<HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nH1{a:b}\r\n-->\r\n</STYLE>\r\n|"},
      // A document beginning with its head still gets the block inside it;
      // the caret anywhere else moves there.
      {"<HEAD></HEAD><BODY>x|</BODY>", {}, false,
       "<HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\n-->\r\n</STYLE>\r\n|</HEAD><BODY>x</BODY>"},
      // Without a head, at the caret.
      {"ab[c]d", {}, false, "ab\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\n-->\r\n</STYLE>\r\n|cd"},
  };
  for (const Case& c : cases) {
    fx.Load(c.doc);
    fx.ctx.options.lowerCaseTag = c.lower;
    Answer("TStyleDlg", c.fields);
    Run("STYLEClick");
    EXPECT_EQ(Doc(), c.result) << c.doc;
    EXPECT_EQ(fx.ctx.repeatTag.start, "");
  }
  // Keeping the previous selection puts the caret after the last rule.
  fx.Load("<HEAD>|");
  fx.ctx.options.caretPolicy = CaretPolicy::KeepPrevious;
  Answer("TStyleDlg", {{"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "a:b"}});
  Run("STYLEClick");
  EXPECT_EQ(Doc(), "<HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nH1{a:b}\r\n|-->\r\n</STYLE>\r\n");
}

TEST_F(StyleCommandTest, LinkToAStyleSheet) {
  fx.Load("<HTML><HEAD><TITLE>t</TITLE></HEAD>|");
  Answer("TLinkStyleSheetDlg", {{"edURL", "main.css"}});
  Run("LINKRELClick");
  EXPECT_EQ(author.seen.Get("Caption"), MessageSjis(Msg::LinkStyleSheetCaption));
  EXPECT_EQ(Doc(), "<HTML><HEAD><LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"main.css\">|<TITLE>t</TITLE></HEAD>");
  EXPECT_EQ(fx.ctx.repeatTag.start, "<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"main.css\">");
  // Now that there is one, the command re-edits it; only the changed
  // attribute changes.
  fx.editor.SetSelStart(fx.editor.TextLength());
  Answer("TLinkStyleSheetDlg", {{"edURL", "print.css"}});
  Run("LINKRELClick");
  EXPECT_EQ(author.seen.Get("Caption"), "<LINK>\x82\xcc\x8d\xc4\x95\xd2\x8f\x57");  // <LINK>の再編集
  EXPECT_EQ(author.seen.Get("edURL"), "main.css");
  EXPECT_EQ(fx.editor.GetText(),
            "<HTML><HEAD><LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"print.css\"><TITLE>t</TITLE></HEAD>");
}

TEST_F(StyleCommandTest, LinkCases) {
  struct Case {
    std::string doc;
    std::string url;
    bool lower;
    std::string result;
  } cases[] = {
      {"<html><head>|</head>", "a.css", true, "<html><head><link rel=\"stylesheet\" type=\"text/css\" href=\"a.css\">|</head>"},
      // REL after HREF is not recognised: a second link goes in.
      {"<HEAD><LINK HREF=\"main.css\" REL=\"stylesheet\">|</HEAD>", "b.css", false,
       "<HEAD><LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"b.css\">|<LINK HREF=\"main.css\" REL=\"stylesheet\"></HEAD>"},
      // Without a file nothing is written.
      {"<HEAD>|</HEAD>", "", false, "<HEAD>|</HEAD>"},
  };
  for (const Case& c : cases) {
    fx.Load(c.doc);
    fx.ctx.options.lowerCaseTag = c.lower;
    Answer("TLinkStyleSheetDlg", {{"edURL", c.url}});
    Run("LINKRELClick");
    EXPECT_EQ(Doc(), c.result) << c.doc;
  }
}

TEST_F(StyleCommandTest, F2OnALinkOpensTheLinkDialog) {
  int changes = 0;
  fx.ctx.services.linksChanged = [&changes] { ++changes; };
  fx.Load("<LINK REL=\"stylesheet\" TYPE=text/css HREF=\"a.css\" MEDIA=\"print\">|");
  fx.editor.SetSelStart(3);
  Answer("TLinkStyleSheetDlg", {{"cbRel", "next"}});
  Run("EditTagClick");
  EXPECT_EQ(author.shown.back(), "TLinkStyleSheetDlg");
  EXPECT_EQ(author.seen.Get("cbType"), "text/css");
  EXPECT_EQ(fx.editor.GetText(), "<LINK REL=\"next\" TYPE=text/css HREF=\"a.css\" MEDIA=\"print\">");
  EXPECT_EQ(changes, 1);
}

TEST_F(StyleCommandTest, InsertAStyle) {
  dir.Write("StyleList.txt", "color:red\r\n");
  struct Case {
    int option;
    bool lower;
    std::string result;
  } cases[] = {
      {2, false, "<P STYLE=\"color:red\"|>"},
      {2, true, "<P style=\"color:red\"|>"},
      {1, false, "<P \"color:red\"|>"},
      {0, false, "<P color:red|>"},
  };
  for (const Case& c : cases) {
    fx.Load("<P |>");
    fx.ctx.options.lowerCaseTag = c.lower;
    Answer("TInsertStyleDlg", {{"cbStyle", "color:red"}, {"rgOption", std::to_string(c.option)}});
    Run("InsertStyleClick");
    EXPECT_EQ(Doc(), c.result);
  }
  EXPECT_EQ(GetItems(author.seen, "cbStyle"), Items{"color:red"});
  EXPECT_EQ(author.seen.Get("rgOption"), "2") << "STYLE=\"style\" is chosen at first";
  fx.Load("x|");
  Answer("TInsertStyleDlg", {});
  Run("InsertStyleClick");
  EXPECT_EQ(Doc(), "x|") << "nothing chosen inserts nothing";
}

TEST_F(StyleCommandTest, SelectorRulesAndTheirRegistry) {
  dir.Write("TagClassList.txt", "[H1]\r\nSTYLE=color:red\r\n[P.note]\r\nSTYLE=font-size:10pt\r\n");
  const std::string path = (dir.dir() / "TagClassList.txt").string();
  fx.Load("a|b");
  author.steps["TStyleItemDlg"] = [&](DialogFields& f) {
    EXPECT_EQ(GetItems(f, "cbTagClass"), (Items{"H1", "P.note"}));
    f.Set("cbTagClass", "P.note");
    DialogFieldChanged(fx.ctx, "TStyleItemDlg", "cbTagClass", f);
    EXPECT_EQ(f.Get("cbStyle"), "font-size:10pt");
    // A new selector keeps the style typed so far; saving registers it.
    f.Set("cbTagClass", "DIV.box");
    DialogFieldChanged(fx.ctx, "TStyleItemDlg", "cbTagClass", f);
    EXPECT_EQ(f.Get("cbStyle"), "font-size:10pt");
    EXPECT_TRUE(PressDialogButton(fx.ctx, "TStyleItemDlg", "AddBtn", f));
    EXPECT_EQ(GetItems(f, "cbTagClass"), (Items{"H1", "P.note", "DIV.box"}));
    return true;
  };
  Run("TagStyleClick");
  EXPECT_EQ(Doc(), "aDIV.box{font-size:10pt}\r\n|b");
  EXPECT_EQ(fx.ctx.repeatTag.start, "DIV.box{font-size:10pt}\r\n");
  EXPECT_EQ(ReadFileBytes(path),
            "[H1]\r\nSTYLE=color:red\r\n[P.note]\r\nSTYLE=font-size:10pt\r\n[DIV.box]\r\nSTYLE=font-size:10pt\r\n");
}

TEST_F(StyleCommandTest, DeletingASelectorOnlyOnYes) {
  const std::string original = "[H1]\r\nSTYLE=color:red\r\n[P.note]\r\nSTYLE=x\r\n";
  dir.Write("TagClassList.txt", original);
  const std::string path = (dir.dir() / "TagClassList.txt").string();
  DialogFields f;
  f.Set("cbTagClass", "H1");
  fx.prompts.QueueReply(Reply::No);
  EXPECT_TRUE(PressDialogButton(fx.ctx, "TStyleItemDlg", "DeleteBtn", f));
  EXPECT_EQ(ReadFileBytes(path), original);
  EXPECT_EQ(f.Get("cbTagClass"), "") << "emptied whatever the answer";
  EXPECT_EQ(fx.prompts.Texts(), Items{MessageSjis(Msg::StyleItemDeleteQuestion)});
  f.Set("cbTagClass", "H1");
  fx.prompts.QueueReply(Reply::Yes);
  PressDialogButton(fx.ctx, "TStyleItemDlg", "DeleteBtn", f);
  EXPECT_EQ(ReadFileBytes(path), "[P.note]\r\nSTYLE=x\r\n");
  EXPECT_EQ(GetItems(f, "cbTagClass"), Items{"P.note"});
}

TEST_F(StyleCommandTest, SpanIsASimpleTag) {
  fx.Load("a[b]c");
  fx.ctx.options.directTagInsert = true;
  Run("SPANClick");
  EXPECT_EQ(fx.editor.GetText(), "a<SPAN>b</SPAN>c");
  fx.ctx.options.directTagInsert = false;
  fx.Load("a[b]c");
  Answer("TSimpleReDlg", {{"cbStyle", "color:red"}});
  Run("SPANClick");
  EXPECT_EQ(author.seen.Get("Caption"), MessageSjis(Msg::SpanDlgCaption));
  EXPECT_EQ(fx.editor.GetText(), "a<SPAN STYLE=\"color:red\">b</SPAN>c");
}

TEST_F(StyleCommandTest, TheStyleFieldTakesTheEditorsStyle) {
  dir.Write("StyleList.txt", "color:red\r\n");
  fx.Load("[x]");
  author.steps["TRegisterStyleDlg"] = [&](DialogFields& f) {
    f.Set("cbFloat", "left");
    StyleFieldChanged(f, "cbFloat", fx.prompts);
    EXPECT_TRUE(PressDialogButton(fx.ctx, "TRegisterStyleDlg", "AddBtn", f));
    return true;
  };
  author.steps["TFontSetDlg"] = [&](DialogFields& f) {
    EXPECT_TRUE(PressDialogButton(fx.ctx, "TFontSetDlg", "RegisterStyleBtn", f));
    EXPECT_EQ(GetItems(f, "cbStyle"), (Items{"color:red", "float:left"}));
    return true;
  };
  Run("FONTClick");
  EXPECT_EQ(fx.editor.GetText(), "<FONT STYLE=\"float:left\">x</FONT>");
  // A cancelled editor leaves the field as it was.
  fx.Load("[x]");
  author.steps["TRegisterStyleDlg"] = [](DialogFields&) { return false; };
  author.steps["TFontSetDlg"] = [&](DialogFields& f) {
    f.Set("cbStyle", "a:b");
    PressDialogButton(fx.ctx, "TFontSetDlg", "RegisterStyleBtn", f);
    return true;
  };
  Run("FONTClick");
  EXPECT_EQ(fx.editor.GetText(), "<FONT STYLE=\"a:b\">x</FONT>");
}

TEST_F(StyleCommandTest, CancelInsertsNothing) {
  for (const char* dlg : {"TStyleDlg", "TLinkStyleSheetDlg", "TStyleItemDlg", "TInsertStyleDlg"})
    author.steps[dlg] = [](DialogFields& f) {
      f.Set("cbStyle", "a:b");
      f.Set("edURL", "a.css");
      f.Set("cbTagClass", "H1");
      return false;
    };
  for (const char* c : {"STYLEClick", "LINKRELClick", "TagStyleClick", "InsertStyleClick"}) {
    fx.Load("<HEAD>a[b]c");
    Run(c);
    EXPECT_EQ(fx.editor.GetText(), "<HEAD>abc") << c;
  }
}

}  // namespace
}  // namespace mw
