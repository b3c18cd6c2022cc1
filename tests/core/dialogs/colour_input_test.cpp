// The colour-name window's model: the table, the value field and the list,
// the names it may write into a page, and the pick with its memory.
#include "core/dialogs/colour_input.h"

#include <gtest/gtest.h>

#include <set>

#include "core/app/ini_file.h"
#include "core/dialogs/acting_host.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

// The named colours of CSS (and HTML), as browsers know them.
const std::set<std::string> kCssKeywords = {
    "aliceblue", "antiquewhite", "aqua", "aquamarine", "azure", "beige", "bisque", "black", "blanchedalmond",
    "blue", "blueviolet", "brown", "burlywood", "cadetblue", "chartreuse", "chocolate", "coral",
    "cornflowerblue", "cornsilk", "crimson", "cyan", "darkblue", "darkcyan", "darkgoldenrod", "darkgray",
    "darkgreen", "darkgrey", "darkkhaki", "darkmagenta", "darkolivegreen", "darkorange", "darkorchid", "darkred",
    "darksalmon", "darkseagreen", "darkslateblue", "darkslategray", "darkslategrey", "darkturquoise",
    "darkviolet", "deeppink", "deepskyblue", "dimgray", "dimgrey", "dodgerblue", "firebrick", "floralwhite",
    "forestgreen", "fuchsia", "gainsboro", "ghostwhite", "gold", "goldenrod", "gray", "green", "greenyellow",
    "grey", "honeydew", "hotpink", "indianred", "indigo", "ivory", "khaki", "lavender", "lavenderblush",
    "lawngreen", "lemonchiffon", "lightblue", "lightcoral", "lightcyan", "lightgoldenrodyellow", "lightgray",
    "lightgreen", "lightgrey", "lightpink", "lightsalmon", "lightseagreen", "lightskyblue", "lightslategray",
    "lightslategrey", "lightsteelblue", "lightyellow", "lime", "limegreen", "linen", "magenta", "maroon",
    "mediumaquamarine", "mediumblue", "mediumorchid", "mediumpurple", "mediumseagreen", "mediumslateblue",
    "mediumspringgreen", "mediumturquoise", "mediumvioletred", "midnightblue", "mintcream", "mistyrose",
    "moccasin", "navajowhite", "navy", "oldlace", "olive", "olivedrab", "orange", "orangered", "orchid",
    "palegoldenrod", "palegreen", "paleturquoise", "palevioletred", "papayawhip", "peachpuff", "peru", "pink",
    "plum", "powderblue", "purple", "rebeccapurple", "red", "rosybrown", "royalblue", "saddlebrown", "salmon",
    "sandybrown", "seagreen", "seashell", "sienna", "silver", "skyblue", "slateblue", "slategray", "slategrey",
    "snow", "springgreen", "steelblue", "tan", "teal", "thistle", "tomato", "turquoise", "violet", "wheat",
    "white", "whitesmoke", "yellow", "yellowgreen",
};

int RowOf(std::string_view name) {
  const auto t = ColourTable();
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i].name == name) return static_cast<int>(i);
  return -1;
}

std::string SelectedName(const ColourNameForm& m) {
  return m.Selected() < 0 ? "-" : std::string(ColourTable()[static_cast<std::size_t>(m.Selected())].name);
}

TEST(ColourTable, GroupsAndRowsAsListed) {
  const auto t = ColourTable();
  ASSERT_EQ(t.size(), 150u);
  std::vector<std::string> headers;
  int colours = 0;
  for (const ColourRow& r : t) {
    if (r.IsHeader()) {
      headers.emplace_back(r.name);
      continue;
    }
    ++colours;
    const std::string text = ColourRowText(r);
    ASSERT_EQ(text.size(), 9 + r.name.size()) << text;
    EXPECT_EQ(text.substr(7, 2), ": ") << text;
    EXPECT_EQ(ColourTextOf(ReadColourText(r.code)), r.code) << text;
  }
  EXPECT_EQ(colours, 141);
  EXPECT_EQ(headers, (std::vector<std::string>{"GRAY", "WHITE", "AQUA", "BLUE", "GREEN", "PURPLE", "RED", "BROWN",
                                               "YELLOW"}));
  EXPECT_EQ(ColourRowText(t[1]), "#FFFFFF: white");
  EXPECT_EQ(ColourRowText(t[149]), "#FFF8DC: cornsilk");
}

// Whatever row is chosen in either display mode, the value a page gets is
// a colour browsers know: a CSS keyword or a code.
TEST(ColourTable, EveryValueWrittenIsACssKeywordOrACode) {
  for (int mode : {0, 1}) {
    for (int row = 0; row < static_cast<int>(ColourTable().size()); ++row) {
      if (ColourTable()[static_cast<std::size_t>(row)].IsHeader()) continue;
      ColourNameForm m("", mode);
      m.Choose(row);
      const std::string written = m.Result();
      const bool code = written.size() == 7 && written[0] == '#';
      EXPECT_TRUE(code || kCssKeywords.count(written)) << written;
      if (mode == 1) {
        EXPECT_TRUE(code) << written;
      }
      // Typed by hand, a table name still gives what a page can hold.
      ColourNameForm typed("", 0);
      typed.SetCurrent(ColourTable()[static_cast<std::size_t>(row)].name);
      const std::string r = typed.Result();
      EXPECT_TRUE(r[0] == '#' || kCssKeywords.count(r)) << r;
    }
  }
}

struct FormCase {
  const char* name;
  const char* initial;
  int mode;
  std::function<void(ColourNameForm&)> act;
  const char* current;
  const char* selected;  // the chosen row's name, "-" for none
  int modeAfter;
  const char* result;
};

TEST(ColourNameForm, ValueFieldListAndSwitch) {
  const auto none = [](ColourNameForm&) {};
  const FormCase cases[] = {
      {"known name in any case", "Red", 1, none, "Red", "red", 0, "Red"},
      {"code looked up in upper case", "#ff0000", 0, none, "#ff0000", "red", 1, "#ff0000"},
      {"six characters are no code", "#12345", 0, none, "", "-", 0, ""},
      {"unknown name", "crimsonx", 0, none, "", "-", 0, ""},
      {"a code twice: the first row", "", 0, [](ColourNameForm& m) { m.SetCurrent("#00FFFF"); }, "#00FFFF",
       "aqua", 1, "#00FFFF"},
      {"switch to the name of that row", "",  0,
       [](ColourNameForm& m) {
         m.SetCurrent("#00FFFF");
         m.Switch();
       },
       "aqua", "aqua", 0, "aqua"},
      {"too long a code is cut", "", 0, [](ColourNameForm& m) { m.SetCurrent("#FF000000"); }, "#FF0000", "red", 1,
       "#FF0000"},
      {"a header empties the value", "red", 0, [](ColourNameForm& m) { m.Choose(0); }, "", "-", 0, ""},
      {"a row in code mode", "", 1, [](ColourNameForm& m) { m.Choose(RowOf("navy")); }, "#000080", "navy", 1,
       "#000080"},
      {"an unknown table name gives its code, list stays on names", "", 0,
       [](ColourNameForm& m) { m.Choose(RowOf("honeydewtad")); }, "#1EDEAA", "honeydewtad", 0, "#1EDEAA"},
      {"typed, it is still written as its code", "", 0, [](ColourNameForm& m) { m.SetCurrent("MidiumSpringGreen"); },
       "MidiumSpringGreen", "midiumspringgreen", 0, "#00FA9A"},
      {"anything else typed is returned as typed", "", 0, [](ColourNameForm& m) { m.SetCurrent("inherit"); },
       "inherit", "-", 0, "inherit"},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    ColourNameForm m(c.initial, c.mode);
    c.act(m);
    EXPECT_EQ(m.Current(), c.current);
    EXPECT_EQ(SelectedName(m), c.selected);
    EXPECT_EQ(m.DisplayMode(), c.modeAfter);
    EXPECT_EQ(m.Result(), c.result);
  }
}

TEST(ColourNameForm, SwatchAndCaret) {
  ColourNameForm m("", 0);
  m.SetCurrent("#12GG34");  // an invalid pair reads 0
  EXPECT_EQ(m.Swatch(), (Rgb{0x12, 0, 0x34}));
  m.SetCurrent("nothing");
  EXPECT_EQ(m.Swatch(), (Rgb{255, 255, 255}));
  m.SetCurrent("teal");
  EXPECT_EQ(m.Swatch(), (Rgb{0, 0x80, 0x80}));
  m.SetCurrent("#ABCDEF12");
  EXPECT_EQ(m.Current(), "#ABCDEF");
  EXPECT_EQ(m.Caret(), 7u);
  EXPECT_EQ(ToColourValue(Rgb{0, 0, 255}), 16711680u);
  EXPECT_EQ(FromColourValue(255), (Rgb{255, 0, 0}));
}

TEST(PickColourName, ResultThroughTheTagCaseAndCancelGivesNothing) {
  test::ActingHost host;
  EditingOptions lower;
  lower.lowerCaseTag = true;
  host.Field("edColor", "Red");
  EXPECT_EQ(PickColourName(host, {}, "", lower), "red");
  EXPECT_EQ(host.shownClasses.back(), kColourFormClass);

  test::ActingHost clicks;
  clicks.Mouse("lbColor", RowOf("crimson"));
  EXPECT_EQ(PickColourName(clicks, {}, "", {}), "crimson");
  clicks.Press("SwitchBtn");
  EXPECT_EQ(PickColourName(clicks, {}, "", lower), "#dc143c");

  test::ActingHost cancel;
  cancel.ok = false;
  EXPECT_EQ(PickColourName(cancel, {}, "blue", {}), "");
}

TEST(PickColourName, ModeAndColumnsKeptInTheSettingsFile) {
  test::TempDir dir;
  dir.Write("Markupwright.ini", "[FORM]\r\niFormTop=5\r\n");
  DialogServices s;
  s.dataFolder = dir.dir().string();
  test::ActingHost host;
  host.Field("edColumn", "3").Field("edColor", "#000080");
  PickColourName(host, s, "", {});
  const IniFile ini = IniFile::Load(dir.Path("Markupwright.ini"));
  EXPECT_EQ(ini.GetInt("ColorFORM", "iInputMethod", -1), 1);
  EXPECT_EQ(ini.GetInt("ColorFORM", "iColumn", -1), 3);
  EXPECT_EQ(ini.GetInt("FORM", "iFormTop", -1), 5);
  // The next window starts in code mode with three columns.
  test::ActingHost next;
  next.ok = false;
  PickColourName(next, s, "", {});
  EXPECT_EQ(next.shown.Get("iInputMethod"), "1");
  EXPECT_EQ(next.shown.Get("edColumn"), "3");
}

}  // namespace
}  // namespace mw
