// Project files and the paths between a page and its links.
//
// Any bytes read as a project give entries; the text the file system
// spells comes back exactly from the bytes written for it. Entries that
// are real absolute paths (no empty, "." or ".." steps) read back the same
// from the file written for them, relative or not, with either separator.
// A relative URL made between two such paths resolves to the target again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/project/project_file.h"
#include "core/project/relative_path.h"
#include "core/text/encoding.h"
#include "fuzz_support.h"

namespace {

using mw::fuzz::Check;

// A file or folder name that holds no step of its own with either
// separator: no '/', no '\\' or line break standing alone, and not ending
// on a lead byte (which would take a following '\\' as its second byte).
bool CleanName(std::string_view s) {
  if (s.empty() || s == "." || s == "..") return false;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto n = static_cast<std::size_t>(mw::CharLength(s, static_cast<mw::Offset>(i)));
    if (n == 1) {
      const char c = s[i];
      if (c == '/' || c == '\\' || c == '\r' || c == '\n') return false;
      if (i + 1 == s.size() && mw::IsLeadByte(static_cast<unsigned char>(c))) return false;
    }
    i += n;
  }
  return true;
}

// Names the routines treat specially, besides the fuzzer's own bytes.
constexpr const char* kNames[] = {"新規.html", "\x90\x56\x8B\x4B.html", "\x95\x5C", "index.html", "..", "a"};

// An absolute path of 1-6 names; empty when a name is not clean.
std::string MakePath(FuzzedDataProvider& in, char sep) {
  std::string path = sep == '/' ? "/" : "C:\\";
  const int steps = in.ConsumeIntegralInRange(1, 6);
  for (int i = 0; i < steps; ++i) {
    const std::string name = in.ConsumeBool() ? std::string(kNames[in.ConsumeIntegralInRange<std::size_t>(0, 5)])
                                              : in.ConsumeRandomLengthString(12);
    if (!CleanName(name)) return {};
    if (i > 0) path += sep;
    path += name;
  }
  return path;
}

void CheckPaths(std::string_view path, char sep) {
  Check(mw::FolderOf(path, sep) + mw::FileNameOf(path, sep) == path);
  for (const std::string& folder : mw::AncestorFolders(path, sep))
    Check(!folder.empty() && folder.back() == sep && path.starts_with(folder));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const char sep = in.ConsumeBool() ? '\\' : '/';
  const bool relative = in.ConsumeBool();
  const std::string project = MakePath(in, sep);
  std::vector<std::string> entries;
  bool clean = !project.empty();
  for (int n = in.ConsumeIntegralInRange(0, 4); n > 0 && clean; --n) {
    entries.push_back(MakePath(in, sep));
    clean = !entries.back().empty();
  }
  const std::string url = in.ConsumeRandomLengthString(40);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  // Any file.
  const std::string text = mw::ProjectTextFromFile(bytes);
  Check(mw::ProjectTextFromFile(mw::ProjectFileBytes(text)) == text);
  Check(mw::ProjectTextFromFile(mw::ProjectFileBytes(bytes)) == bytes);
  // A project file has a folder, so every line names something in it.
  if (!project.empty())
    for (const std::string& e : mw::ParseProjectText(text, project, sep)) Check(!e.empty());
  CheckPaths(bytes, sep);
  (void)mw::ResolveRelativePath(url, bytes, sep);
  (void)mw::MakeRelativePath(bytes, project, sep);
  (void)mw::FileSystemToDocumentPath(mw::DocumentToFileSystemPath(url));

  if (!clean) return 0;
  CheckPaths(project, sep);
  for (const std::string& e : entries) {
    std::string rel;
    if (mw::TryMakeRelativePath(e, project, rel, sep)) Check(mw::ResolveRelativePath(rel, project, sep) == e);
  }
  const std::string file = mw::ProjectFileText(entries, project, relative, sep);
  Check(mw::ParseProjectText(mw::ProjectTextFromFile(mw::ProjectFileBytes(file)), project, sep) == entries);
  return 0;
}
