#include "core/display/working_copy.h"

#include <gtest/gtest.h>


#include "core/app/document_file.h"
#include "support/temp_dir.h"

namespace mw::test {
namespace {

WorkingCopyRequest ModifiedDocument(const std::string& path) {
  WorkingCopyRequest r;
  r.documentPath = path;
  r.modified = true;
  return r;
}

TEST(WorkingCopy, ModifiedDocumentIsCopiedBesideItUnderTheUnderscoreName) {
  TempDir dir;
  const std::string doc = dir.Write("page.html", "old");
  const WorkingCopy copy = MakeWorkingCopy(ModifiedDocument(doc), "<P>\x95\x5C\r\nnew", {});
  EXPECT_EQ(copy.path, dir.Path("____page.html"));
  EXPECT_TRUE(copy.created);
  EXPECT_EQ(ReadFileBytes(copy.path), "<P>\x95\x5C\r\nnew\r\n");
  EXPECT_EQ(ReadFileBytes(doc), "old");
}

TEST(WorkingCopy, SavedUnchangedDocumentIsShownItselfAndNothingIsWritten) {
  TempDir dir;
  const std::string doc = dir.Write("page.html", "saved");
  WorkingCopyRequest r = ModifiedDocument(doc);
  r.modified = false;
  const WorkingCopy copy = MakeWorkingCopy(r, "saved", {});
  EXPECT_EQ(copy.path, doc);
  EXPECT_FALSE(copy.created);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

// A user's own "____page.html" is neither written over nor handed out as
// ours (it would be deleted with the temporary files).
TEST(WorkingCopy, UsersFileWithTheWorkingCopyNameIsLeftAlone) {
  TempDir dir;
  const std::string doc = dir.Write("page.html", "old");
  const std::string users = dir.Write("____page.html", "the user's own notes");
  dir.Write("____2_page.html", "another of the user's files");
  const WorkingCopy copy = MakeWorkingCopy(ModifiedDocument(doc), "new\r\n", {});
  EXPECT_EQ(copy.path, dir.Path("____3_page.html"));
  EXPECT_TRUE(copy.created);
  EXPECT_EQ(ReadFileBytes(users), "the user's own notes");
  EXPECT_EQ(ReadFileBytes(dir.Path("____2_page.html")), "another of the user's files");
  EXPECT_EQ(ReadFileBytes(copy.path), "new\r\n");

  // The next refresh reuses the copy it made, not a fourth name.
  const WorkingCopy again = MakeWorkingCopy(ModifiedDocument(doc), "newer\r\n", {copy.path});
  EXPECT_EQ(again.path, copy.path);
  EXPECT_EQ(ReadFileBytes(again.path), "newer\r\n");
  EXPECT_EQ(dir.EntryCount(), 4u);
}

TEST(WorkingCopy, UntitledDocumentGoesToTheProgramFolder) {
  TempDir dir;
  WorkingCopyRequest r;
  r.untitled = true;
  r.programFolder = dir.dir().string();
  r.untitledName = "untitled.html";
  const WorkingCopy copy = MakeWorkingCopy(r, "text\r\n", {});
  EXPECT_EQ(copy.path, dir.Path("____untitled.html"));
  EXPECT_EQ(ReadFileBytes(copy.path), "text\r\n");

  r.programFolder.clear();
  EXPECT_TRUE(MakeWorkingCopy(r, "text", {}).path.empty());
}

TEST(WorkingCopy, PreviewOfASelectionIsAPageAroundItLinkingTheStyleSheet) {
  TempDir dir;
  const std::string doc = dir.Write("page.html", "whole");
  WorkingCopyRequest r;
  r.documentPath = doc;
  r.forPreview = true;
  r.browseSelection = true;
  r.selectedText = "<B>\x83\x5C</B>";
  r.linkedStyleSheet = "site.css";
  const WorkingCopy copy = MakeWorkingCopy(r, "whole", {});
  EXPECT_EQ(ReadFileBytes(copy.path),
            "<HTML><HEAD><LINK REL=stylesheet TYPE=text/css HREF=site.css></HEAD><BODY><B>\x83\x5C</B>"
            "</BODY></HTML>\r\n");

  // Without bBrowseSelection a selection still makes a copy, of the whole text.
  r.browseSelection = false;
  EXPECT_EQ(ReadFileBytes(MakeWorkingCopy(r, "whole", {copy.path}).path), "whole\r\n");
}

}  // namespace
}  // namespace mw::test
