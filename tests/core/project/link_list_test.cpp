// The link list of one page: values in text order, their states against
// real files, and the linked style sheet.
#include <gtest/gtest.h>

#include "core/project/link_list.h"
#include "support/temp_dir.h"
#include "core/text/messages.h"

namespace mw {
namespace {

std::vector<LinkItem> Items(const std::vector<LinkGroup>& groups, LinkGroupKind kind) {
  for (const auto& g : groups)
    if (g.kind == kind) return g.items;
  return {};
}

using S = LinkItemState;

TEST(BuildLinkList, GroupsInOrderWithTheirValues) {
  const std::string page =
      "<A HREF=\"a.html#top\"> <IMG SRC=\"pic.gif\"> <a name=\"top\">\r\n"
      "<STYLE>P { background: url(img/b.gif) }</STYLE>\r\n"
      "<SCRIPT>function go(x) { }</SCRIPT> <A HREF = \"x\"> <A\r\nHREF=\"y\">";
  const auto groups = BuildLinkList(page, {});
  ASSERT_EQ(groups.size(), 5u);
  EXPECT_EQ(groups[0].title, "\x83\x8a\x83\x93\x83\x4e - HREF");
  EXPECT_EQ(groups[4].title, "\x83\x58\x83\x4e\x83\x8a\x83\x76\x83\x67 - function");
  // "HREF = " and a HREF after a line break are no keys.
  ASSERT_EQ(Items(groups, LinkGroupKind::Href).size(), 1u);
  EXPECT_EQ(Items(groups, LinkGroupKind::Href)[0].text, "a.html#top");
  EXPECT_EQ(Items(groups, LinkGroupKind::Src)[0].text, "pic.gif");
  EXPECT_EQ(Items(groups, LinkGroupKind::Name)[0], (LinkItem{"top", S::Marker}));
  EXPECT_EQ(Items(groups, LinkGroupKind::Url)[0].text, "img/b.gif");
  EXPECT_EQ(Items(groups, LinkGroupKind::Function)[0], (LinkItem{"go(x)", S::Function}));
}

TEST(BuildLinkList, StatesAgainstTheFilesBesideThePage) {
  test::TempDir dir;
  const std::string page = dir.Write("page.html", "");
  dir.Write("index.html", "");
  dir.Write("other.html", "");
  const std::string hyo = "\x95\x5c";  // 表, second byte 0x5C
  dir.Write("\xe8\xa1\xa8", "");       // 表 as the file system names it
  MarkerIndex markers(LinkTree{{dir.Path("other.html"), LinkStatus::File, {{"top", LinkStatus::Marker, {}}}}});
  struct Case {
    std::string value;
    LinkItem without;  // no project window
    LinkItem with;     // with the project's markers
  };
  const Case cases[] = {
      {"", {"\"\x8b\xf3\x94\x92\"", S::Broken}, {"\"\x8b\xf3\x94\x92\"", S::Broken}},
      {"index.html", {"index.html", S::File}, {"index.html", S::File}},
      {"Index.html", {"Index.html", S::Broken}, {"Index.html", S::Broken}},
      {"#top", {"#top", S::MarkerLink}, {"#top", S::MarkerLink}},
      {"http://example.com/", {"http://example.com/", S::External}, {"http://example.com/", S::External}},
      {"page.html?a=1", {"page.html?a=1", S::External}, {"page.html?a=1", S::External}},
      {"httpdocs.html", {"httpdocs.html", S::External}, {"httpdocs.html", S::External}},
      {"other.html#sec", {"other.html#sec", S::MarkerLink}, {"other.html#sec", S::Broken}},
      {"other.html#top", {"other.html#top", S::MarkerLink}, {"other.html#top", S::MarkerLink}},
      {"index.html#x", {"index.html#x", S::MarkerLink}, {"index.html#x", S::MarkerLink}},
      {"gone.html", {"gone.html", S::Broken}, {"gone.html", S::Broken}},
      // One trailing backslash is dropped; the 0x5C of 表 is no backslash.
      {"index.html\\", {"index.html", S::File}, {"index.html", S::File}},
      {hyo, {hyo, S::File}, {hyo, S::File}},
  };
  for (const auto& c : cases) {
    const std::string text = "<A HREF=\"" + c.value + "\">";
    LinkListContext ctx{page, nullptr, nullptr, '/'};
    EXPECT_EQ(Items(BuildLinkList(text, ctx), LinkGroupKind::Href)[0], c.without) << c.value;
    FolderListing listing;
    ctx.projectMarkers = &markers;
    ctx.listing = &listing;
    EXPECT_EQ(Items(BuildLinkList(text, ctx), LinkGroupKind::Href)[0], c.with) << c.value;
  }
  // A page never saved has no folder: a marker of its own is still a
  // marker link, a file cannot be found.
  const auto unsaved = BuildLinkList("<A HREF=\"#top\"><A HREF=\"index.html\">", {});
  EXPECT_EQ(Items(unsaved, LinkGroupKind::Href)[0].state, S::MarkerLink);
  EXPECT_EQ(Items(unsaved, LinkGroupKind::Href)[1].state, S::Broken);
}

TEST(OccurrenceRange, SelectsTheNthValue) {
  const std::string text = "<A HREF=\"one\"><a href=\"two\"><A HREF=\"three\">";
  const Offset three = static_cast<Offset>(text.find("three"));
  EXPECT_EQ(OccurrenceRange(text, 2, " HREF=", "\"", "\""), (ValueRange{three, three + 5}));
  // Fewer occurrences: the last one found.
  EXPECT_EQ(OccurrenceRange(text, 7, " HREF=", "\"", "\""), (ValueRange{three, three + 5}));
  EXPECT_EQ(OccurrenceRange("no links", 0, " HREF=", "\"", "\""), std::nullopt);
}

TEST(DetectLinkedStyleSheet, TheHrefAfterRel) {
  const std::string none(MessageSjis(Msg::NoStyleSheet));
  struct Case { std::string text; std::string sheet; };
  const Case cases[] = {
      {"<LINK REL=\"stylesheet\" HREF=\"site.css\">", "site.css"},
      {"<link rel=\"StyleSheet\" type=\"text/css\" href=\"a b.css\">", "a b.css"},
      {"<LINK HREF=\"site.css\" REL=\"stylesheet\">", none},  // no blank after REL's value
      {"<LINK HREF=\"x.css\" REL=\"stylesheet\" >", ""},      // HREF before REL is not seen
      {"<HTML>", none},
      {std::string(4096, ' ') + "<LINK REL=\"stylesheet\" HREF=\"late.css\">", none},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectLinkedStyleSheet(c.text), c.sheet) << c.text;
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(PlanLinkTarget, WhatOpeningAValueDoes) {
  using A = LinkTargetAction;
  struct Case {
    std::string target;
    A action;
    std::string path;
    bool hasMarker;
    std::string marker;
  };
  const Case cases[] = {
      {"http://example.com/a.html#x", A::Shell, "http://example.com/a.html#x", false, ""},
      {"pic.GIF", A::ShowPicture, "/site/doc/pic.GIF", false, ""},
      {"../img/a.jpg#x", A::ShowPicture, "/site/img/a.jpg", false, ""},
      {"page.html?a=1", A::OpenDocument, "/site/doc/page.html", false, ""},
      {"other.html#sec", A::OpenDocument, "/site/doc/other.html", true, "sec"},
      {"#Top", A::MarkerOnly, "", true, "Top"},
  };
  for (const auto& c : cases) {
    const LinkTargetPlan p = PlanLinkTarget(c.target, "/site/doc/index.html", '/');
    EXPECT_EQ(p.action, c.action) << c.target;
    EXPECT_EQ(p.path, c.path) << c.target;
    EXPECT_EQ(p.hasMarker, c.hasMarker) << c.target;
    EXPECT_EQ(p.marker, c.marker) << c.target;
  }
}

TEST(FindMarker, ExactCaseAmongTheNames) {
  const std::string text = "<A NAME=\"top\"></A> <a name=\"Top\">";
  EXPECT_EQ(FindMarker(text, "Top"), (ValueRange{28, 31}));
  EXPECT_EQ(FindMarker(text, "top"), (ValueRange{9, 12}));
  EXPECT_EQ(FindMarker(text, "TOP"), std::nullopt);
  EXPECT_EQ(FindMarker("<A NAME=top>", "top"), std::nullopt);
}

TEST(UrlCandidates, FilesAndMarkersSortedOnce) {
  const LinkTree markers = {
      {"b.htm", LinkStatus::File, {{"x", LinkStatus::Marker, {}}, {"x", LinkStatus::Marker, {}}}},
      {"A.htm", LinkStatus::File, {}},
  };
  EXPECT_EQ(UrlCandidates(markers), (std::vector<std::string>{"A.htm", "b.htm", "b.htm#x"}));
  EXPECT_TRUE(UrlCandidates({}).empty());
}

}  // namespace
}  // namespace mw
