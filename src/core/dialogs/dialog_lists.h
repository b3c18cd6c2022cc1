// The lists the tag dialogs offer in their combo boxes, from the dialog
// services, and the reference buttons' relative paths (their file filters
// are texts of the program's table, named by the rows).
// Missing files give empty lists: no dialog complains about them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/dialog_services.h"

namespace mw {

// A reference button works only for a document saved on disk: a relative
// path needs the document's folder.
bool ReferenceButtonEnabled(const std::string& documentPath);

// The field gets the chosen file as a relative URL with slashes; false
// (field unchanged) when no relative path can be made.
bool ApplyReferenceChoice(DialogFields& f, std::string_view control, const std::string& file,
                          const std::string& documentPath, const DialogServices& s);

// Fills every row's item list: fixed items, then the list its source
// gives (colours, styles, class and ID candidates of documentText, URL
// candidates, fonts).
void FillItemLists(DialogFields& f, const TagDialogModel& model, const DialogServices& s,
                   std::string_view documentText);

}  // namespace mw
