// The main window: menus, the main toolbar, the tag toolbar of thirteen
// pages, the popups and the document tabs, all built from the command
// table. Each action runs its row: an editing command through the engine
// on the active document, a layout command of the window itself, or
// nothing yet (disabled) when its owner is still to come.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "editing/editing_context.h"
#include "gui/app/command_table.h"

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;
class QsciScintilla;

namespace mw {
class ScintillaSurface;
}

namespace mw::gui {

class QtClipboard;
class QtPrompts;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  // dataFolder holds the settings and lists; empty reads and writes no
  // data files (tests).
  explicit TMainForm(std::string dataFolder = {}, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Opens the file in a new document tab and makes it active; false when
  // the file cannot be read.
  bool OpenDocument(const QString& path);

  // The action of a command row (shared by every menu, popup and button).
  QAction* Action(std::string_view id) const;
  // The popup menus by component name (pmRichEdit, pmMain1 ...).
  QMenu* Popup(std::string_view name) const;
  // Menus filled at run time by their owners (FileHistory, RegisteredTags,
  // FavoriteFolders), by the name the layout gives them.
  QMenu* RuntimeMenu(std::string_view name) const;

  QTabWidget* Documents() const { return m_pcMain; }
  QTabWidget* TagPageControl() const { return m_toolPages; }
  QToolBar* MainToolBar() const { return m_tbMain; }
  QToolBar* TagToolBar() const { return m_tagBar; }
  QsciScintilla* ActiveView() const;
  EditingContext& Context() { return m_ctx; }
  const EditingContext& Context() const { return m_ctx; }
  const std::string& DataFolder() const { return m_dataFolder; }
  // The stored FORM values that no widget or option mirrors.
  FormSettings& Settings() { return m_settings; }
  const FormSettings& Settings() const { return m_settings; }
  // Where commands' messages and questions go (message boxes by default;
  // tests answer from a script). Null restores the message boxes.
  void SetPrompts(UserPrompts* prompts);

  // Page components (PageSetSheet ...) in their current order.
  std::vector<std::string> TagPageOrder() const;
  // "right", "left", "rightEdge", "leftEdge" or "default".
  void ShiftTagPage(std::string_view how);

  // Runs a command row as its menu item would.
  void RunCommand(const CommandRow& row);
  // Whether a row has a handler here yet.
  static bool HasHandler(const CommandRow& row);

 private:
  void BuildActions();
  void BuildMenu(QMenu* menu, std::span<const std::string_view> entries, std::size_t& at);
  void BuildMainToolbar();
  void BuildTagPages();
  void BuildStatusBar();
  void RunEditing(const CommandRow& row);
  bool RunWindowCommand(const CommandRow& row);
  void SyncOptionChecks();
  void SetBandsVisible(bool speedBar, bool tagBar);
  QString Title() const;

  std::string m_dataFolder;
  FormSettings m_settings;
  EditingContext m_ctx;
  std::unique_ptr<QtClipboard> m_clipboard;
  std::unique_ptr<QtPrompts> m_prompts;
  std::map<std::string, QAction*, std::less<>> m_actions;
  std::map<std::string, QMenu*, std::less<>> m_popups;
  std::map<std::string, QMenu*, std::less<>> m_runtimeMenus;
  std::map<QWidget*, std::string> m_fileNames;  // document page -> path
  std::map<QWidget*, ScintillaSurface*> m_surfaces;  // owned by their page
  QTabWidget* m_pcMain = nullptr;
  QTabWidget* m_toolPages = nullptr;
  QToolBar* m_tbMain = nullptr;
  QToolBar* m_tagBar = nullptr;
  std::vector<QLabel*> m_statusPanels;
};

}  // namespace mw::gui
