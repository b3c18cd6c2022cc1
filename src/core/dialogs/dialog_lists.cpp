#include "core/dialogs/dialog_lists.h"

#include <filesystem>

#include "core/text/unicode_view.h"

namespace mw {

void FillItemLists(DialogFields& f, const TagDialogModel& model, const DialogServices& s,
                   std::string_view documentText) {
  for (const Binding& b : model.rows) {
    // Fixed items are written in UTF-8; the fields hold document text.
    std::vector<std::string> items = SplitItems(UnicodeViewToSjis(b.items).bytes);
    const auto more = SourceItems(s, b.source, documentText);
    items.insert(items.end(), more.begin(), more.end());
    if (!items.empty()) SetItems(f, b.control, items);
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
