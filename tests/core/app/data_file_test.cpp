// Settings and list files found damaged are kept, never destroyed by the
// next save: real files in a temp folder, a FIFO and a device among them,
// and an unreadable file read by a user other than root.
#include "core/app/data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/file_history.h"
#include "core/app/font_file.h"
#include "core/app/ini_file.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

// Runs check in a child process as the unprivileged user 65534 (root reads
// any file, so an unreadable one needs someone else); true when it passed.
bool AsOtherUser(const std::function<bool()>& check) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(DataFile, ReplacingADamagedFileKeepsItAsBak) {
  test::TempDir dir;
  const std::string garbage("garbage\x00\xff", 9);
  const std::string p = dir.Write("FontColor.dat", garbage);
  // Nothing but the defaults to write: the file stays as it was.
  EXPECT_FALSE(ReplaceDataFile(p, "defaults", "defaults", DataFileState::Damaged));
  EXPECT_EQ(ReadFileBytes(p), garbage);
  EXPECT_EQ(dir.EntryCount(), 1u);
  // Something of the user's: the damaged file goes aside first.
  EXPECT_TRUE(ReplaceDataFile(p, "mine", "defaults", DataFileState::Damaged));
  EXPECT_EQ(ReadFileBytes(p), "mine");
  EXPECT_EQ(ReadFileBytes(p + ".bak"), garbage);
  // A second damaged file never replaces the first backup.
  dir.Write("FontColor.dat", "second");
  EXPECT_EQ(KeepDamagedFile(p), p + ".bak.1");
  EXPECT_EQ(ReadFileBytes(p + ".bak"), garbage);
  EXPECT_EQ(ReadFileBytes(p + ".bak.1"), "second");
  EXPECT_FALSE(fs::exists(p));
  // Good or missing files are simply written, defaults included.
  EXPECT_TRUE(ReplaceDataFile(p, "defaults", "defaults", DataFileState::Missing));
  EXPECT_EQ(ReadFileBytes(p), "defaults");
  // What is not a file (a folder of that name) is not moved.
  fs::create_directory(dir.Path("folder"));
  EXPECT_THROW(ReplaceDataFile(dir.Path("folder"), "x", "", DataFileState::Damaged), FileError);
  EXPECT_TRUE(fs::is_directory(dir.Path("folder")));
}

TEST(DataFile, SpecialFilesAreDamagedAndNeverRead) {
  test::TempDir dir;
  DataFileState state;
  EXPECT_EQ(ReadDataFileBytes(dir.Path("missing"), 100, state), "");
  EXPECT_EQ(state, DataFileState::Missing);
  EXPECT_EQ(ReadDataFileBytes(dir.Write("ok", "abc"), 100, state), "abc");
  EXPECT_EQ(state, DataFileState::Good);
  EXPECT_EQ(ReadDataFileBytes(dir.Write("big", std::string(101, 'x')), 100, state), "");
  EXPECT_EQ(state, DataFileState::Damaged);
  // A FIFO without a writer would block a plain read for good, and a link
  // to /dev/zero would read until memory runs out.
  const std::string fifo = dir.Path("HtmlFileHistory.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.Path("FavoriteDir.txt"));
  fs::create_directory(dir.Path("OpenFileList.txt"));
  for (const char* name : {"HtmlFileHistory.txt", "FavoriteDir.txt", "OpenFileList.txt"}) {
    EXPECT_TRUE(ReadPathList(dir.Path(name), &state).empty()) << name;
    EXPECT_EQ(state, DataFileState::Damaged) << name;
  }
  EXPECT_FALSE(ReadFontColorFile(fifo, state));
  EXPECT_EQ(state, DataFileState::Damaged);
  // An ini file of that kind is an error, which keeps its writers off it.
  EXPECT_THROW(IniFile::Load(fifo), FileError);
  EXPECT_THROW(IniFile::Load(dir.Path("FavoriteDir.txt")), FileError);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(DataFile, GarbageListsReadEmptyAndSurviveTheNextSave) {
  test::TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
  } damaged[] = {
      {"nul", std::string("/w/a.html\r\n/w/\0b.html\r\n", 22)},
      {"long line", "/w/a.html\r\n" + std::string(5000, 'x') + "\r\n"},
  };
  for (const auto& d : damaged) {
    const std::string p = dir.Write("HtmlFileHistory.txt", d.bytes);
    FileHistoryList h;
    EXPECT_EQ(h.Load(p), DataFileState::Damaged) << d.name;
    EXPECT_TRUE(h.Entries().empty()) << d.name;
    // An exit with nothing opened leaves the file alone...
    h.Save(p);
    EXPECT_EQ(ReadFileBytes(p), d.bytes) << d.name;
    // ... one with a new entry keeps it as .bak.
    h.Add("/w/new.html");
    h.Save(p);
    EXPECT_EQ(ReadFileBytes(p), "/w/new.html\r\n") << d.name;
    EXPECT_EQ(ReadFileBytes(p + ".bak"), d.bytes) << d.name;
    fs::remove(p + ".bak");
  }
  // A good list is replaced as before, with no backup.
  const std::string p = dir.Write("OpenFileList.txt", "/w/a.html\r\n");
  DataFileState state;
  EXPECT_EQ(ReadPathList(p, &state), (Paths{"/w/a.html"}));
  EXPECT_EQ(state, DataFileState::Good);
  WritePathList(p, {});
  EXPECT_EQ(ReadFileBytes(p), "");
  EXPECT_FALSE(fs::exists(p + ".bak"));
}

TEST(DataFile, DamagedExtensionListGivesTheDefaultsAndIsKept) {
  test::TempDir dir;
  const std::string folder = dir.dir().string();
  const std::string p = dir.Path("FileExtList.txt");
  ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
  EXPECT_EQ(LoadColouredExtensions(folder), DefaultColouredExtensions());  // no hang
  fs::remove(p);
  const std::string nul("html\r\n\0\0\0\r\n", 9);
  dir.Write("FileExtList.txt", nul);
  EXPECT_EQ(LoadColouredExtensions(folder), DefaultColouredExtensions());
  SaveColouredExtensions(folder, {"htm"});
  EXPECT_EQ(ReadFileBytes(p + ".bak"), nul);
  EXPECT_EQ(LoadColouredExtensions(folder), Paths{"htm"});
}

TEST(DataFile, UnreadableFilesAreDamagedForAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  test::TempDir dir;
  fs::permissions(dir.dir(), fs::perms::all);  // the other user may make files here
  const std::string list = dir.Write("HtmlFileHistory.txt", "/w/secret.html\r\n");
  const std::string fonts = dir.Write("FontColor.dat", SerializeFontColorFile(FontColorFile{}));
  ::chmod(list.c_str(), 0);
  ::chmod(fonts.c_str(), 0);
  EXPECT_TRUE(AsOtherUser([&] {
    DataFileState listState, fontState;
    const bool empty = ReadPathList(list, &listState).empty();
    const bool noFonts = !ReadFontColorFile(fonts, fontState);
    WritePathList(list, {});  // nothing to write: untouched
    const bool untouched = !fs::exists(list + ".bak");
    WritePathList(list, {"/w/new.html"});
    return empty && noFonts && listState == DataFileState::Damaged && fontState == DataFileState::Damaged &&
           untouched;
  }));
  EXPECT_EQ(ReadFileBytes(list + ".bak"), "/w/secret.html\r\n");
  EXPECT_EQ(ReadFileBytes(list), "/w/new.html\r\n");
}

}  // namespace
}  // namespace mw
