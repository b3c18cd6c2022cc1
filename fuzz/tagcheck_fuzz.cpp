// The tag checker and its lists.
//
// Lists of any bytes read back the same from the file written for them,
// and find every name they hold in either letter case. A page of any bytes,
// judged by such lists or the built-in ones, gives at most the window's
// lines, each selecting whole characters of the page. A page built of
// properly nested elements is clean in both modes, and the close-tag
// command finds the innermost element open at any point of it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/check/tag_check.h"
#include "core/check/tag_lists.h"
#include "core/text/encoding.h"
#include "fuzz_support.h"

namespace {

using namespace mw;
using mw::fuzz::Check;

TagList CheckedList(std::string_view file, std::string_view extra) {
  TagList list = TagList::FromFileText(file);
  Check(TagList::FromFileText(list.FileText()).Names() == list.Names());
  for (const std::string& n : list.Names()) Check(list.Contains(n) && list.Contains(AsciiLower(n)));
  if (!extra.empty() && extra.find_first_of("\r\n") == std::string_view::npos) {
    const bool had = list.Contains(extra);
    Check(list.Add(extra) == !had && list.Contains(extra));
    TagList copy = list;
    while (copy.Remove(extra)) {
    }
    Check(!copy.Contains(extra));
  }
  return list;
}

void CheckResultShape(std::string_view text, const CheckResult& r) {
  Check(!r.messages.empty() && r.messages.size() <= kMaxCheckMessages);
  for (const CheckMessage& m : r.messages) {
    Check(m.start <= m.end && IsCharBoundary(text, m.start) && IsCharBoundary(text, m.end));
    (void)CheckMessageText(m);
  }
  for (std::ptrdiff_t line = -1; line <= static_cast<std::ptrdiff_t>(r.messages.size()); ++line)
    if (const auto j = JumpTarget(r, line))
      Check(j->start >= 0 && j->length >= 0 && j->start + j->length <= static_cast<Offset>(text.size()));
}

void CheckAnyPage(std::string_view text, const TagLists& lists) {
  for (const bool omissible : {false, true}) CheckResultShape(text, RunTagCheck(text, lists, {omissible, false}));
  const CheckResult caret = RunTagCheck(text, lists, {false, true});
  CheckResultShape(text, caret);
  Check(caret.innermostOpenTag == InnermostOpenTag(text, lists));
}

// A nested page: elements that need their end tag, single ones, comments
// and text with double-byte characters whose second byte is markup-like.
void CheckNestedPage(FuzzedDataProvider& in) {
  static const TagLists lists = BuiltInTagLists();
  static const std::vector<std::string> twins = [] {
    std::vector<std::string> v;
    for (const std::string& n : lists.twin.Names())
      if (!lists.single.Contains(n) && !lists.omissible.Contains(n)) v.push_back(n);
    return v;
  }();
  static const char* const kText[] = {"a", " ", "\r\n", "\x95\x5C", "\x83\x63", "\x83\x5C", "=", "\"",
                                      "'", "&amp;", "/", "\t", "x y"};
  static const char* const kAttributes[] = {"", " CLASS=\"a b\"", " WIDTH=50", " TITLE=\"\x95\x5C\"", " NOWRAP",
                                            "\r\nID=x"};
  static const char* const kSingles[] = {"BR", "hr", "IMG SRC=\"a.gif\"", "!DOCTYPE HTML"};
  auto name = [&](const std::string& n) {
    std::string s = n;
    for (char& c : s)
      if (in.ConsumeBool()) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  std::string page;
  std::vector<std::string> open;
  std::size_t cut = 0;
  std::string openAtCut;
  for (int steps = 0; steps < 200 && in.remaining_bytes() > 0; ++steps) {
    switch (in.ConsumeIntegralInRange(0, 5)) {
      case 0:
        open.push_back(twins[in.ConsumeIntegralInRange<std::size_t>(0, twins.size() - 1)]);
        page += "<" + name(open.back()) + kAttributes[in.ConsumeIntegralInRange<std::size_t>(0, 5)] + ">";
        break;
      case 1:
        if (!open.empty()) {
          page += "</" + name(open.back()) + ">";
          open.pop_back();
        }
        break;
      case 2: page += kText[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kText) - 1)]; break;
      case 3: page += "<" + std::string(kSingles[in.ConsumeIntegralInRange<std::size_t>(0, 3)]) + ">"; break;
      case 4: page += "<!-- \x95\x5C a -->"; break;
      case 5:
        cut = page.size();
        openAtCut = open.empty() ? "" : open.back();
        break;
    }
  }
  while (!open.empty()) {
    page += "</" + open.back() + ">";
    open.pop_back();
  }
  for (const bool omissible : {false, true}) {
    const CheckResult r = RunTagCheck(page, lists, {omissible, false});
    Check(r.messages.size() == 1 && r.messages[0].kind == CheckMessageKind::SummaryClean);
  }
  Check(InnermostOpenTag(std::string_view(page).substr(0, cut), lists) == AsciiUpper(openAtCut));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // Pages as they are, judged by the built-in lists.
  static const TagLists builtIn = BuiltInTagLists();
  CheckAnyPage(bytes, builtIn);

  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) {
    // Lists of the input's own making, then a page judged by them.
    TagLists lists;
    lists.twin = CheckedList(in.ConsumeRandomLengthString(200), in.ConsumeRandomLengthString(8));
    lists.omissible = CheckedList(in.ConsumeRandomLengthString(100), in.ConsumeRandomLengthString(8));
    lists.single = CheckedList(in.ConsumeRandomLengthString(100), in.ConsumeRandomLengthString(8));
    CheckAnyPage(in.ConsumeRemainingBytesAsString(), lists);
  } else {
    CheckNestedPage(in);
  }
  return 0;
}
