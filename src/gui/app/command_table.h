// The command surface of every window as data: one row per command item
// (menu item, popup item, toolbar or tag-page button all point at a row by
// its id), the submenus, and the layouts that place them. Menus, toolbars,
// popups, enabling and key assignment read these tables; nothing wires an
// action by hand.
//
// Ids are the items' component names; saved key assignments store them,
// so they never change. Captions and hints are UTF-8.
//
// Each window keeps its rows beside it (the main window's in
// command_rows.cpp, the project window's in gui/project, the check
// window's in gui/check); CommandTable() is all of them, and each area
// registers one-line handlers for its rows with CommandActions.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace mw::gui {

enum class CheckKind { None, Unchecked, Checked };

// What a command needs before it can run, as flags: the `needs` column.
// A row is enabled when it has a handler and every need is met.
enum Need : std::uint32_t {
  kNeedsNothing = 0,
  kNeedsSelection = 1u << 0,      // selected text in the active document
  kNeedsClipboardText = 1u << 1,  // text on the clipboard
  kNeedsUndo = 1u << 2,           // something to undo in the active document
  kNeedsRepeatTag = 1u << 3,      // a recorded repeat-tag pair
  kNeedsKanji = 1u << 4,          // the kanji code converter
  kNeedsSavedFile = 1u << 5,      // the active document saved on disk
  kNeedsProject = 1u << 6,        // an open project window
};
using Needs = std::uint32_t;

// The window whose actions hold a row.
enum class CommandWindow { Main, Project, Check };

// Who runs a row whose handler name is both an engine command and a
// window handler: the window's own (a modeless dialog instead of the
// headless one, or more around the engine's step). Without Window here, a
// window handler for an engine command's name is refused.
enum class Runs { Engine, Window };

struct CommandRow {
  std::string_view id;        // component name, unique
  std::string_view caption;   // menu caption with its & accelerator
  std::string_view shortcut;  // default key, QKeySequence portable text; empty = none
  std::string_view handler;   // method name; engine commands run by this name
  // Tells items sharing a handler apart: the item's Tag number, caption or
  // name, exactly as the handler expects it. Empty when the handler serves
  // this item only.
  std::string_view arg;
  bool modifiesText = false;  // disabled together on a read-only document
  CheckKind check = CheckKind::None;  // the default check state
  std::string_view radioGroup;  // items of one group exclude each other
  Needs needs = kNeedsNothing;
  // A check item's option: the settings key (bAutoSelect, bSaveToEUC ...)
  // whose state the check mark mirrors. The mark is never read back.
  std::string_view option;
  Runs runs = Runs::Engine;
  CommandWindow window = CommandWindow::Main;
  std::string_view hint;  // the status text and tooltip, when it has one

  // A copy with one column changed; defined before its uses so that every
  // compiler can use it in the tables' constant expressions.
  template <class T, class V>
  constexpr CommandRow With(T CommandRow::*column, V value) const {
    CommandRow r = *this;
    r.*column = value;
    return r;
  }
  // The columns as the areas' tables write them: a row with id, caption
  // and handler, then what else it has.
  constexpr CommandRow Key(std::string_view k) const { return With(&CommandRow::shortcut, k); }
  constexpr CommandRow Arg(std::string_view a) const { return With(&CommandRow::arg, a); }
  constexpr CommandRow Hint(std::string_view h) const { return With(&CommandRow::hint, h); }
  constexpr CommandRow Needing(Needs n) const { return With(&CommandRow::needs, n); }
  constexpr CommandRow In(CommandWindow w) const { return With(&CommandRow::window, w); }
};

constexpr CommandRow Command(std::string_view id, std::string_view caption, std::string_view handler) {
  CommandRow r;
  r.id = id;
  r.caption = caption;
  r.handler = handler;
  return r;
}

// A submenu: its id (the component name layouts place it by), caption and
// needs. The same submenu may be placed in several menus.
struct SubmenuRow {
  std::string_view id;
  std::string_view caption;
  Needs needs = kNeedsNothing;
};

// Every row of every window, and the rows of one window. Ids are unique
// within a window (the project window has a FileOpen of its own).
std::span<const CommandRow> CommandTable();
std::span<const CommandRow> CommandTable(CommandWindow window);
const CommandRow* FindCommand(std::string_view id, CommandWindow window = CommandWindow::Main);

std::span<const SubmenuRow> Submenus();
const SubmenuRow* FindSubmenu(std::string_view id);

// A menu layout is a list of entries:
//   "<id>"        a command item
//   "-"           a separator
//   "[<id>"       opens the submenu with this id, "]" closes it
//   "@<name>"     a place filled at run time (file history, registered tags)
struct MenuLayout {
  std::string_view name;     // component name (menu or popup)
  std::string_view caption;  // empty for popups
  std::span<const std::string_view> entries;
};

std::span<const MenuLayout> MainMenus();
std::span<const MenuLayout> PopupMenus();

struct ToolButtonRow {
  std::string_view name;  // button component name
  std::string_view hint;
  std::string_view command;  // command id
};

std::span<const ToolButtonRow> MainToolbar();

struct TagPage {
  std::string_view caption;
  std::string_view component;
  std::span<const ToolButtonRow> buttons;  // empty for the run-time page
};

// In default order; index = default page position.
std::span<const TagPage> TagPages();

}  // namespace mw::gui
