#include "core/display/working_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/app/document_file.h"

namespace mw {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxAttempts = 1000;

bool IsOwn(const std::string& path, const std::vector<std::string>& ownFiles) {
  const fs::path wanted = fs::path(path).lexically_normal();
  return std::any_of(ownFiles.begin(), ownFiles.end(),
                     [&wanted](const std::string& own) { return fs::path(own).lexically_normal() == wanted; });
}

// Creates path only if nothing is there yet (checked and created in one
// step, so a file appearing meanwhile is not taken over).
bool CreateNew(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return false;
    throw FileError(path, std::strerror(errno));
  }
  ::close(fd);
  return true;
}

std::string PreviewPage(const WorkingCopyRequest& r) {
  return "<HTML><HEAD><LINK REL=stylesheet TYPE=text/css HREF=" + r.linkedStyleSheet + "></HEAD><BODY>" +
         r.selectedText + "</BODY></HTML>";
}

}  // namespace

std::string WorkingCopyCandidate(const std::string& documentPath, int attempt) {
  const fs::path doc(documentPath);
  const std::string prefix = attempt <= 1 ? std::string("____") : "____" + std::to_string(attempt) + "_";
  return (doc.parent_path() / (prefix + doc.filename().string())).string();
}

WorkingCopy MakeWorkingCopy(const WorkingCopyRequest& request, std::string_view text,
                            const std::vector<std::string>& ownFiles) {
  const bool selection = !request.selectedText.empty();
  if (!request.modified && !request.untitled && !(request.forPreview && selection))
    return {request.documentPath, false};

  std::string base;
  if (request.untitled) {
    if (request.programFolder.empty() || request.untitledName.empty()) return {};
    base = (fs::path(request.programFolder) / request.untitledName).string();
  } else {
    if (request.documentPath.empty()) return {};
    base = request.documentPath;
  }

  std::string path;
  for (int attempt = 1; attempt <= kMaxAttempts && path.empty(); ++attempt) {
    const std::string candidate = WorkingCopyCandidate(base, attempt);
    if (IsOwn(candidate, ownFiles) || CreateNew(candidate)) path = candidate;
  }
  if (path.empty()) throw FileError(WorkingCopyCandidate(base, 1), "no free name for a working copy");

  const bool page = request.forPreview && request.browseSelection && selection;
  const std::string wrapped = page ? PreviewPage(request) : std::string();
  try {
    SaveDocumentFile(path, page ? std::string_view(wrapped) : text);
  } catch (const FileError&) {
    // Not listed as ours when it fails: take the empty new file away.
    if (!IsOwn(path, ownFiles)) ::unlink(path.c_str());
    throw;
  }
  return {path, true};
}

}  // namespace mw
