// The main window's command surface as data: one row per command item
// (menu item, popup item, toolbar or tag-page button all point at a row by
// its id), and the layouts that place those rows. Menus, toolbars, popups
// and key assignment read these tables; nothing wires an action by hand.
//
// Ids are the menu items' component names; saved key assignments store them,
// so they never change. Captions and hints are UTF-8.
#pragma once

#include <span>
#include <string_view>

namespace mw::gui {

enum class CheckKind { None, Unchecked, Checked };

struct CommandRow {
  std::string_view id;        // component name, unique
  std::string_view caption;   // menu caption with its & accelerator
  std::string_view shortcut;  // default key, QKeySequence portable text; empty = none
  std::string_view handler;   // method name; editing commands run by this name
  // Tells items sharing a handler apart: the item's Tag number, caption or
  // name, exactly as the handler expects it. Empty when the handler serves
  // this item only.
  std::string_view arg;
  bool modifiesText = false;  // disabled together on a read-only document
  CheckKind check = CheckKind::None;
  std::string_view radioGroup;  // items of one group exclude each other
};

std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(std::string_view id);

// A menu layout is a list of entries:
//   "<id>"        a command item
//   "-"           a separator
//   "[<caption>"  opens a submenu, "]" closes it
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
