// The link scanner on pages of any bytes: the link list of a page saved in
// a folder of real files, the trees the project's link check builds, and
// the jumps to a value. Every value lies within the page on character
// boundaries; the jump to the n-th value selects the value the list shows
// n-th (or the last); a marker found is the marker asked for.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/project/cross_check.h"
#include "core/project/link_list.h"
#include "core/text/encoding.h"
#include "fuzz_support.h"

namespace {

using namespace mw;
using mw::fuzz::Check;

// A site folder with a few pages, one of them with a Japanese name and one
// whose name differs from a link only in letter case.
const std::string& SiteFolder() {
  static const std::string folder = [] {
    const std::filesystem::path root(mw::fuzz::ScratchFolder());
    std::filesystem::create_directory(root / "sub");
    for (const char* f : {"a.html", "表.html", "Index.html", "sub/b.html", "pic.gif"})
      std::ofstream(root / f) << "<A NAME=\"top\">";
    return root.string() + "/";
  }();
  return folder;
}

void CheckRange(std::string_view text, const ValueRange& r) {
  Check(r.start >= 0 && r.start <= r.end && r.end <= static_cast<Offset>(text.size()));
  Check(IsCharBoundary(text, r.start) && IsCharBoundary(text, r.end));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 8192) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string page = SiteFolder() + "page.html";
  static FolderListing listing;

  const LinkListContext context{page, nullptr, &listing, '/'};
  const std::vector<LinkGroup> groups = BuildLinkList(text, context);
  Check(groups.size() == LinkGroupRules().size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const LinkGroupRule& rule = LinkGroupRules()[g];
    const std::vector<ValueRange> values = FindValues(text, rule.key, rule.opening, rule.closing);
    Check(groups[g].kind == rule.kind && groups[g].items.size() == values.size());
    for (const ValueRange& r : values) CheckRange(text, r);
    for (std::size_t i = 0; i <= values.size() + 1; ++i) {
      const auto jump = OccurrenceRange(text, i, rule.key, rule.opening, rule.closing);
      Check(jump.has_value() == !values.empty());
      if (jump) Check(*jump == values[std::min(i, values.size() - 1)]);
    }
    for (const LinkItem& item : groups[g].items) (void)PlanLinkTarget(item.text, page, '/');
  }

  // The project's trees for this page alone, and the page's links judged
  // against them.
  LinkTree markers, hrefs;
  CollectValues(markers, text, page, kNameRule);
  const MarkerIndex index(markers);
  CollectValues(hrefs, text, page, kHrefRule,
                [&](const std::string& v) { return JudgeLink(index, page, v, &listing, '/'); });
  const LinkTree rel = RebuildRelMarkers(markers, SiteFolder() + "sub/other.html", '/');
  for (std::size_t f = 0; f <= rel.size(); ++f) {
    (void)SendLinkText(rel, f, std::nullopt);
    if (f < rel.size())
      for (std::size_t c = 0; c <= rel[f].children.size(); ++c) (void)SendLinkText(rel, f, c);
  }
  (void)UrlCandidates(markers);
  const LinkListContext withMarkers{page, &index, &listing, '/'};
  (void)BuildLinkList(text, withMarkers);

  for (const ValueRange& r : FindValues(text, kNameRule.key, kNameRule.opening, kNameRule.closing)) {
    const std::string_view marker = text.substr(static_cast<std::size_t>(r.start), static_cast<std::size_t>(r.end - r.start));
    const auto found = FindMarker(text, marker);
    if (found) {
      CheckRange(text, *found);
      Check(text.substr(static_cast<std::size_t>(found->start), static_cast<std::size_t>(found->end - found->start)) == marker);
    }
  }
  const std::string clean = CleanValue(text);
  Check(clean.size() <= size);
  (void)DetectLinkedStyleSheet(text);
  return 0;
}
