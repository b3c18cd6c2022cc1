// Check results written as the author reads them: one line per message,
// its kind and names, then the text with the message's range in braces.
#pragma once

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/tag_check.h"

namespace mw::test {

inline std::string KindWord(const CheckMessage& m) {
  switch (m.kind) {
    case CheckMessageKind::UnclosedTag: return "unclosed";
    case CheckMessageKind::CommentEndWithoutStart: return "comment-end";
    case CheckMessageKind::StrayGreater: return "stray";
    case CheckMessageKind::InvalidName: return "invalid " + m.name;
    case CheckMessageKind::EndTagWithoutStart: return "no-start " + m.name;
    case CheckMessageKind::Mismatch: return "mismatch " + m.open + " " + m.name;
    case CheckMessageKind::ElementLeftOpen: return "open " + m.name;
    case CheckMessageKind::CommentLeftOpen: return "comments " + std::to_string(m.count);
    case CheckMessageKind::SummaryClean: return "clean";
    case CheckMessageKind::SummaryProblems: return "problems";
  }
  return "?";
}

inline std::vector<std::string> Lines(std::string_view text, const CheckResult& r) {
  std::vector<std::string> out;
  for (const auto& m : r.messages) {
    std::string marked(text);
    marked.insert(static_cast<std::size_t>(m.end), "}");
    marked.insert(static_cast<std::size_t>(m.start), "{");
    out.push_back(KindWord(m) + ": " + marked);
  }
  return out;
}

// UTF-8 written in the test to the Shift-JIS the program shows, converted
// by the C library so the expected bytes do not come from our own tables.
inline std::string Sjis(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 conversion");
  std::string in(utf8);
  std::string out(in.size() * 2 + 4, '\0');
  char* ip = in.data();
  char* op = out.data();
  std::size_t il = in.size();
  std::size_t ol = out.size();
  const std::size_t rc = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
  out.resize(out.size() - ol);
  return out;
}

}  // namespace mw::test
