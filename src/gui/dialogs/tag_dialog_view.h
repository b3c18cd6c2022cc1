// The window of a tag dialog, built from the dialog's rows: each row
// becomes the widget its kind asks for (line edit, number field, combo box
// with colour buttons or a reference button, check box, radio group, string
// grid), the common attributes and event handlers get group boxes of their
// own, and
// the editable preview at the bottom shows the tag the fields build. The
// view holds no tag logic: the model's build routine makes the preview and
// the command that opened the dialog inserts the result.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/editing_options.h"
#include "core/editing/memory_editor.h"
#include "gui/display/scintilla_editor.h"
#include "gui/editing/qt_dialog_host.h"

class QButtonGroup;
class QDialogButtonBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;

namespace mw {
class ScintillaSurface;
}

namespace mw::gui {

// What the views need from the main window. Every member may be empty.
struct TagDialogViewHooks {
  // The lists and hooks of the editing context the dialogs run in; the
  // owner outlives the views. Null: none.
  const DialogServices* services = nullptr;
  // The tag case and other options the preview is built with.
  std::function<EditingOptions()> options;
  // The preview's font and background: the editor's.
  std::function<EditorLook()> look;
  // The active document's file; empty or missing on disk disables the
  // reference buttons (no relative path can be made).
  std::function<QString()> documentPath;
  // Where a file chooser starts when the field names no existing file.
  std::function<QString()> startFolder;
  // A key typed into the preview, handled as the engine handles typing in
  // the document (true: handled, its text already in); empty: typed as is.
  std::function<bool(EditorSurface& preview, char key)> keyPress;
  // Asks for a file to refer to; empty when cancelled. Without it the
  // standard open-file dialog is shown.
  std::function<QString(QWidget* parent, const QString& startPath, const QString& filter)> chooseFile;
  // What the dialog does when a field changes or one of its buttons is
  // pressed (core/dialogs/dialog_actions.h, in the window's editing
  // context), for dialogs whose fields bring no actions of their own; the
  // view shows the fields as the routine left them.
  std::function<void(std::string_view dialogClass, std::string_view control, DialogFields& f)> fieldChanged;
  std::function<bool(std::string_view dialogClass, std::string_view button, DialogFields& f)> press;
  // The colour-name window on a field's text; empty when cancelled.
  // RegisterTagDialogViews sets it to the window on the same host.
  std::function<std::string(const std::string& initial)> pickColourName;
  // Runs a command of the main window by its id (the picture dialogs'
  // ExplorerBtn runs ExecExplorer).
  std::function<void(std::string_view id)> runCommand;
};

// The services of hooks, or an empty set.
const DialogServices& ServicesOf(const TagDialogViewHooks& hooks);

// A page of a dialog whose rows are shown on tabs: the tab's caption, the
// control of its first row, and the page's object name ("BodySheet"); the
// field "#page" holding that name opens the dialog on it. A page may name
// its controls instead (firstControl empty): the rows on no page then
// stand above the tabs, and a page shows its rows whatever their order.
struct ViewPage {
  Msg caption;
  std::string_view firstControl;
  std::string_view name;
  std::span<const std::string_view> controls = {};
};

// Builds the preview text from the fields as they stand.
using PreviewBuilder = std::function<std::string(const DialogFields& f, const EditingOptions& o)>;

class TagDialogView : public FieldsDialog {
  Q_OBJECT
 public:
  TagDialogView(QWidget* parent, std::span<const Binding> rows, PreviewBuilder build,
                TagDialogViewHooks hooks, std::span<const ViewPage> pages = {});
  ~TagDialogView() override;

  // The class the actions are asked for, and the model's own buttons.
  void SetDialogClass(std::string dialogClass) { m_dialogClass = std::move(dialogClass); }
  void AddButtons(std::span<const DialogButton> buttons);
  // The preview's label and hover hint, for a dialog that inserts text
  // rather than a tag.
  void SetPreviewLabel(const QString& label, const QString& hint);

  void LoadFields(const DialogFields& fields) override;
  // The controls' values; the preview only when the author edited it by
  // hand after its last rebuild (otherwise the command builds it again
  // from the fields, with the document's own options).
  void StoreFields(DialogFields& fields) const override;

  // The widget of a control (objectName = control name).
  QWidget* Control(std::string_view name) const;
  // Sets one control as typing, clicking or choosing would: text for
  // fields, "1"/"0" for check boxes, the item index for radio groups, grid
  // cells by their field name ("sgOption[1,0]"). False when the dialog has
  // no such control, item or cell.
  bool SetControlValue(std::string_view name, const QString& value);
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  ScintillaEditor* PreviewWidget() const { return m_previewWidget; }
  // The preview's text and formats, as the engine sees them.
  const EditorSurface& PreviewSurface() const;
  // The preview's document bytes.
  std::string PreviewText() const;
  bool PreviewEditedByHand() const { return m_handEdited; }
  // Runs a pending rebuild at once.
  void RebuildNow();
  // The reference button beside a field; null when it has none.
  QPushButton* ReferenceButton(std::string_view control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // For views that add controls of their own around the rows.
  DialogFields& ShownFields() { return m_fields; }
  // The fields as the controls stand now.
  DialogFields CurrentFields() const;
  QGridLayout* OwnGrid() const { return m_ownGrid; }
  QVBoxLayout* MainLayout() const { return m_main; }
  const TagDialogViewHooks& Hooks() const { return m_hooks; }
  // A dialog whose reference button does more than fill its field (a
  // picture is read and shown) takes the chosen file here: true when it
  // did. The filter is the one the button's file dialog shows.
  virtual bool ReferenceChosen(std::string_view control, const QString& file);
  virtual QString ReferenceFilter(std::string_view control, const QString& filter) const;
  // A field changed: the preview is rebuilt once the events are handled.
  void MarkStale();
  // The preview has just been rebuilt from the fields.
  virtual void Rebuilt() {}
  EditingOptions Options() const;

 private:
  enum class Widget { Text, Number, Combo, Check, Radio, Grid, FrameGrid };
  struct Bound {
    std::string name;
    std::string items;  // the row's own items (UTF-8), when the fields bring none
    int section = 0;    // 0 the dialog's own, 1 common attributes, 2 event handlers
    Widget kind = Widget::Text;
    bool count = false;       // a grid's row or column count
    std::string labelField;   // a field that replaces the label
    std::string rowCount;     // grids: the count fields
    std::string colCount;
    QWidget* widget = nullptr;
    QLabel* label = nullptr;
    QButtonGroup* radios = nullptr;
    int columns = 0;                     // grids
    QTableWidget* table = nullptr;       // grids: the table (widget may be its group)
    QPushButton* refButton = nullptr;    // file fields
    std::string filter;                  // the reference button's filter (UTF-8)
    QPushButton* formButton = nullptr;     // colour fields: the colour-name picker
    QPushButton* paletteButton = nullptr;  // colour fields
    QPushButton* styleButton = nullptr;    // style fields: the style editor
  };

  // Building the form (tag_dialog_controls.cpp).
  void BuildForm(std::span<const Binding> rows);
  Bound MakeControl(const Binding& row, QWidget* parent);
  void AddRow(QGridLayout* grid, const Binding& row, QWidget* parent);
  void AddColourButtons(Bound& b, QWidget* parent, QLayout* into);
  void AddReferenceButton(Bound& b, QWidget* parent, QLayout* into);
  void WatchField(Bound& b);
  void SetTabOrder();

  Bound* Find(std::string_view name);
  const Bound* Find(std::string_view name) const;
  const Bound* Owner(QObject* o) const;
  void StoreControls(DialogFields& f) const;
  void LoadControl(Bound& b, const DialogFields& f);
  void LoadGrid(Bound& b, const DialogFields& f);
  void LoadFrameGrid(Bound& b, const DialogFields& f);
  void CountChanged(const std::string& countName);

  void Rebuild();
  void PaletteClick(const Bound& b);
  void ColourNameClick(const Bound& b);
  void ReferenceClick(const Bound& b);
  // Runs a dialog action on the fields as they stand and shows what it
  // changed (every control but `except`, the one being typed in).
  void Act(const std::function<void(DialogFields&)>& action, std::string_view except = {});
  void Press(std::string_view button);
  void AddStyleButton(Bound& b, QWidget* parent, QLayout* into);
  void AddPopupItem(Bound& b, const QString& caption, const std::string& button);
  void AddGridStyleMenu(Bound& b);

  PreviewBuilder m_build;
  std::string m_dialogClass;
  QHBoxLayout* m_buttonRow = nullptr;
  TagDialogViewHooks m_hooks;
  DialogFields m_fields;
  std::vector<Bound> m_bound;
  QVBoxLayout* m_ownColumn = nullptr;
  QGridLayout* m_ownGrid = nullptr;
  QVBoxLayout* m_main = nullptr;
  std::span<const ViewPage> m_pages;
  QTabWidget* m_tabs = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
  MemoryClipboard m_clipboard;
  ScintillaEditor* m_previewWidget = nullptr;
  QLabel* m_previewLabel = nullptr;
  std::unique_ptr<ScintillaSurface> m_preview;
  QTimer m_rebuild;
  bool m_loading = false;
  bool m_handEdited = false;
};

// The simple-tag dialog's rows: the five common attributes.
std::span<const Binding> SimpleTagControls();

// Registers a view for every tag dialog model, the simple-tag dialog and
// the word-list input.
void RegisterTagDialogViews(QtDialogHost& host, TagDialogViewHooks hooks = {});

}  // namespace mw::gui
