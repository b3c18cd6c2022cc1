#include "core/editing/simple_tag_dialog.h"

#include <gtest/gtest.h>

#include "marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;

SimpleTagDialog Dialog(std::string name, std::string sel, std::string innerStart = {},
                       std::string innerEnd = {}) {
  SimpleTagDialog d;
  d.name = std::move(name);
  d.selText = std::move(sel);
  d.innerStart = std::move(innerStart);
  d.innerEnd = std::move(innerEnd);
  return d;
}

TEST(BuildSimpleTag, PreviewStartEndAndInnerOffset) {
  struct Row {
    const char* what;
    SimpleTagDialog d;
    bool lower;
    std::string preview, start, end;
  };
  auto allFields = Dialog("B", "x");
  allFields.style = "s";
  allFields.cls = "c";
  allFields.id = "i";
  allFields.lang = "ja";
  allFields.title = "t";
  auto spaced = Dialog("b", "abc");
  spaced.style = "a b";
  auto sjis = Dialog("SPAN", kSo + "|");
  sjis.title = kHyo + "\\" + kTsu + "\"";
  auto single = Dialog("B", "ignored");
  single.wrap = false;
  single.id = kA;
  const Row rows[] = {
      {"no attributes", Dialog("B", "abc"), false, "<B>abc</B>", "<B>", "</B>"},
      {"empty selection", Dialog("B", ""), false, "<B></B>", "<B>", "</B>"},
      {"list inner texts", Dialog("DL", "abc", "\r\n<DT>", "\r\n<DD>\r\n"), false,
       "<DL>\r\n<DT>abc\r\n<DD>\r\n</DL>", "<DL>\r\n<DT>", "\r\n<DD>\r\n</DL>"},
      {"attributes in fixed order", allFields, false,
       "<B TITLE=\"t\" LANG=\"ja\" ID=\"i\" CLASS=\"c\" STYLE=\"s\">x</B>",
       "<B TITLE=\"t\" LANG=\"ja\" ID=\"i\" CLASS=\"c\" STYLE=\"s\">", "</B>"},
      {"keyword lower-cased, value as typed", spaced, true, "<b style=\"a b\">abc</b>",
       "<b style=\"a b\">", "</b>"},
      {"double-byte value and selection", sjis, false,
       "<SPAN TITLE=\"" + kHyo + "\\" + kTsu + "\"\">" + kSo + "|</SPAN>",
       "<SPAN TITLE=\"" + kHyo + "\\" + kTsu + "\"\">", "</SPAN>"},
      {"single mode: the start tag only", single, false, "<B ID=\"" + kA + "\">",
       "<B ID=\"" + kA + "\">", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    EditingOptions o;
    o.lowerCaseTag = r.lower;
    const SimpleTagBuild b = BuildSimpleTag(r.d, o);
    EXPECT_EQ(b.preview, r.preview);
    EXPECT_EQ(b.startText, r.start);
    EXPECT_EQ(b.endText, r.end);
    EXPECT_EQ(b.innerOffset, static_cast<Offset>(r.start.size()));
  }
}

TEST(SimpleTagFields, CarryTheModelByControlNameAndBack) {
  SimpleTagDialog d = Dialog("DL", kHyo, "\r\n<DT>", "\r\n<DD>\r\n");
  d.caption = kSo + "<DL></DL>";
  d.title = "t";
  d.lang = "en-US";
  d.id = "i";
  d.cls = kA;
  d.style = "color: red";
  const DialogFields f = SimpleTagFields(d, {});
  EXPECT_EQ(f.Get("edTitle"), "t");
  EXPECT_EQ(f.Get("cbLang"), "en-US");
  EXPECT_EQ(f.Get("cbID"), "i");
  EXPECT_EQ(f.Get("cbCLASS"), kA);
  EXPECT_EQ(f.Get("cbStyle"), "color: red");
  EXPECT_EQ(f.Get("reTag"), BuildSimpleTag(d, {}).preview);

  const SimpleTagDialog back = SimpleTagFromFields(f);
  EXPECT_EQ(BuildSimpleTag(back, {}).preview, BuildSimpleTag(d, {}).preview);
  EXPECT_EQ(back.caption, d.caption);
  EXPECT_TRUE(back.wrap);
}

}  // namespace
}  // namespace mw
