// The working copy of a document: the editor's text written beside the
// document under a "____" name, so a browser or a reload sees the text as
// it is now and its relative links still resolve. Only files the program
// itself created are ever overwritten or (by the caller's temporary-file
// list) deleted: a user's file that happens to have the name is left alone
// and another free name beside it is taken.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw {

struct WorkingCopyRequest {
  std::string documentPath;      // the document's full path; ignored when untitled
  bool untitled = false;         // CurrentFileName is UntitledName
  bool modified = false;         // the editor's modified flag
  bool forPreview = false;       // for a browser (else for the display refresh)
  bool browseSelection = false;  // bBrowseSelection: preview only the selection
  std::string selectedText;      // the selection's bytes; empty when none
  std::string linkedStyleSheet;  // LinkedStyleSheet, for a previewed selection
  std::string programFolder;     // ProgramFolder: home of an untitled document's copy
  std::string untitledName;      // UntitledName as a file name
};

struct WorkingCopy {
  // The file to show: a working copy, or the document itself when it is
  // saved and unchanged. Empty when there is none (an untitled document
  // without a program folder).
  std::string path;
  // The program wrote this file: add it to the temporary files, which are
  // deleted later. False for the document itself.
  bool created = false;
};

// The name tried first for a document ("____" + its name in its folder),
// and the ones after it when that is taken by a file not ours:
// "____2_" + name, "____3_" + name, ...
std::string WorkingCopyCandidate(const std::string& documentPath, int attempt);

// Writes the working copy when the document is modified or untitled, or a
// preview is asked with a selection; the copy holds the whole text in the
// document file format, or for a previewed selection with browseSelection
// a page around the selection that links the style sheet. `ownFiles` are
// the temporary files the program created so far: one of those may be
// written over, any other existing file never. Throws FileError when the
// file cannot be written.
WorkingCopy MakeWorkingCopy(const WorkingCopyRequest& request, std::string_view text,
                            const std::vector<std::string>& ownFiles);

}  // namespace mw
