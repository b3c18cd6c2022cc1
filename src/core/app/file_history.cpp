#include "core/app/file_history.h"

#include <algorithm>

#include "core/app/document_file.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {

namespace {
// Far more than any list holds (thousands of paths of the longest kind).
constexpr std::size_t kMaxListBytes = 16u << 20;
// The longest path the system accepts.
constexpr std::size_t kMaxPathBytes = 4096;

bool SamePath(std::string_view a, std::string_view b) { return EqualsNoCase(a, b, Utf8()); }
}  // namespace

void FileHistoryList::Remove(std::string_view path) {
  std::erase_if(m_entries, [&](const std::string& e) { return SamePath(e, path); });
}

void FileHistoryList::SetCurrent(std::string_view path) {
  if (!m_current.empty()) {
    const std::string previous = m_current;
    Remove(previous);
    m_entries.insert(m_entries.begin(), previous);
  }
  if (!path.empty()) Remove(path);
  m_current.assign(path);
}

void FileHistoryList::Add(std::string_view path) {
  if (path.empty()) return;
  Remove(path);
  m_entries.insert(m_entries.begin(), std::string(path));
}

bool FileHistoryList::Replace(std::string_view oldPath, std::string_view newPath) {
  const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [&](const std::string& e) { return SamePath(e, oldPath); });
  if (it == m_entries.end()) return false;
  // A file renamed over another listed one, or onto the file in use, is
  // still one file: listed once, and never while it is in use.
  const std::size_t at = static_cast<std::size_t>(it - m_entries.begin());
  it->assign(newPath);
  for (std::size_t i = m_entries.size(); i-- > 0;)
    if (i != at && SamePath(m_entries[i], newPath)) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
  if (!m_current.empty() && SamePath(m_current, newPath)) Remove(newPath);
  return true;
}

void FileHistoryList::Trim() {
  const auto keep = static_cast<std::size_t>(std::max(m_capacity, 0));
  if (m_entries.size() > keep) m_entries.resize(keep);
}

std::vector<std::string> FileHistoryList::MenuCaptions() const {
  std::vector<std::string> captions;
  for (std::size_t k = 0; k < m_entries.size(); ++k)
    captions.push_back("&" + std::to_string(k + 1) + " " + m_entries[k]);
  return captions;
}

DataFileState FileHistoryList::Load(const std::string& path) {
  DataFileState state;
  m_entries = ReadPathList(path, &state);
  return state;
}

void FileHistoryList::Save(const std::string& path) const { WritePathList(path, m_entries); }

std::vector<std::string> ReadPathList(const std::string& path, DataFileState* state) {
  DataFileState found;
  const std::string text = ReadDataFileBytes(path, kMaxListBytes, found);
  std::vector<std::string> paths;
  if (found == DataFileState::Good && text.find('\0') == std::string::npos) {
    for (std::string_view line : SplitLines(text)) {
      if (line.size() > kMaxPathBytes) {
        found = DataFileState::Damaged;
        paths.clear();
        break;
      }
      if (!line.empty()) paths.emplace_back(line);
    }
  } else if (found == DataFileState::Good) {
    found = DataFileState::Damaged;
  }
  if (state != nullptr) *state = found;
  return paths;
}

void WritePathList(const std::string& path, const std::vector<std::string>& paths) {
  std::string text;
  for (const auto& p : paths) text += p + "\r\n";
  DataFileState existing;
  ReadPathList(path, &existing);
  ReplaceDataFile(path, text, "", existing);
}

}  // namespace mw
