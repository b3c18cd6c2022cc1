// A project: the ordered list of a site's files, kept in a ".wpr" file of
// one path a line. Entries are absolute while the project is open; on disk
// they may be relative to the project file, so a site folder can move with
// its project file as a whole.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/relative_path.h"
#include "core/text/messages.h"

namespace mw {

// A project never saved has the bare name Msg::NewProjectName; a project
// line holding the main window's name for a new document
// (Msg::UntitledDocumentName) is kept as it stands. Entries and path are
// the real paths, as the file system spells them.
struct Project {
  std::string path{MessageSjis(Msg::NewProjectName)};
  std::vector<std::string> entries;
  bool modified = false;
  // Save must ask for a file name.
  bool IsNew() const { return path.empty() || path == MessageSjis(Msg::NewProjectName); }
};

// A project line is absolute when it is a full path: with "/" separators
// it starts with "/", with "\" separators it holds a "\" of its own (not
// the second byte of a character).
bool IsAbsoluteEntry(std::string_view line, char sep = kPathSeparator);

// The entries of a project file's text (CR LF, LF or CR line ends, paths
// spelled as the file system spells them), relative lines resolved against
// projectPath. Blank lines are no entries.
std::vector<std::string> ParseProjectText(std::string_view text, std::string_view projectPath,
                                          char sep = kPathSeparator);

// A project file's bytes as text in the file system's spelling of paths
// (UTF-8 here): after a UTF-8 signature, or when the bytes are valid UTF-8
// (a file written by a system that keeps its paths so), the text as it
// stands; otherwise Shift-JIS, the format's own code, converted. Bytes that
// are no Shift-JIS character come through as the lossless view's markers:
// such an entry names no file and is shown as missing, never dropped.
std::string ProjectTextFromFile(std::string_view bytes);
// The reverse: Shift-JIS when every path reads back from it exactly;
// otherwise (a character Shift-JIS cannot hold, a name that is no UTF-8,
// or Shift-JIS bytes that would read as UTF-8) a UTF-8 signature and the
// text unchanged, so no path is ever lost.
std::string ProjectFileBytes(std::string_view text);

// The file form: every entry followed by CR LF; with relative on, every
// entry relative to projectPath. An entry that shares no folder with the
// project file (another drive) stays absolute, since its relative form
// would read back as a path inside the project folder; so does a page
// beside the project file that has the untitled document's name.
std::string ProjectFileText(const std::vector<std::string>& entries, std::string_view projectPath,
                            bool relative, char sep = kPathSeparator);

// Reads the project at path into project (path set, entries resolved,
// modified cleared), in whichever of its two codes it is. False, with nothing changed, when the file does not
// exist. Throws FileError when it cannot be read.
bool OpenProjectFile(Project& project, const std::string& path);

// Replaces the file at path with the project's entries (atomically; throws
// FileError), in Shift-JIS unless a path needs UTF-8. Leaves the modified flag to the caller.
void WriteProjectFile(const Project& project, const std::string& path, bool relative);

// Appends path when the file exists and the list does not hold it already
// (letter case ignored). True when appended (modified is then set).
bool AddProjectFile(Project& project, const std::string& path);

// Adds every file below folder whose extension (lower case, no dot) is in
// extensions, walking subfolders, in name order. Returns how many were
// added.
std::size_t AddProjectFolder(Project& project, const std::string& folder,
                             const std::vector<std::string>& extensions);

// Alphabetical without regard to case; does not mark the project modified.
void SortProject(Project& project);

// Removes entry i (modified set); false when there is none.
bool RemoveProjectEntry(Project& project, std::size_t i);
// Moves entry from to position to (an index past the end moves it to the
// end); modified set. False when from is out of range.
bool MoveProjectEntry(Project& project, std::size_t from, std::size_t to);
// A listed file got a new path (renamed or saved under another name):
// the entry equal to oldPath takes newPath and the project is modified.
// Letter case counts (another case names another file here). False when
// not listed or unchanged.
bool RenameProjectEntry(Project& project, std::string_view oldPath, const std::string& newPath);

enum class SaveAnswer { Yes, No, Cancel };

// The question before a project is dropped. Unmodified: Yes without asking.
// Otherwise ask() gives the user's answer; on Yes save() runs and returns
// false when the user cancelled the file name, which turns the answer into
// Cancel.
SaveAnswer AskSaveProject(const Project& project, const std::function<SaveAnswer()>& ask,
                          const std::function<bool()>& save);

// Files below folder whose extension is in extensions, depth first in name
// order; subfolders only when recursive. stop() is asked after every entry
// and ends the walk when it returns true. visit() gets each file's path.
// unlisted() gets each folder that cannot be listed, with errno's reason;
// the walk goes on past it.
void WalkFolder(const std::string& folder, const std::vector<std::string>& extensions,
                bool recursive, const std::function<void(const std::string&)>& visit,
                const std::function<bool()>& stop = {},
                const std::function<void(const std::string& folder, int err)>& unlisted = {});

// Whether path's extension (lower case, without the dot) is in extensions.
bool HasColouredExtension(std::string_view path, const std::vector<std::string>& extensions);

}  // namespace mw
