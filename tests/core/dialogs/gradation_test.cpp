// The gradation: texts to exact SPAN runs, and the commands that insert a
// gradation or a colour.
#include "core/dialogs/gradation.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/app/ini_file.h"
#include "core/dialogs/acting_host.h"
#include "core/editing/editing_fixture.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

const Rgb kBlue{0, 0, 255}, kRed{255, 0, 0};

std::string S(const char* colour, std::string_view text) {
  return std::string("<SPAN STYLE=\"color:") + colour + "\">" + std::string(text) + "</SPAN>";
}

struct GradationCase {
  const char* name;
  std::string text;
  std::string style;
  bool lower;
  std::string expected;
};

TEST(GradationText, ModesOnTextWithDoubleByteCharactersAndTags) {
  const GradationCase cases[] = {
      {"abc", "abc", "", false, S("#0000FF", "a") + S("#800080", "b") + S("#FF0000", "c")},
      {"two double-byte characters step by byte", "\x82\xa0\x82\xa2", "", false,
       S("#0000FF", "\x82\xa0") + S("#AA0055", "\x82\xa2")},
      {"ソ and 表 end in 0x5C and stay whole", "\x83\x5c\x95\x5c" "a", "", false,
       S("#0000FF", "\x83\x5c") + S("#800080", "\x95\x5c") + S("#FF0000", "a")},
      {"one character has no colour SPAN", "x", "", false, "x"},
      {"one character in the style SPAN", "x", "font-size:20px", false, "<SPAN STYLE=\"font-size:20px\">x</SPAN>"},
      {"style around the run", "ab", "font-weight:bold", false,
       "<SPAN STYLE=\"font-weight:bold\">" + S("#0000FF", "a") + S("#FF0000", "b") + "</SPAN>"},
      {"lower-case tags and digits", "ab", "", true,
       "<span style=\"color:#0000ff\">a</span><span style=\"color:#ff0000\">b</span>"},
      {"empty", "", "", false, ""},
      {"blank text is left as it is", " \r\n", "", false, " \r\n"},
      {"blanks around stay outside", "  ab \r\n", "", false, "  " + S("#0000FF", "a") + S("#FF0000", "b") + " \r\n"},
      {"tags inside are kept whole", "a<B CLASS=\"x\">b</B>", "", false,
       S("#0000FF", "a") + "<B CLASS=\"x\">" + S("#FF0000", "b") + "</B>"},
      {"a reference is one character of its bytes", "a&amp;b", "", false,
       S("#0000FF", "a") + S("#2B00D5", "&amp;") + S("#FF0000", "b")},
      {"line breaks inside are kept", "a\r\nb", "", false, S("#0000FF", "a") + "\r\n" + S("#FF0000", "b")},
      {"only tags: nothing to colour", "<BR>", "", false, "<BR>"},
      {"a stray < is a character", "a<b", "", false, S("#0000FF", "a") + S("#800080", "<") + S("#FF0000", "b")},
  };
  for (const GradationCase& c : cases) {
    EditingOptions o;
    o.lowerCaseTag = c.lower;
    EXPECT_EQ(GradationText(c.text, kBlue, kRed, c.style, o), c.expected) << c.name;
  }
}

struct GradationCommandTest : ::testing::Test {
  test::EditingFixture fx;
  test::ActingHost host;
  test::TempDir dir;
  GradationCommandTest() {
    fx.ctx.dialogs = &host;
    fx.ctx.services.dataFolder = dir.dir().string();
  }
};

TEST_F(GradationCommandTest, OkReplacesTheSelectionAndColoursAreRemembered) {
  dir.Write("PreviousSetting.txt", "[DEGRADATION]\r\nStartColor=65280\r\nEndColor=16711680\r\n");
  dir.Write("StyleList.txt", "color:red\r\n");
  fx.Load("x[ab]y");
  GradationCommand(fx.ctx);
  EXPECT_EQ(host.shown.Get("edString"), "ab");
  EXPECT_EQ(host.shown.Get("StartColorPanel"), "#00FF00");
  EXPECT_EQ(GetItems(host.shown, "cbStyle"), std::vector<std::string>{"color:red"});
  EXPECT_EQ(fx.editor.GetText(), "x" + S("#00FF00", "a") + S("#0000FF", "b") + "y");
  EXPECT_TRUE(fx.ctx.repeatTag.start.empty());

  // Cancel changes nothing in the page but keeps the colours chosen.
  host.ok = false;
  host.Field("EndColorPanel", "#123456");
  GradationCommand(fx.ctx);
  EXPECT_EQ(IniFile::Load(dir.Path("PreviousSetting.txt")).GetInt("DEGRADATION", "EndColor", 0), 0x563412);
}

TEST_F(GradationCommandTest, DefaultsBlueToRedAndAHandEditedPreviewGoesIn) {
  fx.Load("[ab]");
  host.Field("reTag", "<B>hand</B>");
  GradationCommand(fx.ctx);
  EXPECT_EQ(host.shown.Get("StartColorPanel"), "#0000FF");
  EXPECT_EQ(host.shown.Get("EndColorPanel"), "#FF0000");
  EXPECT_EQ(fx.editor.GetText(), "<B>hand</B>");
}

TEST_F(GradationCommandTest, ColourCommandsInsertAtTheCaret) {
  fx.Load("a|b");
  fx.ctx.options.lowerCaseTag = true;
  host.Field("Color", "#FFAA00");
  ColourPaletteCommand(fx.ctx);
  EXPECT_EQ(fx.editor.GetText(), "a#ffaa00b");
  fx.Load("[Navy]");
  test::ActingHost names;
  fx.ctx.dialogs = &names;
  ColourNameCommand(fx.ctx);
  // The selection is the window's initial text.
  EXPECT_EQ(names.shown.Get("edColor"), "Navy");
  EXPECT_EQ(fx.editor.GetText(), "navy");
  names.ok = false;
  ColourNameCommand(fx.ctx);
  EXPECT_EQ(fx.editor.GetText(), "navy");
}

}  // namespace
}  // namespace mw
