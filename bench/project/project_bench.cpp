// The checks across a site on generated folders, created once at start in
// a temporary folder and removed at exit:
//  - full link update of 2,000 pages (each defines markers and links to
//    others, to pictures, outside and to missing files);
//  - grep over a 100 MB tree of pages in 20 folders (walk, read, search).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/project/cross_check.h"
#include "core/project/grep.h"
#include "core/project/project_file.h"

namespace {

namespace fs = std::filesystem;

class Folder {
 public:
  explicit Folder(const char* tag) {
    std::string tmpl = (fs::temp_directory_path() / (std::string("mw-bench-") + tag + "-XXXXXX")).string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    m_dir = tmpl;
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  const fs::path& dir() const { return m_dir; }

 private:
  fs::path m_dir;
};

void Write(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// 2,000 pages in 20 folders of 100; every page defines 5 markers and holds
// 20 links: to markers of pages in its own and the next folder, a picture,
// an outside URL, a missing page and a missing marker.
struct LinkSite {
  Folder folder{"links"};
  std::vector<std::string> pages;
  LinkSite() {
    constexpr int kFolders = 20, kPerFolder = 100;
    for (int f = 0; f < kFolders; ++f) fs::create_directory(folder.dir() / ("d" + std::to_string(f)));
    Write(folder.dir() / "logo.gif", "GIF89a");
    for (int f = 0; f < kFolders; ++f)
      for (int i = 0; i < kPerFolder; ++i) {
        std::string page = "<HTML><HEAD><TITLE>\x83\x65\x83\x58\x83\x67</TITLE></HEAD><BODY>\r\n";
        for (int m = 0; m < 5; ++m) page += "<A NAME=\"m" + std::to_string(m) + "\">\x95\x5c</A>\r\n";
        for (int l = 0; l < 14; ++l) {
          const int j = (i + l + 1) % kPerFolder;
          const std::string target = l % 2 ? "p" + std::to_string(j) + ".html"
                                           : "../d" + std::to_string((f + 1) % kFolders) + "/p" + std::to_string(j) + ".html";
          page += "<P><A HREF=\"" + target + "#m" + std::to_string(l % 5) + "\">link</A>\r\n";
        }
        page += "<IMG SRC=\"../logo.gif\"><A HREF=\"http://example.com/\">x</A>\r\n"
                "<A HREF=\"gone.html\">x</A><A HREF=\"#nowhere\">x</A><A HREF=\"Logo.gif\">x</A>\r\n"
                "<DIV STYLE=\"background: url(../logo.gif)\"></DIV></BODY></HTML>\r\n";
        const fs::path p = folder.dir() / ("d" + std::to_string(f)) / ("p" + std::to_string(i) + ".html");
        Write(p, page);
        pages.push_back(p.string());
      }
  }
};

void BM_FullLinkUpdate2000Pages(benchmark::State& state) {
  static LinkSite site;
  std::size_t broken = 0;
  for (auto _ : state) {
    const auto trees = mw::UpdateLocalLinks(site.pages);
    broken = 0;
    for (const auto& file : trees.href)
      for (const auto& v : file.children) broken += v.status == mw::LinkStatus::Broken;
    benchmark::DoNotOptimize(trees);
  }
  state.counters["pages"] = static_cast<double>(site.pages.size());
  state.counters["broken"] = static_cast<double>(broken);
}
BENCHMARK(BM_FullLinkUpdate2000Pages)->Unit(benchmark::kMillisecond);

// 20 folders of 50 pages of 100 KB: Shift-JIS body text with a match on
// one line in a hundred.
struct GrepTree {
  Folder folder{"grep"};
  std::size_t bytes = 0;
  GrepTree() {
    std::string block;
    for (int line = 0; line < 100; ++line) {
      block += "<TR><TD class=\"name\">\x95\x5c\x8e\xa6\x83\x65\x83\x58\x83\x67 C:\\dir\\file</TD>"
               "<TD>\x89\xbf\x8a\x69 1,000\x89\x7e</TD></TR>";
      if (line == 50) block += " <A HREF=\"target.html\">";
      block += "\r\n";
    }
    std::string page;
    while (page.size() < 100 * 1024) page += block;
    for (int f = 0; f < 20; ++f) {
      const fs::path d = folder.dir() / ("d" + std::to_string(f));
      fs::create_directory(d);
      for (int i = 0; i < 50; ++i) {
        Write(d / ("p" + std::to_string(i) + ".html"), page);
        bytes += page.size();
      }
    }
  }
};

void BM_Grep100MB(benchmark::State& state) {
  static GrepTree tree;
  const mw::GrepQuery query{"href=\"TARGET", false};
  const std::vector<std::string> extensions = {"html", "htm"};
  std::size_t rows = 0;
  for (auto _ : state) {
    std::vector<mw::GrepRow> found;
    mw::WalkFolder(tree.folder.dir().string(), extensions, true,
                   [&](const std::string& path) { mw::GrepFile(path, query, found); });
    rows = found.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(tree.bytes));
}
BENCHMARK(BM_Grep100MB)->Unit(benchmark::kMillisecond);

}  // namespace
