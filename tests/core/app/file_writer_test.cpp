// Saving keeps the file what it was: owner, group, mode, attributes, hard
// links and symbolic links, and cleans up after a save that was killed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "support/other_user.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

class FileWriter : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return m_tmp.Path(name); }
  test::TempDir m_tmp;
};

// A file with a second name stays one file: both names show the new text.
TEST_F(FileWriter, HardLinkedFileIsWrittenInPlace) {
  const std::string a = m_tmp.Write("a.html", "old text"), b = Path("b.html");
  ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
  const ino_t inode = StatOf(a).st_ino;
  WriteFileAtomic(a, "new");
  EXPECT_EQ(ReadFileBytes(b), "new");
  EXPECT_EQ(StatOf(a).st_ino, inode);
  EXPECT_EQ(StatOf(a).st_nlink, 2u);
  EXPECT_EQ(m_tmp.EntryCount(), 2u);  // no temporary left
}

// Writing in place first puts the whole text in a temporary copy; when
// that fails (here: the file size limit, as a full disk would), the
// original is untouched and the copy is gone.
TEST_F(FileWriter, FailedInPlaceWriteKeepsOriginal) {
  const std::string a = m_tmp.Write("a.html", "original"), b = Path("b.html");
  ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
  {
    test::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.ok());
    EXPECT_THROW(WriteFileAtomic(a, std::string(100000, 'x')), FileError);
  }
  EXPECT_EQ(ReadFileBytes(b), "original");
  EXPECT_EQ(m_tmp.EntryCount(), 2u);
}

// A link given as the file to write (a page, --out) stays a link, however
// it points: absolute, relative, through another link, or at a file that
// does not exist yet.
TEST_F(FileWriter, LinksAreWrittenThroughToTheirTargets) {
  fs::create_directory(m_tmp.dir() / "real");
  const std::string target = m_tmp.Write("real/page.html", "one");
  fs::create_symlink("real/page.html", Path("relative.html"));
  fs::create_symlink(Path("relative.html"), Path("chain.html"));
  fs::create_symlink("real/new.html", Path("dangling.html"));
  WriteFileAtomic(Path("chain.html"), "two");
  EXPECT_EQ(ReadFileBytes(target), "two");
  WriteFileAtomic(Path("dangling.html"), "three");
  EXPECT_EQ(ReadFileBytes(Path("real/new.html")), "three");
  for (const char* link : {"relative.html", "chain.html", "dangling.html"})
    EXPECT_TRUE(fs::is_symlink(Path(link))) << link;
}

TEST_F(FileWriter, ModeAndExtendedAttributesAreKept) {
  const std::string p = m_tmp.Write("page.html", "old");
  ASSERT_EQ(::chmod(p.c_str(), 02751), 0);
  const bool attributes = ::setxattr(p.c_str(), "user.note", "kept", 4, 0) == 0;
  WriteFileAtomic(p, "new");
  EXPECT_EQ(StatOf(p).st_mode & 07777, 02751u);
  if (!attributes) GTEST_SKIP() << "this file system takes no user attributes";
  char value[16] = {};
  EXPECT_EQ(::getxattr(p.c_str(), "user.note", value, sizeof value), 4);
  EXPECT_STREQ(value, "kept");
}

// Root saving another user's page leaves it theirs.
TEST_F(FileWriter, OwnerAndGroupAreKeptWhenRootSaves) {
  const auto other = test::UnprivilegedUser();
  if (!other) GTEST_SKIP() << "needs root to make a file of another user";
  const std::string p = m_tmp.Write("theirs.html", "old");
  ASSERT_EQ(::chown(p.c_str(), other->uid, other->gid), 0);
  ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
  WriteFileAtomic(p, "new");
  const struct stat st = StatOf(p);
  EXPECT_EQ(st.st_uid, other->uid);
  EXPECT_EQ(st.st_gid, other->gid);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadFileBytes(p), "new");
}

// A user who may write a file but cannot give a copy its owner writes the
// file in place: owner and inode stay. A folder that takes no new file
// does not stop a save of a writable file either.
TEST_F(FileWriter, AFileOfAnotherOwnerIsWrittenInPlace) {
  const auto other = test::UnprivilegedUser();
  if (!other) GTEST_SKIP() << "needs root to make a file of another user";
  const std::string shared = m_tmp.Write("shared.html", "old");
  fs::create_directory(m_tmp.dir() / "locked");
  const std::string locked = m_tmp.Write("locked/page.html", "old");
  ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);
  ASSERT_EQ(::chmod(m_tmp.dir().c_str(), 0777), 0);
  test::GiveTo(m_tmp.dir() / "locked", *other);
  ASSERT_EQ(::chmod((m_tmp.dir() / "locked").c_str(), 0555), 0);
  const ino_t inode = StatOf(shared).st_ino;
  EXPECT_TRUE(test::RunAsUser(*other, [&] {
    try {
      WriteFileAtomic(shared, "by another user");
      WriteFileAtomic(locked, "in a locked folder");
      return true;
    } catch (const FileError&) {
      return false;
    }
  }));
  EXPECT_EQ(ReadFileBytes(shared), "by another user");
  EXPECT_EQ(StatOf(shared).st_uid, 0u);
  EXPECT_EQ(StatOf(shared).st_ino, inode);
  EXPECT_EQ(ReadFileBytes(locked), "in a locked folder");
  EXPECT_EQ(m_tmp.EntryCount(), 2u);  // shared.html and locked/
}

// Copies a killed save left behind are removed by the next save of that
// file; one another save is writing now (locked), other files' copies and
// look-alike names stay.
TEST_F(FileWriter, StaleTemporariesAreRemovedByTheNextSave) {
  const std::string p = m_tmp.Write("page.html", "old");
  m_tmp.Write(".page.html.a1B2c3", "killed run");
  m_tmp.Write(".page.html.Zz9Yy8", "killed run");
  m_tmp.Write(".page.html.swp", "an editor's swap file");
  m_tmp.Write(".page.html.a1B2c", "five characters");
  m_tmp.Write(".other.html.a1B2c3", "another page's copy");
  const std::string live = m_tmp.Write(".page.html.L1v3ly", "being written");
  const int fd = ::open(live.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  WriteFileAtomic(p, "new");
  EXPECT_FALSE(fs::exists(Path(".page.html.a1B2c3")));
  EXPECT_FALSE(fs::exists(Path(".page.html.Zz9Yy8")));
  for (const char* kept : {".page.html.swp", ".page.html.a1B2c", ".other.html.a1B2c3", ".page.html.L1v3ly"})
    EXPECT_TRUE(fs::exists(Path(kept))) << kept;
  ::close(fd);
  // Once nobody holds it, start-up's clean-up takes it too.
  EXPECT_EQ(RemoveStaleTemporaries(p), 1u);
  EXPECT_FALSE(fs::exists(live));
}

// Only regular files are read by passes over many pages: a pipe without a
// writer and a link to an endless device are refused at once.
TEST_F(FileWriter, RegularFileReadingRefusesPipesAndDevices) {
  const std::string fifo = Path("pipe.html");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", Path("zero.html"));
  EXPECT_THROW(ReadRegularFile(fifo), NotRegularFileError);
  EXPECT_THROW(ReadRegularFile(Path("zero.html")), NotRegularFileError);
  EXPECT_EQ(ReadRegularFile(m_tmp.Write("page.html", "text")), "text");
  EXPECT_THROW(ReadRegularFile(Path("missing.html")), FileError);
}

}  // namespace
}  // namespace mw
