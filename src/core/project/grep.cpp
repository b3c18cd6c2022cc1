#include "core/project/grep.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/text/lines.h"

namespace mw {

namespace {

Offset FindMatch(std::string_view text, const GrepQuery& q, std::size_t from) {
  return q.matchCase ? Find(text, q.findText, from) : FindNoCase(text, q.findText, from);
}

}  // namespace

void GrepText(std::string_view text, const std::string& path, const GrepQuery& query,
              std::vector<GrepRow>& rows) {
  if (query.findText.empty() || query.findText.find_first_of("\r\n") != std::string::npos) return;
  // One search over the whole text: line starts are character starts, and
  // a match cannot cross a line end, so this finds what a line-by-line
  // search finds, without splitting long lines into pieces.
  std::size_t lineStart = 0;
  long long line = 1;
  while (lineStart <= text.size()) {
    const Offset m = FindMatch(text, query, lineStart);
    if (m == kNoPos) break;
    const std::size_t at = static_cast<std::size_t>(m);
    for (std::size_t nl = text.find('\n', lineStart); nl != std::string_view::npos && nl < at;
         nl = text.find('\n', lineStart)) {
      ++line;
      lineStart = nl + 1;
    }
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::size_t contentEnd = end;
    if (contentEnd > lineStart && text[contentEnd - 1] == '\r') --contentEnd;
    rows.push_back({path, line, static_cast<Offset>(at),
                    std::string(text.substr(lineStart, contentEnd - lineStart))});
    if (end == text.size()) break;
    lineStart = end + 1;
    ++line;
  }
}

namespace {

// Reads the whole file into buffer, which keeps its memory from one file
// to the next: a walk over thousands of pages then costs no allocation
// and no fresh pages per file. Only a regular file is read: opening a pipe
// does not wait for a writer, and a device is never read.
bool ReadInto(const std::string& path, std::string& buffer) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  std::size_t size = 0;
  buffer.resize(std::max<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, 4096));
  while (true) {
    if (size == buffer.size()) buffer.resize(buffer.size() * 2);
    const ssize_t n = ::read(fd, buffer.data() + size, buffer.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  ::close(fd);
  buffer.resize(size);
  return true;
}

}  // namespace

bool GrepFile(const std::string& path, const GrepQuery& query, std::vector<GrepRow>& rows) {
  thread_local std::string buffer;
  if (!ReadInto(path, buffer)) return false;
  GrepText(buffer, path, query, rows);
  return true;
}

Replacement ReplaceAllInText(std::string_view text, const GrepQuery& query,
                             std::string_view replacement) {
  Replacement r;
  if (query.findText.empty()) {
    r.text = text;
    return r;
  }
  std::size_t from = 0;
  while (true) {
    const Offset m = FindMatch(text, query, from);
    if (m == kNoPos) break;
    const std::size_t at = static_cast<std::size_t>(m);
    r.text.append(text.substr(from, at - from));
    r.text.append(replacement);
    r.positions.push_back(m);
    from = at + query.findText.size();
  }
  r.text.append(text.substr(from));
  return r;
}

void ForEachPlaceRow(std::string_view text, const std::vector<Offset>& positions,
                     std::size_t matchLength, const std::function<void(const PlaceRow&)>& row) {
  std::size_t lineStart = 0;
  std::size_t lineEnd = std::min(text.find('\n'), text.size());  // the LF, or the end
  long long line = 1;
  // A known character start at or after lineStart that only moves forward,
  // so finding excerpt starts never walks a long line more than once.
  std::size_t walk = 0;
  const auto charEnd = [&](std::size_t p) { return p + static_cast<std::size_t>(CharLength(text, static_cast<Offset>(p))); };
  for (const Offset pos : positions) {
    const auto at = static_cast<std::size_t>(pos);
    while (at > lineEnd) {
      ++line;
      lineStart = lineEnd + 1;
      lineEnd = std::min(text.find('\n', lineStart), text.size());
    }
    std::size_t contentEnd = lineEnd;
    if (contentEnd > lineStart && text[contentEnd - 1] == '\r') --contentEnd;
    PlaceRow r;
    r.line = line;
    r.byte = pos;
    if (contentEnd - lineStart <= kExcerptLineLimit) {
      r.excerpt = text.substr(lineStart, contentEnd - lineStart);
      row(r);
      continue;
    }
    const std::size_t from = at - std::min(at - lineStart, kExcerptContext);
    if (walk < lineStart) walk = lineStart;
    while (walk < from) walk = charEnd(walk);
    const std::size_t start = std::min(walk, at);
    const std::size_t matchEnd = std::min(at + matchLength, contentEnd);
    const std::size_t limit = matchEnd + std::min(contentEnd - matchEnd, kExcerptContext);
    std::size_t end = matchEnd;
    while (end < limit && charEnd(end) <= limit) end = charEnd(end);
    r.excerpt = text.substr(start, end - start);
    r.cutBefore = start > lineStart;
    r.cutAfter = end < contentEnd;
    row(r);
  }
}

void PushSearchHistory(std::vector<std::string>& history, std::string_view text) {
  const auto same = std::find_if(history.begin(), history.end(),
                                 [&](const std::string& h) { return EqualsNoCase(h, text); });
  if (same != history.end()) history.erase(same);
  history.insert(history.begin(), std::string(text));
  if (history.size() > kSearchHistoryLimit) history.resize(kSearchHistoryLimit);
}

std::vector<std::string> LoadSearchHistory(const std::string& folder, std::string_view name) {
  const std::string path = DataFilePath(folder, name);
  std::vector<std::string> history;
  if (::access(path.c_str(), F_OK) != 0) return history;
  const std::string bytes = ReadFileBytes(path);
  for (const std::string_view line : SplitLines(bytes)) {
    if (history.size() == kSearchHistoryLimit) break;
    history.emplace_back(line);
  }
  return history;
}

void SaveSearchHistory(const std::string& folder, std::string_view name,
                       const std::vector<std::string>& history) {
  if (history.empty()) return;
  std::string text;
  for (const std::string& h : history) text += h + "\r\n";
  WriteFileAtomic(DataFilePath(folder, name), text);
}

}  // namespace mw
