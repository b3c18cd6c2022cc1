#include "app/tools/kanji_converter.h"

#include <gtest/gtest.h>

namespace mw {
namespace {
TEST(Kanji, Smoke) { EXPECT_TRUE(KanjiConverterAvailable()); }
}  // namespace
}  // namespace mw
