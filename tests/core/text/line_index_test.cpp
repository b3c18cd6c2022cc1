#include "core/text/line_index.h"

#include <gtest/gtest.h>

#include <random>

namespace mw {
namespace {

std::vector<Offset> StartsFromScratch(std::string_view t) {
  std::vector<Offset> v{0};
  for (Offset q = 1; q <= static_cast<Offset>(t.size()); ++q)
    if (IsLineStart(t, q)) v.push_back(q);
  return v;
}

// Edits that make, split and join line ends: each row replaces [pos, pos +
// removed) by the inserted text, and the kept-up index must equal a fresh
// one. CR LF is one line end, LF CR two.
TEST(LineStartIndex, EditsKeepTheStartsOfAFreshIndex) {
  struct Row { const char* name; std::string text; Offset pos, removed; std::string inserted; };
  const Row rows[] = {
      {"LF between CR and LF", "a\r\nb", 2, 0, "\n"},
      {"text between CR and LF splits them", "a\r\nb", 2, 0, "x"},
      {"LF deleted after CR", "a\r\nb\r\n", 2, 1, ""},
      {"CR deleted before LF", "a\r\nb", 1, 1, ""},
      {"CR typed before LF", "a\nb", 1, 0, "\r"},
      {"LF typed after CR", "a\rb", 2, 0, "\n"},
      {"LF CR is two line ends", "ab", 1, 0, "\n\r"},
      {"everything replaced", "a\r\nb\rc\n", 0, 7, "\r\n\r\n"},
      {"line end at the very end", "ab", 2, 0, "\r\n"},
      {"trail bytes next to the change (\x83\x5C \x95\x5C)", "\x83\x5C\r\n\x95\x5C", 2, 2, "\n\x83\x41\r"},
  };
  for (const auto& r : rows) {
    LineStartIndex index;
    index.Rebuild(r.text);
    std::string t = r.text;
    t.replace(static_cast<std::size_t>(r.pos), static_cast<std::size_t>(r.removed), r.inserted);
    index.Update(t, r.pos, r.removed, static_cast<Offset>(r.inserted.size()));
    EXPECT_EQ(index.Starts(), StartsFromScratch(t)) << r.name;
  }
}

TEST(LineStartIndex, RandomEditsKeepTheStartsOfAFreshIndex) {
  std::mt19937 rng(5);
  const std::string pieces[] = {"\r", "\n", "\r\n", "a", "\x83\x5C", "<p>"};
  std::string t;
  LineStartIndex index;
  index.Rebuild(t);
  for (int round = 0; round < 2000; ++round) {
    const auto pos = static_cast<Offset>(rng() % (t.size() + 1));
    const auto removed = std::min<Offset>(static_cast<Offset>(rng() % 4), static_cast<Offset>(t.size()) - pos);
    std::string inserted;
    for (unsigned k = rng() % 3; k > 0; --k) inserted += pieces[rng() % std::size(pieces)];
    t.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(removed), inserted);
    index.Update(t, pos, removed, static_cast<Offset>(inserted.size()));
    ASSERT_EQ(index.Starts(), StartsFromScratch(t)) << "round " << round;
  }
}

TEST(LineStartIndex, LineOfAnOffsetAndStartOfALine) {
  LineStartIndex index;
  const std::string t = "ab\r\n\r\nc\rd\n";
  index.Rebuild(t);
  ASSERT_EQ(index.Starts(), (std::vector<Offset>{0, 4, 6, 8, 10}));
  EXPECT_EQ(index.Count(), 5);  // the empty last line counts
  EXPECT_EQ(index.LastStart(), 10);
  struct Case { Offset p, line; };
  const Case cases[] = {{0, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 1}, {6, 2}, {8, 3}, {10, 4}, {99, 4}};
  for (const auto& c : cases) EXPECT_EQ(index.LineOf(c.p), c.line) << c.p;
  EXPECT_EQ(index.Start(3), 8);
}

}  // namespace
}  // namespace mw
