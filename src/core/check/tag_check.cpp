#include "core/check/tag_check.h"

#include <cstring>
#include <initializer_list>

#include "core/text/messages.h"

namespace mw {
namespace {

// --- The scan ----------------------------------------------------------------

// The bytes the scan looks for are all below 0x40, so none can be the
// second byte of a double-byte character and the scan needs no lead-byte
// tracking; only the upper-casing of names must respect double-byte
// characters.
class Scanner {
 public:
  Scanner(std::string_view text, const TagLists& lists, CheckMode mode)
      : m_text(text), m_lists(lists), m_mode(mode) {}

  CheckResult Run() {
    const std::size_t depth = Scan();
    const auto len = static_cast<Offset>(m_text.size());
    m_tagStart = m_tagEnd = len;
    if (m_mode.caretMode && !m_stack.Empty()) m_result.innermostOpenTag = m_stack.Pop();
    while (!m_stack.Empty()) Add({CheckMessageKind::ElementLeftOpen, 0, 0, std::string(m_stack.Pop()), {}, 0});
    if (depth > 0) Add({CheckMessageKind::CommentLeftOpen, 0, 0, {}, {}, static_cast<int>(depth)});
    Add({m_result.messages.empty() ? CheckMessageKind::SummaryClean : CheckMessageKind::SummaryProblems,
         0, 0, {}, {}, 0});
    return std::move(m_result);
  }

 private:
  // Returns the comment depth at the end of the text (0 or 1).
  std::size_t Scan() {
    const std::string_view t = m_text;
    const std::size_t n = t.size();
    std::size_t depth = 0;
    std::size_t p = 0;
    while (p < n) {
      if (depth > 0) {
        // A comment ends at the first "-->" after its "<!", whose own
        // dashes may count: "<!-->" is a whole comment.
        while (depth > 0 && p < n) {
          const void* gt = std::memchr(t.data() + p, '>', n - p);
          if (gt == nullptr) return depth;
          p = static_cast<std::size_t>(static_cast<const char*>(gt) - t.data());
          if (p >= 2 && t[p - 1] == '-' && t[p - 2] == '-') --depth;
          ++p;
        }
        continue;
      }
      const char c = t[p];
      if (c == '<') {
        if (t.substr(p + 1, 3) == "!--") {
          ++depth;
          ++p;
          continue;
        }
        if (!Tag(p)) return depth;
        continue;
      }
      if (c == '>') {
        const bool commentEnd = p >= 2 && t[p - 1] == '-' && t[p - 2] == '-';
        m_tagStart = commentEnd ? static_cast<Offset>(p) - 2 : static_cast<Offset>(p);
        m_tagEnd = static_cast<Offset>(p) + 1;
        Add({commentEnd ? CheckMessageKind::CommentEndWithoutStart : CheckMessageKind::StrayGreater, 0, 0,
             {}, {}, 0});
      }
      ++p;
    }
    return depth;
  }

  // The tag whose '<' is at p. Leaves p after its '>'; false when the text
  // ends inside the tag.
  bool Tag(std::size_t& p) {
    const std::string_view t = m_text;
    const std::size_t n = t.size();
    m_tagStart = static_cast<Offset>(p);
    ++p;
    while (p < n && t[p] == ' ') ++p;
    const std::size_t nameStart = p;
    for (; p < n; ++p) {
      const char c = t[p];
      if (c == ' ' || c == '>' || c == '\r' || c == '\n') break;
      if (c == '<') Unclosed(p);  // it stays part of the name
    }
    const std::string_view name = t.substr(nameStart, p - nameStart);
    for (; p < n && t[p] != '>'; ++p)
      if (t[p] == '<') Unclosed(p);
    const bool closed = p < n;
    if (closed) ++p;
    m_tagEnd = static_cast<Offset>(p);
    Judge(name);
    return closed;
  }

  void Unclosed(std::size_t lt) {
    m_tagEnd = static_cast<Offset>(lt) + 1;
    Add({CheckMessageKind::UnclosedTag, 0, 0, {}, {}, 0});
  }

  void Judge(std::string_view name) {
    std::string u = AsciiUpper(name);
    if (u.starts_with('/')) {
      u.erase(0, 1);
      const std::string* twin = m_lists.twin.FindUpper(u);
      const std::string* omissible = m_lists.omissible.FindUpper(u);
      if (twin != nullptr || (m_mode.checkOmissible && omissible != nullptr)) {
        if (m_stack.Empty()) {
          Add({CheckMessageKind::EndTagWithoutStart, 0, 0, std::move(u), {}, 0});
        } else {
          const std::string_view top = m_stack.Pop();
          if (top != u) Add({CheckMessageKind::Mismatch, 0, 0, std::move(u), std::string(top), 0});
        }
      } else if (omissible == nullptr) {
        Add({CheckMessageKind::InvalidName, 0, 0, std::move(u), {}, 0});
      }
      return;
    }
    if (m_lists.single.ContainsUpper(u)) return;
    if (const std::string* twin = m_lists.twin.FindUpper(u)) {
      m_stack.Push(*twin);
    } else if (const std::string* omissible = m_lists.omissible.FindUpper(u)) {
      if (m_mode.checkOmissible) m_stack.Push(*omissible);
    } else {
      Add({CheckMessageKind::InvalidName, 0, 0, std::move(u), {}, 0});
    }
  }

  // Every message takes the range of the construct being judged.
  void Add(CheckMessage m) {
    if (m_result.messages.size() >= kMaxCheckMessages) return;
    m.start = m_tagStart;
    m.end = m_tagEnd;
    m_result.messages.push_back(std::move(m));
  }

  std::string_view m_text;
  const TagLists& m_lists;
  CheckMode m_mode;
  TagStack m_stack;
  CheckResult m_result;
  Offset m_tagStart = 0;
  Offset m_tagEnd = 0;
};

}  // namespace

// Each kind is one text of the table; the record holds its arguments.
std::string CheckMessageText(const CheckMessage& m) {
  const auto text = [](Msg id, std::initializer_list<std::string_view> args = {}) {
    return FormatMessage(MessageSjis(id), args);
  };
  switch (m.kind) {
    case CheckMessageKind::UnclosedTag: return text(Msg::CheckUnclosedTag);
    case CheckMessageKind::CommentEndWithoutStart: return text(Msg::CheckCommentEndWithoutStart);
    case CheckMessageKind::StrayGreater: return text(Msg::CheckStrayGreater);
    case CheckMessageKind::InvalidName: return text(Msg::CheckInvalidName, {m.name});
    case CheckMessageKind::EndTagWithoutStart: return text(Msg::CheckEndTagWithoutStart, {m.name});
    case CheckMessageKind::Mismatch: return text(Msg::CheckMismatch, {m.open, m.name});
    case CheckMessageKind::ElementLeftOpen: return text(Msg::CheckElementLeftOpen, {m.name});
    case CheckMessageKind::CommentLeftOpen: return text(Msg::CheckCommentLeftOpen, {std::to_string(m.count)});
    case CheckMessageKind::SummaryClean: return text(Msg::CheckSummaryClean);
    case CheckMessageKind::SummaryProblems: return text(Msg::CheckSummaryProblems);
  }
  return {};
}

std::string CheckCaption(std::string_view appTitle, bool checkOmissible) {
  const Msg mode = checkOmissible ? Msg::CheckCaptionWithOmissible : Msg::CheckCaptionWithoutOmissible;
  return FormatMessage(MessageSjis(mode), {appTitle});
}

CheckResult RunTagCheck(std::string_view text, const TagLists& lists, CheckMode mode) {
  return Scanner(text, lists, mode).Run();
}

std::string InnermostOpenTag(std::string_view beforeCaret, const TagLists& lists) {
  return RunTagCheck(beforeCaret, lists, {.checkOmissible = false, .caretMode = true}).innermostOpenTag;
}

std::optional<CheckRange> JumpTarget(const CheckResult& result, std::ptrdiff_t line) {
  const auto count = static_cast<std::ptrdiff_t>(result.messages.size());
  if (line < 0 || line >= count - 1) return std::nullopt;
  const CheckMessage& m = result.messages[static_cast<std::size_t>(line)];
  return CheckRange{m.start, m.end - m.start};
}

}  // namespace mw
