#include "core/editing/simple_tags.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "core/editing/dialog_services.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/simple_tag_dialog.h"
#include "editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Show;

constexpr CaretPolicy kAfter = CaretPolicy::AfterEdited;
constexpr CaretPolicy kSelect = CaretPolicy::SelectEdited;
constexpr CaretPolicy kKeep = CaretPolicy::KeepPrevious;

// Answers a dialog by overwriting some fields, or cancels; records what it
// was opened with.
class ScriptedDialogs : public DialogHost {
 public:
  bool ok = true;
  DialogFields answer;
  std::string dialogClass;
  DialogFields opened;
  int runs = 0;
  bool Run(std::string_view cls, DialogFields& fields) override {
    ++runs;
    dialogClass = std::string(cls);
    opened = fields;
    for (const auto& [k, v] : answer.values) fields.Set(k, v);
    return ok;
  }
};

// Selection searches that select what a row marks with "{...}".
class MarkedSearch : public SelectionSearch {
 public:
  std::string tag, range, text;
  void SelectPreviousTag(EditingContext& c) override { Apply(c, tag); }
  void SelectPreviousTagRange(EditingContext& c) override { Apply(c, range); }
  void SelectPreviousText(EditingContext& c) override { Apply(c, text); }

 private:
  static void Apply(EditingContext& c, const std::string& marked) {
    const test::Marked m = test::ParseMarked(marked);
    if (m.start >= 0) c.Editor().SetSelection(m.start, m.start + m.length);
  }
};

struct Fixture : EditingFixture {
  ScriptedDialogs dialogs;
  CommandRegistry registry;
  Fixture() {
    ctx.dialogs = &dialogs;
    RegisterSimpleTagCommands(registry);
  }
  void Run(std::string_view handler, std::string_view arg = {}) {
    const EditCommand* c = registry.Find(handler);
    ASSERT_NE(c, nullptr) << handler;
    c->run(ctx, arg);
  }
};

TEST(SimpleTagCommands, EveryHandlerIsRegistered) {
  CommandRegistry r;
  RegisterSimpleTagCommands(r);
  const char* names[] = {
      "H1Click", "H2Click",
      "H3Click", "H4Click", "H5Click", "H6Click", "CENTERClick", "BClick", "IClick", "UClick",
      "TTClick", "STRIKEClick", "SClick", "SUPClick", "SUBClick", "BIGClick", "SMALLClick",
      "ADDRESSClick", "CODEClick", "CITEClick", "DFNClick", "KBDClick", "SAMPClick", "VARClick",
      "BLOCKQUOTEClick", "PREClick", "EMClick", "STRONGClick", "NOFRAMESClick", "NOSCRIPTClick",
      "DLClick", "DIRClick", "MENUClick", "BRClick", "LIClick", "DTClick", "DDClick", "LTClick",
      "GTClick", "QuoteClick", "AndClick", "HalfSpaceClick", "COMMENT1Click", "InsertDateClick",
      "InsertTimeClick", "onClick1Click"};
  for (const char* n : names) EXPECT_NE(r.Find(n), nullptr) << n;
  EXPECT_EQ(r.All().size(), std::size(names));
}

TEST(SimpleTagCommands, DirectInsertionWrapsAndSetsRepeatPair) {
  const struct {
    const char* handler;
    std::string before;
    bool lower;
    std::string after;
    RepeatTagPair pair;
  } rows[] = {
      {"H1Click", "|", true, "<h1></h1>|", {"<h1>", "</h1>"}},
      {"BClick", "x[" + kA + kHyo + "]y", false, "x<B>" + kA + kHyo + "</B>|y", {"<B>", "</B>"}},
      // The list's inner texts are left out without the dialog.
      {"DLClick", "[abc]", false, "<DL>abc</DL>|", {"<DL>", "</DL>"}},
      {"MENUClick", "[" + kTsu + "]", true, "<menu>" + kTsu + "</menu>|", {"<menu>", "</menu>"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.handler) + " on " + r.before);
    Fixture f;
    f.ctx.options.directTagInsert = true;
    f.ctx.options.lowerCaseTag = r.lower;
    f.Load(r.before);
    f.Run(r.handler);
    EXPECT_EQ(Show(f.editor), r.after);
    EXPECT_EQ(f.ctx.repeatTag, r.pair);
    EXPECT_EQ(f.dialogs.runs, 0);
    f.editor.Undo();  // one command, one undo step
    EXPECT_EQ(f.editor.GetText(), test::ParseMarked(r.before).text);
  }
}

// The dialog's ID and CLASS choices come from the page's STYLE block, LANG
// from its fixed list.
TEST(SimpleTagCommands, DialogOffersThePagesIdsAndClasses) {
  Fixture f;
  f.dialogs.ok = false;
  // Braces mark ranges in the fixture's texts: this page is set directly.
  const std::string page = "<STYLE>.note { color: red } #top { margin: 0 }</STYLE>x";
  f.editor.SetText(page);
  f.editor.SetSelection(page.size() - 1, page.size());
  f.Run("BClick");
  EXPECT_EQ(GetItems(f.dialogs.opened, "cbCLASS"), std::vector<std::string>{"note"});
  EXPECT_EQ(GetItems(f.dialogs.opened, "cbID"), std::vector<std::string>{"top"});
  EXPECT_FALSE(GetItems(f.dialogs.opened, "cbLang").empty());
}

TEST(SimpleTagCommands, EveryMemberOpensItsDialogAndCancelChangesNothing) {
  auto check = [](std::string_view handler, std::string_view name, std::string_view caption) {
    SCOPED_TRACE(std::string(handler));
    Fixture f;
    f.dialogs.ok = false;
    f.ctx.repeatTag = {"<X>", "</X>"};
    f.Load("a[" + kHyo + "]b");
    f.Run(handler);
    EXPECT_EQ(f.dialogs.dialogClass, "TSimpleReDlg");
    EXPECT_EQ(f.dialogs.opened.Get(kFieldCaption), caption);
    EXPECT_EQ(f.dialogs.opened.Get(kFieldName), name);
    EXPECT_EQ(f.dialogs.opened.Get(kFieldSelText), kHyo);
    EXPECT_EQ(Show(f.editor), "a[" + kHyo + "]b");
    EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"}));
  };
  for (const auto& e : SimpleTagTable())
    if (!IsDocumentTag(e)) check(e.command, e.name, e.caption);
  for (const auto& e : ListTagTable()) check(e.command, e.name, e.caption);
}

TEST(SimpleTagCommands, DialogCaptionsAreTheShiftJisTitles) {
  // "ボールド<B></B>：　インライン"
  EXPECT_EQ(FindSimpleTag("B")->caption,
            "\x83\x7B\x81\x5B\x83\x8B\x83\x68<B></B>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93");
  // "定義型リスト<DL></DL>：　ブロックレベル"
  EXPECT_EQ(ListTagTable()[0].caption,
            "\x92\xE8\x8B\x60\x8C\x5E\x83\x8A\x83\x58\x83\x67<DL></DL>\x81\x46\x81\x40"
            "\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B");
}

TEST(SimpleTagCommands, DialogOkInsertsThePreviewAndSetsRepeatPair) {
  const struct {
    const char* what;
    const char* handler;
    std::string before;
    bool lower;
    CaretPolicy policy;
    DialogFields answer;
    std::string after;
    RepeatTagPair pair;
  } rows[] = {
      {"plain", "BClick", "[abc]", false, kAfter, {}, "<B>abc</B>|", {"<B>", "</B>"}},
      {"style typed with lower-case tags", "BClick", "[abc]", true, kAfter,
       {{{"cbStyle", "a b"}}}, "<b style=\"a b\">abc</b>|", {"<b style=\"a b\">", "</b>"}},
      {"list inner texts, selection kept", "DLClick", "[abc]", false, kKeep, {},
       "<DL>\r\n<DT>[abc]\r\n<DD>\r\n</DL>", {"<DL>\r\n<DT>", "\r\n<DD>\r\n</DL>"}},
      {"double-byte selection", "EMClick", "x[" + kSo + "]", false, kSelect,
       {{{"edTitle", kHyo}}}, "x[<EM TITLE=\"" + kHyo + "\">" + kSo + "</EM>]",
       {"<EM TITLE=\"" + kHyo + "\">", "</EM>"}},
      // A hand-edited preview goes in as it stands; the inner offset stays
      // that of the built start tag.
      {"preview edited by hand wins", "BClick", "[abc]", false, kKeep,
       {{{"reTag", "<B CLASS=x>abc</B>"}}}, "<B [CLA]SS=x>abc</B>", {"<B>", "</B>"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    Fixture f;
    f.ctx.options.lowerCaseTag = r.lower;
    f.ctx.options.caretPolicy = r.policy;
    f.dialogs.answer = r.answer;
    f.Load(r.before);
    f.Run(r.handler);
    EXPECT_EQ(Show(f.editor), r.after);
    EXPECT_EQ(f.ctx.repeatTag, r.pair);
  }
}

TEST(SimpleTagCommands, NoDialogHostDoesNothing) {
  Fixture f;
  f.ctx.dialogs = nullptr;
  f.Load("[abc]");
  f.Run("BClick");
  EXPECT_EQ(Show(f.editor), "[abc]");
}

TEST(SimpleTagCommands, WrappingPreselectsButListsDoNot) {
  for (const char* handler : {"BClick", "DLClick", "COMMENT1Click"}) {
    SCOPED_TRACE(handler);
    Fixture f;
    MarkedSearch search;
    search.tag = "{<P>}text</P>";
    search.text = "<P>{text}</P>";
    f.ctx.selectionSearch = &search;
    f.ctx.options.autoSelect = true;
    f.ctx.options.directTagInsert = true;
    f.Load("<P>te|xt</P>");
    f.Run(handler);
    const std::string h = handler;
    EXPECT_EQ(Show(f.editor), h == "BClick"    ? "<P><B>text</B>|</P>"
                              : h == "DLClick" ? "<P>te<DL></DL>|xt</P>"
                                               : "<P><!--text-->|</P>");
  }
}

TEST(SingleInsertions, TextCaretAndRepeatPairByCommand) {
  const struct {
    const char* handler;
    std::string before;
    CaretPolicy policy;
    bool lower;
    std::string after;
    bool setsPair;
  } rows[] = {
      // BR ends after the tag whatever the policy.
      {"BRClick", "a[x]" + kSo, kSelect, false, "a<BR>|" + kSo, true},
      {"BRClick", "a|", kKeep, true, "a<br>|", true},
      {"BRClick", "a|", kAfter, false, "a<BR>|", true},
      // LI, DT, DD follow the policy.
      {"LIClick", "a|b", kSelect, false, "a[<LI>]b", true},
      {"DTClick", kHyo + "|", kAfter, true, kHyo + "<dt>|", true},
      {"DDClick", "[x]", kKeep, false, "[<DD>]", true},
      // References are never re-cased and leave the pair alone.
      {"LTClick", "a[x]b", kSelect, true, "a&lt;|b", false},
      {"GTClick", kTsu + "|", kKeep, false, kTsu + "&gt;|", false},
      {"QuoteClick", "|", kAfter, false, "&quot;|", false},
      {"AndClick", "[" + kA + "]", kSelect, false, "&amp;|", false},
      {"HalfSpaceClick", "a|", kKeep, false, "a&nbsp;|", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.handler) + " on " + r.before);
    Fixture f;
    f.ctx.options.caretPolicy = r.policy;
    f.ctx.options.lowerCaseTag = r.lower;
    f.ctx.repeatTag = {"<X>", "</X>"};
    f.Load(r.before);
    f.Run(r.handler);
    EXPECT_EQ(Show(f.editor), r.after);
    if (r.setsPair) {
      EXPECT_FALSE(f.ctx.repeatTag.start.empty());
      EXPECT_EQ(f.ctx.repeatTag.end, "");
    } else {
      EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"}));
    }
  }
}

TEST(SingleInsertions, ReferenceDrawnInSpecialFont) {
  Fixture f;
  f.Load("a|b");
  f.Run("AndClick");
  EXPECT_EQ(FontLetters(f.editor), ".SSSSS.");
}

TEST(InsertComment, WrapsSelectionUncolouredAndCaretAfterWhateverThePolicy) {
  for (const auto policy : {kAfter, kSelect, kKeep}) {
    Fixture f;
    f.ctx.options.caretPolicy = policy;
    f.Load("x[<b>" + kHyo + "</b>]y");
    f.Run("COMMENT1Click");
    EXPECT_EQ(Show(f.editor), "x<!--<b>" + kHyo + "</b>-->|y");
    EXPECT_EQ(FontLetters(f.editor), "." + std::string(16, 'S') + ".");
    EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<!--", "-->"}));
    f.editor.Undo();
    EXPECT_EQ(f.editor.GetText(), "x<b>" + kHyo + "</b>y");
  }
}

TEST(FormatDateTime, CodesAndCopiedCharacters) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 1;  // February
  t.tm_mday = 3;
  t.tm_hour = 4;
  t.tm_min = 5;
  t.tm_sec = 6;
  // 年 (94 4E) and 表 (95 5C) carry a letter and a backslash as second byte.
  const std::string nen = "\x94\x4E";
  const struct {
    std::string format, out;
  } rows[] = {
      {"", ""},
      {"yyyy/mm/dd", "2026/02/03"},
      {"hh:nn:ss", "04:05:06"},
      {"hh:mm", "04:05"},  // minutes right after an hour
      {"mm hh", "02 04"},
      {"yy/m/d h:n:s", "26/2/3 4:5:6"},
      {"YYYY-MM-DD HH:NN", "2026-02-03 04:05"},
      {"yyyy" + nen + "mm" + kHyo + "dd", "2026" + nen + "02" + kHyo + "03"},
      {nen + kA + kTsu, nen + kA + kTsu},
  };
  for (const auto& r : rows) EXPECT_EQ(FormatDateTime(r.format, t), r.out) << r.format;
}

TEST(InsertDateTime, InsertsNowPlainInTheChosenFormat) {
  setenv("TZ", "UTC", 1);
  tzset();
  const struct {
    const char* handler;
    std::string format;
    CaretPolicy policy;
    std::string after;
  } rows[] = {
      {"InsertDateClick", "", kAfter, "a2026/02/03|b"},
      {"InsertTimeClick", "", kSelect, "a[04:05:06]b"},
      {"InsertDateClick", "dd.mm.yy", kAfter, "a03.02.26|b"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.handler);
    Fixture f;
    f.ctx.now = [] { return std::time_t{1770091506}; };  // 2026-02-03 04:05:06 UTC
    f.ctx.options.caretPolicy = r.policy;
    if (!r.format.empty()) f.ctx.options.dateFormat = r.format;
    f.Load("a[x]b");
    f.Run(r.handler);
    EXPECT_EQ(Show(f.editor), r.after);
    EXPECT_EQ(FontLetters(f.editor), std::string(f.editor.TextLength(), '.'));
  }
}

TEST(InsertAttribute, AsksThenInsertsWithCaretBeforeClosingQuote) {
  const struct {
    std::string caption;
    std::string before;
    bool lower;
    CaretPolicy policy;
    std::optional<std::string> typed;
    std::string after;
  } rows[] = {
      {"onClick", "<a |>", false, kAfter, "f()", "<a onClick=\"f()|\">"},
      {"onClick", "<a |>", true, kAfter, "f()", "<a onclick=\"f()|\">"},
      // Also when the policy would select: the value is still being typed.
      {"STYLE", "|", false, kSelect, "", "STYLE=\"|\""},
      {"ID", "<p [x]>", false, kKeep, kHyo + kSo, "<p ID=\"" + kHyo + kSo + "|\">"},
      {"onKeyUp", "<a |>", false, kAfter, std::nullopt, "<a |>"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.caption + " on " + r.before);
    Fixture f;
    f.ctx.options.lowerCaseTag = r.lower;
    f.ctx.options.caretPolicy = r.policy;
    f.prompts.QueueString(r.typed);
    f.Load(r.before);
    f.Run("onClick1Click", r.caption);
    EXPECT_EQ(Show(f.editor), r.after);
    ASSERT_EQ(f.prompts.Log().size(), 1u);
    const StringRequest& ask = *f.prompts.Log()[0].request;
    EXPECT_EQ(ask.mode, InputMode::Plain);
    // caption + "の挿入"; "属性・イベントハンドラの記述: " + caption + "=\"...\""
    EXPECT_EQ(ask.title, r.caption + "\x82\xCC\x91\x7D\x93\xFC");
    EXPECT_EQ(ask.label,
              "\x91\xAE\x90\xAB\x81\x45\x83\x43\x83\x78\x83\x93\x83\x67\x83\x6E\x83\x93\x83\x68\x83\x89"
              "\x82\xCC\x8B\x4C\x8F\x71: " + r.caption + "=\"...\"");
  }
}

TEST(InsertAttribute, LangOffersLanguagesOthersNothing) {
  for (const std::string caption : {"LANG", "onMouseOver", "DIR"}) {
    Fixture f;
    f.Load("|");
    f.Run("onClick1Click", caption);
    ASSERT_EQ(f.prompts.Log().size(), 1u);
    const auto& choices = f.prompts.Log()[0].request->choices;
    if (caption == "LANG") {
      EXPECT_EQ(choices, (std::vector<std::string>{"ja", "en", "en-US", "fr", "de", "zh"}));
    } else {
      EXPECT_TRUE(choices.empty()) << caption;
    }
    EXPECT_EQ(Show(f.editor), "|");
  }
}

TEST(InsertAttribute, StyleOffersTheRegisteredStyles) {
  Fixture f;
  f.Load("|");
  const std::vector<std::string> styles = {"color:red", "font-family:'" + kSo + "'"};
  InsertAttribute(f.ctx, "STYLE", styles);
  ASSERT_EQ(f.prompts.Log().size(), 1u);
  EXPECT_EQ(f.prompts.Log()[0].request->choices, styles);
}

}  // namespace
}  // namespace mw
