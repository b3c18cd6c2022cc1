// A window's commands at run time: one QAction per row of the window,
// menus, popups and buttons built from the layouts, the one-line handlers
// the window's areas register, the engine behind the other rows, enabling
// by the `needs` column and check marks that mirror the options.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gui/app/command_table.h"

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace mw {
class CommandRegistry;
}

namespace mw::gui {

// A menu caption as Qt shows it: "(&X)" accelerators as they are, any
// other '&' (character references such as "&lt;") shown literally.
QString MenuText(std::string_view caption);

class CommandActions : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(const CommandRow&)>;
  // rows: the window's rows. engine: the commands that run by handler name
  // when the window has no handler of its own (may be null). run: called
  // when an action is triggered; the window runs the row and what follows.
  CommandActions(QWidget& owner, std::span<const CommandRow> rows, const CommandRegistry* engine,
                 std::function<void(const CommandRow&)> run);

  // The window's handler for every row with this handler name. Throws
  // std::logic_error when the name already has a handler, when no row has
  // it, or when it is also an engine command and its rows do not say the
  // window runs it (Runs::Window).
  void Handle(std::string_view handler, Handler run);
  // Whether the row runs anything here: a window handler or the engine.
  bool HasHandler(const CommandRow& row) const;
  // The window's handler for the row; nullptr when the engine runs it.
  const Handler* WindowHandler(const CommandRow& row) const;

  std::span<const CommandRow> Rows() const { return m_rows; }
  // The needs any row or submenu of the window has, so a window asks only
  // after what matters.
  Needs NeedsUsed() const { return m_needsUsed; }
  QAction* Action(std::string_view id) const;

  // Fills a menu from layout entries ("id", "-", "[submenu id" ... "]",
  // "@place"). Each submenu is a QMenu named by its id.
  void BuildMenu(QMenu& menu, std::span<const std::string_view> entries);
  // The menu a layout's "@place" names (filled at run time by its owner).
  QMenu* RuntimeMenu(std::string_view name) const;
  // Every placement of a submenu.
  std::vector<QMenu*> SubmenusOf(std::string_view id) const;
  // A tool button that triggers a row's action and follows its enabling;
  // text is its label when it has no image.
  QToolButton* MakeButton(QWidget* parent, const ToolButtonRow& button, const QString& text);

  // Enables each row that has a handler and whose needs `met` covers, and
  // each placed submenu whose needs it covers.
  void UpdateEnabled(Needs met);
  // Sets the mark of each check item from the state of its option; an
  // option stateOf does not know leaves the mark as it is.
  void MirrorChecks(const std::function<std::optional<bool>(std::string_view option)>& stateOf);

 private:
  void BuildMenu(QMenu& menu, std::span<const std::string_view> entries, std::size_t& at);

  std::span<const CommandRow> m_rows;
  std::vector<bool> m_handled;  // per row: HasHandler, kept as handlers come
  Needs m_needsUsed = kNeedsNothing;
  const CommandRegistry* m_engine;
  std::function<void(const CommandRow&)> m_run;
  std::map<std::string, Handler, std::less<>> m_handlers;
  std::map<std::string, QAction*, std::less<>> m_actions;
  std::vector<std::pair<const SubmenuRow*, QMenu*>> m_submenus;
  std::map<std::string, QMenu*, std::less<>> m_runtimeMenus;
};

}  // namespace mw::gui
