#include "gui/app/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "gui/check/check_commands.h"
#include "gui/project/project_commands.h"
#include "core/app/settings.h"
#include "core/editing/editing_options.h"

namespace mw::gui {
namespace {

// Every row id the layouts of a window place, with where.
std::multimap<std::string, std::string> Placements(CommandWindow window) {
  std::multimap<std::string, std::string> placed;
  auto addMenus = [&](std::span<const MenuLayout> menus) {
    for (const auto& m : menus)
      for (auto e : m.entries)
        if (e != "-" && e != "]" && !e.starts_with('[') && !e.starts_with('@'))
          placed.emplace(std::string(e), std::string(m.name));
  };
  auto addButtons = [&](std::span<const ToolButtonRow> buttons, std::string_view where) {
    for (const auto& b : buttons) placed.emplace(std::string(b.command), std::string(where));
  };
  switch (window) {
    case CommandWindow::Main:
      addMenus(MainMenus());
      addMenus(PopupMenus());
      addButtons(MainToolbar(), "tbMain");
      for (const auto& p : TagPages()) addButtons(p.buttons, p.component);
      break;
    case CommandWindow::Project:
      addMenus(ProjectMenus());
      addMenus(ProjectPopups());
      addButtons(ProjectToolbar(), "PrjToolBar");
      break;
    case CommandWindow::Check:
      addButtons(CheckToolbar(), "TagErrorForm");
      break;
  }
  return placed;
}
std::multimap<std::string, std::string> Placements() { return Placements(CommandWindow::Main); }

constexpr CommandWindow kWindows[] = {CommandWindow::Main, CommandWindow::Project, CommandWindow::Check};

// Ids and keys are each window's own: the project window's Ctrl+O opens a
// project, and its FileOpen is not the main window's.
TEST(CommandTable, IdsAndShortcutsAreUniqueInEachWindow) {
  for (const CommandWindow window : kWindows) {
    std::set<std::string_view> ids, keys;
    for (const auto& row : CommandTable(window)) {
      EXPECT_EQ(row.window, window) << row.id;
      EXPECT_TRUE(ids.insert(row.id).second) << "duplicate id " << row.id;
      if (!row.shortcut.empty()) {
        EXPECT_TRUE(keys.insert(row.shortcut).second) << "duplicate key " << row.shortcut;
      }
    }
  }
  std::size_t all = 0;
  for (const CommandWindow window : kWindows) all += CommandTable(window).size();
  EXPECT_EQ(all, CommandTable().size()) << "each window's rows are one run";
}

TEST(CommandTable, LayoutsNameOnlyExistingRowsAndEveryRowIsPlaced) {
  for (const CommandWindow window : kWindows) {
    const auto placed = Placements(window);
    for (const auto& [id, where] : placed) EXPECT_NE(FindCommand(id, window), nullptr) << id << " in " << where;
    for (const auto& row : CommandTable(window)) EXPECT_TRUE(placed.contains(std::string(row.id))) << row.id;
  }
}

TEST(CommandTable, SubmenusAreClosed) {
  auto check = [](const MenuLayout& m) {
    int depth = 0;
    for (auto e : m.entries) {
      if (e.starts_with('[')) ++depth;
      if (e == "]") --depth;
      EXPECT_GE(depth, 0) << m.name;
    }
    EXPECT_EQ(depth, 0) << m.name;
  };
  for (const auto& m : MainMenus()) check(m);
  for (const auto& m : PopupMenus()) check(m);
  for (const auto& m : ProjectMenus()) check(m);
  for (const auto& m : ProjectPopups()) check(m);
}

TEST(CommandTable, EveryEngineCommandIsReachableAndAgreesOnTextChange) {
  const auto placed = Placements();
  for (const auto& command : EngineCommands().All()) {
    bool reachable = false;
    for (const auto& row : CommandTable()) {
      if (row.handler != command.name) continue;
      if (placed.contains(std::string(row.id))) reachable = true;
      EXPECT_EQ(row.modifiesText, command.modifiesText) << row.id;
    }
    EXPECT_TRUE(reachable) << command.name;
  }
}

TEST(CommandTable, DefaultShortcuts) {
  const std::map<std::string, std::string> keys = {
      {"FileNew", "Ctrl+N"},        {"FileOpen", "Ctrl+O"},           {"FileSave", "Ctrl+S"},
      {"MoveToNextFile", "Ctrl+Tab"}, {"MoveToPrevFile", "Ctrl+Shift+Tab"}, {"EditUndo", "Ctrl+Z"},
      {"EditCut", "Ctrl+X"},        {"EditCopy", "Ctrl+C"},           {"EditPaste", "Ctrl+V"},
      {"SelectAll", "Ctrl+A"},      {"EditFind", "Ctrl+F"},           {"FindNext1", "F3"},
      {"EditReplace", "Ctrl+R"},    {"Indent", "Ctrl+Shift+I"},       {"UnIndent", "Ctrl+Shift+U"},
      {"InitTagSet", "Ctrl+I"},     {"EditTag", "F2"},                {"Help1", "F1"},
  };
  std::size_t withKey = 0;
  for (const auto& row : CommandTable(CommandWindow::Main)) {
    if (row.shortcut.empty()) continue;
    ++withKey;
    const auto it = keys.find(std::string(row.id));
    ASSERT_NE(it, keys.end()) << row.id << " has an unlisted key";
    EXPECT_EQ(row.shortcut, it->second) << row.id;
  }
  EXPECT_EQ(withKey, keys.size());
}

TEST(CommandTable, CheckedByDefaultAndRadioGroups) {
  std::set<std::string_view> checked;
  std::map<std::string_view, int> checkedPerGroup;
  for (const auto& row : CommandTable()) {
    if (row.check == CheckKind::Checked) checked.insert(row.id);
    if (!row.radioGroup.empty() && row.check == CheckKind::Checked) ++checkedPerGroup[row.radioGroup];
    if (!row.radioGroup.empty()) {
      EXPECT_NE(row.check, CheckKind::None) << row.id;
    }
  }
  EXPECT_EQ(checked, (std::set<std::string_view>{"ShowSpeedBar", "ShowTagToolBar", "FlatBtn", "SelectEditedEnd",
                                                 "DropThenOpen", "SaveAsItIs"}));
  for (const auto& [group, n] : checkedPerGroup) EXPECT_EQ(n, 1) << group;
}

// Each check item names an option the engine keeps or a settings key the
// window keeps; radio items name their own choice.
TEST(CommandTable, CheckItemsMirrorAKnownOption) {
  const EditingOptions options;
  const FormSettings settings;
  for (const auto& row : CommandTable()) {
    if (row.option.empty()) continue;
    EXPECT_NE(row.check, CheckKind::None) << row.id;
    if (OptionItemChecked(options, row.option)) continue;
    EXPECT_NO_THROW(settings.Bool(row.option)) << row.id << " mirrors " << row.option;
  }
  for (const auto& row : CommandTable())
    if (!row.radioGroup.empty()) {
      EXPECT_FALSE(row.option.empty()) << row.id;
    }
}

TEST(CommandTable, SubmenusHaveUniqueIdsAndLayoutsPlaceOnlyKnownOnes) {
  std::set<std::string_view> ids;
  for (const auto& s : Submenus()) EXPECT_TRUE(ids.insert(s.id).second) << s.id;
  auto check = [&](std::span<const MenuLayout> menus) {
    for (const auto& m : menus)
      for (auto e : m.entries)
        if (e.starts_with('[')) {
          EXPECT_NE(FindSubmenu(e.substr(1)), nullptr) << e << " in " << m.name;
        }
  };
  check(MainMenus());
  check(PopupMenus());
  check(ProjectMenus());
  check(ProjectPopups());
}

TEST(CommandTable, SharedHandlersTellItemsApart) {
  struct Case {
    const char* id;
    const char* handler;
    const char* arg;
  };
  const Case cases[] = {
      {"ExtractAndJump", "ExtractAndJumpClick", "0"}, {"ExtractAndJumpIE", "ExtractAndJumpClick", "1"},
      {"ExtractAndJumpNN", "ExtractAndJumpClick", "2"}, {"JumpToTarget", "JumpToTargetClick", "0"},
      {"JumpToIE0", "JumpToTargetClick", "1"},         {"JumpToNN0", "JumpToTargetClick", "2"},
      {"ExecTool0", "ExecTool0Click", "0"},            {"ExecTool4", "ExecTool0Click", "4"},
      {"onMouseOut1", "onClick1Click", "onMouseOut"},  {"CLASS1", "onClick1Click", "CLASS"},
      {"SelectEditedAll", "DropThenOpenClick", "SelectEditedAll"},
      {"DropThenInsert", "DropThenOpenClick", "DropThenInsert"},
  };
  for (const auto& c : cases) {
    const CommandRow* row = FindCommand(c.id);
    ASSERT_NE(row, nullptr) << c.id;
    EXPECT_EQ(row->handler, c.handler) << c.id;
    EXPECT_EQ(row->arg, c.arg) << c.id;
  }
}

TEST(CommandTable, TagPagesInDefaultOrder) {
  const std::vector<std::string_view> components = {
      "PageSetSheet", "ParagraphSheet", "LinkSheet",        "StyleSheet",       "LogicStyleSheet",
      "ListSheet",    "TableSheet",     "FrameSheet",       "FormSheet",        "InteractiveSheet",
      "SpecialCharSheet", "StyleSheet1", "RegisteredSheet"};
  const auto pages = TagPages();
  ASSERT_EQ(pages.size(), components.size());
  for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i].component, components[i]);
  EXPECT_TRUE(pages.back().buttons.empty());
  // The NOSCRIPT button runs the tag menu's NOSCRIPT item.
  const auto& interactive = pages[9].buttons;
  ASSERT_EQ(interactive.size(), 3u);
  EXPECT_EQ(interactive[2].command, "NOSCRIPT");
  EXPECT_EQ(interactive[2].hint, "<NOSCRIPT></NOSCRIPT>スクリプト代替文書");
}

TEST(CommandTable, MainToolbarRunsTheListedCommands) {
  const std::map<std::string_view, std::string_view> some = {
      {"NewBtn", "FileNewClick"},          {"DeleteTagBtn", "DeleteAllTagClick"},
      {"mShowColorForm1", "ColorFormClick"}, {"Tool1Btn", "ExecTool0Click"},
      {"ExtractAndJumpBtn", "ExtractAndJumpClick"}};
  const auto bar = MainToolbar();
  EXPECT_EQ(bar.size(), 47u);
  EXPECT_EQ(bar.front().name, "NewBtn");
  EXPECT_EQ(bar.back().name, "Tool1Btn");
  for (const auto& b : bar) {
    const auto it = some.find(b.name);
    if (it != some.end()) {
      EXPECT_EQ(FindCommand(b.command)->handler, it->second) << b.name;
    }
  }
}

}  // namespace
}  // namespace mw::gui
