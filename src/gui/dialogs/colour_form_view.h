// The colour-name window (TInputColorForm), the system colour dialog as the
// engine asks for it (TColorDialog), and the gradation dialog
// (TGradationDlg). The views show the fields of their models and hand every
// change, press and click to the model (core/dialogs/colour_input.h).
//
// A view with colour fields picks a name for one of them with
// PickColourName (core) on the dialog host its views run on; the result is
// empty when the author cancelled.
#pragma once

#include "core/dialogs/colour_input.h"
#include "gui/dialogs/tag_dialog_view.h"

class QLineEdit;
class QListWidget;
class QSpinBox;

namespace mw::gui {

class TInputColorForm : public FieldsDialog {
  Q_OBJECT
 public:
  explicit TInputColorForm(QWidget* parent);
  ~TInputColorForm() override;

  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;
  void StoreClosing(DialogFields& fields) const override;

  QLineEdit* ColourEdit() const { return m_edColor; }
  QLineEdit* Swatch() const { return m_swatch; }
  QListWidget* List() const { return m_list; }
  QPushButton* SwitchButton() const { return m_switch; }
  QSpinBox* Columns() const { return m_columns; }
  // What the model says the window shows.
  const DialogFields& Fields() const { return m_fields; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show();
  void LayOut();
  void Chosen(int row);

  DialogFields m_fields;
  QLineEdit* m_edColor = nullptr;
  QLineEdit* m_swatch = nullptr;
  QPushButton* m_switch = nullptr;
  QSpinBox* m_columns = nullptr;
  QListWidget* m_list = nullptr;
  bool m_showing = false;
};

// Registers TInputColorForm, TColorDialog and TGradationDlg on the host.
void RegisterColourViews(QtDialogHost& host, TagDialogViewHooks hooks);

}  // namespace mw::gui
