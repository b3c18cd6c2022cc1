// StyleList.txt and TagClassList.txt read, written and read again.
#include "core/dialogs/style_registry.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using Styles = std::vector<std::string>;

TEST(StyleList, ReadSortedWrittenAndReadAgain) {
  test::TempDir dir;
  const std::string path = (dir.dir() / "StyleList.txt").string();
  EXPECT_EQ(LoadStyleList(path), Styles{}) << "a missing file is an empty list";
  // Hand-written lines stay as written (blanks, a ソ whose second byte is a
  // backslash, a line of no CSS form); only blank lines go.
  dir.Write("StyleList.txt", "width:2px\nColor:red\r\n\r\n  font-family:'\x83\x5c'\rnot css at all\n");
  const Styles expected{"  font-family:'\x83\x5c'", "Color:red", "not css at all", "width:2px"};
  const Styles read = LoadStyleList(path);
  EXPECT_EQ(read, expected);
  SaveStyleList(path, read);
  EXPECT_EQ(ReadFileBytes(path), "  font-family:'\x83\x5c'\r\nColor:red\r\nnot css at all\r\nwidth:2px\r\n");
  EXPECT_EQ(LoadStyleList(path), expected);
}

TEST(StyleList, OrderIgnoresLetterCase) {
  const Styles sorted{"a:1", "B:2", "c:3"};
  EXPECT_EQ(SortedPlace(sorted, "b:1"), 1u);
  EXPECT_EQ(SortedPlace(sorted, "A:1"), 1u);
  EXPECT_EQ(SortedPlace(sorted, "z"), 3u);
  EXPECT_EQ(ParseStyleList("c:3\nB:2\na:1\n"), sorted);
}

TEST(TagClassList, SectionsInFileOrderAndTheirStyles) {
  const TagClassList list = TagClassList::Parse(
      "[P.note]\r\nSTYLE=font-size:10pt\r\n\r\n[H1]\r\nstyle = color:red \r\n[EMPTY]\r\n[Q]\r\nSTYLE=\"a:b\"\r\n");
  EXPECT_EQ(list.Selectors(), (Styles{"P.note", "H1", "EMPTY", "Q"}));
  EXPECT_EQ(list.Style("h1"), "color:red");
  EXPECT_EQ(list.Style("P.NOTE"), "font-size:10pt");
  EXPECT_EQ(list.Style("EMPTY"), std::nullopt);
  EXPECT_EQ(list.Style("none"), std::nullopt);
  EXPECT_EQ(list.Style("Q"), "a:b");
}

TEST(TagClassList, ChangesKeepEveryOtherLine) {
  test::TempDir dir;
  const std::string path = (dir.dir() / "TagClassList.txt").string();
  EXPECT_TRUE(TagClassList::Load(path).Selectors().empty()) << "a missing file is an empty list";
  const std::string hand =
      "; my classes\r\n[H1]\r\nSTYLE=color:red\r\nthis line is no setting\r\n\r\n[P.note]\r\nSTYLE=x\r\nOTHER=1\r\n";
  dir.Write("TagClassList.txt", hand);
  TagClassList list = TagClassList::Load(path);
  list.SetStyle("H1", "color:blue");
  list.SetStyle("DIV.box", "border-style:solid");
  list.Save(path);
  EXPECT_EQ(ReadFileBytes(path),
            "; my classes\r\n[H1]\r\nSTYLE=color:blue\r\nthis line is no setting\r\n\r\n[P.note]\r\nSTYLE=x\r\n"
            "OTHER=1\r\n[DIV.box]\r\nSTYLE=border-style:solid\r\n");
  TagClassList again = TagClassList::Load(path);
  EXPECT_EQ(again.Selectors(), (Styles{"H1", "P.note", "DIV.box"}));
  // Removing a section takes its header and keys; the hand-written remark
  // inside it is kept.
  EXPECT_TRUE(again.Remove("h1"));
  EXPECT_FALSE(again.Remove("h1"));
  again.Save(path);
  EXPECT_EQ(ReadFileBytes(path),
            "; my classes\r\nthis line is no setting\r\n[P.note]\r\nSTYLE=x\r\nOTHER=1\r\n[DIV.box]\r\n"
            "STYLE=border-style:solid\r\n");
  EXPECT_EQ(TagClassList::Load(path).Selectors(), (Styles{"P.note", "DIV.box"}));
}

TEST(TagClassList, AKeyAddedToASectionWithoutOne) {
  TagClassList list = TagClassList::Parse("[H1]\r\nOTHER=1\r\n\r\n[H2]\r\n");
  list.SetStyle("H1", "a:b");
  EXPECT_EQ(list.Serialize(), "[H1]\r\nOTHER=1\r\nSTYLE=a:b\r\n\r\n[H2]\r\n");
}

}  // namespace
}  // namespace mw
