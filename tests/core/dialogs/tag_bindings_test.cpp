// The binding rows: the tables every dialog is made of hold together, and
// one table of a dialog made up here shows that a row alone is enough for
// an attribute to be created, shown, written, preset on re-edit and kept
// as written when its field is left alone.
#include "core/dialogs/tag_bindings.h"

#include <gtest/gtest.h>

#include <set>

#include "core/dialogs/edit_tag.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/marked_text.h"
#include "core/text/unicode_view.h"

namespace mw {
namespace {

using test::kHyo;
using test::kSo;

bool Converts(std::string_view utf8) { return UnicodeViewToSjis(utf8).badAt == std::string::npos; }

TEST(BindingTables, EveryDialogsRowsHoldTogether) {
  for (const TagDialogModel* m : TagDialogModels()) {
    SCOPED_TRACE(std::string(m->dialogClass));
    EXPECT_TRUE(Converts(m->caption.Utf8()));
    std::set<std::string_view> controls;
    for (const Binding& b : m->rows) {
      SCOPED_TRACE(std::string(b.control));
      EXPECT_TRUE(controls.insert(b.control).second) << "a control has one row";
      if (b.kind == Kind::Percent) {
        EXPECT_TRUE(controls.insert(b.check).second);
      }
      // The view shows labels and items as written; fields hold them in
      // the document's encoding.
      EXPECT_TRUE(Converts(b.label));
      EXPECT_TRUE(Converts(b.items));
      const auto items = SplitItems(b.items);
      if (b.kind == Kind::Radio) {
        EXPECT_GE(b.initial, 0);
        EXPECT_LT(b.initial, static_cast<int>(items.size()));
      }
      if (b.write != Write::IfSet) {
        EXPECT_TRUE(!b.attribute.empty() || b.kind == Kind::Anchor);
      }
      if (b.kind == Kind::Grid || b.kind == Kind::FrameGrid) {
        EXPECT_NE(FindBinding(m->rows, b.rowCount), nullptr);
        EXPECT_EQ(FindBinding(m->rows, b.rowCount)->kind, Kind::Count);
      }
    }
    for (const ReEditSpec& r : m->reEdits)
      for (const auto unread : r.unread) EXPECT_NE(FindBinding(m->rows, unread), nullptr) << r.routine;
  }
}

TEST(BindingTables, EveryRoutineOfTheDispatchHasOneDialog) {
  // The routines whose dialogs live in other subsystems, and the generic one.
  const std::set<std::string_view> elsewhere = {"TABLE", "BODY", "generic"};
  for (const std::string_view routine : ReEditRoutines()) {
    int specs = 0;
    for (const TagDialogModel* m : TagDialogModels())
      for (const ReEditSpec& r : m->reEdits) specs += r.routine == routine ? 1 : 0;
    EXPECT_EQ(specs, elsewhere.count(routine) ? 0 : 1) << routine;
  }
}

TEST(BindingTables, TextsStayTheBytesTheFieldsHeld) {
  // Captions, titles and labels come from the UTF-8 table; what the fields
  // and the view get must be the Shift-JIS they were.
  EXPECT_EQ(kHLineDlg.caption.Sjis(),
            "\x90\x85\x95\xBD\x90\xFC\x82\xCC\x90\xDD\x92\xE8 <HR>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E"
            "\x83\x8C\x83\x78\x83\x8B");
  EXPECT_EQ(UnicodeViewToSjis(FindBinding(kFrameSetDlg.rows, "cbStyle")->label).bytes,
            "\x83\x58\x83\x5E\x83\x43\x83\x8B(&Y)");
  EXPECT_EQ(UnicodeViewToSjis(FindBinding(kSelectDlg.rows, "sgOption")->items).bytes,
            "VALUE\n\x83\x8A\x83\x58\x83\x67\x8D\x80\x96\xDA");
  DialogFields f = CreateFields(kSelectDlg);
  EXPECT_EQ(f.Get("sgOption[0,1]"), "\x83\x8A\x83\x58\x83\x67\x8D\x80\x96\xDA");
  EXPECT_EQ(DialogText{}.Sjis(), "");
  EXPECT_TRUE(DialogText{}.empty());
}

// --- A dialog of the test's own ----------------------------------------------------

constexpr Binding kRows[] = {
    Text("edName", "NAME", "&NAME"),
    Number("edTabIndex", "TABINDEX", "&TABINDEX", 0),
    Percent("edWidth", "ckWidth", "WIDTH", "幅", -1),
    Radio("rgAlign", "ALIGN", "位置", "\nleft\nright"),
    Keyword("ckOff", "DISABLED", "無効"),
    Combo("cbWrap", "WRAP", "WRAP", "soft\nhard").Listed(),
    MW_COMMON_ROWS,
    Handler("cbOnFocus", "onFocus"),
};

TagBuild BuildTest(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open("X").Attributes(f, kRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kTestReEdits[] = {{"X", "X"}};
const TagDialogModel kTestDlg{"TTestDlg", {Msg::HLineDlgCaption}, InsertWay::Single, kRows, BuildTest,
                              nullptr, nullptr, kTestReEdits};

std::string NewTag(std::initializer_list<std::pair<const char*, std::string>> set, bool lower = false) {
  DialogFields f = CreateFields(kTestDlg);
  kTestDlg.show(f, false);
  for (const auto& [k, v] : set) f.Set(k, v);
  EditingOptions o;
  o.lowerCaseTag = lower;
  return kTestDlg.build(f, o).preview;
}

TEST(BindingEngine, RowsCreateShowAndWrite) {
  DialogFields f = CreateFields(kTestDlg);
  EXPECT_EQ(f.Get("edTabIndex"), "0");
  EXPECT_EQ(f.Get("edWidth"), "-1");
  EXPECT_EQ(f.Get("ckWidth"), "0");
  EXPECT_EQ(f.Index("rgAlign"), 0);
  EXPECT_EQ(f.Get("cbStyle"), "");
  kTestDlg.show(f, false);
  EXPECT_EQ(f.Get("edTabIndex"), "") << "zero shows empty";
  EXPECT_EQ(f.Get("edWidth"), "");

  const std::pair<std::string, std::string> rows[] = {
      {NewTag({}), "<X>"},
      {NewTag({{"edName", kSo + "a"}, {"edTabIndex", "3"}}), "<X NAME=\"" + kSo + "a\" TABINDEX=\"3\">"},
      {NewTag({{"edTabIndex", "-1"}}), "<X>"},
      {NewTag({{"edTabIndex", "0"}}), "<X TABINDEX=\"0\">"},
      {NewTag({{"edWidth", "50"}, {"ckWidth", "1"}}), "<X WIDTH=\"50%\">"},
      {NewTag({{"rgAlign", "2"}, {"ckOff", "1"}}, true), "<x align=\"right\" disabled>"},
      {NewTag({{"rgAlign", "0"}}), "<X>"},
      {NewTag({{"cbWrap", "hard"}}), "<X WRAP=\"hard\">"},
      {NewTag({{"cbWrap", "virtual"}}), "<X>"},
      {NewTag({{"cbStyle", "s"}, {"edTitle", kHyo}, {"cbOnFocus", "f()"}}, true),
       "<x title=\"" + kHyo + "\" style=\"s\" onfocus=\"f()\">"},
  };
  for (const auto& [built, expected] : rows) EXPECT_EQ(built, expected);
}

TEST(BindingEngine, ReEditReadsThroughTheRows) {
  EditingOptions o;
  const auto preset = [&o](std::string_view tag) { return PresetFromTag(kTestDlg, kTestReEdits[0], tag, o); };
  const std::string tag = "<X NAME=\"" + kSo + " b\" TABINDEX=4 WIDTH=\"20%\" ALIGN=RIGHT disabled>";
  DialogFields f = preset(tag);
  EXPECT_EQ(f.Get(kFieldCaption), "<X>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <X>の再編集 */);
  EXPECT_EQ(f.Get("edName"), kSo + " b");
  EXPECT_EQ(f.Get("edTabIndex"), "4");
  EXPECT_EQ(f.Get("edWidth"), "20");
  EXPECT_TRUE(f.Checked("ckWidth"));
  EXPECT_EQ(f.Index("rgAlign"), 2);
  EXPECT_TRUE(f.Checked("ckOff"));
  EXPECT_EQ(kTestDlg.build(f, o).preview, tag) << "nothing changed, nothing rewritten";
  f.Set("edTabIndex", "5");
  f.SetChecked("ckOff", false);
  EXPECT_EQ(kTestDlg.build(f, o).preview, "<X NAME=\"" + kSo + " b\" TABINDEX=\"5\" WIDTH=\"20%\" ALIGN=RIGHT>");

  // What no row owns, and what a row cannot show, comes back as written.
  for (const std::string& t : {std::string("<X TABINDEX=next onClick=\"c()\">"), "<X ALIGN=\"" + kHyo + "\" DATA-" + kSo + "=1>",
                              std::string("<X onFocus=\"f()\" CLASS=\"a b\">"), std::string("<X WRAP=virtual>")})
    EXPECT_EQ(kTestDlg.build(preset(t), o).preview, t);
}

}  // namespace
}  // namespace mw
