// Converting all of a project's files: every file that can be converted
// is, and each one that cannot is named with its reason in the program's
// words, left as it was.
#include "core/project/convert_files.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "core/text/unicode_view.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

// The program's Shift-JIS text of a UTF-8 literal.
std::string Sjis(std::string_view utf8) { return UnicodeViewToSjis(utf8).bytes; }

TEST(ConvertProjectFiles, GoesOnPastFailuresAndNamesEachWithItsReason) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  test::TempDir dir;
  // テスト in Shift-JIS (83 65 83 58 83 67); F0 40 is a user-defined
  // character, which EUC-JP cannot hold.
  const std::string unwritable = "<P>\x83\x65\x83\x58\x83\x67\r\n\r\n\xF0\x40</P>\r\n";
  // After a UTF-8 signature, FF is no character at all.
  const std::string broken = "\xEF\xBB\xBF<P>\xFF</P>\r\n";
  const std::vector<std::string> entries = {
      dir.Write("a.htm", "<P>\x83\x65\x83\x58\x83\x67</P>\r\n"), dir.Write("user.htm", unwritable),
      dir.Path("gone.htm"), dir.Write("broken.htm", broken), dir.Write("c.htm", "<P>\x95\x5c</P>\r\n")};
  const auto failures = ConvertProjectFiles(entries, "e");
  EXPECT_EQ(failures, (std::vector<ConversionFailure>{
                          {entries[1], Sjis("3行目の文字 U+E000 はEUC-JPで書けません")},
                          {entries[3], Sjis("1行目のバイト FF はUTF-8の文字ではありません")}}));
  // The others are converted, the failed ones untouched; the gone one is
  // not there to convert.
  EXPECT_EQ(ReadFileBytes(entries[0]), "<P>\xA5\xC6\xA5\xB9\xA5\xC8</P>\r\n");
  EXPECT_EQ(ReadFileBytes(entries[4]), "<P>\xC9\xBD</P>\r\n");
  EXPECT_EQ(ReadFileBytes(entries[1]), unwritable);
  EXPECT_EQ(ReadFileBytes(entries[3]), broken);

  EXPECT_EQ(ConversionFailureReport(failures),
            Sjis("次のファイルはコード変換できませんでした（ファイルは元のままです）。\r\n") + entries[1] +
                Sjis(": 3行目の文字 U+E000 はEUC-JPで書けません\r\n") + entries[3] +
                Sjis(": 1行目のバイト FF はUTF-8の文字ではありません"));
}

TEST(ConvertProjectFiles, ReasonsOfFileErrorsAndOthers) {
  EXPECT_EQ(ConversionFailureReason(FileError("/site/a.htm", "Permission denied")),
            Sjis("ファイルを読み書きできません（Permission denied）"));
  EXPECT_EQ(ConversionFailureReason(ConversionError("unknown kanji code option \"x\"")),
            Sjis("変換できません（unknown kanji code option \"x\"）"));
}

// A file named in Japanese is listed as a page spells it (表 = 95 5C).
TEST(ConvertProjectFiles, ReportSpellsJapaneseNamesInShiftJis) {
  const std::string report = ConversionFailureReport({{"/site/表.htm", "x"}});
  EXPECT_EQ(report.substr(report.find("\r\n") + 2), "/site/\x95\x5c.htm: x");
}

}  // namespace
}  // namespace mw
