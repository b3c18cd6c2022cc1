// The project file in both forms, the list operations and the question
// before a modified project is dropped.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "core/project/project_file.h"
#include "support/temp_dir.h"
#include "core/text/messages.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

std::string DocumentPath(const std::string& native) { return FileSystemToDocumentPath(native); }

TEST(ProjectFile, WindowsEntriesRelativeAndBack) {
  const std::string wpr = "C:\\site\\site.wpr";
  const std::vector<std::string> entries = {"C:\\site\\doc\\a.htm", "C:\\other\\b.htm",
                                            "D:\\far\\c.htm", "C:\\site\\\x95\x5c\\d.htm"};
  const std::string relative = ProjectFileText(entries, wpr, true, '\\');
  // Another drive shares no folder and stays absolute, or it would read
  // back as a path inside the project folder.
  EXPECT_EQ(relative, "doc/a.htm\r\n../other/b.htm\r\nD:\\far\\c.htm\r\n\x95\x5c/d.htm\r\n");
  EXPECT_EQ(ParseProjectText(relative, wpr, '\\'), entries);
  const std::string plain = ProjectFileText(entries, wpr, false, '\\');
  EXPECT_EQ(plain, "C:\\site\\doc\\a.htm\r\nC:\\other\\b.htm\r\nD:\\far\\c.htm\r\nC:\\site\\\x95\x5c\\d.htm\r\n");
  EXPECT_EQ(ParseProjectText(plain, wpr, '\\'), entries);
  // A relative line whose only 0x5C is inside 表 is still relative.
  EXPECT_EQ(ParseProjectText("\x95\x5c.htm", wpr, '\\'), std::vector<std::string>{"C:\\site\\\x95\x5c.htm"});
}

TEST(ProjectFile, HandWrittenFileMixesAbsoluteAndRelativeLines) {
  test::TempDir dir;
  fs::create_directories(dir.dir() / "site/doc");
  const std::string wpr = dir.Path("site/site.wpr");
  // The untitled name in the file is Shift-JIS; as an entry it is spelled
  // as the file system spells names, like every other entry.
  const std::string untitledSjis(MessageSjis(Msg::UntitledDocumentName));
  const std::string untitled(MessageUtf8(Msg::UntitledDocumentName));
  WriteFileAtomic(wpr, "/abs/x.htm\ndoc/a.htm\r\n../b.htm\r\r\n" + untitledSjis + "\n");
  Project p;
  p.modified = true;
  ASSERT_TRUE(OpenProjectFile(p, wpr));
  EXPECT_EQ(p.path, wpr);
  EXPECT_FALSE(p.modified);
  EXPECT_EQ(p.entries, (std::vector<std::string>{"/abs/x.htm", dir.Path("site/doc/a.htm"),
                                                 dir.Path("b.htm"), untitled}));
  // Written relative and read back: the same absolute entries.
  const std::string copy = dir.Path("site/copy.wpr");
  WriteProjectFile(p, copy, true);
  EXPECT_EQ(ReadFileBytes(copy), "../../../abs/x.htm\r\ndoc/a.htm\r\n../b.htm\r\n" + untitledSjis + "\r\n");
  Project q;
  ASSERT_TRUE(OpenProjectFile(q, copy));
  EXPECT_EQ(q.entries, p.entries);

  Project missing;
  EXPECT_FALSE(OpenProjectFile(missing, dir.Path("none.wpr")));
  EXPECT_TRUE(missing.IsNew());
  EXPECT_TRUE(missing.entries.empty());
}

// A saved page keeps the name a new document has; beside the project file
// its relative line would be the untitled document's own line.
TEST(ProjectFile, PageNamedLikeANewDocumentKeepsItsFolder) {
  const std::string untitled(MessageUtf8(Msg::UntitledDocumentName));
  for (const char sep : {'/', '\\'}) {
    const std::string folder = sep == '/' ? "/site/" : "C:\\site\\";
    const std::vector<std::string> entries = {folder + untitled, folder + "a.htm", untitled};
    const std::string text = ProjectFileText(entries, folder + "site.wpr", true, sep);
    EXPECT_EQ(text, folder + untitled + "\r\na.htm\r\n" + untitled + "\r\n");
    EXPECT_EQ(ParseProjectText(text, folder + "site.wpr", sep), entries);
  }
}

// 表 = 95 5C, ソ = 83 5C, ア = 83 41 in Shift-JIS; the files on disk are
// named in UTF-8.
TEST(ProjectFile, ShiftJisFileNamesTheJapaneseFilesOnDisk) {
  test::TempDir dir;
  fs::create_directories(dir.dir() / "site/ソ");
  const std::string hyo = dir.Write("site/表.htm", "");
  const std::string a = dir.Write("site/ソ/ア.htm", "");
  const std::string wpr = dir.Path("site/site.wpr");
  // Relative and absolute lines, as another system writes them.
  WriteFileAtomic(wpr, "\x95\x5c.htm\r\n\x83\x5c/\x83\x41.htm\r\n" + DocumentPath(a) + "\r\nmissing.htm\r\n");
  Project p;
  ASSERT_TRUE(OpenProjectFile(p, wpr));
  // An entry that names no file stays in the list.
  EXPECT_EQ(p.entries, (std::vector<std::string>{hyo, a, a, dir.Path("site/missing.htm")}));

  // Written back in the format's code, relative or not.
  const std::string copy = dir.Path("site/copy.wpr");
  WriteProjectFile(p, copy, true);
  EXPECT_EQ(ReadFileBytes(copy), "\x95\x5c.htm\r\n\x83\x5c/\x83\x41.htm\r\n\x83\x5c/\x83\x41.htm\r\nmissing.htm\r\n");
  WriteProjectFile(p, copy, false);
  EXPECT_EQ(ReadFileBytes(copy), DocumentPath(hyo) + "\r\n" + DocumentPath(a) + "\r\n" + DocumentPath(a) + "\r\n" +
                                     DocumentPath(dir.Path("site/missing.htm")) + "\r\n");
  Project q;
  ASSERT_TRUE(OpenProjectFile(q, copy));
  EXPECT_EQ(q.entries, p.entries);

  // A file written in UTF-8, with or without its signature, reads the same.
  for (const std::string& prefix : {std::string(), std::string("\xEF\xBB\xBF")}) {
    WriteFileAtomic(wpr, prefix + "表.htm\nソ/ア.htm\n");
    Project u;
    ASSERT_TRUE(OpenProjectFile(u, wpr));
    EXPECT_EQ(u.entries, (std::vector<std::string>{hyo, a})) << prefix.size();
  }
}

// Each path must come back from the file exactly as it went in.
TEST(ProjectFile, WrittenInShiftJisUnlessAPathNeedsUtf8) {
  struct Case {
    const char* name;   // the file's name on disk
    std::string bytes;  // how the project file spells it
  };
  const Case cases[] = {
      {"index.htm", "index.htm"},
      {"表.htm", "\x95\x5c.htm"},
      {"ツア.htm", "\x83\x63\x83\x41.htm"},
      // Hangul has no Shift-JIS code.
      {"한.htm", "\xEF\xBB\xBF한.htm"},
      // ﾃｽ in Shift-JIS is C3 BD, which would read back as UTF-8's ý.
      {"ﾃｽ.htm", "\xEF\xBB\xBFﾃｽ.htm"},
      // A name that is no UTF-8 at all keeps its bytes.
      {"\xFF\x95.htm", "\xEF\xBB\xBF\xFF\x95.htm"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    Project p;
    p.entries = {dir.Path(c.name)};
    const std::string wpr = dir.Path("p.wpr");
    WriteProjectFile(p, wpr, true);
    EXPECT_EQ(ReadFileBytes(wpr), c.bytes + "\r\n") << c.name;
    Project q;
    ASSERT_TRUE(OpenProjectFile(q, wpr));
    EXPECT_EQ(q.entries, p.entries) << c.name;
  }
}

TEST(ProjectFile, AddRemoveMoveSort) {
  test::TempDir dir;
  const std::string a = dir.Write("a.htm", "");
  const std::string b = dir.Write("B.htm", "");
  Project p;
  EXPECT_TRUE(AddProjectFile(p, b));
  EXPECT_TRUE(p.modified);
  EXPECT_TRUE(AddProjectFile(p, a));
  EXPECT_FALSE(AddProjectFile(p, dir.Path("A.HTM")));   // listed, other case
  EXPECT_FALSE(AddProjectFile(p, dir.Path("none.htm")));
  EXPECT_FALSE(AddProjectFile(p, dir.dir().string()));  // a folder
  p.modified = false;
  SortProject(p);
  EXPECT_EQ(p.entries, (std::vector<std::string>{a, b}));
  EXPECT_FALSE(p.modified);
  EXPECT_TRUE(MoveProjectEntry(p, 0, 99));
  EXPECT_EQ(p.entries, (std::vector<std::string>{b, a}));
  EXPECT_TRUE(p.modified);
  // A rename hits the very entry: another letter case names another file.
  EXPECT_FALSE(RenameProjectEntry(p, dir.Path("b.HTM"), dir.Path("c.htm")));
  EXPECT_TRUE(RenameProjectEntry(p, b, dir.Path("c.htm")));
  EXPECT_EQ(p.entries[0], dir.Path("c.htm"));
  EXPECT_FALSE(RemoveProjectEntry(p, 2));
  EXPECT_TRUE(RemoveProjectEntry(p, 0));
  EXPECT_EQ(p.entries, std::vector<std::string>{a});
}

TEST(ProjectFile, AddFolderTakesColouredFilesOfAllSubfoldersInNameOrder) {
  test::TempDir dir;
  fs::create_directories(dir.dir() / "s/deep");
  for (const char* f : {"b.html", "a.HTM", "style.css", "s/c.shtml", "s/deep/d.asp", "s/deep/e.txt", "noext"})
    dir.Write(f, "");
  Project p;
  EXPECT_EQ(AddProjectFolder(p, dir.dir().string() + "/", {"html", "htm", "shtml", "asp"}), 4u);
  EXPECT_EQ(p.entries, (std::vector<std::string>{dir.Path("a.HTM"), dir.Path("b.html"),
                                                 dir.Path("s/c.shtml"), dir.Path("s/deep/d.asp")}));
  // A single file of any extension goes in on its own.
  EXPECT_TRUE(AddProjectFile(p, dir.Path("style.css")));
  // A folder link back up is not followed: the walk ends, with the same files.
  fs::create_directory_symlink(dir.dir(), dir.dir() / "s/up");
  Project q;
  EXPECT_EQ(AddProjectFolder(q, dir.dir().string() + "/", {"html", "htm", "shtml", "asp"}), 4u);
}

TEST(ProjectFile, AskSaveProject) {
  struct Case {
    bool modified;
    SaveAnswer user;
    bool saved;  // false: the file name was cancelled
    SaveAnswer expected;
    bool asked;
  };
  const Case cases[] = {
      {false, SaveAnswer::Cancel, true, SaveAnswer::Yes, false},
      {true, SaveAnswer::Yes, true, SaveAnswer::Yes, true},
      {true, SaveAnswer::Yes, false, SaveAnswer::Cancel, true},
      {true, SaveAnswer::No, true, SaveAnswer::No, true},
      {true, SaveAnswer::Cancel, true, SaveAnswer::Cancel, true},
  };
  for (const auto& c : cases) {
    Project p;
    p.modified = c.modified;
    bool asked = false;
    int saves = 0;
    const SaveAnswer got = AskSaveProject(
        p, [&] { asked = true; return c.user; }, [&] { ++saves; return c.saved; });
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(asked, c.asked);
    EXPECT_EQ(saves, c.user == SaveAnswer::Yes && c.modified ? 1 : 0);
  }
}

}  // namespace
}  // namespace mw
