// The table of tag dialog models and the helpers their grids share.
#include <cstdlib>

#include "core/dialogs/style_dialogs.h"
#include "core/dialogs/tag_dialogs.h"

namespace mw {

namespace {

const TagDialogModel* const kModels[] = {
    &kHLineDlg, &kFontSetDlg, &kBaseFontDlg, &kMetaDlg,    &kAppletDlg,   &kScriptDlg, &kHAlignDlg,
    &kNameDlg,  &kURLInputDlg, &kULDlg,      &kOLDlg,      &kTRDlg,       &kTHTDDlg,   &kFormDlg,
    &kInputDlg, &kTextAreaDlg, &kSelectDlg,  &kFrameDlg,   &kFrameSetDlg, &kImageDlg,   &kAREADlg,
    &kLinkStyleSheetDlg, &kStyleDlg, &kStyleItemDlg, &kInsertStyleDlg,
};

}  // namespace

std::span<const TagDialogModel* const> TagDialogModels() { return kModels; }

const TagDialogModel* FindTagDialogModel(std::string_view dialogClass) {
  for (const TagDialogModel* m : kModels)
    if (m->dialogClass == dialogClass) return m;
  return nullptr;
}

DialogFields CreateFields(const TagDialogModel& model, std::string_view selText) {
  DialogFields f;
  f.Set(kFieldCaption, model.caption.Sjis());
  f.Set(kFieldMode, "0");
  f.Set(kFieldSelText, std::string(selText));
  model.create(f);
  return f;
}

std::string CellName(std::string_view grid, int row, int col) {
  return std::string(grid) + "[" + std::to_string(row) + "," + std::to_string(col) + "]";
}

int GridCount(const DialogFields& f, std::string_view control, int fallback) {
  const std::string v = f.Get(control);
  char* end = nullptr;
  const long n = std::strtol(v.c_str(), &end, 10);
  if (v.empty() || *end != '\0') return fallback;
  if (n < 1) return 1;
  // The grids hold at most a hundred rows.
  return n > 100 ? 100 : static_cast<int>(n);
}

}  // namespace mw
