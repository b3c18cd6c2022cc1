// The style editor's window (TRegisterStyleDlg): the property fields on
// two pages, the style text, the registry list and its buttons. It shows
// the editor's fields; every change and button goes to the editor's model
// (core/dialogs/style_editor.h) through the dialog hooks.
#pragma once

#include <map>
#include <string>

#include "gui/dialogs/tag_dialog_view.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QTabWidget;

namespace mw::gui {

class TRegisterStyleDlg : public FieldsDialog {
  Q_OBJECT
 public:
  TRegisterStyleDlg(QWidget* parent, TagDialogViewHooks hooks);

  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;

  // The widget of a field (objectName = field name).
  QWidget* Control(std::string_view name) const;
  QTabWidget* Pages() const { return m_pages; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  QWidget* BuildPage(int page);
  // A widget's value went into the fields: the model answers.
  void Changed(const std::string& field, const QString& text);
  void Press(std::string_view button);
  // Shows the fields (all but `except`, the one being typed in).
  void Show(std::string_view except = {});
  void UnitMenu(QLineEdit* unit, const QPoint& at);
  void Palette(const std::string& field);
  void ColourName(const std::string& field);
  void ChooseBackground();

  TagDialogViewHooks m_hooks;
  DialogFields m_fields;
  std::map<std::string, QWidget*, std::less<>> m_controls;
  QTabWidget* m_pages = nullptr;
  QLineEdit* m_style = nullptr;
  QListWidget* m_list = nullptr;
  QCheckBox* m_upper = nullptr;
  bool m_loading = false;
};

// Registers the style editor's window with the host.
void RegisterStyleEditorView(QtDialogHost& host, TagDialogViewHooks hooks);

}  // namespace mw::gui
