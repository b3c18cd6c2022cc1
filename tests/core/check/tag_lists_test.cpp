#include "core/check/tag_lists.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/editing/marked_text.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using test::kA;
using test::kTsu;
using V = std::vector<std::string>;

TEST(TagList, LooksUpWholeNamesIgnoringCase) {
  const TagList list(V{"Td", "!DOCTYPE", "b" + kTsu});
  const struct {
    std::string name;
    bool found;
  } rows[] = {
      {"TD", true},
      {"td", true},
      {"T", false},
      {"TDX", false},
      {"", false},
      {"!doctype", true},
      {"B" + kTsu, true},
      // ツ's trail byte is 'c': upper-casing it would give イ (83 43).
      {"B\x83\x43", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(list.Contains(row.name), row.found);
  }
}

TEST(TagList, StaysSortedWithoutRegardToCase) {
  TagList list(V{"td", "A", "b"});
  EXPECT_EQ(list.Names(), (V{"A", "b", "td"}));
  EXPECT_TRUE(list.Add("Blink"));
  EXPECT_FALSE(list.Add("BLINK"));  // there already, in another case
  EXPECT_TRUE(list.Add("aa"));
  EXPECT_EQ(list.Names(), (V{"A", "aa", "b", "Blink", "td"}));
  EXPECT_TRUE(list.Remove("TD"));
  EXPECT_FALSE(list.Remove("TD"));
  EXPECT_FALSE(list.Contains("td"));
  EXPECT_EQ(list.Names(), (V{"A", "aa", "b", "Blink"}));
}

TEST(TagList, FileFormReadsAnyLineEndAndWritesCrLf) {
  const TagList list = TagList::FromFileText("td\r\nA\nb" + kA + "\rP\r\n\r\n");
  EXPECT_EQ(list.Names(), (V{"A", "b" + kA, "P", "td"}));
  EXPECT_EQ(list.FileText(), "A\r\nb" + kA + "\r\nP\r\ntd\r\n");
  EXPECT_TRUE(TagList::FromFileText("").Names().empty());
}

TEST(BuiltInTagLists, HoldTheStandardNames) {
  const TagLists lists = BuiltInTagLists();
  EXPECT_EQ(lists.twin.Names().size(), 67u);
  EXPECT_EQ(lists.omissible.Names(),
            (V{"COLGROUP", "DD", "DT", "LI", "OPTION", "P", "TBODY", "TD", "TFOOT", "TH", "THEAD", "TR"}));
  EXPECT_EQ(lists.single.Names(), (V{"!DOCTYPE", "AREA", "BASE", "BASEFONT", "BR", "COL", "FRAME", "HR",
                                     "IMG", "INPUT", "ISINDEX", "LINK", "META", "PARAM"}));
  for (const char* twin : {"A", "WBR", "H6", "TEXTAREA", "NOBR", "BODY", "HTML"}) EXPECT_TRUE(lists.twin.Contains(twin)) << twin;
  EXPECT_FALSE(lists.twin.Contains("P"));
}

TEST(LoadTagLists, ReadsEachFileThatExistsElseBuiltIn) {
  test::TempDir dir;
  dir.Write("OmissibleTag.txt", "li\r\nP\r\n");
  const TagLists lists = LoadTagLists(dir.dir());
  EXPECT_EQ(lists.omissible.Names(), (V{"li", "P"}));
  EXPECT_EQ(lists.twin.Names(), BuiltInTagList(TagListKind::Twin).Names());
  EXPECT_EQ(lists.single.Names(), BuiltInTagList(TagListKind::Single).Names());
}

TEST(SaveTagList, ReplacesTheFileAndAnUnsavedRemovalLeavesIt) {
  test::TempDir dir;
  TagLists lists = LoadTagLists(dir.dir());
  lists.single.Add("spacer");
  SaveTagList(dir.dir(), TagListKind::Single, lists.single);
  const std::string saved = ReadFileBytes(dir.Path("SingleTag.txt"));
  EXPECT_NE(saved.find("\r\nspacer\r\n"), std::string::npos);
  EXPECT_TRUE(saved.starts_with("!DOCTYPE\r\nAREA\r\n"));

  // A removal is in effect at once but reaches the file only with a save.
  EXPECT_TRUE(lists.single.Remove("SPACER"));
  EXPECT_FALSE(lists.single.Contains("spacer"));
  EXPECT_EQ(ReadFileBytes(dir.Path("SingleTag.txt")), saved);
  EXPECT_TRUE(LoadTagLists(dir.dir()).single.Contains("spacer"));
}

}  // namespace
}  // namespace mw
