#include "core/check/tag_check.h"

#include <cstring>

namespace mw {
namespace {

// --- Wording -------------------------------------------------------------

// "タグを>で閉じなければなりません"
constexpr std::string_view kUnclosedTag =
    "\x83\x5e\x83\x4f\x82\xf0\x3e\x82\xc5\x95\xc2\x82\xb6\x82\xc8\x82\xaf\x82\xea\x82\xce\x82\xc8"
    "\x82\xe8\x82\xdc\x82\xb9\x82\xf1";
// "コメントの前方タグがありません"
constexpr std::string_view kCommentEndWithoutStart =
    "\x83\x52\x83\x81\x83\x93\x83\x67\x82\xcc\x91\x4f\x95\xfb\x83\x5e\x83\x4f\x82\xaa\x82\xa0\x82\xe8"
    "\x82\xdc\x82\xb9\x82\xf1";
// "前方の<がありません"
constexpr std::string_view kStrayGreater = "\x91\x4f\x95\xfb\x82\xcc\x3c\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1";
// N + "が不正です"
constexpr std::string_view kInvalidNameTail = "\x82\xaa\x95\x73\x90\xb3\x82\xc5\x82\xb7";
// "前方タグ<" + N + ">がみつかりません。"
constexpr std::string_view kNoStartHead = "\x91\x4f\x95\xfb\x83\x5e\x83\x4f\x3c";
constexpr std::string_view kNoStartTail = "\x3e\x82\xaa\x82\xdd\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "<" + T + ">が閉じられていないか、</" + N + ">が不適切です。"
constexpr std::string_view kMismatchMiddle =
    "\x3e\x82\xaa\x95\xc2\x82\xb6\x82\xe7\x82\xea\x82\xc4\x82\xa2\x82\xc8\x82\xa2\x82\xa9\x81\x41\x3c\x2f";
constexpr std::string_view kMismatchTail = "\x3e\x82\xaa\x95\x73\x93\x4b\x90\xd8\x82\xc5\x82\xb7\x81\x42";
// "<" + N + ">が閉じられていません。"
constexpr std::string_view kLeftOpenTail =
    "\x3e\x82\xaa\x95\xc2\x82\xb6\x82\xe7\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "コメントが" + count + "個閉じられていません"
constexpr std::string_view kCommentOpenHead = "\x83\x52\x83\x81\x83\x93\x83\x67\x82\xaa";
constexpr std::string_view kCommentOpenTail =
    "\x8c\xc2\x95\xc2\x82\xb6\x82\xe7\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1";
// "チェック完了！タグの不整合はありません。"
constexpr std::string_view kSummaryClean =
    "\x83\x60\x83\x46\x83\x62\x83\x4e\x8a\xae\x97\xb9\x81\x49\x83\x5e\x83\x4f\x82\xcc\x95\x73\x90\xae"
    "\x8d\x87\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "チェック完了！タグの不整合を検出しました。"
constexpr std::string_view kSummaryProblems =
    "\x83\x60\x83\x46\x83\x62\x83\x4e\x8a\xae\x97\xb9\x81\x49\x83\x5e\x83\x4f\x82\xcc\x95\x73\x90\xae"
    "\x8d\x87\x82\xf0\x8c\x9f\x8f\x6f\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42";
// " のタグチェック： 省略可能後方タグが閉じている事も検査した結果"
constexpr std::string_view kCaptionChecking =
    "\x20\x82\xcc\x83\x5e\x83\x4f\x83\x60\x83\x46\x83\x62\x83\x4e\x81\x46\x20\x8f\xc8\x97\xaa\x89\xc2"
    "\x94\x5c\x8c\xe3\x95\xfb\x83\x5e\x83\x4f\x82\xaa\x95\xc2\x82\xb6\x82\xc4\x82\xa2\x82\xe9\x8e\x96"
    "\x82\xe0\x8c\x9f\x8d\xb8\x82\xb5\x82\xbd\x8c\x8b\x89\xca";
// " のタグチェック： 省略可能後方タグを無視した結果"
constexpr std::string_view kCaptionIgnoring =
    "\x20\x82\xcc\x83\x5e\x83\x4f\x83\x60\x83\x46\x83\x62\x83\x4e\x81\x46\x20\x8f\xc8\x97\xaa\x89\xc2"
    "\x94\x5c\x8c\xe3\x95\xfb\x83\x5e\x83\x4f\x82\xf0\x96\xb3\x8e\x8b\x82\xb5\x82\xbd\x8c\x8b\x89\xca";

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

std::string CheckMessageText(const CheckMessage& m) {
  std::string s;
  switch (m.kind) {
    case CheckMessageKind::UnclosedTag: return std::string(kUnclosedTag);
    case CheckMessageKind::CommentEndWithoutStart: return std::string(kCommentEndWithoutStart);
    case CheckMessageKind::StrayGreater: return std::string(kStrayGreater);
    case CheckMessageKind::InvalidName: return s.append(m.name).append(kInvalidNameTail);
    case CheckMessageKind::EndTagWithoutStart:
      return s.append(kNoStartHead).append(m.name).append(kNoStartTail);
    case CheckMessageKind::Mismatch:
      return s.append("<").append(m.open).append(kMismatchMiddle).append(m.name).append(kMismatchTail);
    case CheckMessageKind::ElementLeftOpen: return s.append("<").append(m.name).append(kLeftOpenTail);
    case CheckMessageKind::CommentLeftOpen:
      return s.append(kCommentOpenHead).append(std::to_string(m.count)).append(kCommentOpenTail);
    case CheckMessageKind::SummaryClean: return std::string(kSummaryClean);
    case CheckMessageKind::SummaryProblems: return std::string(kSummaryProblems);
  }
  return s;
}

std::string CheckCaption(std::string_view appTitle, bool checkOmissible) {
  return std::string(appTitle).append(checkOmissible ? kCaptionChecking : kCaptionIgnoring);
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
