// The dialogs editing commands open, shown as Qt dialogs. A command fills
// DialogFields named like the dialog's controls; the host looks up the
// view registered for the dialog class, lets it show the fields, runs it
// modally and, on OK, takes the fields back from it. Each tag dialog view
// registers itself here under its class name.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/editing/dialog_host.h"

namespace mw::gui {

// A dialog view bound to fields: it shows them as its controls and reads
// them back. It holds no logic of the command that opened it.
class FieldsDialog : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;
  virtual void LoadFields(const DialogFields& fields) = 0;
  virtual void StoreFields(DialogFields& fields) const = 0;
  // What the dialog keeps however it closed (its size, a colour chosen),
  // stored before OK's fields.
  virtual void StoreClosing(DialogFields& fields) const { (void)fields; }
};

class QtDialogHost : public DialogHost {
 public:
  // Makes a new view, parented to the host's parent widget.
  using ViewFactory = std::function<std::unique_ptr<FieldsDialog>(QWidget* parent)>;

  explicit QtDialogHost(QWidget* parent) : m_parent(parent) {}

  // A later registration of the same class replaces the earlier one.
  void Register(std::string dialogClass, ViewFactory factory);
  bool Knows(std::string_view dialogClass) const;

  // Shows the view of `dialogClass` modally; an unknown class answers as
  // Cancel. The view exists only while it is shown. "OpenDialog" and
  // "SaveDialog" (fields Title, Filter, InitialDir; FileName back, a local
  // path) go to the file chooser.
  bool Run(std::string_view dialogClass, DialogFields& fields) override;

  // A view made for the fields it shows: one that works on the dialog's
  // model (fields.actions) while open, and leaves the fields in it at OK.
  // It goes before a view registered with Register.
  using ModelViewFactory = std::function<std::unique_ptr<FieldsDialog>(QWidget* parent, DialogFields& fields)>;
  void RegisterModelView(std::string dialogClass, ModelViewFactory factory);

  // Answers the file dialogs: save or open, title, folder, filter in the
  // "description|patterns|..." form (UTF-8); the chosen path, or empty.
  using FileChooser = std::function<QString(bool save, const QString& title, const QString& folder,
                                            const QString& filter)>;
  void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

 private:
  QWidget* m_parent;
  std::map<std::string, ViewFactory, std::less<>> m_views;
  std::map<std::string, ModelViewFactory, std::less<>> m_modelViews;
  FileChooser m_chooseFile;
};

}  // namespace mw::gui
