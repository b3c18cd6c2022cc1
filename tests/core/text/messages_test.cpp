#include "core/text/messages.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "core/text/unicode_view.h"

namespace mw {
namespace {

// Every text can be written in a document: its Shift-JIS form reads back
// as the text itself, so no character was lost or replaced on the way.
TEST(Messages, EveryTextHasAShiftJisForm) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(Msg::Count); ++i) {
    const auto id = static_cast<Msg>(i);
    SCOPED_TRACE(std::string(MessageUtf8(id)));
    EXPECT_FALSE(MessageUtf8(id).empty());
    const SjisFromView sjis = UnicodeViewToSjis(MessageUtf8(id));
    EXPECT_EQ(sjis.badAt, std::string::npos);
    EXPECT_EQ(SjisToUnicodeView(MessageSjis(id)), MessageUtf8(id));
  }
}

TEST(Messages, ShiftJisOfAKnownText) {
  // 単純 = 92 50 8F 83: the first bytes of the direct-insertion notice.
  EXPECT_EQ(MessageSjis(Msg::DirectTagInsertOn).substr(0, 4), "\x92\x50\x8f\x83");
}

TEST(FormatMessage, NumberedArgumentsInAnyOrder) {
  const struct {
    const char* pattern;
    std::initializer_list<std::string_view> args;
    const char* expected;
  } rows[] = {
      {"%1 and %2", {"a", "b"}, "a and b"},
      {"%2%1", {"a", "b"}, "ba"},
      {"100%% of %1", {"x"}, "100% of x"},
      {"%3 missing", {"a"}, " missing"},
      {"trailing %", {}, "trailing %"},
      {"%x stays", {}, "%x stays"},
      // ソ = 83 5C and 表 = 95 5C: a trail byte is never read as markup.
      {"\x83\x5c%1\x95\x5c", {"\x83\x41"}, "\x83\x5c\x83\x41\x95\x5c"},
  };
  for (const auto& r : rows) EXPECT_EQ(FormatMessage(r.pattern, r.args), r.expected) << r.pattern;
}

}  // namespace
}  // namespace mw
