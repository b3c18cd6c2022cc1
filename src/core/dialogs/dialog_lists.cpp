#include "core/dialogs/dialog_lists.h"

#include <filesystem>


namespace mw {

void FillItemLists(DialogFields& f, const TagDialogModel& model, const DialogServices& s,
                   std::string_view documentText) {
  for (const ControlSpec& c : model.controls) {
    std::vector<std::string> items = SplitItems(c.items);
    const auto more = SourceItems(s, c.source, documentText);
    items.insert(items.end(), more.begin(), more.end());
    if (!items.empty()) SetItems(f, c.name, items);
  }
}

bool ReferenceButtonEnabled(const std::string& documentPath) {
  std::error_code ec;
  return !documentPath.empty() && std::filesystem::is_regular_file(documentPath, ec);
}

bool ApplyReferenceChoice(DialogFields& f, std::string_view control, const std::string& file,
                          const std::string& documentPath, const DialogServices& s) {
  if (!s.makeRelativePath || file.empty()) return false;
  std::string url = s.makeRelativePath(file, documentPath);
  // Path delimiters only: a backslash that is the second byte of a
  // double-byte character stays.
  for (std::size_t i = 0; i < url.size(); i += CharLength(url, i))
    if (url[i] == '\\') url[i] = '/';
  f.Set(control, url);
  return true;
}

}  // namespace mw
