// The table designer's window: the page "設定" (the TABLE attributes, as
// every tag dialog shows its rows), the page "セル" with the grid, its
// counts, the cell panel and the grid's buttons and pop-up menu, the
// browser buttons, and the preview below. Every action goes to the dialog
// session in core; the window only shows what the session holds.
#pragma once

#include <QTableWidget>
#include <map>
#include <set>
#include <string>

#include "core/dialogs/table_dialog.h"
#include "gui/dialogs/tag_dialog_view.h"

class QHeaderView;
class QMenu;
class QTabWidget;

namespace mw::gui {

// The grid, with the editing that is under way handed over on demand.
class CellGrid : public QTableWidget {
  Q_OBJECT
 public:
  using QTableWidget::QTableWidget;
  // The cell being edited keeps its text as typed so far.
  void CommitEditing();
  bool Editing() const { return state() == EditingState; }

 signals:
  // Shift+Enter in a cell, being edited or not: its picture is asked for.
  void ImageRequested();
  // A cell's editor has opened: what is typed there reaches the table at
  // the next rebuild.
  void EditingStarted();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
};

class TableDialogView : public TagDialogView {
  Q_OBJECT
 public:
  TableDialogView(QWidget* parent, TableDialog& session, TagDialogViewHooks hooks);

  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;

  QTabWidget* Pages() const { return m_pages; }
  CellGrid* Grid() const { return m_grid; }
  QMenu* GridMenu() const { return m_menu; }
  // A control of the page "セル" by name (buttons, panel fields, counts).
  QWidget* CellControl(std::string_view name) const;
  // Selects a block of cells (1-based, as the grid counts).
  void SelectCells(const CellRect& r);
  // Runs a button or menu item as a click would.
  void Press(std::string_view name);

 public slots:
  void accept() override;

 protected:
  void Rebuilt() override;

 private:
  void BuildCellPage(QWidget* page);
  void AddButton(QLayout* into, const char* name, const QString& caption, Msg hint);
  void BuildMenu();
  void LoadGrid();
  void LoadPanel();
  void SelectionChanged();
  void PanelChanged(const std::string& name, const QString& value);
  void CellEdited(QTableWidgetItem* item);
  void SectionDragged(QHeaderView* header, int from, int to);
  // A size field's edit finished: what was typed (or stepped) applies.
  void FinishSize(const std::string& field, bool stepped = false);
  void FinishSizes();

  TableDialog& m_session;
  QTabWidget* m_pages = nullptr;
  CellGrid* m_grid = nullptr;
  QMenu* m_menu = nullptr;
  std::map<std::string, QWidget*, std::less<>> m_controls;
  bool m_syncing = false;
  std::set<std::string, std::less<>> m_typedSizes;  // size fields typed into, not applied yet
  std::string m_preset;  // the preview the dialog opened with
};

}  // namespace mw::gui
