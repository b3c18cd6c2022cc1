#include "core/project/convert_files.h"

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "core/project/file_set.h"
#include "core/project/relative_path.h"
#include "core/text/messages.h"

namespace mw {

std::vector<ConversionFailure> ConvertProjectFiles(const std::vector<std::string>& entries,
                                                   std::string_view option) {
  std::vector<ConversionFailure> failures;
  for (const std::string& path : ExistingFilesOnce(entries)) {
    try {
      ConvertFileCode(path, path, option);
    } catch (const std::exception& e) {
      failures.push_back({path, ConversionFailureReason(e)});
    }
  }
  return failures;
}

std::string ConversionFailureReason(const std::exception& e) {
  if (const auto* c = dynamic_cast<const ConversionError*>(&e)) {
    const ConversionProblem& p = c->problem();
    const std::string line = std::to_string(p.line);
    switch (p.kind) {
      case ConversionProblem::Kind::Unwritable:
        return FormatMessage(MessageSjis(Msg::ConvertReasonUnwritable), {line, p.subject, p.code});
      case ConversionProblem::Kind::Invalid:
        return FormatMessage(MessageSjis(Msg::ConvertReasonInvalid), {line, p.subject, p.code});
      case ConversionProblem::Kind::Other:
        break;
    }
    return FormatMessage(MessageSjis(Msg::ConvertReasonOther), {c->what()});
  }
  if (const auto* f = dynamic_cast<const FileError*>(&e)) {
    // what() is "path: reason"; the path is on the line already.
    std::string_view reason = f->what();
    if (reason.starts_with(f->path() + ": ")) reason.remove_prefix(f->path().size() + 2);
    return FormatMessage(MessageSjis(Msg::ConvertReasonFile), {reason});
  }
  return FormatMessage(MessageSjis(Msg::ConvertReasonOther), {e.what()});
}

std::string ConversionFailureReport(const std::vector<ConversionFailure>& failures) {
  std::string text(MessageSjis(Msg::ConvertFailedHeading));
  for (const ConversionFailure& f : failures)
    text += "\r\n" + FormatMessage(MessageSjis(Msg::ConvertFailedLine), {FileSystemToDocumentPath(f.path), f.reason});
  return text;
}

}  // namespace mw
