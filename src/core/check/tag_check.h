// The tag consistency check: one pass over a document's text that reports
// every comment or tag not properly opened, closed or nested, judged by the
// three tag lists. Text in, records out; the result window only formats the
// records and maps a chosen line back to an editor selection.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/tag_lists.h"
#include "core/text/encoding.h"

namespace mw {

// The result window holds at most this many lines; later messages,
// the summary included, are dropped.
inline constexpr std::size_t kMaxCheckMessages = 256;

enum class CheckMessageKind {
  UnclosedTag,             // a '<' inside a tag
  CommentEndWithoutStart,  // "-->" outside a comment
  StrayGreater,            // '>' outside tags and comments
  InvalidName,             // name in no list that applies
  EndTagWithoutStart,      // end tag while nothing is open
  Mismatch,                // end tag name differs from the innermost open one
  ElementLeftOpen,         // still open when the text ends
  CommentLeftOpen,         // comment still open when the text ends
  SummaryClean,
  SummaryProblems,
};

// One line of the result: what, where ([start, end) of the scanned text,
// what a jump selects) and the names or count the wording needs.
struct CheckMessage {
  CheckMessageKind kind = CheckMessageKind::SummaryClean;
  Offset start = 0;
  Offset end = 0;
  std::string name;   // N: the judged (or left-open) name, upper case
  std::string open;   // T: the innermost open name of a mismatch
  int count = 0;      // comments left open
  friend bool operator==(const CheckMessage&, const CheckMessage&) = default;
};

// The line's Shift-JIS text as the result window shows it.
std::string CheckMessageText(const CheckMessage& m);

// The window caption of a run: the application title and the mode.
std::string CheckCaption(std::string_view appTitle, bool checkOmissible);

// Open elements, innermost on top, upper case. A new one for every scan.
// The names are views of the tag lists' own copies (every name pushed is in
// a list), so a page of millions of open elements costs one pointer pair
// each; the lists must not change during the scan.
class TagStack {
 public:
  void Push(std::string_view name) { m_names.push_back(name); }
  // Only on a non-empty stack.
  std::string_view Pop() {
    const std::string_view n = m_names.back();
    m_names.pop_back();
    return n;
  }
  bool Empty() const { return m_names.empty(); }

 private:
  std::vector<std::string_view> m_names;
};

struct CheckMode {
  // Elements whose end tag may be omitted must be closed as well.
  bool checkOmissible = false;
  // The text is what lies before the caret; the innermost open element is
  // taken off the stack (and not reported) for the close-tag command.
  bool caretMode = false;
};

struct CheckResult {
  std::vector<CheckMessage> messages;  // at most kMaxCheckMessages
  std::string innermostOpenTag;        // caret mode only; empty when none
};

// Scans text once from beginning to end. Linear in the text; the stack and
// the message list are the only state.
CheckResult RunTagCheck(std::string_view text, const TagLists& lists, CheckMode mode);

// The upper-case name of the innermost element open at the end of
// beforeCaret, omissible elements ignored; empty when all are closed.
std::string InnermostOpenTag(std::string_view beforeCaret, const TagLists& lists);

// The range a jump to line selects: none for a line that does not exist
// and for the last line (normally the summary).
struct CheckRange {
  Offset start = 0;
  Offset length = 0;
  friend bool operator==(const CheckRange&, const CheckRange&) = default;
};
std::optional<CheckRange> JumpTarget(const CheckResult& result, std::ptrdiff_t line);

}  // namespace mw
