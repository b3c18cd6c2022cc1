// The one-line input with a remembered word list (TInsertStrDlg): a combo
// box for the value, and in the list modes buttons that add the text to the
// list or delete the chosen entry, saved at once.
#pragma once

#include <memory>

#include "core/dialogs/word_list_dialog.h"
#include "gui/dialogs/tag_dialog_view.h"

class QComboBox;
class QLabel;

namespace mw::gui {

class TInsertStrDlg : public FieldsDialog {
  Q_OBJECT
 public:
  TInsertStrDlg(QWidget* parent, TagDialogViewHooks hooks);
  ~TInsertStrDlg() override;

  // Caption, Mode, cbStr with its items and chosen index, and an optional
  // label (lbStr) set by the command.
  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;

  QComboBox* Combo() const { return m_combo; }
  QPushButton* AddButton() const { return m_add; }
  QPushButton* DeleteButton() const { return m_delete; }
  QPushButton* RefButton() const { return m_ref; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddBtnClick();
  void DeleteBtnClick();
  void RefBtnClick();
  void ShowItems();
  // The list as the combo box stands: its text and chosen item.
  void TakeChoice();

  TagDialogViewHooks m_hooks;
  std::unique_ptr<WordListDialog> m_list;
  QLabel* m_label = nullptr;
  QComboBox* m_combo = nullptr;
  QPushButton* m_add = nullptr;
  QPushButton* m_delete = nullptr;
  QPushButton* m_ref = nullptr;
};

}  // namespace mw::gui
