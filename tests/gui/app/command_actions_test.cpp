// The one dispatch: which handler runs a row, what it takes to register
// one, enabling by the needs column, and check marks that only mirror.
#include "gui/app/command_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <array>
#include <stdexcept>

#include "core/editing/command_registry.h"
#include "gui/app/main_window.h"
#include "gui/display/test_app.h"

namespace mw::gui {
namespace {

CommandRow MakeRow(std::string_view id, std::string_view handler, Runs runs = Runs::Engine,
                   Needs needs = kNeedsNothing) {
  CommandRow r = Command(id, id, handler).Needing(needs);
  r.runs = runs;
  return r;
}

CommandRegistry Engine() {
  CommandRegistry r;
  for (const char* name : {"EngineOnlyClick", "SharedClick", "MarkedClick"})
    r.Add({name, [](EditingContext&, std::string_view) {}});
  return r;
}

struct Fixture {
  QApplication& app = test::TestApp();
  QWidget owner;
  CommandRegistry engine = Engine();
  std::array<CommandRow, 5> rows = {
      MakeRow("EngineOnly", "EngineOnlyClick"),
      MakeRow("Shared", "SharedClick"),
      MakeRow("Marked", "MarkedClick", Runs::Window),
      MakeRow("Own", "OwnClick"),
      MakeRow("Cut", "EngineOnlyClick", Runs::Engine, kNeedsSelection),
  };
  std::vector<std::string> ran;
  CommandActions actions{owner, rows, &engine, [this](const CommandRow& r) { ran.emplace_back(r.id); }};
};

TEST(CommandActions, AWindowHandlerForAnEngineNameNeedsTheRowToSaySo) {
  Fixture f;
  const auto none = [](const CommandRow&) {};
  EXPECT_THROW(f.actions.Handle("SharedClick", none), std::logic_error);
  EXPECT_EQ(f.actions.WindowHandler(f.rows[1]), nullptr) << "the engine still runs it";
  EXPECT_NO_THROW(f.actions.Handle("MarkedClick", none));
  EXPECT_NE(f.actions.WindowHandler(f.rows[2]), nullptr);
  // Twice is refused, and so is a name no row has.
  EXPECT_THROW(f.actions.Handle("MarkedClick", none), std::logic_error);
  EXPECT_THROW(f.actions.Handle("OwnClik", none), std::logic_error);
  EXPECT_NO_THROW(f.actions.Handle("OwnClick", none));
}

TEST(CommandActions, RowsRunOnlyWithAHandlerAndTheirNeedsMet) {
  Fixture f;
  EXPECT_TRUE(f.actions.Action("EngineOnly")->isEnabled());
  EXPECT_FALSE(f.actions.Action("Own")->isEnabled()) << "no handler yet";
  f.actions.Handle("OwnClick", [](const CommandRow&) {});
  EXPECT_TRUE(f.actions.Action("Own")->isEnabled());
  EXPECT_FALSE(f.actions.Action("Cut")->isEnabled());
  f.actions.UpdateEnabled(kNeedsSelection | kNeedsUndo);
  EXPECT_TRUE(f.actions.Action("Cut")->isEnabled());
  f.actions.UpdateEnabled(kNeedsUndo);
  EXPECT_FALSE(f.actions.Action("Cut")->isEnabled());
  f.actions.Action("EngineOnly")->trigger();
  f.actions.Action("Cut")->trigger();  // disabled: nothing runs
  EXPECT_EQ(f.ran, std::vector<std::string>{"EngineOnly"});
}

TEST(CommandActions, SubmenusArePlacedAndEnabledByTheirId) {
  Fixture f;
  const std::string_view layout[] = {"EngineOnly", "[mTransform", "Cut", "]", "-", "[mTransform", "Cut", "]"};
  QMenu menu;
  f.actions.BuildMenu(menu, layout);
  const auto placed = f.actions.SubmenusOf("mTransform");
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0]->objectName(), "mTransform");
  EXPECT_EQ(placed[0]->title(), MenuText(FindSubmenu("mTransform")->caption));
  f.actions.UpdateEnabled(kNeedsNothing);
  for (QMenu* m : placed) EXPECT_FALSE(m->menuAction()->isEnabled());
  f.actions.UpdateEnabled(kNeedsSelection);
  for (QMenu* m : placed) EXPECT_TRUE(m->menuAction()->isEnabled());
  const std::string_view unknown[] = {"[mNoSuchMenu", "]"};
  EXPECT_THROW(f.actions.BuildMenu(menu, unknown), std::logic_error);
}

TEST(CommandActions, EveryRowTheWindowRunsItselfHasItsHandler) {
  test::TestApp();
  TMainForm w;
  for (const CommandRow& row : CommandTable(CommandWindow::Main)) {
    if (row.runs == Runs::Window) {
      EXPECT_NE(w.Commands().WindowHandler(row), nullptr) << row.id;
    }
  }
}

TEST(CommandActions, CheckMarksMirrorTheOptionsAndAreNeverReadBack) {
  test::TestApp();
  TMainForm w;
  EXPECT_FALSE(w.Action("SaveToEUC")->isChecked());
  w.Context().options.saveConversion = SaveConversion::Euc;
  w.Context().options.autoIndent = true;
  w.RunCommand("SelectRow");  // any command: the marks follow afterwards
  EXPECT_TRUE(w.Action("SaveToEUC")->isChecked());
  EXPECT_FALSE(w.Action("SaveAsItIs")->isChecked());
  EXPECT_TRUE(w.Action("AutoIndent")->isChecked());
  // A mark set by hand changes no option.
  w.Action("OpenToShiftJIS")->setChecked(true);
  w.RunCommand("SelectRow");
  EXPECT_FALSE(w.Context().options.openToShiftJis);
  EXPECT_FALSE(w.Action("OpenToShiftJIS")->isChecked());
}

}  // namespace
}  // namespace mw::gui
