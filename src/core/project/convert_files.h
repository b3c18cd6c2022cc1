// "すべてのファイルをコード変換": every file of a project converted in place to
// one kanji code, and the account of those that could not be.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

struct ConversionFailure {
  std::string path;    // the entry, as the file system spells it
  std::string reason;  // Shift-JIS, in the program's words
  friend bool operator==(const ConversionFailure&, const ConversionFailure&) = default;
};

// Converts every listed file that exists, in list order, in place to the
// code of option ("s", "j", "e"). A file that fails is left as it was and
// the files after it are still converted: one failure each, in list order.
// Entries whose files have gone are skipped, as every pass over the
// project skips them; a file listed under two names is converted once.
std::vector<ConversionFailure> ConvertProjectFiles(const std::vector<std::string>& entries,
                                                   std::string_view option);

// Why a conversion failed (a ConversionError, a FileError or anything
// else thrown), in the program's words (Shift-JIS).
std::string ConversionFailureReason(const std::exception& e);

// The message that lists the failures: a heading, then "path: reason" a
// line (Shift-JIS; a path as a page would spell it).
std::string ConversionFailureReport(const std::vector<ConversionFailure>& failures);

}  // namespace mw
