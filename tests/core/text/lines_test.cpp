#include "core/text/lines.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(Lines, SplitAndNormalize) {
  struct Case { std::string in; std::vector<std::string> lines; std::string saved; };
  const Case cases[] = {
      {"", {}, ""},
      {"a", {"a"}, "a\r\n"},
      {"a\r\n", {"a"}, "a\r\n"},
      {"a\r\nb", {"a", "b"}, "a\r\nb\r\n"},
      {"a\rb\nc", {"a", "b", "c"}, "a\r\nb\r\nc\r\n"},
      {"a\n\rb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},  // LF CR: two line ends
      {"\r\n\r\n", {"", ""}, "\r\n\r\n"},
      {"\r", {""}, "\r\n"},
      {std::string("a\0b", 3), {std::string("a\0b", 3)}, std::string("a\0b\r\n", 5)},
      {"\x95\r\n", {"\x95"}, "\x95\r\n"},  // a lone lead byte before CR LF
  };
  for (const auto& c : cases) {
    const auto got = SplitLines(c.in);
    ASSERT_EQ(got.size(), c.lines.size()) << c.in;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], c.lines[i]);
    EXPECT_EQ(JoinLines(got), c.saved);
    EXPECT_EQ(NormalizeLineEnds(c.in), c.saved);
  }
}

TEST(Lines, CountLineFeedsAtEveryLengthAndDensity) {
  // Lengths around the 16-byte blocks and the 255-block sums, all LF (where
  // a byte counter would overflow first) or a few, at odd offsets.
  for (const std::size_t size : {0u, 1u, 15u, 16u, 17u, 4079u, 4080u, 4081u, 9000u}) {
    for (const int every : {1, 7, 1000}) {
      std::string text(size, '\x83');
      std::size_t expected = 0;
      for (std::size_t i = 3 % (size + 1); i < size; i += every, ++expected) text[i] = '\n';
      EXPECT_EQ(CountLineFeeds(std::string_view(text).substr(0)), expected) << size << " every " << every;
      if (size > 1) {
        EXPECT_EQ(CountLineFeeds(std::string_view(text).substr(1)), expected - (text[0] == '\n'));
      }
    }
  }
}

}  // namespace
}  // namespace mw
