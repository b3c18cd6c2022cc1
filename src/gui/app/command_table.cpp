// The one command table: the rows of every window, put together once.
#include "gui/app/command_table.h"

#include <vector>

#include "gui/app/command_rows.h"
#include "gui/check/check_commands.h"
#include "gui/project/project_commands.h"

namespace mw::gui {

namespace {

struct Table {
  std::vector<CommandRow> rows;
  std::vector<SubmenuRow> submenus;
};

const Table& TheTable() {
  static const Table table = [] {
    Table t;
    // Each window brings its rows, each run kept together.
    for (const auto area : {MainWindowRows(), ProjectWindowRows(), CheckWindowRows()})
      t.rows.insert(t.rows.end(), area.begin(), area.end());
    for (const auto area : {MainWindowSubmenus(), ProjectWindowSubmenus()})
      t.submenus.insert(t.submenus.end(), area.begin(), area.end());
    return t;
  }();
  return table;
}

}  // namespace

std::span<const CommandRow> CommandTable() { return TheTable().rows; }

std::span<const CommandRow> CommandTable(CommandWindow window) {
  const auto& rows = TheTable().rows;
  // Each window's rows are one run in the table.
  auto first = rows.begin();
  while (first != rows.end() && first->window != window) ++first;
  auto last = first;
  while (last != rows.end() && last->window == window) ++last;
  return {first, last};
}

const CommandRow* FindCommand(std::string_view id, CommandWindow window) {
  for (const auto& row : TheTable().rows)
    if (row.id == id && row.window == window) return &row;
  return nullptr;
}

std::span<const SubmenuRow> Submenus() { return TheTable().submenus; }

const SubmenuRow* FindSubmenu(std::string_view id) {
  for (const auto& s : TheTable().submenus)
    if (s.id == id) return &s;
  return nullptr;
}

}  // namespace mw::gui
