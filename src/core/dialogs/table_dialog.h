// The table designer (TTableDlg): the TABLE attributes and caption on the
// page "設定", a grid of cells with their formats on the page "セル".
// The dialog is a model the host drives while it is open: its plain
// fields (the attribute rows, the cell panel, the counts) plus the typed
// grid, the selected block and the copy buffer. Buttons and pop-up menu
// items are pressed by name; grid cells are set as "sgTable[COL,ROW]" and
// the selection as "sgTable.Selection" = "LEFT,TOP,RIGHT,BOTTOM", after
// which the cell panel's fields apply to the selected cells.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/dialogs/table_grid.h"
#include "core/dialogs/tag_dialog.h"
#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

inline constexpr std::string_view kTableDialogClass = "TTableDlg";
inline constexpr std::string_view kTableGridName = "sgTable";
inline constexpr std::string_view kTableSelectionField = "sgTable.Selection";
// A row or column dragged to another place: "FROM,TO", counted as the grid
// counts them.
inline constexpr std::string_view kTableMoveRowField = "sgTable.MoveRow";
inline constexpr std::string_view kTableMoveColField = "sgTable.MoveCol";

// The page "設定" and the cell panel as rows; only the page's rows write
// TABLE attributes.
extern const TagDialogModel kTableDlg;
// The rows of the page "設定" alone (attributes, common group, caption,
// indent), and those of the page "セル" (counts, ckTH, the cell panel).
std::span<const Binding> TableSettingsRows();
std::span<const Binding> TableCellRows();

// What the dialog reaches outside itself.
struct TableEnvironment {
  UserPrompts* prompts = nullptr;  // confirmations and failures
  // "OpenDialog" and "SaveDialog" (fields Title, Filter, InitialDir,
  // FileName), and "ColorDialog" (field Color, "#RRGGBB").
  DialogHost* files = nullptr;
  const DialogServices* services = nullptr;
  EditingOptions options;
  std::string indent;        // the caret line's indent (B)
  std::string documentPath;  // the active document, for relative paths
  std::string startFolder;   // where file choices and the browser's page go
  // Shows a file in a browser: the button pressed (IEBtn, NNBtn, BrowseBtn)
  // and the path. Without it the browser buttons do nothing.
  std::function<void(std::string_view button, const std::string& path)> showInBrowser;
  // Takes a temporary file into the main window's list, deleted later.
  std::function<void(const std::string& path)> registerTempFile;
  // Runs the image dialog; its IMG tag, or nothing when cancelled.
  std::function<std::optional<std::string>()> imageTag;
};

// The host shows Fields(), whose actions are the dialog itself.
class TableDialog : public DialogActions {
 public:
  // fields: made by CreateTableFields (new) or PresetTableFields (re-edit).
  TableDialog(DialogFields fields, TableEnvironment env);
  TableDialog(const TableDialog&) = delete;
  TableDialog& operator=(const TableDialog&) = delete;

  DialogFields& Fields() { return m_fields; }
  const DialogFields& Fields() const { return m_fields; }
  // Fields, cells and the selection as SetField takes them, and presses;
  // the dialog has no lists to click nor pictures.
  bool Take(const DialogStep& step, DialogFields& f) override;
  // Sets a control as typing or choosing would; false when the dialog has
  // no such control or the value does not fit it.
  bool SetField(std::string_view name, std::string_view value);
  // Presses a button (or a pop-up menu item) by name; false when the
  // dialog has no such button.
  bool Press(std::string_view button);

  TableGrid& Grid() { return m_grid; }
  const TableGrid& Grid() const { return m_grid; }
  const CellRect& Selection() const { return m_selection; }
  // Clamped to the grid; the panel then shows the current cell's format.
  void Select(const CellRect& r);
  // The merge button's state.
  bool CanMerge() const { return m_grid.CanMerge(m_selection); }
  bool ReEdit() const { return IsReEdit(m_fields); }
  const CellBlock& CopyBuffer() const { return m_copy; }
  // Whether the selection the grid started from did not fit in it.
  bool SelectionCut() const { return m_selectionCut; }
  const TableEnvironment& Environment() const { return m_env; }

  // The whole result from the fields and the grid as they stand.
  TagBuild Build() const;
  // The counts after the grid changed size.
  void SyncCounts();

 private:
  bool Confirm(Msg question);
  void ApplyPanel();
  void ShowCurrentFormat();
  void ImportCsv();
  void ExportCsv();
  void ShowInBrowser(std::string_view button);
  void ChooseBackground();
  void PickColour(std::string_view field);
  void PickColourName(std::string_view field);
  std::optional<std::string> ChooseFile(std::string_view dialogClass, Msg filter);
  void Message(const std::string& text);

  DialogFields m_fields;
  TableEnvironment m_env;
  TableGrid m_grid;
  CellRect m_selection;
  CellBlock m_copy;
  bool m_selectionCut = false;
};

// A new dialog's fields; the grid starts from selText.
DialogFields CreateTableFields(std::string_view selText);
// The grid a selection gives: one row per line, its fields split by
// blanks or commas. False when the selection holds more than 100 lines or
// fields in a line: the grid then has the first 100 of each.
bool FillGridFromSelection(TableGrid& grid, std::string_view selText);

// The TABLE text from the fields and the grid: in a re-edit the start tag
// (and CAPTION) alone.
TagBuild BuildTable(const DialogFields& f, const TableGrid& grid, const EditingOptions& o,
                    std::string_view indent);

// A uniquely named file in folder, created for the purpose, holding the
// preview as a page; its path, or nothing (errorText says why).
std::optional<std::string> WriteTablePreviewFile(const std::string& folder, std::string_view preview,
                                                 std::string& errorText);

// TABLEClick, and F2 on a TABLE start tag.
void TableCommand(EditingContext& ctx, TableEnvironment env);
void TableReEdit(EditingContext& ctx, std::string_view tag, TableEnvironment env);
// The environment of the context: prompts, file choices, options, indent,
// and the browser and temporary files of its services.
TableEnvironment TableEnvironmentOf(EditingContext& ctx);
// The image dialog opened from a cell (ImageRefBtn, Shift+Enter): the IMG
// tag it built, remembered as the image dialog remembers it; nothing when
// cancelled or closed without a picture.
std::optional<std::string> CellImageTag(EditingContext& ctx);

void RegisterTableDialogCommands(CommandRegistry& r);

}  // namespace mw
