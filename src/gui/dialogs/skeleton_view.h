// The document skeleton dialog's window (TInitTagSetDlg): the rows of both
// pages, and above them the profile controls, which act through the
// dialog's model (core/dialogs/skeleton_dialog.h).
#pragma once

#include "gui/dialogs/tag_dialog_view.h"

class QComboBox;

namespace mw::gui {

class TInitTagSetDlg : public TagDialogView {
  Q_OBJECT
 public:
  TInitTagSetDlg(QWidget* parent, TagDialogViewHooks hooks);
  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;

  QComboBox* Profile() const { return m_profile; }
  QPushButton* Button(const char* name) const;

 private:
  void Press(const char* button);
  QComboBox* m_profile = nullptr;
  bool m_showingProfile = false;
};

void RegisterSkeletonView(QtDialogHost& host, TagDialogViewHooks hooks);

}  // namespace mw::gui
