// Settings files of any bytes: reading never fails, a file written back
// reads the same, and a value set (any bytes up to a line break) reads
// back exactly, leaving every other key as it was. The window's settings
// read from such a file keep every number in its key's range, and saved
// and read again they are the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "core/text/encoding.h"
#include "fuzz_support.h"

namespace {

using mw::fuzz::Check;

// Names as the program writes them: no line break, no blanks or control
// bytes at either end; a key holds no '=' and does not begin a comment or
// a section line, a section name holds no ']'.
bool UsableName(const std::string& s, bool section) {
  if (s.empty() || mw::Trim(s) != s || s.find_first_of("\r\n") != std::string::npos) return false;
  if (section) return s.find(']') == std::string::npos;
  return s.find('=') == std::string::npos && s.front() != ';' && s.front() != '[';
}

void CheckSettings(const mw::IniFile& ini) {
  mw::FormSettings settings;
  settings.Load(ini);
  for (const mw::SettingKey& k : mw::FormSettingKeys())
    if (k.type == mw::SettingType::Int) Check(settings.Int(k.key) >= k.min && settings.Int(k.key) <= k.max);
  mw::IniFile saved;
  settings.Save(saved, true);
  mw::FormSettings back;
  back.Load(mw::IniFile::Parse(saved.Serialize()));
  for (const mw::SettingKey& k : mw::FormSettingKeys()) {
    switch (k.type) {
      case mw::SettingType::Int: Check(back.Int(k.key) == settings.Int(k.key)); break;
      case mw::SettingType::Bool: Check(back.Bool(k.key) == settings.Bool(k.key)); break;
      case mw::SettingType::Text: Check(back.Text(k.key) == settings.Text(k.key)); break;
      case mw::SettingType::Colour: Check(back.Colour(k.key) == settings.Colour(k.key)); break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeRandomLengthString(16);
  const std::string key = in.ConsumeRandomLengthString(16);
  const std::string value = in.ConsumeRandomLengthString(64);
  const std::string otherSection = in.ConsumeRandomLengthString(16);
  const std::string otherKey = in.ConsumeRandomLengthString(16);
  const int number = in.ConsumeIntegral<int>();
  // Every key of the window's settings is a lookup through the whole file,
  // some hundred of them: one input in eight, and short files only, so
  // the run stays fast.
  const bool settings = in.ConsumeIntegralInRange(0, 7) == 0;
  const std::string file = in.ConsumeRemainingBytesAsString();

  mw::IniFile ini = mw::IniFile::Parse(file);
  const std::string bytes = ini.Serialize();
  Check(mw::IniFile::Parse(bytes).Serialize() == bytes);
  (void)ini.GetInt(section, key, 7, 1, 100);
  (void)ini.GetBool(otherSection, otherKey, true);
  if (settings && file.size() <= 600) CheckSettings(ini);
  if (!UsableName(section, true) || !UsableName(key, false)) return 0;

  const auto otherBefore = ini.Get(otherSection, otherKey);
  const bool same = mw::EqualsNoCase(section, otherSection) && mw::EqualsNoCase(key, otherKey);
  ini.Set(section, key, value);
  const std::string expected = value.substr(0, value.find_first_of("\r\n"));
  for (const mw::IniFile& copy : {ini, mw::IniFile::Parse(ini.Serialize())}) {
    Check(copy.Get(section, key) == expected);
    if (!same) Check(copy.Get(otherSection, otherKey) == otherBefore);
  }

  ini.SetInt(section, key, number);
  Check(mw::IniFile::Parse(ini.Serialize()).GetInt(section, key, number == 0 ? 1 : 0) == number);
  return 0;
}
