#include "core/app/settings.h"

#include <climits>
#include <stdexcept>

#include "core/app/colour_text.h"

namespace mw {

namespace {

using T = SettingType;

// Window positions, sizes and panel extents within the window system's
// 16-bit coordinates (a position is negative left of or above the primary
// screen).
constexpr int kCoordMin = -32768;
constexpr int kCoordMax = 32767;

std::vector<SettingKey> MakeKeys() {
  std::vector<SettingKey> k = {
      // Window and panel layout.
      {"iFormTop", T::Int, "3", kCoordMin, kCoordMax},
      {"iFormLeft", T::Int, "3", kCoordMin, kCoordMax},
      {"iFormHeight", T::Int, "491", 1, kCoordMax},
      {"iFormWidth", T::Int, "772", 1, kCoordMax},
      {"iWindowState", T::Int, "0", 0, 2},
      {"iDirectoryListBox1Height", T::Int, "161", 0, kCoordMax},
      {"itvFavorite", T::Int, "31", 0, kCoordMax},
      {"itvLinkList", T::Int, "0", 0, kCoordMax},
      {"iLeftPanelWidth", T::Int, "135", 0, kCoordMax},
      {"iDriveComboBox1Width", T::Int, "156", 0, kCoordMax},
      {"iOldLeftPanelWidth", T::Int, "135", 0, kCoordMax},
      {"iOldtvLinkList", T::Int, "135", 0, kCoordMax},
      // Paths and external programs.
      {"asSubBrowserFullPath", T::Text, "ielplorer.exe"},
      {"asNNFullPath", T::Text, "netscape.exe"},
      {"asOpenDir", T::Text, ""},
      {"asToolFullPath0", T::Text, "tool1"},
      {"asToolFullPath1", T::Text, "tool2"},
      {"asToolFullPath2", T::Text, "tool3"},
      {"asToolFullPath3", T::Text, "tool4"},
      {"asToolFullPath4", T::Text, "tool5"},
      {"asToolCmndln0", T::Bool, "0"},
      {"asToolCmndln1", T::Bool, "0"},
      {"asToolCmndln2", T::Bool, "0"},
      {"asToolCmndln3", T::Bool, "0"},
      {"asToolCmndln4", T::Bool, "0"},
      // Editing and display.
      {"asDateTimeFormatStr", T::Text, "yyyy/mm/dd"},
      {"asTimeFormatStr", T::Text, "hh:nn:ss"},
      {"iNofFileHistory", T::Int, "15", 0, 100},
      {"iNofColumn", T::Int, "74", 1, 10000},
      {"iTabStop", T::Int, "4", 1, 100},
      {"iMaxFileSize", T::Int, "65536", 0, INT_MAX},
      {"iImeColor", T::Int, "0", 0, 3},
      {"asSavedFileMask", T::Text, "*.htm*;*.shtm*;*.css*;*.js;*.vbs;*.txt"},
      {"asFileMask", T::Text, "*.htm*;*.shtm*;*.css*;*.js;*.vbs;*.txt"},
      {"bAutoTagFont", T::Bool, "1"},
      {"bWordWrap", T::Bool, "1"},
      {"bShowLineNumber", T::Bool, "0"},
      {"bTabBottom", T::Bool, "0"},
      {"bUpdateAtSave", T::Bool, "0"},
      {"bAutoSelect", T::Bool, "0"},
      {"bDirectTagInsert", T::Bool, "0"},
      {"bSelectEditedEnd", T::Bool, "1"},
      {"bSelectEditedAll", T::Bool, "0"},
      {"bSelectPreviousSelection", T::Bool, "0"},
      {"bLowerCaseTag", T::Bool, "0"},
      {"bAutoIndent", T::Bool, "0"},
      {"bFileSaveBeforeBrowse", T::Bool, "0"},
      {"bBrowseSelection", T::Bool, "0"},
      {"bProjectRelativePath", T::Bool, "0"},
      {"iInitialState", T::Int, "0", 0, 2},
      {"iActionAtFileNew", T::Int, "0", 0, 2},
      {"bOpenToShiftJIS", T::Bool, "0"},
      {"bSaveToJIS", T::Bool, "0"},
      {"bSaveToEUC", T::Bool, "0"},
      {"bDropThenInsert", T::Bool, "0"},
  };
  // The thirteen tag toolbar page positions, 0 to 12 in this order.
  static constexpr std::string_view kPages[] = {
      "iPageSetSheet",    "iParagraphSheet",   "iLinkSheet",         "iStyleSheet",
      "iLogicStyleSheet", "iListSheet",        "iTableSheet",        "iFrameSheet",
      "iFormSheett",      "iInteractiveSheet", "iSpecialCharSheet",  "iStyleSheet1",
      "iRegisteredSheet"};
  static constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6",
                                                 "7", "8", "9", "10", "11", "12"};
  for (std::size_t i = 0; i < std::size(kPages); ++i) k.push_back({kPages[i], T::Int, kDigits[i], 0, 12});
  const std::vector<SettingKey> rest = {
      {"asRichEditColor", T::Colour, "16777215"},
      {"bBand1Break", T::Bool, "0"},
      {"iBand0Width", T::Int, "647", 0, kCoordMax},
      {"iActivePage", T::Int, "0", 0, 12},
      {"asCurFileName", T::Text, ""},
      {"iTabHeight", T::Int, "70", 0, 1000},
      {"bMultiLine", T::Bool, "0"},
      {"bFlatBtn", T::Bool, "1"},
      {"bShowSpeedBar", T::Bool, "1"},
      {"bShowTagToolBar", T::Bool, "1"},
  };
  k.insert(k.end(), rest.begin(), rest.end());
  return k;
}

bool IsBounds(std::string_view key) {
  return key == "iFormTop" || key == "iFormLeft" || key == "iFormHeight" || key == "iFormWidth";
}

}  // namespace

const std::vector<SettingKey>& FormSettingKeys() {
  static const std::vector<SettingKey> keys = MakeKeys();
  return keys;
}

FormSettings::FormSettings() {
  for (const auto& k : FormSettingKeys()) {
    if (k.type == T::Text) m_texts[std::string(k.key)] = std::string(k.defaultValue);
    else if (k.type == T::Colour) m_numbers[std::string(k.key)] = *ParseColourText(k.defaultValue);
    else m_numbers[std::string(k.key)] = std::stoll(std::string(k.defaultValue));
  }
}

const SettingKey& FormSettings::Find(std::string_view key, SettingType type) const {
  for (const auto& k : FormSettingKeys())
    if (k.key == key) {
      if (k.type != type) throw std::out_of_range("setting " + std::string(key) + " has another type");
      return k;
    }
  throw std::out_of_range("no setting " + std::string(key));
}

void FormSettings::Load(const IniFile& ini) {
  for (const auto& k : FormSettingKeys()) {
    const std::string key(k.key);
    switch (k.type) {
      case T::Text: m_texts[key] = ini.GetString(kFormSection, key, m_texts[key]); break;
      case T::Int:
        m_numbers[key] = ini.GetInt(kFormSection, key, static_cast<int>(m_numbers[key]), k.min, k.max);
        break;
      case T::Bool: m_numbers[key] = ini.GetBool(kFormSection, key, m_numbers[key] != 0); break;
      case T::Colour:
        if (const auto v = ini.Get(kFormSection, key))
          if (const auto c = ParseColourText(*v)) m_numbers[key] = *c;
        break;
    }
  }
}

void FormSettings::Save(IniFile& ini, bool windowInNormalState) const {
  for (const auto& k : FormSettingKeys()) {
    if (IsBounds(k.key) && !windowInNormalState) continue;
    const auto key = k.key;
    switch (k.type) {
      case T::Text: ini.Set(kFormSection, key, m_texts.find(key)->second); break;
      case T::Int: {
        // Nothing out of range is stored, whatever the window held.
        const auto v = m_numbers.find(key)->second;
        ini.Set(kFormSection, key, v < k.min || v > k.max ? k.defaultValue : std::to_string(v));
        break;
      }
      case T::Bool: ini.SetBool(kFormSection, key, m_numbers.find(key)->second != 0); break;
      case T::Colour:
        ini.Set(kFormSection, key, ColourText(static_cast<ColorValue>(m_numbers.find(key)->second)));
        break;
    }
  }
}

int FormSettings::Int(std::string_view key) const {
  Find(key, T::Int);
  return static_cast<int>(m_numbers.find(key)->second);
}
bool FormSettings::Bool(std::string_view key) const {
  Find(key, T::Bool);
  return m_numbers.find(key)->second != 0;
}
const std::string& FormSettings::Text(std::string_view key) const {
  Find(key, T::Text);
  return m_texts.find(key)->second;
}
ColorValue FormSettings::Colour(std::string_view key) const {
  Find(key, T::Colour);
  return static_cast<ColorValue>(m_numbers.find(key)->second);
}
void FormSettings::SetInt(std::string_view key, int value) { m_numbers[std::string(Find(key, T::Int).key)] = value; }
void FormSettings::SetBool(std::string_view key, bool value) {
  m_numbers[std::string(Find(key, T::Bool).key)] = value ? 1 : 0;
}
void FormSettings::SetText(std::string_view key, std::string value) {
  m_texts[std::string(Find(key, T::Text).key)] = std::move(value);
}
void FormSettings::SetColour(std::string_view key, ColorValue value) {
  m_numbers[std::string(Find(key, T::Colour).key)] = value;
}

std::string BrowserProgram(std::string_view view, const FormSettings& settings) {
  const std::string_view key = view == "IEBtn" ? "asSubBrowserFullPath" : view == "NNBtn" ? "asNNFullPath" : "";
  if (key.empty()) return {};
  std::string program = settings.Text(key);
  // The built-in values name the browsers of another desktop, which are
  // not there to run: until the options name a browser, the default one.
  for (const SettingKey& k : FormSettingKeys())
    if (k.key == key && program == k.defaultValue) return {};
  return program;
}

}  // namespace mw
