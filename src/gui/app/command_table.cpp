// The one command table: the rows of every window, put together once.
#include "gui/app/command_table.h"

#include <vector>

#include "gui/app/command_rows.h"

namespace mw::gui {

namespace {

struct Table {
  std::vector<CommandRow> rows;
  std::vector<SubmenuRow> submenus;
};

const Table& TheTable() {
  static const Table table = [] {
    Table t;
    for (const auto area : {MainWindowRows()}) t.rows.insert(t.rows.end(), area.begin(), area.end());
    for (const auto area : {MainWindowSubmenus()}) t.submenus.insert(t.submenus.end(), area.begin(), area.end());
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

const CommandRow* FindCommand(std::string_view id) {
  for (const auto& row : TheTable().rows)
    if (row.id == id) return &row;
  return nullptr;
}

const CommandRow* FindCommandByHandler(std::string_view handler) {
  for (const auto& row : TheTable().rows)
    if (row.handler == handler) return &row;
  return nullptr;
}

std::span<const SubmenuRow> Submenus() { return TheTable().submenus; }

const SubmenuRow* FindSubmenu(std::string_view id) {
  for (const auto& s : TheTable().submenus)
    if (s.id == id) return &s;
  return nullptr;
}

}  // namespace mw::gui
