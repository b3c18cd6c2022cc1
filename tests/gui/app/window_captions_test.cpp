// The main window's command surface against the list of how it must read
// (tests/fixtures/main_window_captions.txt): every caption, key, check
// mark, toolbar hint and tag page in that list is in the command table.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "gui/app/command_table.h"

namespace mw::gui {
namespace {

struct Entry {
  int line = 0;
  std::vector<std::string> fields;
};

std::vector<Entry> ReadList() {
  std::ifstream in(std::string(MW_FIXTURES) + "/main_window_captions.txt");
  EXPECT_TRUE(in.good());
  std::vector<Entry> entries;
  std::string text;
  for (int n = 1; std::getline(in, text); ++n) {
    if (text.empty() || text.front() == '#') continue;
    Entry e{n, {}};
    std::stringstream fields(text);
    for (std::string f; std::getline(fields, f, '\t');) e.fields.push_back(f);
    entries.push_back(std::move(e));
  }
  return entries;
}

std::vector<const CommandRow*> RowsOf(std::string_view handler) {
  std::vector<const CommandRow*> rows;
  for (const CommandRow& row : CommandTable(CommandWindow::Main))
    if (row.handler == handler) rows.push_back(&row);
  return rows;
}

std::string HandlerOf(std::string_view id) {
  const CommandRow* row = FindCommand(id);
  return row != nullptr ? std::string(row->handler) : "(no row " + std::string(id) + ")";
}

// The captions of every item a popup holds, its submenus' items included.
std::set<std::string> PopupCaptions(std::string_view popup) {
  std::set<std::string> captions;
  for (const MenuLayout& m : PopupMenus()) {
    if (m.name != popup) continue;
    for (std::string_view e : m.entries)
      if (const CommandRow* row = FindCommand(e)) captions.emplace(row->caption);
  }
  return captions;
}

TEST(WindowCaptionsTest, EverythingTheListNamesIsInTheCommandTable) {
  const std::vector<Entry> list = ReadList();
  ASSERT_GT(list.size(), 150u);
  std::vector<std::string> menus, buttons, pages;
  std::set<std::string> submenus;
  for (const SubmenuRow& s : Submenus()) submenus.emplace(s.caption);
  for (const Entry& e : list) {
    const auto& f = e.fields;
    SCOPED_TRACE("line " + std::to_string(e.line) + ": " + f[0] + " " + (f.size() > 1 ? f[1] : ""));
    ASSERT_GE(f.size(), 2u);
    const std::string& kind = f[0];
    if (kind == "menu") {
      menus.push_back(f[1]);
    } else if (kind == "submenu") {
      EXPECT_TRUE(submenus.contains(f[1]));
    } else if (kind == "item" || kind == "key" || kind == "checked") {
      const auto rows = RowsOf(f[1]);
      ASSERT_FALSE(rows.empty()) << "no row runs " << f[1];
      const std::size_t argField = kind == "checked" ? 2 : 3;
      const std::string arg = f.size() > argField ? f[argField] : "";
      bool found = false;
      for (const CommandRow* row : rows) {
        if (!arg.empty() && row->arg != arg) continue;
        if (kind == "item") found |= row->caption == f[2];
        if (kind == "key") found |= row->shortcut == f[2];
        if (kind == "checked") found |= row->check == CheckKind::Checked;
      }
      EXPECT_TRUE(found) << kind << " " << (f.size() > 2 ? f[2] : "");
    } else if (kind == "popup") {
      EXPECT_TRUE(PopupCaptions(f[1]).contains(f[2])) << f[2];
    } else if (kind == "button") {
      buttons.push_back(f[1] + " " + f[2] + " " + f[3]);
    } else if (kind == "page") {
      pages.push_back(f[1] + " " + f[2] + " " + (f.size() > 3 ? f[3] : ""));
    } else {
      ADD_FAILURE() << "unknown kind " << kind;
    }
  }

  std::vector<std::string> tableMenus, tableButtons, tablePages;
  for (const MenuLayout& m : MainMenus()) tableMenus.emplace_back(m.caption);
  for (const ToolButtonRow& b : MainToolbar())
    tableButtons.push_back(std::string(b.name) + " " + std::string(b.hint) + " " + HandlerOf(b.command));
  for (const TagPage& p : TagPages()) {
    std::string handlers;
    for (const ToolButtonRow& b : p.buttons) handlers += (handlers.empty() ? "" : " ") + HandlerOf(b.command);
    tablePages.push_back(std::string(p.caption) + " " + std::string(p.component) + " " + handlers);
  }
  EXPECT_EQ(tableMenus, menus);
  EXPECT_EQ(tableButtons, buttons);
  EXPECT_EQ(tablePages, pages);
}

}  // namespace
}  // namespace mw::gui
