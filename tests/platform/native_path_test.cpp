// File names as bytes: Shift-JIS and other non-UTF-8 names survive the
// trip through a QString, UTF-8 ones decode as Qt decodes them.
#include "platform/app/native_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "platform/app/single_instance.h"
#include "support/temp_dir.h"

namespace mw::platform {
namespace {

TEST(NativePath, EveryNameRoundTripsAndUtf8StaysText) {
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"ascii", "/w/index.html"},
      {"utf-8 表", "/w/\xe8\xa1\xa8.html"},
      {"shift-jis 表ソ (trail bytes \\ and \\)", "/w/\x95\x5c\x83\x5c.html"},
      {"shift-jis half-width kana", "/w/\xb1\xb2.html"},
      {"lone lead byte at the end", "/w/a\x82"},
      {"overlong slash", "/w/\xc0\xaf"},
      {"encoded surrogate", "/w/\xed\xa0\x80"},
      {"beyond U+10FFFF", "/w/\xf4\x90\x80\x80"},
      {"four-byte character then a stray byte", "/w/\xf0\x90\x82\x80\x82"},
      {"every high byte", [] {
         QByteArray all;
         for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
         return all;
       }()},
  };
  for (const auto& c : cases) {
    const QString text = PathFromNative(c.bytes);
    EXPECT_EQ(NativePath(text), c.bytes) << c.name;
    if (!QString::fromUtf8(c.bytes).contains(QChar::ReplacementCharacter)) {
      EXPECT_EQ(text, QString::fromUtf8(c.bytes)) << c.name;
    }
  }
  // A character beyond the BMP whose low half lies in the escape range
  // (U+10080 = D800 DC80) is a character, not a byte.
  EXPECT_EQ(NativePath(QString::fromUtf8("\xf0\x90\x82\x80")), QByteArray("\xf0\x90\x82\x80"));
}

TEST(NativePath, ShownPathReadsShiftJisPartsAsJapanese) {
  const struct {
    QByteArray bytes;
    QString shown;
  } cases[] = {
      {"/w/index.html", "/w/index.html"},
      {"/\xe8\xa1\xa8/\x95\x5c\x83\x5c.html", QString::fromUtf8("/表/表ソ.html")},  // a UTF-8 folder, a Shift-JIS file
      {"/w/\xb1\xb2.html", QString::fromUtf8("/w/ｱｲ.html")},
      {"/w/a\x82", QString::fromUtf8("/w/a") + QChar::ReplacementCharacter},  // no Shift-JIS either
  };
  for (const auto& c : cases) EXPECT_EQ(ShownPath(PathFromNative(c.bytes)), c.shown) << c.bytes.toStdString();
}

// The program's arguments: a Shift-JIS name is made absolute and still
// names the file on disk.
TEST(NativePath, ArgumentsKeepTheirBytesAndStillNameTheFile) {
  test::TempDir dir;
  const std::string sjis = "\x95\x5c\x83\x5c.html";  // 表ソ.html
  const std::string file = dir.Write(sjis, "x");
  const std::string cwd = QDir::currentPath().toStdString();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.dir().string())));
  const char* argv[] = {"markupwright", sjis.c_str(), "", nullptr};
  const QStringList paths = AbsolutePaths(NativeArguments(3, argv));
  QDir::setCurrent(QString::fromStdString(cwd));
  ASSERT_EQ(paths.size(), 1);
  EXPECT_EQ(NativePathString(paths[0]), file);
  EXPECT_TRUE(IsNativeFile(paths[0]));
  EXPECT_FALSE(QFileInfo(QFile::decodeName(QByteArray::fromStdString(file))).isFile()) << "Qt's own decoding";
  EXPECT_FALSE(IsNativeFile(PathFromNative(dir.dir().string())));  // a folder
}

}  // namespace
}  // namespace mw::platform
