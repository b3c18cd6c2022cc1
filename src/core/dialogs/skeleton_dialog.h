// The document skeleton dialog (TInitTagSetDlg): DOCTYPE, HTML, HEAD with
// the charset META, TITLE, BASE and the style-sheet LINK, BODY with its
// colours and handlers, and BASEFONT, built from two pages of fields. Its
// settings are kept as named profiles in InitTagSetting.txt. In full mode
// (InitTagSetClick) the skeleton goes around the selection; in BODY mode
// (F2 on a BODY start tag) only that start tag is rebuilt, in place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

inline constexpr std::string_view kInitTagSettingName = "InitTagSetting.txt";
inline constexpr std::string_view kCurrentProfile = "CURRENT";

extern const TagDialogModel kInitTagSetDlg;  // TInitTagSetDlg

// The rows of the BODY page (the BODY start tag's attributes, in order).
std::span<const Binding> SkeletonBodyRows();

// The profiles of a data folder: section names of InitTagSetting.txt.
class SkeletonProfiles {
 public:
  explicit SkeletonProfiles(std::string dataFolder);
  std::vector<std::string> Names() const;
  bool Has(std::string_view name) const;
  // Every field from the profile's section (missing keys empty, SIZE 2).
  void Load(std::string_view name, DialogFields& f) const;
  // Every key written from the fields into the section; atomically saved.
  void Save(std::string_view name, const DialogFields& f) const;
  void Erase(std::string_view name) const;
  // CURRENT: the fields and PROFILE, the name last used.
  void SaveCurrent(const DialogFields& f) const;
  std::string LastUsed() const;

 private:
  std::string Path() const;
  std::string m_folder;
};

// NewBtn: the fields of a new profile (character set, language and
// handlers kept).
void ResetSkeletonFields(DialogFields& f);

// The dialog's fields in full mode: created, the last profile loaded, the
// profile list and the file-save button's state.
DialogFields SkeletonFields(const EditingContext& ctx);

void InitTagSetCommand(EditingContext& ctx);                   // InitTagSetClick
void BodyReEdit(EditingContext& ctx, std::string_view tag);    // F2 on <BODY ...>
void RegisterSkeletonAndColourCommands(CommandRegistry& r);

}  // namespace mw
