// Line structure of document text. Lines end at CR LF, a lone CR or a lone
// LF (LF CR is two line ends); a final line end does not start another
// line. CR and LF are never trail bytes, so splitting needs no character walk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The lines of text, without their line ends. "" gives no lines,
// "a\r\n" gives {"a"}, "a\n\rb" gives {"a", "", "b"}.
std::vector<std::string_view> SplitLines(std::string_view text);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string_view>& lines);

// JoinLines(SplitLines(text)) in one pass: every line end becomes CR LF and
// a last line without one gets it. Empty text stays empty.
std::string NormalizeLineEnds(std::string_view text);

// How many LF bytes text holds: the line count of a search that numbers
// lines as grep does. Sixteen bytes at a time where SSE2 is there.
std::size_t CountLineFeeds(std::string_view text);

}  // namespace mw
