#include "core/app/document_file.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace mw {
namespace {

namespace fs = std::filesystem;

class DocumentFile : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return m_tmp.Path(name); }
  std::size_t EntryCount() const { return m_tmp.EntryCount(); }
  test::TempDir m_tmp;
  const fs::path& m_dir = m_tmp.dir();
};

// Every one- and two-byte sequence, odd code points included, survives a
// save and a read unchanged when lines already end in CR LF.
TEST_F(DocumentFile, RoundTripIsByteExact) {
  std::string text;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; b += 1) {
      if (a == '\r' || a == '\n' || b == '\r' || b == '\n') continue;
      text += static_cast<char>(a);
      text += static_cast<char>(b);
    }
    text += "\r\n";
  }
  // Half-width katakana, NEC and IBM duplicates, trail bytes \ { }.
  text += "\xB1\xDE\x87\x90\xED\x40\xFA\x4A\x95\x5C\x83\x7B\x83\x7D\r\n";
  const std::string p = Path("all.html");
  SaveDocumentFile(p, text);
  EXPECT_EQ(ReadFileBytes(p), text);

  std::mt19937 rng(7);
  std::string random(100000, '\0');
  for (auto& c : random) {
    c = static_cast<char>(rng());
    if (c == '\r' || c == '\n') c = 'x';
  }
  random += "\r\n";
  SaveDocumentFile(p, random);
  EXPECT_EQ(ReadFileBytes(p), random);
}

TEST_F(DocumentFile, SavingNormalizesLineEnds) {
  const std::string p = Path("a.txt");
  SaveDocumentFile(p, "a\rb\nc\n\rd");
  EXPECT_EQ(ReadFileBytes(p), "a\r\nb\r\nc\r\n\r\nd\r\n");
  SaveDocumentFile(p, "");
  EXPECT_EQ(ReadFileBytes(p), "");
}

TEST_F(DocumentFile, ReplacingKeepsPermissionsAndLeavesNoTemporary) {
  const std::string p = Path("page.html");
  WriteFileAtomic(p, "old");
  ::chmod(p.c_str(), 0640);
  WriteFileAtomic(p, "new");
  EXPECT_EQ(ReadFileBytes(p), "new");
  struct stat st {};
  ASSERT_EQ(::stat(p.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(DocumentFile, SaveThroughLinkKeepsLink) {
  const std::string real = Path("real.html"), link = Path("link.html");
  WriteFileAtomic(real, "one");
  fs::create_symlink(real, link);
  WriteFileAtomic(link, "two");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), "two");
}

TEST_F(DocumentFile, FailedSaveKeepsOriginal) {
  if (::geteuid() == 0) {
    // Root ignores folder permissions; a missing folder fails for everyone.
    EXPECT_THROW(WriteFileAtomic(Path("no/such/folder.html"), "x"), FileError);
    return;
  }
  const std::string p = Path("keep.html");
  WriteFileAtomic(p, "original");
  fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(WriteFileAtomic(p, "changed"), FileError);
  fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(ReadFileBytes(p), "original");
  EXPECT_EQ(EntryCount(), 1u);
}

// A write that fails half-way (here: the file size limit, as a full disk
// would) is reported and leaves the original and no temporary behind.
TEST_F(DocumentFile, FailedWriteKeepsOriginal) {
  const std::string p = Path("big.html");
  WriteFileAtomic(p, "original");
  {
    test::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    EXPECT_THROW(WriteFileAtomic(p, std::string(100000, 'x')), FileError);
  }
  EXPECT_EQ(ReadFileBytes(p), "original");
  EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(DocumentFile, DevicesAreWrittenIntoNotReplaced) {
  const std::string fifo = Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] { got = ReadFileBytes(fifo); });
  WriteFileAtomic(fifo, "through the pipe");
  reader.join();
  EXPECT_EQ(got, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(fifo));
  WriteFileAtomic("/dev/null", "x");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(DocumentFile, ReadErrorsNameTheFile) {
  try {
    ReadFileBytes(Path("missing.html"));
    FAIL();
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.html"), std::string::npos);
  }
  EXPECT_THROW(ReadFileBytes(m_dir.string()), FileError);
}

}  // namespace
}  // namespace mw
