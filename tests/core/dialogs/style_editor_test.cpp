// The style editor's model: fields, list buttons and the registry file.
#include "core/dialogs/style_editor.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/editing/editing_fixture.h"
#include "core/text/messages.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using Styles = std::vector<std::string>;

struct StyleEditorTest : ::testing::Test {
  test::TempDir dir;
  ScriptedPrompts prompts;
  DialogServices services;
  DialogFields f;
  StyleEditorTest() {
    services.dataFolder = dir.dir().string();
    dir.Write("StyleList.txt", "width:2px\r\ncolor:red\r\n");
    dir.Write("ColorList.txt", "red\r\nblue\r\n");
    f = StyleEditorFields(services);
  }
  // Types a value into a field, as the author would.
  void Type(std::string_view control, std::string value) {
    f.Set(control, std::move(value));
    StyleFieldChanged(f, control, prompts);
  }
  bool Modified() const { return f.Checked(kFieldStyleModified); }
};

TEST_F(StyleEditorTest, OpensEmptyWithTheRegistrySorted) {
  EXPECT_EQ(StyleEntries(f), (Styles{"color:red", "width:2px"}));
  EXPECT_EQ(SelectedStyle(f), -1);
  EXPECT_EQ(f.Get(kFieldStyleText), "");
  EXPECT_EQ(f.Get("edMarginUnit"), "pt");
  EXPECT_EQ(GetItems(f, "cbBgColor"), (Styles{"red", "blue"}));
  EXPECT_EQ(GetItems(f, "cbFloat"), (Styles{"left", "right", "none"}));
  EXPECT_FALSE(f.Checked(kFieldUpperCase));
}

TEST_F(StyleEditorTest, WhatMarksTheStyleModified) {
  struct Case {
    const char* control;
    const char* value;
    bool modifies;
  } cases[] = {
      {"cbColor", "red", true},    {"cbFontFamily", "Arial", true}, {"edFontSizeUnit", "px", true},
      {"cbFloat", "left", true},   {"edFontSize", "12", false},    {"edBgUrl", "a.gif", false},
      {kFieldStyleText.data(), "x:y", false},
  };
  for (const Case& c : cases) {
    f = StyleEditorFields(services);
    Type(c.control, c.value);
    EXPECT_EQ(Modified(), c.modifies) << c.control;
  }
}

TEST_F(StyleEditorTest, TheTextFollowsTheFields) {
  Type("cbColor", "#ff0000");
  Type("edFontSize", "12");
  EXPECT_EQ(f.Get(kFieldStyleText), "font-size:12pt;color:#ff0000");
  Type("edFontSize", "0");
  EXPECT_EQ(f.Get("edFontSize"), "") << "zero empties the field at once";
  EXPECT_EQ(f.Get(kFieldStyleText), "color:#ff0000");
  f.SetChecked(kFieldUpperCase, true);
  StyleFieldChanged(f, kFieldUpperCase, prompts);
  EXPECT_EQ(f.Get(kFieldStyleText), "COLOR:#FF0000");
}

TEST_F(StyleEditorTest, AddOverwriteAndDuplicates) {
  Type("cbColor", "blue");
  StyleEditorAdd(f);
  EXPECT_EQ(StyleEntries(f), (Styles{"color:blue", "color:red", "width:2px"}));
  EXPECT_EQ(SelectedStyle(f), 0);
  EXPECT_FALSE(Modified());
  // Already listed (letter case aside): only selected, still modified.
  Type("cbColor", "RED");
  StyleEditorAdd(f);
  EXPECT_EQ(StyleEntries(f).size(), 3u);
  EXPECT_EQ(SelectedStyle(f), 1);
  EXPECT_TRUE(Modified());
  // An empty text adds nothing.
  StyleEditorNew(f, prompts);  // the question goes unanswered: Cancel
  EXPECT_EQ(f.Get("cbColor"), "RED") << "cancelled";
  prompts.QueueReply(Reply::No);
  StyleEditorNew(f, prompts);
  EXPECT_EQ(f.Get(kFieldStyleText), "");
  StyleEditorAdd(f);
  EXPECT_EQ(StyleEntries(f).size(), 3u);
  // Overwrite replaces the selected entry and keeps the list sorted.
  f.SetIndex(kFieldStyleList, 0);
  Type("edWidth", "9");
  StyleEditorOverwrite(f);
  EXPECT_EQ(StyleEntries(f), (Styles{"color:red", "width:2px", "width:9pt"}));
  EXPECT_EQ(SelectedStyle(f), 2);
  // Without a selection it adds.
  f.SetIndex(kFieldStyleList, -1);
  Type("cbFloat", "left");
  StyleEditorOverwrite(f);
  EXPECT_EQ(StyleEntries(f), (Styles{"color:red", "width:2px", "width:9pt", "width:9pt;float:left"}));
}

TEST_F(StyleEditorTest, ChoosingAnEntryFillsTheFields) {
  dir.Write("StyleList.txt", "MARGIN:5mm;color:RED\r\nfont-size:1.5em\r\n");
  f = StyleEditorFields(services);
  f.SetIndex(kFieldStyleList, 1);
  StyleFieldChanged(f, kFieldStyleList, prompts);
  EXPECT_EQ(f.Get("edMargin"), "5");
  EXPECT_EQ(f.Get("edMarginUnit"), "mm");
  EXPECT_EQ(f.Get("cbColor"), "red");
  EXPECT_EQ(f.Get(kFieldStyleText), "color:red;MARGIN:5mm");
  EXPECT_FALSE(Modified());
  f.SetIndex(kFieldStyleList, 0);
  StyleFieldChanged(f, kFieldStyleList, prompts);
  EXPECT_EQ(f.Get("edFontSize"), "1");
  EXPECT_EQ(f.Get("edFontSizeUnit"), ".5em");
  EXPECT_EQ(f.Get("cbColor"), "");
}

TEST_F(StyleEditorTest, ChoosingAfterAChangeAsksFirst) {
  struct Case {
    Reply reply;
    Styles entries;
    std::string color;  // the field afterwards
  } cases[] = {
      // Yes adds the change, then shows the entry that was chosen.
      {Reply::Yes, {"color:blue", "color:red", "width:2px"}, "red"},
      {Reply::No, {"color:red", "width:2px"}, "red"},
      {Reply::Cancel, {"color:red", "width:2px"}, "blue"},
  };
  for (const Case& c : cases) {
    f = StyleEditorFields(services);
    prompts.ClearLog();
    Type("cbColor", "blue");
    prompts.QueueReply(c.reply);
    StyleEditorSelect(f, 0, prompts);  // color:red
    EXPECT_EQ(StyleEntries(f), c.entries);
    EXPECT_EQ(f.Get("cbColor"), c.color);
    ASSERT_EQ(prompts.Log().size(), 1u);
    EXPECT_EQ(prompts.Log()[0].text, MessageSjis(Msg::StyleChangedAddQuestion));
    EXPECT_EQ(prompts.Log()[0].caption, "Markupwright2");
  }
}

TEST_F(StyleEditorTest, DeleteOnlyOnYes) {
  for (const Reply r : {Reply::No, Reply::Cancel}) {
    f.SetIndex(kFieldStyleList, 0);
    prompts.QueueReply(r);
    StyleEditorDelete(f, prompts);
    EXPECT_EQ(StyleEntries(f), (Styles{"color:red", "width:2px"}));
  }
  prompts.QueueReply(Reply::Yes);
  StyleEditorDelete(f, prompts);
  EXPECT_EQ(StyleEntries(f), (Styles{"width:2px"}));
  EXPECT_EQ(SelectedStyle(f), -1);
  StyleEditorDelete(f, prompts);  // nothing selected: no question
  EXPECT_EQ(prompts.Log().size(), 3u);
}

// The command: OK writes the list and the option, Cancel writes nothing.
struct HostAnswers : DialogHost {
  std::function<void(DialogFields&)> author;
  bool ok = true;
  bool Run(std::string_view, DialogFields& f) override {
    if (author) author(f);
    return ok;
  }
};

TEST_F(StyleEditorTest, OkWritesTheRegistryCancelDoesNot) {
  test::EditingFixture fx;
  HostAnswers host;
  fx.ctx.dialogs = &host;
  fx.ctx.services = services;
  const std::string path = (dir.dir() / "StyleList.txt").string();
  const std::string before = ReadFileBytes(path);
  host.author = [&](DialogFields& d) {
    d.SetIndex(kFieldStyleList, 0);
    fx.prompts.QueueReply(Reply::Yes);
    StyleEditorDelete(d, fx.prompts);
    d.SetChecked(kFieldUpperCase, true);
  };
  host.ok = false;
  EXPECT_EQ(RunStyleEditor(fx.ctx), std::nullopt);
  EXPECT_EQ(ReadFileBytes(path), before);
  host.ok = true;
  EXPECT_EQ(RunStyleEditor(fx.ctx), "");
  EXPECT_EQ(ReadFileBytes(path), "width:2px\r\n");
  EXPECT_TRUE(StyleEditorFields(services).Checked(kFieldUpperCase)) << "the option is remembered";
  // A change left unsaved at OK is offered for adding; the answer does not
  // stop the OK, and the editor's text is the result.
  host.author = [&](DialogFields& d) {
    d.Set("cbColor", "navy");
    StyleFieldChanged(d, "cbColor", fx.prompts);
  };
  fx.prompts.QueueReply(Reply::Yes);
  EXPECT_EQ(RunStyleEditor(fx.ctx), "COLOR:NAVY");
  EXPECT_EQ(ReadFileBytes(path), "COLOR:NAVY\r\nwidth:2px\r\n");
}

}  // namespace
}  // namespace mw
