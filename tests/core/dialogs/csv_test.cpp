// CSV as spreadsheets write it, the loose splitting of selected lines, and
// round trips of what the table designer writes.
#include "core/dialogs/csv.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// 表 = 95 5C and ソ = 83 5C: a trail byte that is a backslash.
const std::string kHyo = "\x95\x5c";
const std::string kSo = "\x83\x5c";

using Rows = std::vector<CsvRow>;

TEST(ReadCsv, FieldsAreSeparatedByCommasOnly) {
  const struct {
    const char* name;
    std::string in;
    Rows rows;
  } cases[] = {
      {"two lines", "a,b\r\n1,2,3\r\n", {{"a", "b"}, {"1", "2", "3"}}},
      {"blanks belong to the field", "New York, x \r\n", {{"New York", " x "}}},
      {"quoted comma and quotes", "\"a,b\",\"say \"\"hi\"\"\"", {{"a,b", "say \"hi\""}}},
      {"quoted line break", "\"two\r\nlines\",z\r\nw", {{"two\r\nlines", "z"}, {"w"}}},
      {"empty fields", "a,\r\n,b\r\n,", {{"a", ""}, {"", "b"}, {"", ""}}},
      {"empty line is one empty field", "a\r\n\r\nb", {{"a"}, {""}, {"b"}}},
      {"quoted empty", "\"\"\r\n", {{""}}},
      {"LF and CR ends", "a\nb\rc", {{"a"}, {"b"}, {"c"}}},
      {"nothing", "", {}},
      {"double-byte text", kHyo + "," + kSo + " " + kHyo + "\r\n", {{kHyo, kSo + " " + kHyo}}},
      {"text after a closing quote", "\"a\"b,c", {{"ab", "c"}}},
      {"a lone lead byte before the closing quote", "\"" + kHyo + "\x95\"\"\",x", {{kHyo + "\x95\"", "x"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CsvTable t = ReadCsv(c.in);
    EXPECT_TRUE(t.ok());
    EXPECT_EQ(t.rows, c.rows);
  }
}

TEST(ReadCsv, AnUnclosedQuoteIsAnErrorWithItsLine) {
  const CsvTable t = ReadCsv("a\r\n\"b,c\r\nd");
  EXPECT_EQ(t.error, CsvError::UnclosedQuote);
  EXPECT_EQ(t.errorLine, 2);
  EXPECT_TRUE(t.rows.empty());
}

TEST(WriteCsv, QuotesOnlyWhatNeedsIt) {
  const struct {
    CsvRow fields;
    std::string line;
  } cases[] = {
      {{"a", "b"}, "a,b"},
      {{"New York"}, "\"New York\""},
      {{""}, "\"\""},
      {{"", ""}, ","},
      {{"a\"b", "c,d"}, "\"a\"\"b\",\"c,d\""},
      {{"tab\there"}, "\"tab\there\""},
      {{kHyo + kSo}, kHyo + kSo},
  };
  for (const auto& c : cases) EXPECT_EQ(WriteCsvLine(c.fields), c.line);
  EXPECT_EQ(WriteCsv({{"a"}, {"b", "c"}}), "a\r\nb,c\r\n");
}

TEST(WriteCsv, WhatIsWrittenReadsBackExactly) {
  const Rows rows = {
      {"New York", " lead", "trail ", ""},
      {""},
      {"a,b", "\"quoted\"", "two\r\nlines", "lone\rcr"},
      {kHyo, kSo + "\"" + kHyo, ""},
      // A stray lead byte at a field's end, before its closing quote, its
      // comma and its line end.
      {"a,\x95", "\x95", "b"},
      {"\x95", "\x83"},
  };
  const CsvTable t = ReadCsv(WriteCsv(rows));
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(t.rows, rows);
}

TEST(SplitGridLine, BlanksOrCommasSeparateFields) {
  const struct {
    std::string line;
    CsvRow fields;
  } cases[] = {
      {"x,y", {"x", "y"}},
      {"New York", {"New", "York"}},
      {"a,,b", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"a,", {"a"}},
      {"  a \t b ", {"a", "b"}},
      {"a , b", {"a", "b"}},
      {"\"a b\",c", {"a b", "c"}},
      {"\"say \"\"x\"\"\"", {"say \"x\""}},
      {"\"open", {"open"}},
      {"\"a\"b", {"a", "b"}},
      {"\"" + kHyo + "\x95\"\"\"", {kHyo + "\x95\""}},
      {kHyo + " " + kSo, {kHyo, kSo}},
      {"", {}},
      {std::string("a\0b", 3), {"a", "b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitGridLine(c.line), c.fields) << c.line;
}

TEST(SplitSelectionLines, AFinalLineEndAddsNoLine) {
  using V = std::vector<std::string_view>;
  EXPECT_EQ(SplitSelectionLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitSelectionLines("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitSelectionLines(""), V{});
}

}  // namespace
}  // namespace mw
