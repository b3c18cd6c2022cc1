#include "core/editing/dialog_services.h"

#include <fstream>
#include <iterator>

#include "core/app/data_folder.h"
#include "core/app/ini_file.h"
#include "core/text/encoding.h"

namespace mw {

std::vector<std::string> SplitItems(std::string_view items) {
  std::vector<std::string> out;
  if (items.empty()) return out;
  std::size_t from = 0;
  while (true) {
    const std::size_t nl = items.find('\n', from);
    out.emplace_back(items.substr(from, nl == std::string_view::npos ? std::string_view::npos : nl - from));
    if (nl == std::string_view::npos) break;
    from = nl + 1;
  }
  return out;
}

std::vector<std::string> LoadListFile(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  if (!in) return lines;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find_first_of("\r\n", from);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(from, end - from));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    from = end + 1;
  }
  return lines;
}

namespace {

constexpr std::size_t kWindow = 4096;
constexpr std::size_t kBraceReach = 20;

// The name between a prefix hit and the '{' that follows it within reach;
// empty when there is none.
bool NameAt(std::string_view text, std::size_t hit, std::string& name) {
  const std::size_t reachEnd = std::min(text.size(), hit + 1 + kBraceReach);
  const Offset q = Find(text.substr(0, reachEnd), "{", hit + 1);
  if (q == kNoPos) return false;
  name = std::string(Trim(text.substr(hit + 1, static_cast<std::size_t>(q) - hit - 1)));
  return true;
}

// Each search looks no further than a window after the previous hit, as the
// lists are meant for the rules at the top of a page, not whole files.
Offset FindInWindow(std::string_view text, std::string_view prefix, std::size_t from) {
  if (from >= text.size()) return kNoPos;
  const std::size_t end = std::min(text.size(), from + kWindow);
  return FindNoCase(text.substr(0, end), prefix, from);
}

// The search start one character after a hit.
std::size_t After(std::string_view text, std::size_t hit) { return hit + CharLength(text, hit); }

}  // namespace

std::vector<std::string> StyleBlockCandidates(std::string_view text, std::string_view prefix) {
  std::vector<std::string> out;
  const Offset e = FindNoCase(text.substr(0, std::min(text.size(), kWindow)), "</STYLE>");
  if (e == kNoPos) return out;
  std::size_t from = text.empty() ? 0 : After(text, 0);
  while (true) {
    const Offset p = FindInWindow(text, prefix, from);
    if (p == kNoPos) break;
    const auto hit = static_cast<std::size_t>(p);
    std::string name;
    if (NameAt(text, hit, name) && !name.empty()) out.push_back(name);
    if (p >= e) break;
    from = After(text, hit);
  }
  return out;
}

std::vector<std::string> StyleSheetCandidates(std::string_view text, std::string_view prefix) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (true) {
    const Offset p = FindInWindow(text, prefix, from);
    if (p == kNoPos) break;
    const auto hit = static_cast<std::size_t>(p);
    std::string name;
    if (!NameAt(text, hit, name)) break;
    if (!name.empty()) out.push_back(name);
    from = After(text, hit);
  }
  return out;
}

std::string ItemsKey(std::string_view control) { return std::string(control) + "#items"; }

void SetItems(DialogFields& f, std::string_view control, const std::vector<std::string>& items) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) joined += '\n';
    joined += items[i];
  }
  f.Set(ItemsKey(control), joined);
}

std::vector<std::string> GetItems(const DialogFields& f, std::string_view control) {
  const std::string key = ItemsKey(control);
  if (!f.Has(key)) return {};
  auto items = SplitItems(f.Get(key));
  if (items.empty()) items.emplace_back();
  return items;
}

std::vector<std::string> SourceItems(const DialogServices& s, ListSource source, std::string_view documentText) {
  auto dataFile = [&](std::string_view name) {
    return s.dataFolder.empty() ? std::vector<std::string>{} : LoadListFile(DataFilePath(s.dataFolder, name));
  };
  switch (source) {
    case ListSource::None: break;
    case ListSource::Colours: return dataFile(kColorListName);
    case ListSource::Styles: return dataFile(kStyleListName);
    case ListSource::Classes:
    case ListSource::Ids: {
      const std::string_view prefix = source == ListSource::Classes ? "." : "#";
      std::vector<std::string> names = StyleBlockCandidates(documentText, prefix);
      if (s.linkedStyleSheet) {
        const auto sheet = StyleSheetCandidates(s.linkedStyleSheet(std::string(documentText)), prefix);
        names.insert(names.end(), sheet.begin(), sheet.end());
      }
      return names;
    }
    case ListSource::Urls:
      if (s.urlCandidates) return s.urlCandidates();
      break;
    case ListSource::Fonts:
      if (s.fontNames) return s.fontNames();
      break;
  }
  return {};
}

void FillCommonItemLists(DialogFields& f, const DialogServices& s, std::string_view documentText) {
  const struct {
    std::string_view control;
    std::string_view items;
    ListSource source;
  } kCommon[] = {
      {"cbLang", kLangItems, ListSource::None},
      {"cbID", {}, ListSource::Ids},
      {"cbCLASS", {}, ListSource::Classes},
      {"cbStyle", {}, ListSource::Styles},
  };
  for (const auto& c : kCommon) {
    std::vector<std::string> items = SplitItems(c.items);
    const auto more = SourceItems(s, c.source, documentText);
    items.insert(items.end(), more.begin(), more.end());
    if (!items.empty()) SetItems(f, c.control, items);
  }
}

int ReadPreviousInt(const DialogServices& s, std::string_view section, std::string_view key, int def) {
  if (s.dataFolder.empty()) return def;
  return IniFile::Load(DataFilePath(s.dataFolder, kPreviousSettingName)).GetInt(section, key, def);
}

void WritePreviousInt(const DialogServices& s, std::string_view section, std::string_view key, int value) {
  if (s.dataFolder.empty()) return;
  const std::string path = DataFilePath(s.dataFolder, kPreviousSettingName);
  IniFile ini = IniFile::Load(path);
  ini.SetInt(section, key, value);
  ini.Save(path);
}

}  // namespace mw
