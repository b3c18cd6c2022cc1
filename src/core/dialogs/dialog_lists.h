// The lists the tag dialogs offer in their combo boxes, from the dialog
// services, and the reference buttons' file filters and relative paths.
// Missing files give empty lists: no dialog complains about them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/dialog_services.h"

namespace mw {

// Open-file filters of the reference buttons.
inline constexpr std::string_view kHtmlFilter = "html\xCC\xA7\xB2\xD9 (*.htm*; *.shtm*)|*.htm*; *.shtm*|\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* htmlﾌｧｲﾙ (*.htm*; *.shtm*)|*.htm*; *.shtm*|すべてのﾌｧｲﾙ (*.*)|*.* */;
inline constexpr std::string_view kImageFilter =
    "\xB2\xD2\xB0\xBC\xDE\xCC\xA7\xB2\xD9 (*.jpg,*.gif,*.png)|*.jpg;*.gif;*png|\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* ｲﾒｰｼﾞﾌｧｲﾙ (*.jpg,*.gif,*.png)|*.jpg;*.gif;*png|すべてのﾌｧｲﾙ (*.*)|*.* */;
inline constexpr std::string_view kAnyFileFilter = "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* すべてのﾌｧｲﾙ (*.*)|*.* */;

// A reference button works only for a document saved on disk: a relative
// path needs the document's folder.
bool ReferenceButtonEnabled(const std::string& documentPath);

// The field gets the chosen file as a relative URL with slashes; false
// (field unchanged) when no relative path can be made.
bool ApplyReferenceChoice(DialogFields& f, std::string_view control, const std::string& file,
                          const std::string& documentPath, const DialogServices& s);

// Fills every control's item list: fixed items, then the list its source
// gives (colours, styles, class and ID candidates of documentText, URL
// candidates, fonts).
void FillItemLists(DialogFields& f, const TagDialogModel& model, const DialogServices& s,
                   std::string_view documentText);

}  // namespace mw
