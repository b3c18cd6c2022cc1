// The main window's settings: every key of section "FORM" of
// Markupwright.ini with its type and default, read and written through the
// private-profile rules of IniFile. The window reads and changes them in
// memory; they reach the disk at every close query.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ini_file.h"
#include "core/app/display_fonts.h"

namespace mw {

inline constexpr std::string_view kSettingsFileName = "Markupwright.ini";
inline constexpr std::string_view kFormSection = "FORM";

enum class SettingType { Int, Bool, Text, Colour };

struct SettingKey {
  std::string_view key;
  SettingType type;
  std::string_view defaultValue;  // as the settings file would hold it
  // An Int read from the file outside [min, max] gives the default, so no
  // stored number can make a window, list or tab width absurd.
  int min = 0;
  int max = 0;
};

// Every "FORM" key in the order settings are read and written.
const std::vector<SettingKey>& FormSettingKeys();

class FormSettings {
 public:
  FormSettings();  // the built-in defaults

  // Each key read with its current value as the default, so missing keys,
  // bad integers and integers out of their key's range keep what was there.
  void Load(const IniFile& ini);
  // Writes every key; the window bounds (iFormTop, iFormLeft, iFormHeight,
  // iFormWidth) only while the window is in its normal state, so a
  // maximised window at exit keeps the normal bounds of the file.
  void Save(IniFile& ini, bool windowInNormalState) const;

  // Typed access; an unknown key or the wrong type is a programming error
  // and throws std::out_of_range.
  int Int(std::string_view key) const;
  bool Bool(std::string_view key) const;
  const std::string& Text(std::string_view key) const;
  ColorValue Colour(std::string_view key) const;
  void SetInt(std::string_view key, int value);
  void SetBool(std::string_view key, bool value);
  void SetText(std::string_view key, std::string value);
  void SetColour(std::string_view key, ColorValue value);

 private:
  const SettingKey& Find(std::string_view key, SettingType type) const;
  std::map<std::string, std::int64_t, std::less<>> m_numbers;  // Int, Bool, Colour
  std::map<std::string, std::string, std::less<>> m_texts;
};

// The program a browser view runs: the IE view (IEBtn) the browser named
// in asSubBrowserFullPath, the NN view (NNBtn) asNNFullPath. Empty for any
// other view (BrowseBtn), when none is set or the option still holds its
// built-in value (a browser of another desktop): the desktop's default
// browser then shows the page.
std::string BrowserProgram(std::string_view view, const FormSettings& settings);

}  // namespace mw
