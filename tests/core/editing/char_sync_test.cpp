#include "core/editing/char_sync.h"

#include <gtest/gtest.h>

#include <random>

#include "marked_text.h"

namespace mw {
namespace {

// Walking from the nearest byte that cannot be a trail byte must land on
// the same character starts as walking from the start of the text, however
// long the run of lead and trail look-alikes before the position.
TEST(CharSync, BoundaryNearAPositionMatchesAWalkFromTheStart) {
  std::mt19937 rng(3);
  const std::string pieces[] = {test::kTsu, test::kHyo, test::kSo, test::kA, test::kSmallA,
                                "\x83", "\x95", "A", "\\", "<", "\r\n", "\x81\x81"};
  for (int round = 0; round < 50; ++round) {
    std::string t;
    for (int i = 0; i < 80; ++i) t += pieces[rng() % (round < 25 ? std::size(pieces) : 6)];
    for (std::size_t p = 0; p <= t.size(); ++p)
      ASSERT_EQ(CharStartNear(t, p), p == t.size() ? p : CharStartAt(t, p)) << "round " << round << " at " << p;
  }
}

TEST(CharSync, Table) {
  struct Case { std::string name, text; std::size_t pos, start; };
  const Case cases[] = {
      {"trail byte of 表", "a" + test::kHyo, 2, 1},
      {"after a run of look-alikes", test::kSo + test::kHyo + test::kSo, 5, 4},
      {"'<' after a lone lead byte", "\x83<", 1, 1},
      {"start of text", test::kHyo, 0, 0},
      {"end of text", test::kHyo, 2, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CharStartNear(c.text, c.pos), c.start) << c.name;
}

}  // namespace
}  // namespace mw
