#include "core/project/grep.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/text/lines.h"

namespace mw {

namespace {

Offset FindMatch(std::string_view text, const GrepQuery& q, std::size_t from) {
  return q.matchCase ? Find(text, q.findText, from) : FindNoCase(text, q.findText, from);
}

}  // namespace

namespace {

// Rows for the lines of text holding the find text; text starts a line,
// `base` is its offset in the file and `line` its line number, which
// leaves as the number of the line after text.
template <class Row>
void GrepLines(std::string_view text, std::size_t base, long long& line, const GrepQuery& query,
               const Row& row) {
  // One search over the whole text: line starts are character starts, and
  // a match cannot cross a line end, so this finds what a line-by-line
  // search finds, without splitting long lines into pieces. Lines are
  // numbered only where a match is, by counting line feeds in between.
  std::size_t lineStart = 0;
  while (lineStart < text.size()) {
    const Offset m = FindMatch(text, query, lineStart);
    if (m == kNoPos) break;
    const std::size_t at = static_cast<std::size_t>(m);
    line += static_cast<long long>(CountLineFeeds(text.substr(lineStart, at - lineStart)));
    if (const void* lf = ::memrchr(text.data() + lineStart, '\n', at - lineStart))
      lineStart = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::size_t contentEnd = end;
    if (contentEnd > lineStart && text[contentEnd - 1] == '\r') --contentEnd;
    row(GrepMatch{line, static_cast<Offset>(base + at), text.substr(lineStart, contentEnd - lineStart)});
    if (end == text.size()) return;
    lineStart = end + 1;
    ++line;
  }
  if (lineStart < text.size()) line += static_cast<long long>(CountLineFeeds(text.substr(lineStart)));
}

bool Searchable(const GrepQuery& query) {
  return !query.findText.empty() && query.findText.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

void GrepText(std::string_view text, const std::string& path, const GrepQuery& query,
              std::vector<GrepRow>& rows) {
  if (!Searchable(query)) return;
  long long line = 1;
  GrepLines(text, 0, line, query, [&](const GrepMatch& m) {
    rows.push_back({path, m.line, m.byte, std::string(m.content)});
  });
}

namespace {

// Reads a file a block at a time into a buffer that keeps its memory from
// one file to the next, and hands on whole lines: a walk over thousands
// of pages then costs no allocation, and a big page no more memory than a
// block and its longest line. Only a regular file is read: opening a pipe
// does not wait for a writer, and a device is never read.
class BlockReader {
 public:
  static constexpr std::size_t kBlock = 256 * 1024;

  explicit BlockReader(std::string& buffer) : m_buf(buffer) {
    if (m_buf.size() < kBlock) m_buf.resize(kBlock);
  }
  ~BlockReader() {
    if (m_fd >= 0) ::close(m_fd);
  }
  BlockReader(const BlockReader&) = delete;
  BlockReader& operator=(const BlockReader&) = delete;

  bool Open(const std::string& path) {
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) return false;
    struct stat st {};
    return ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode);
  }

  // The next run of whole lines (the last one may lack its LF at the end
  // of the file), starting at a line start; empty at the end. False on a
  // read error.
  bool Next(std::string_view& lines) {
    // What the last call handed on goes; a cut-off line moves to the front.
    if (m_handed > 0) {
      std::memmove(m_buf.data(), m_buf.data() + m_handed, m_have - m_handed);
      m_have -= m_handed;
      m_handed = 0;
    }
    while (true) {
      while (!m_eof && m_have < m_buf.size()) {
        const ssize_t n = ::read(m_fd, m_buf.data() + m_have, m_buf.size() - m_have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) m_eof = true;
        m_have += static_cast<std::size_t>(n);
      }
      std::size_t end = m_have;
      if (!m_eof) {
        const void* lf = ::memrchr(m_buf.data(), '\n', m_have);
        if (lf == nullptr) {
          m_buf.resize(m_buf.size() * 2);  // a line longer than the buffer
          continue;
        }
        end = static_cast<std::size_t>(static_cast<const char*>(lf) - m_buf.data()) + 1;
      }
      m_handed = end;
      lines = std::string_view(m_buf.data(), end);
      return true;
    }
  }

 private:
  std::string& m_buf;
  int m_fd = -1;
  std::size_t m_have = 0;    // bytes read into the buffer
  std::size_t m_handed = 0;  // of which handed on by the last Next
  bool m_eof = false;
};

}  // namespace

bool GrepFile(const std::string& path, const GrepQuery& query,
              const std::function<void(const GrepMatch&)>& match) {
  thread_local std::string buffer;
  BlockReader reader(buffer);
  if (!reader.Open(path)) return false;
  const bool searchable = Searchable(query);
  std::size_t base = 0;
  long long line = 1;
  std::string_view lines;
  while (true) {
    if (!reader.Next(lines)) return false;
    if (lines.empty()) return true;
    if (searchable) GrepLines(lines, base, line, query, match);
    base += lines.size();
  }
}

bool GrepFile(const std::string& path, const GrepQuery& query, std::vector<GrepRow>& rows) {
  std::vector<GrepRow> found;
  const bool ok = GrepFile(path, query, [&](const GrepMatch& m) {
    found.push_back({path, m.line, m.byte, std::string(m.content)});
  });
  if (!ok) return false;  // nothing added from a file that failed
  rows.insert(rows.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
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
