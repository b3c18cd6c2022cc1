// The check across a project's files, on real folders: markers defined in
// one file and linked from another, exact-case targets, files outside the
// project, missing and undecodable files, and a large folder.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "core/project/cross_check.h"
#include "core/project/project_file.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

std::vector<std::pair<std::string, LinkStatus>> Children(const LinkTree& tree, const std::string& file) {
  std::vector<std::pair<std::string, LinkStatus>> out;
  for (const auto& node : tree)
    if (node.text == file)
      for (const auto& c : node.children) out.emplace_back(c.text, c.status);
  return out;
}

using St = LinkStatus;

class SiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.dir() / "site/sub");
    index = dir.Write("site/index.htm", "<A NAME=\"top\">top</A>\r\n");
    a = dir.Write("site/sub/a.htm",
                  "<A HREF=\"../index.htm#top\">1</A> <A HREF=\"../Index.htm\">2</A>\r\n"
                  "<A HREF=\"../index.htm#bottom\">3</A> <A HREF=\"#x\">4</A>\r\n");
  }
  test::TempDir dir;
  std::string index, a;
};

TEST_F(SiteTest, MarkersAcrossFiles) {
  LinkUpdateOptions options;
  options.activeDocumentPath = a;
  const auto trees = UpdateLocalLinks({index, a}, options);
  EXPECT_EQ(Children(trees.href, a), (std::vector<std::pair<std::string, LinkStatus>>{
                                         {"../index.htm#top", St::Ok},
                                         {"../Index.htm", St::Broken},
                                         {"../index.htm#bottom", St::Broken},
                                         {"#x", St::Broken}}));
  // Every file gets its node, with or without values.
  ASSERT_EQ(trees.marker.size(), 2u);
  EXPECT_EQ(trees.marker[1].text, a);
  EXPECT_TRUE(trees.marker[1].children.empty());
  EXPECT_EQ(Children(trees.marker, index), (std::vector<std::pair<std::string, LinkStatus>>{{"top", St::Marker}}));
  // Relative to the active page, ready to insert.
  ASSERT_EQ(trees.relMarker.size(), 2u);
  EXPECT_EQ(trees.relMarker[0].text, "../index.htm");
  EXPECT_EQ(SendLinkText(trees.relMarker, 0, 0), "../index.htm#top");
  EXPECT_EQ(SendLinkText(trees.relMarker, 0, std::nullopt), "../index.htm");
  EXPECT_EQ(SendLinkText(trees.relMarker, 1, 0), "");
  EXPECT_EQ(RebuildRelMarkers(trees.marker, index)[1].text, "sub/a.htm");
  EXPECT_EQ(RebuildRelMarkers(trees.marker, index)[0].children[0].status, St::Marker);
}

TEST_F(SiteTest, ValuesOutsideTheProjectAndNotCheckable) {
  dir.Write("site/outside.htm", "");
  const std::string b = dir.Write(
      "site/b.htm",
      "<A HREF=\"mailto:me@example.com\"> <A HREF=\"x.cgi?a=1\"> <A HREF=\"\">\r\n"
      "<A HREF=\"outside.htm#m\"> <A HREF=\"outside.htm\"> <A HREF=\"HTTPS-only.htm\">\r\n"
      "<A NAME=bare> <B CLASS=\"taken\"> <IMG SRC=\"sub/a.htm\"> <P STYLE=\"background: url( index.htm )\">\r\n"
      "<A\r\nHREF=\"index.htm\">");
  const auto trees = UpdateLocalLinks({index, a, b, dir.Path("site/gone.htm")});
  EXPECT_EQ(Children(trees.href, b), (std::vector<std::pair<std::string, LinkStatus>>{
                                         {"mailto:me@example.com", St::Undecided},
                                         {"x.cgi?a=1", St::Undecided},
                                         {"\"\x8b\xf3\x94\x92\"", St::Broken},
                                         {"outside.htm#m", St::Undecided},
                                         {"outside.htm", St::Ok},
                                         {"HTTPS-only.htm", St::External}}));
  // An unquoted NAME takes the next quoted value, wherever it is.
  EXPECT_EQ(Children(trees.marker, b)[0], (std::pair<std::string, LinkStatus>{"taken", St::Marker}));
  EXPECT_EQ(Children(trees.image, b), (std::vector<std::pair<std::string, LinkStatus>>{{"sub/a.htm", St::Ok}}));
  EXPECT_EQ(Children(trees.url, b), (std::vector<std::pair<std::string, LinkStatus>>{{"index.htm", St::Ok}}));
  // The missing entry gives no node at all.
  EXPECT_EQ(trees.href.size(), 3u);
}

TEST_F(SiteTest, ProgressReadingAndStop) {
  std::vector<std::pair<LinkUpdatePhase, int>> seen;
  std::vector<std::string> read;
  LinkUpdateOptions options;
  options.progress = [&](LinkUpdatePhase ph, int pct) { seen.emplace_back(ph, pct); };
  options.readFile = [&](const std::string& p) { read.push_back(p); return std::string("<A NAME=\"z\">"); };
  const auto trees = UpdateLocalLinks({index, a}, options);
  EXPECT_EQ(seen, (std::vector<std::pair<LinkUpdatePhase, int>>{{LinkUpdatePhase::Markers, 50},
                                                                {LinkUpdatePhase::Markers, 100},
                                                                {LinkUpdatePhase::Links, 50},
                                                                {LinkUpdatePhase::Links, 100}}));
  EXPECT_EQ(read, (std::vector<std::string>{index, a, index, a}));
  EXPECT_EQ(Children(trees.marker, a)[0].first, "z");

  int asked = 0;
  options.stop = [&] { return ++asked > 1; };  // stop after the first file
  EXPECT_EQ(UpdateLocalLinks({index, a}, options).marker.size(), 1u);
}

TEST(CrossCheck, FilesThatAreNoShiftJisStillGiveTheirLinks) {
  test::TempDir dir;
  dir.Write("t.htm", "");
  // UTF-8 text, stray lead bytes and NUL bytes around real links.
  const std::string page = dir.Write(
      "u.htm", "\xe6\x97\xa5\xe6\x9c\xac <A HREF=\"t.htm\">\x81<A HREF=\"t.htm#\x82\">" + std::string(1, '\0') +
                   "\xff<A HREF=\"u.htm\x81\">");
  const auto trees = UpdateLocalLinks({page});
  ASSERT_EQ(trees.href.size(), 1u);
  ASSERT_EQ(trees.href[0].children.size(), 3u);
  EXPECT_EQ(trees.href[0].children[0].status, St::Ok);
  EXPECT_EQ(trees.href[0].children[1].status, St::Undecided);  // t.htm is no project file
  EXPECT_EQ(trees.href[0].children[2].status, St::Broken);
}

// A folder in memory when the system has one: creating ten thousand files
// on a disk costs seconds, which says nothing about the check.
class RamFolder {
 public:
  RamFolder() {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
    std::string tmpl = (base / "mw-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    m_dir = tmpl;
  }
  ~RamFolder() {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  const fs::path& dir() const { return m_dir; }

 private:
  fs::path m_dir;
};

// Pages write file names in Shift-JIS; the file system here names them in
// UTF-8. 表 (95 5C) also has "\" as its second byte, and ソ (83 5C) too.
TEST(CrossCheck, JapaneseFileNamesAreFoundInTheFileSystemsEncoding) {
  test::TempDir dir;
  const std::string hyoSjis = "\x95\x5c";
  const std::string hyoUtf8 = "\xe8\xa1\xa8";
  const std::string soSjis = "\x83\x5c";
  fs::create_directories(dir.dir() / ("site/" + hyoUtf8));
  const std::string table = dir.Write("site/" + hyoUtf8 + ".html", "<A NAME=\"" + hyoSjis + "\">x</A>\r\n");
  const std::string inFolder = dir.Write("site/" + hyoUtf8 + "/a.html", "x\r\n");
  const std::string page = dir.Write(
      "site/index.html",
      "<A HREF=\"" + hyoSjis + ".html\">1</A> <A HREF=\"" + hyoSjis + ".html#" + hyoSjis + "\">2</A>\r\n"
      "<A HREF=\"" + hyoSjis + "/a.html\">3</A> <A HREF=\"" + soSjis + ".html\">4</A>\r\n"
      "<IMG SRC=\"" + hyoUtf8 + ".html\">\r\n");  // UTF-8 bytes in a page are no 表
  const auto trees = UpdateLocalLinks({page, table});
  EXPECT_EQ(Children(trees.href, page), (std::vector<std::pair<std::string, LinkStatus>>{
                                            {hyoSjis + ".html", St::Ok},
                                            {hyoSjis + ".html#" + hyoSjis, St::Ok},
                                            {hyoSjis + "/a.html", St::Ok},
                                            {soSjis + ".html", St::Broken}}));
  EXPECT_EQ(Children(trees.image, page)[0].second, St::Broken);
  // The same judgement for the link list of one page.
  const MarkerIndex markers(trees.marker);
  LinkListContext context;
  context.documentPath = page;
  context.projectMarkers = &markers;
  const auto groups = BuildLinkList("<A HREF=\"" + hyoSjis + ".html#" + hyoSjis + "\"> <A HREF=\"" +
                                        hyoSjis + ".html#no\"> <IMG SRC=\"" + hyoSjis + "/a.html\">",
                                    context);
  ASSERT_EQ(groups[0].items.size(), 2u);
  EXPECT_EQ(groups[0].items[0].state, LinkItemState::MarkerLink);
  EXPECT_EQ(groups[0].items[1].state, LinkItemState::Broken);
  EXPECT_EQ(groups[1].items.at(0).state, LinkItemState::File);
  // A relative path from the file system goes into a page as Shift-JIS.
  EXPECT_EQ(FileSystemToDocumentPath(MakeRelativePath(inFolder, page)), hyoSjis + "/a.html");
  EXPECT_EQ(DocumentToFileSystemPath(hyoSjis + "/a.html"), hyoUtf8 + "/a.html");
}

TEST(CrossCheck, TenThousandFilesEachLinkingTheNext) {
  RamFolder dir;
  constexpr int kFiles = 10000;
  auto name = [](int i) { return "p" + std::to_string(i) + ".htm"; };
  for (int i = 0; i < kFiles; ++i)
    std::ofstream(dir.dir() / name(i), std::ios::binary)
        << "<A NAME=\"m\"><A HREF=\"" + name((i + 1) % kFiles) + "#m\">";
  Project p;
  ASSERT_EQ(AddProjectFolder(p, dir.dir().string(), {"htm"}), static_cast<std::size_t>(kFiles));
  const auto trees = UpdateLocalLinks(p.entries);
  ASSERT_EQ(trees.href.size(), static_cast<std::size_t>(kFiles));
  for (const auto& file : trees.href) {
    ASSERT_EQ(file.children.size(), 1u);
    ASSERT_EQ(file.children[0].status, St::Ok) << file.text;
  }
}

}  // namespace
}  // namespace mw
