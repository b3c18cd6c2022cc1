// Style texts from the style editor's fields and back.
#include "core/dialogs/style_text.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// ゴ is 83 53 in Shift-JIS; ソ (83 5C) carries a backslash byte.
const std::string kGothic = "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ ゴシック

struct PropertyRow {
  const char* field;
  std::string value;
  const char* unit;  // numbers only
  std::string text;
  std::string upper;
};

// One row per property, in table order: the declaration alone, as written
// plain and with "大文字で登録".
const PropertyRow kRows[] = {
    {"cbFontFamily", kGothic, "", "font-family:'" + kGothic + "'", "FONT-FAMILY:'" + kGothic + "'"},
    {"edFontSize", "12", "pt", "font-size:12pt", "FONT-SIZE:12pt"},
    {"cbFontWeight", "bold", "", "font-weight:bold", "FONT-WEIGHT:BOLD"},
    {"cbFontStyle", "italic", "", "font-style:italic", "FONT-STYLE:ITALIC"},
    {"edLineHeight", "150", "%", "line-height:150%", "LINE-HEIGHT:150%"},
    {"cbTextAlign", "center", "", "text-align:center", "TEXT-ALIGN:CENTER"},
    {"cbTextDecoration", "line-through", "", "text-decoration:line-through", "TEXT-DECORATION:LINE-THROUGH"},
    {"edTextIndent", "2", "em", "text-indent:2em", "TEXT-INDENT:2em"},
    {"cbTextTransform", "uppercase", "", "text-transform:uppercase", "TEXT-TRANSFORM:UPPERCASE"},
    {"cbColor", "#ff0000", "", "color:#ff0000", "COLOR:#FF0000"},
    {"edWidth", "300", "px", "width:300px", "WIDTH:300px"},
    {"cbBgColor", "navy", "", "background-color:navy", "BACKGROUND-COLOR:NAVY"},
    {"edBgUrl", "img/\x95\x5c.gif", "", "background-image:url(img/\x95\x5c.gif)",
     "BACKGROUND-IMAGE:URL(img/\x95\x5c.gif)"},
    {"cbBgRepeat", "no-repeat", "", "background-repeat:no-repeat", "BACKGROUND-REPEAT:NO-REPEAT"},
    {"cbListStyleType", "upper-roman", "", "list-style-type:upper-roman", "LIST-STYLE-TYPE:UPPER-ROMAN"},
    {"edMargin", "5", "mm", "MARGIN:5mm", "MARGIN:5mm"},
    {"edMarginTop", "3", "pt", "margin-top:3pt", "MARGIN-TOP:3pt"},
    {"edMarginBottom", "4", "pc", "margin-bottom:4pc", "MARGIN-BOTTOM:4pc"},
    {"edMarginLeft", "1", "in", "margin-left:1in", "MARGIN-LEFT:1in"},
    {"edMarginRight", "2", "cm", "margin-right:2cm", "MARGIN-RIGHT:2cm"},
    {"cbBorderStyle", "dashed", "", "border-style:dashed", "BORDER-STYLE:DASHED"},
    {"cbBorderWidth", "thick", "", "border-width:thick", "BORDER-WIDTH:THICK"},
    {"cbBorderColor", "#00ff00", "", "border-color:#00ff00", "BORDER-COLOR:#00FF00"},
    {"cbFloat", "right", "", "float:right", "FLOAT:RIGHT"},
    {"cbClear", "both", "", "clear:both", "CLEAR:BOTH"},
    {"edPadding", "6", "ex", "PADDING:6ex", "PADDING:6ex"},
    {"edPaddingTop", "7", "px", "padding-top:7px", "PADDING-TOP:7px"},
    {"edPaddingBottom", "8", "px", "padding-bottom:8px", "PADDING-BOTTOM:8px"},
    {"edPaddingLeft", "9", "px", "padding-left:9px", "PADDING-LEFT:9px"},
    {"edPaddingRight", "10", "px", "padding-right:10px", "PADDING-RIGHT:10px"},
    {"cbPosition", "absolute", "", "position:absolute", "POSITION:ABSOLUTE"},
    {"edLeft", "20", "px", "LEFT:20px", "LEFT:20px"},
    {"edTop", "30", "px", "TOP:30px", "TOP:30px"},
};

DialogFields Empty() {
  DialogFields f;
  for (const StyleProperty& p : StyleProperties()) {
    f.Set(p.field, {});
    if (!p.unitField.empty()) f.Set(p.unitField, std::string(kDefaultUnit));
  }
  return f;
}

void SetRow(DialogFields& f, const PropertyRow& r) {
  f.Set(r.field, r.value);
  const StyleProperty* p = FindStyleProperty(r.field);
  if (p && !p->unitField.empty()) f.Set(p->unitField, r.unit);
}

TEST(StyleText, EveryPropertyAloneAndBack) {
  ASSERT_EQ(std::size(kRows), StyleProperties().size());
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const PropertyRow& r = kRows[i];
    EXPECT_EQ(StyleProperties()[i].field, r.field) << "table order";
    DialogFields f = Empty();
    SetRow(f, r);
    EXPECT_EQ(BuildStyleText(f, false), r.text) << r.field;
    EXPECT_EQ(BuildStyleText(f, true), r.upper) << r.field;
    // Read back into fresh fields, each form gives itself again (keyword
    // values are read as found).
    for (const bool upper : {false, true}) {
      DialogFields back = Empty();
      StyleToFields(upper ? r.upper : r.text, back);
      EXPECT_EQ(BuildStyleText(back, upper), upper ? r.upper : r.text) << r.field;
    }
  }
}

TEST(StyleText, AllPropertiesTogetherInTableOrder) {
  DialogFields f = Empty();
  std::string text, upper;
  for (const PropertyRow& r : kRows) {
    SetRow(f, r);
    text += (text.empty() ? "" : ";") + r.text;
    upper += (upper.empty() ? "" : ";") + r.upper;
  }
  EXPECT_EQ(BuildStyleText(f, false), text);
  EXPECT_EQ(BuildStyleText(f, true), upper);
  // Every field comes back: names are matched whole, so color is not read
  // from background-color nor LEFT from margin-left.
  DialogFields back = Empty();
  StyleToFields(text, back);
  for (const PropertyRow& r : kRows) {
    // Colours come back in lower case, as the rows hold them.
    EXPECT_EQ(back.Get(r.field), r.value) << r.field;
  }
  EXPECT_EQ(BuildStyleText(back, false), text);
  DialogFields backUpper = Empty();
  StyleToFields(upper, backUpper);
  EXPECT_EQ(BuildStyleText(backUpper, true), upper);
}

TEST(StyleText, BuildCases) {
  struct Case {
    std::vector<std::pair<const char*, std::string>> fields;
    bool upper;
    std::string text;
  } cases[] = {
      {{{"cbFontFamily", kGothic}, {"edFontSize", "12"}, {"cbColor", "#ff0000"}},
       false, "font-family:'" + kGothic + "';font-size:12pt;color:#ff0000"},
      {{{"cbFontFamily", kGothic}, {"edFontSize", "12"}, {"cbColor", "#ff0000"}},
       true, "FONT-FAMILY:'" + kGothic + "';FONT-SIZE:12pt;COLOR:#FF0000"},
      {{{"cbFontFamily", "Arial"}}, false, "font-family:Arial"},
      // A blank as the first character does not make a quoted name; an
      // already quoted one is not quoted twice.
      {{{"cbFontFamily", "'Times New Roman'"}}, false, "font-family:'Times New Roman'"},
      {{{"edMargin", "5"}, {"edMarginUnit", "mm"}, {"edMarginTop", "3"}}, false, "MARGIN:5mm;margin-top:3pt"},
      {{{"edFontSize", "0"}, {"cbColor", "red"}}, false, "color:red"},
      {{{"edWidth", ""}, {"edWidthUnit", "px"}}, false, ""},
      // Typed keywords are written as typed.
      {{{"cbFloat", "sideways"}}, false, "float:sideways"},
      {{}, true, ""},
  };
  for (const Case& c : cases) {
    DialogFields f = Empty();
    for (const auto& [name, value] : c.fields) f.Set(name, value);
    EXPECT_EQ(BuildStyleText(f, c.upper), c.text);
  }
}

TEST(StyleText, ReadingBack) {
  struct Case {
    std::string style;
    std::vector<std::pair<const char*, std::string>> fields;
  } cases[] = {
      {"font-size:1.5em", {{"edFontSize", "1"}, {"edFontSizeUnit", ".5em"}}},
      {"color:RED", {{"cbColor", "red"}}},
      {"background-image:url(img/a.gif);background-repeat:no-repeat",
       {{"edBgUrl", "img/a.gif"}, {"cbBgRepeat", "no-repeat"}}},
      {"font-family:'" + kGothic + "'", {{"cbFontFamily", kGothic}}},
      {" Color : blue ; width : 10px ", {{"cbColor", "blue"}, {"edWidth", "10"}, {"edWidthUnit", "px"}}},
      // background-color first: color itself is absent.
      {"background-color:red;border-width:thin", {{"cbColor", ""}, {"cbBgColor", "red"}, {"edWidth", ""}}},
      {"margin-left:3px;text-align:left", {{"edLeft", ""}, {"edMarginLeft", "3"}, {"cbTextAlign", "left"}}},
      {"margin:2px", {{"edMargin", "2"}, {"edMarginUnit", "px"}}},
      // A missing property leaves the unit as it was.
      {"color:red", {{"edFontSizeUnit", "pt"}}},
      {"margin:0", {{"edMargin", ""}}},
  };
  for (const Case& c : cases) {
    DialogFields f = Empty();
    StyleToFields(c.style, f);
    for (const auto& [name, value] : c.fields) EXPECT_EQ(f.Get(name), value) << c.style << " " << name;
  }
}

TEST(StyleText, PropertyValueAndLeadingNumber) {
  EXPECT_EQ(ReadPropertyValue("a:1;b:2", "b"), "2");
  EXPECT_EQ(ReadPropertyValue("a:1;b:2", "c"), "");
  EXPECT_EQ(ReadPropertyValue("font-family:'\x83\x5c';color:red", "color"), "red");
  EXPECT_EQ(LeadingNumber("1.5em"), "1");
  EXPECT_EQ(LeadingNumber("em"), "");
  EXPECT_EQ(LeadingNumber("120"), "120");
}

}  // namespace
}  // namespace mw
