// The simple grep of the project window: every line of a file that holds
// a text, with its line number and the byte offset of the match, and the
// replacement of that text across files. Matches never start on the second
// byte of a double-byte character, so "\" is not found inside 表 (95 5C).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/encoding.h"

namespace mw {

// One row of the result list.
struct GrepRow {
  std::string path;
  long long line = 0;    // from 1
  Offset byte = 0;       // offset of the match in the file, from 0
  std::string content;   // the line without its line end
  friend bool operator==(const GrepRow&, const GrepRow&) = default;
};

struct GrepQuery {
  std::string findText;    // Shift-JIS, one line
  bool matchCase = false;  // off: ASCII letters match either case
};

// Appends a row for every line of text holding the find text (the first
// match of the line only). Lines end at LF; a CR before it belongs to the
// line end. An empty find text, or one holding a line end, finds nothing.
void GrepText(std::string_view text, const std::string& path, const GrepQuery& query,
              std::vector<GrepRow>& rows);

// GrepText over the file at path; false (and nothing added) when the file
// cannot be read or is no regular file, which a search skips silently.
bool GrepFile(const std::string& path, const GrepQuery& query, std::vector<GrepRow>& rows);

// A matching line as the search meets it; content points into the search's
// buffer and is valid only during the call.
struct GrepMatch {
  long long line = 0;
  Offset byte = 0;
  std::string_view content;
};

// The same search calling match for each line as it is found, holding no
// more than a block of the file and its longest line, whatever the file's
// size and the number of matches. False when the file cannot be read or
// is no regular file (after the rows of what could be read, if any).
bool GrepFile(const std::string& path, const GrepQuery& query,
              const std::function<void(const GrepMatch&)>& match);

struct Replacement {
  std::string text;              // the text after replacing
  std::vector<Offset> positions;  // offsets of the replaced matches in the old text
};

// Replaces every match of the find text, left to right without overlap.
Replacement ReplaceAllInText(std::string_view text, const GrepQuery& query,
                             std::string_view replacement);

// One place of a replacement as a listing shows it: the line it is on and
// that line, or, for a long line, an excerpt around the place.
struct PlaceRow {
  long long line = 0;        // from 1
  Offset byte = 0;           // the match's offset in the text
  std::string_view excerpt;  // a part of the line (without its line end)
  bool cutBefore = false;    // the line goes on before the excerpt
  bool cutAfter = false;     // and after it
};

// Lines up to this many bytes are shown whole; in a longer one the excerpt
// is the match with up to kExcerptContext bytes either side, cut at
// character boundaries.
inline constexpr std::size_t kExcerptLineLimit = 256;
inline constexpr std::size_t kExcerptContext = 80;

// Calls row for every position (ascending, as ReplaceAllInText gives them)
// of a match matchLength bytes long. Time is linear in the text and the
// positions, whatever the line lengths; the excerpts point into text.
void ForEachPlaceRow(std::string_view text, const std::vector<Offset>& positions,
                     std::size_t matchLength, const std::function<void(const PlaceRow&)>& row);

// The search histories of the find and replace boxes: most recent first,
// at most kSearchHistoryLimit entries, kept one a line in the data folder.
inline constexpr std::size_t kSearchHistoryLimit = 20;
inline constexpr std::string_view kFindHistoryName = "Find.txt";
inline constexpr std::string_view kReplaceHistoryName = "Replace.txt";

// Moves text to the top (an equal entry, ignoring case, goes first) and
// drops what exceeds the limit.
void PushSearchHistory(std::vector<std::string>& history, std::string_view text);
// The list from folder/name; empty when the file does not exist.
std::vector<std::string> LoadSearchHistory(const std::string& folder, std::string_view name);
// Written only when the list is not empty. Throws FileError.
void SaveSearchHistory(const std::string& folder, std::string_view name,
                       const std::vector<std::string>& history);

}  // namespace mw
