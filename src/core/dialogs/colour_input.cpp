#include "core/dialogs/colour_input.h"

#include <algorithm>
#include <cstdlib>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "core/editing/tag_text.h"
#include "core/text/encoding.h"

namespace mw {

namespace {

constexpr ColourRow kRows[] = {
    {{}, "GRAY"},
    {"#FFFFFF", "white"},
    {"#F5F5F5", "whitesmoke"},
    {"#DCDCDC", "gainsboro"},
    {"#D3D3D3", "lightgrey"},
    {"#C0C0C0", "silver"},
    {"#A9A9A9", "darkgray"},
    {"#808080", "gray"},
    {"#696969", "dimgray"},
    {"#000000", "black"},
    {{}, "WHITE"},
    {"#FFFAFA", "snow"},
    {"#F8F8FF", "ghostwhite"},
    {"#F5FFFA", "mintcream"},
    {"#F0FFFF", "azure"},
    {"#FFFFF0", "ivory"},
    {"#FFFAF0", "floralwhite"},
    {"#F0F8FF", "aliceblue"},
    {"#FFF0F5", "lavenderblush"},
    {"#FFF5EE", "seashell"},
    {"#F0FFF0", "honeydew"},
    {"#FFFFE0", "lightyellow"},
    {"#E0FFFF", "lightcyan"},
    {{}, "AQUA"},
    {"#008080", "teal"},
    {"#008B8B", "darkcyan"},
    {"#5F9EA0", "cadetblue"},
    {"#20B2AA", "lightseagreen"},
    {"#66CDAA", "mediumaquamarine"},
    {"#48D1CC", "mediumturquoise"},
    {"#00CED1", "darkturquoise"},
    {"#40E0D0", "turquoise"},
    {"#1EDEAA", "honeydewtad"},
    {"#7FFFD4", "aquamarine"},
    {"#00FFFF", "aqua"},
    {"#00FFFF", "cyan"},
    {{}, "BLUE"},
    {"#191970", "midnightblue"},
    {"#000080", "navy"},
    {"#00008B", "darkblue"},
    {"#483D8B", "darkslateblue"},
    {"#4B0082", "indigo"},
    {"#4682B4", "steelblue"},
    {"#0000CD", "mediumblue"},
    {"#4169E1", "royalblue"},
    {"#0000FF", "blue"},
    {"#1E90FF", "dodgerblue"},
    {"#6495ED", "cornflowerblue"},
    {"#00BFFF", "deepskyblue"},
    {"#87CEEB", "skyblue"},
    {"#87CEFA", "lightskyblue"},
    {"#ADD8E6", "lightblue"},
    {"#B0E0E6", "powderblue"},
    {"#AFEEEE", "paleturquoise"},
    {"#B0C4DE", "lightsteelblue"},
    {"#778899", "lightslategray"},
    {"#708090", "slategray"},
    {{}, "GREEN"},
    {"#2F4F4F", "darkslategray"},
    {"#006400", "darkgreen"},
    {"#008000", "green"},
    {"#228B22", "forestgreen"},
    {"#2E8B57", "seagreen"},
    {"#3CB371", "mediumseagreen"},
    {"#32CD32", "limegreen"},
    {"#00FF00", "lime"},
    {"#7FFF00", "chartreuse"},
    {"#7CFC00", "lawngreen"},
    {"#ADFF2F", "greenyellow"},
    {"#556B2F", "darkolivegreen"},
    {"#6B8E23", "olivedrab"},
    {"#808000", "olive"},
    {"#9ACD32", "yellowgreen"},
    {"#8FBC8F", "darkseagreen"},
    {"#90EE90", "lightgreen"},
    {"#98FB98", "palegreen"},
    {"#00FF7F", "springgreen"},
    {"#00FA9A", "midiumspringgreen"},
    {{}, "PURPLE"},
    {"#800080", "purple"},
    {"#8B008B", "darkmagenta"},
    {"#9400D3", "darkviolet"},
    {"#8A2BE2", "blueviolet"},
    {"#9932CC", "darkorchid"},
    {"#BA55D3", "mediumorchid"},
    {"#7B68EE", "mediumslateblue"},
    {"#6A5ACD", "slateblue"},
    {"#9370DB", "mediumpurple"},
    {"#DA70D6", "orchid"},
    {"#FF00FF", "magenta"},
    {"#FF00FF", "fuchsia"},
    {"#EE82EE", "violet"},
    {"#DDA0DD", "plum"},
    {"#D8BFD8", "thistle"},
    {"#E6E6FA", "lavender"},
    {{}, "RED"},
    {"#DC143C", "crimson"},
    {"#C71585", "mediumvioletred"},
    {"#DB7093", "palevioletred"},
    {"#FF0000", "red"},
    {"#FF4500", "orangered"},
    {"#FF6347", "tomato"},
    {"#FF8C00", "darkorange"},
    {"#FFA500", "orange"},
    {"#FF7F50", "coral"},
    {"#FA8072", "salmon"},
    {"#F08080", "lightcoral"},
    {"#FFA07A", "lightsalmon"},
    {"#FF1493", "deeppink"},
    {"#FF69B4", "hotpink"},
    {"#FFB6C1", "lightpink"},
    {"#FFC0CB", "pink"},
    {"#FFE4E1", "mistyrose"},
    {{}, "BROWN"},
    {"#8B0000", "darkred"},
    {"#8B4513", "saddlebrown"},
    {"#800000", "maroon"},
    {"#A0522D", "sienna"},
    {"#A52A2A", "brown"},
    {"#B22222", "firebrick"},
    {"#CD5C5C", "indianred"},
    {"#D2691E", "chocolate"},
    {"#E9967A", "darksalmon"},
    {"#FFDAB9", "peachpuff"},
    {"#FFE4C4", "bisque"},
    {"#FFEBCD", "blanchedalmond"},
    {"#BC8F8F", "rosybrown"},
    {"#B8860B", "darkgoldenrod"},
    {"#CD853F", "peru"},
    {"#F4A460", "sandybrown"},
    {"#D2B48C", "tan"},
    {"#DEB887", "burlywood"},
    {"#FFDEAD", "navajowhite"},
    {"#FFE4B5", "moccasin"},
    {"#F5DEB3", "wheat"},
    {"#FFEFD5", "papayawhip"},
    {"#FAEBD7", "antiquewhite"},
    {"#FDF5E6", "oldlace"},
    {"#FAF0E6", "linen"},
    {{}, "YELLOW"},
    {"#DAA520", "goldenrod"},
    {"#FFD700", "gold"},
    {"#FFFF00", "yellow"},
    {"#BDB76B", "darkkhaki"},
    {"#F0E68C", "khaki"},
    {"#EEE8AA", "palegoldenrod"},
    {"#FFFACD", "lemonchiffon"},
    {"#F5F5DC", "beige"},
    {"#FAFAD2", "lightgoldenrodyellow"},
    {"#FFF8DC", "cornsilk"},
};

// Names of the table that no browser knows: the rows stay as they are, but
// a page gets the colour's code instead.
constexpr std::string_view kUnknownNames[] = {"honeydewtad", "midiumspringgreen"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

unsigned char Pair(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size()) return 0;
  const int hi = HexDigit(text[at]), lo = HexDigit(text[at + 1]);
  return hi < 0 || lo < 0 ? 0 : static_cast<unsigned char>(hi * 16 + lo);
}

int FindCode(std::string_view code) {
  const std::string upper = AsciiUpper(code);
  for (std::size_t i = 0; i < std::size(kRows); ++i)
    if (!kRows[i].IsHeader() && kRows[i].code == upper) return static_cast<int>(i);
  return -1;
}

int FindName(std::string_view name) {
  const std::string lower = AsciiLower(name);
  for (std::size_t i = 0; i < std::size(kRows); ++i)
    if (!kRows[i].IsHeader() && kRows[i].name == lower) return static_cast<int>(i);
  return -1;
}

int ParseInt(const std::string& text, int fallback) {
  if (text.empty()) return fallback;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  return *end != '\0' ? fallback : static_cast<int>(v);
}

}  // namespace

std::span<const ColourRow> ColourTable() { return kRows; }

std::string ColourRowText(const ColourRow& row) {
  if (row.IsHeader()) return std::string(row.name);
  return std::string(row.code) + ": " + std::string(row.name);
}

std::string_view WritableName(const ColourRow& row) {
  for (const std::string_view n : kUnknownNames)
    if (row.name == n) return row.code;
  return row.name;
}

Rgb ReadColourText(std::string_view text) { return {Pair(text, 1), Pair(text, 3), Pair(text, 5)}; }

std::string ColourTextOf(Rgb c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string t = "#";
  for (const unsigned char v : {c.red, c.green, c.blue}) {
    t += kHex[v >> 4];
    t += kHex[v & 15];
  }
  return t;
}

Rgb FromColourValue(std::uint32_t v) {
  return {static_cast<unsigned char>(v & 0xFF), static_cast<unsigned char>((v >> 8) & 0xFF),
          static_cast<unsigned char>((v >> 16) & 0xFF)};
}

std::uint32_t ToColourValue(Rgb c) {
  return static_cast<std::uint32_t>(c.red) | (static_cast<std::uint32_t>(c.green) << 8) |
         (static_cast<std::uint32_t>(c.blue) << 16);
}

// --- The window's model -----------------------------------------------------------

ColourNameForm::ColourNameForm(std::string_view initial, int displayMode) : m_mode(displayMode ? 1 : 0) {
  const bool known = FindName(initial) >= 0;
  const bool code = initial.size() == 7 && initial[0] == '#';
  if (known || code) SetCurrent(initial);
}

void ColourNameForm::SetCurrent(std::string_view text) {
  m_caret = 0;
  if (!text.empty() && text[0] == '#') {
    const int row = FindCode(text);
    if (row >= 0) m_selected = row;
    m_swatch = ReadColourText(text);
    m_current = std::string(text);
    if (text.size() > 7) {
      // A code is seven characters: the rest is cut, the caret at its end.
      SetCurrent(text.substr(0, 7));
      m_caret = 7;
    }
    m_mode = 1;
    return;
  }
  m_current = std::string(text);
  const int row = FindName(text);
  if (row < 0) {
    m_swatch = {255, 255, 255};
    m_selected = -1;
    return;
  }
  m_selected = row;
  m_swatch = ReadColourText(kRows[static_cast<std::size_t>(row)].code);
  m_mode = 0;
}

void ColourNameForm::Choose(int row) {
  const int count = static_cast<int>(std::size(kRows));
  m_selected = row >= 0 && row < count ? row : -1;
  if (m_selected < 0 || kRows[static_cast<std::size_t>(m_selected)].IsHeader()) {
    SetCurrent("");
    return;
  }
  const ColourRow& r = kRows[static_cast<std::size_t>(m_selected)];
  const int mode = m_mode;
  SetCurrent(mode == 1 ? r.code : WritableName(r));
  // A name written as its code keeps the list showing names.
  m_mode = mode;
}

void ColourNameForm::Switch() {
  m_mode = 1 - m_mode;
  Choose(m_selected);
}

std::string ColourNameForm::RowLabel(int row) const {
  if (row < 0 || row >= static_cast<int>(std::size(kRows))) return {};
  const ColourRow& r = kRows[static_cast<std::size_t>(row)];
  if (r.IsHeader()) return std::string(r.name);
  return std::string(m_mode == 1 ? r.code : r.name);
}

std::string ColourNameForm::Result() const {
  const int row = FindName(m_current);
  if (row >= 0) {
    const std::string_view w = WritableName(kRows[static_cast<std::size_t>(row)]);
    if (w.starts_with('#')) return std::string(w);
  }
  return m_current;
}

void ColourNameForm::ToFields(DialogFields& f) const {
  f.Set("edColor", m_current);
  if (m_caret > 0) f.Set("edColor#caret", std::to_string(m_caret));
  else f.values.erase("edColor#caret");
  f.SetIndex("lbColor", m_selected);
  f.SetIndex("iInputMethod", m_mode);
  f.Set("edColor1", ColourTextOf(m_swatch));
}

ColourNameForm ColourNameForm::FromFields(const DialogFields& f) {
  ColourNameForm m;
  m.m_current = f.Get("edColor");
  m.m_selected = f.Index("lbColor", -1);
  if (m.m_selected >= static_cast<int>(std::size(kRows))) m.m_selected = -1;
  m.m_mode = f.Index("iInputMethod", 0) == 1 ? 1 : 0;
  m.m_swatch = f.Has("edColor1") ? ReadColourText(f.Get("edColor1")) : Rgb{255, 255, 255};
  return m;
}

namespace {

class ColourActions : public DialogActions {
 public:
  bool Take(const DialogStep& step, DialogFields& f) override {
    ColourNameForm m = ColourNameForm::FromFields(f);
    if (step.kind == DialogStep::Field) {
      f.Set(step.control, step.value);
      if (step.control != "edColor") return true;
      m.SetCurrent(step.value);
    } else if (step.kind == DialogStep::Press && step.control == "SwitchBtn") {
      m.Switch();
    } else if (step.kind == DialogStep::Row && step.control == "lbColor") {
      m.Choose(ParseInt(step.value, -1));
    } else {
      return false;
    }
    m.ToFields(f);
    return true;
  }
};

// The window's keys in Markupwright.ini, with the bounds a stored value
// must lie in.
struct FormKey {
  std::string_view key;
  int def, min, max;
};
constexpr FormKey kFormKeys[] = {
    {"iColorFormHeight", 630, 60, 10000}, {"iColorFormWidth", 144, 60, 10000}, {"iInputMethod", 0, 0, 1},
    {"iColumn", 0, 0, 10},                {"iColorFormTop", 0, -10000, 10000}, {"iColorFormLeft", 1, -10000, 10000},
};

}  // namespace

DialogActions& ColourFormActions() {
  static ColourActions actions;
  return actions;
}

std::string PickColourName(DialogHost& host, const DialogServices& s, std::string_view initial,
                           const EditingOptions& options) {
  const std::string ini = s.dataFolder.empty() ? std::string() : DataFilePath(s.dataFolder, kSettingsFileName);
  DialogFields f;
  IniFile file;
  if (!ini.empty()) {
    // The window's place is no reason to refuse a colour: an unreadable
    // settings file gives the design values.
    try {
      file = IniFile::Load(ini);
    } catch (const FileError&) {
    }
  }
  for (const FormKey& k : kFormKeys) f.SetIndex(k.key, file.GetInt(kColourFormSection, k.key, k.def, k.min, k.max));
  f.Set("edColumn", f.Get("iColumn"));
  ColourNameForm(initial, f.Index("iInputMethod", 0)).ToFields(f);
  f.actions = &ColourFormActions();
  const bool ok = host.Run(kColourFormClass, f);
  if (!ini.empty()) {
    f.Set("iColumn", std::to_string(std::clamp(ParseInt(f.Get("edColumn"), 0), 0, 10)));
    try {
      IniFile now = IniFile::Load(ini);
      for (const FormKey& k : kFormKeys) {
        // Bounds only of a window in its normal state.
        const bool bounds = k.key != "iInputMethod" && k.key != "iColumn";
        if (bounds && f.Get("#normal", "1") == "0") continue;
        now.SetInt(kColourFormSection, k.key, f.Index(k.key, k.def));
      }
      now.Save(ini);
    } catch (const FileError&) {
    }
  }
  if (!ok) return {};
  return ApplyTagCase(ColourNameForm::FromFields(f).Result(), options);
}

}  // namespace mw
