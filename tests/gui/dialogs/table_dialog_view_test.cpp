// The table designer's window, opened by TABLEClick on a real editor and
// driven with real key and mouse events.
#include "gui/dialogs/table_dialog_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "support/temp_dir.h"
#include "dialog_fixture.h"

namespace mw::gui {
namespace {

QPoint CellCentre(QTableWidget& grid, int col, int row) {
  return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
}

TEST(TableDialogView, TypedMergedAndFormattedCellsGoIntoTheTable) {
  DialogFixture fx;
  fx.LoadMarked("[a b\r\nc d]");
  WhenShown<TableDialogView>([](TableDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("テーブル<TABLE></TABLE>：　ブロックレベル"));
    SetControl(view, "rgIndent", "0");
    view.Pages()->setCurrentIndex(1);
    CellGrid& grid = *view.Grid();
    ASSERT_EQ(grid.rowCount(), 2);
    ASSERT_EQ(grid.columnCount(), 2);
    // A drag over the first row selects it; it merges into one cell.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 1, 1));
    QTest::mouseMove(grid.viewport(), CellCentre(grid, 2, 1));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 1));
    auto* merge = static_cast<QPushButton*>(view.CellControl("SetSpanBtn"));
    EXPECT_TRUE(merge->isEnabled());
    merge->click();
    EXPECT_EQ(grid.item(0, 1)->text(), QStringLiteral("(1,1)に結合"));
    EXPECT_FALSE(merge->isEnabled());
    static_cast<QComboBox*>(view.CellControl("cbAlign"))->setCurrentText(QStringLiteral("center"));
    // Typing into a cell, and OK while it is still being edited.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, 2, 2));
    QTest::keyClick(&grid, Qt::Key_T);
    QWidget* editor = grid.indexWidget(grid.currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("yped"));
    EXPECT_TRUE(grid.Editing());
    view.OkButton()->click();
  });
  fx.Run("TABLEClick");
  EXPECT_EQ(fx.editor.Text(),
            "<TABLE>\r\n<TR>\r\n<TD COLSPAN=\"2\" ALIGN=\"center\">a</TD>\r\n</TR>\r\n"
            "<TR>\r\n<TD>c</TD><TD>typed</TD>\r\n</TR>\r\n</TABLE>\r\n");
}

TEST(TableDialogView, CsvFromTheFileChooserAndPasteByTheMenusKeys) {
  DialogFixture fx;
  test::TempDir dir;
  const std::string csv = dir.Write("t.csv", "\"New York\",x\r\n");
  QString filterShown;
  fx.host.SetFileChooser([&](bool save, const QString&, const QString&, const QString& filter) {
    EXPECT_FALSE(save);
    filterShown = filter;
    return QString::fromStdString(csv);
  });
  fx.LoadMarked("|");
  WhenShown<TableDialogView>([](TableDialogView& view) {
    SetControl(view, "rgIndent", "0");
    view.Pages()->setCurrentIndex(1);
    static_cast<QPushButton*>(view.CellControl("OpenCSVBtn"))->click();
    CellGrid& grid = *view.Grid();
    EXPECT_EQ(static_cast<QSpinBox*>(view.CellControl("edColCount"))->value(), 2);
    EXPECT_EQ(grid.item(0, 0)->text(), QStringLiteral("New York"));
    // Copy the row, then paste it at the last column: the grid grows.
    QApplication::setActiveWindow(&view);
    grid.setFocus();
    view.SelectCells({1, 1, 2, 1});
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    view.SelectCells({2, 1, 2, 1});
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_NE(view.GridMenu()->findChild<QAction*>(QStringLiteral("PasteAll")), nullptr);
    view.OkButton()->click();
  });
  fx.Run("TABLEClick");
  EXPECT_EQ(filterShown, QStringLiteral("CSVﾌｧｲﾙ (*.csv)|*.csv|すべてのﾌｧｲﾙ (*.*)|*.*"));
  EXPECT_EQ(fx.editor.Text(),
            "<TABLE>\r\n<TR>\r\n<TD>New York</TD><TD>New York</TD><TD>x</TD>\r\n</TR>\r\n</TABLE>\r\n");
}


TEST(TableDialogView, CellSizesApplyWhenTheirEditIsFinished) {
  DialogFixture fx;
  fx.LoadMarked("[a b]");
  WhenShown<TableDialogView>([](TableDialogView& view) {
    SetControl(view, "rgIndent", "0");
    view.Pages()->setCurrentIndex(1);
    QApplication::setActiveWindow(&view);
    auto* width = static_cast<NumberField*>(view.CellControl("edCellWidth"));
    auto* height = static_cast<NumberField*>(view.CellControl("edCellHeight"));
    const auto cells = [&view] {
      view.RebuildNow();
      const std::string t = view.PreviewText();
      const auto from = t.find("<TD");
      return t.substr(from, t.find("\r\n", from) - from);
    };
    QWidget* update = view.CellControl("UpdateBtn");
    view.SelectCells({1, 1, 1, 1});
    view.RebuildNow();
    EXPECT_FALSE(update->isEnabled()) << "the preview shows everything";
    width->setFocus();
    QTest::keyClicks(width, QStringLiteral("40"));
    EXPECT_TRUE(update->isEnabled()) << "a size typed, not yet applied";
    EXPECT_EQ(cells(), "<TD>a</TD><TD>b</TD>") << "typing alone applies nothing";
    height->setFocus();
    EXPECT_EQ(cells(), "<TD WIDTH=\"40\">a</TD><TD>b</TD>") << "the focus moving on applies it";
    EXPECT_FALSE(update->isEnabled()) << "the rebuild disables it again";
    // The arrows apply at each step.
    view.SelectCells({2, 1, 2, 1});
    for (int i = 0; i < 3; ++i) QTest::keyClick(height, Qt::Key_Up);
    EXPECT_EQ(cells(), "<TD WIDTH=\"40\">a</TD><TD HEIGHT=\"3\">b</TD>");
    // Enter applies what was typed, and confirms the dialog.
    width->setFocus();
    QTest::keyClicks(width, QStringLiteral("9"));
    QTest::keyClick(width, Qt::Key_Return);
  });
  fx.Run("TABLEClick");
  EXPECT_EQ(fx.editor.Text(),
            "<TABLE>\r\n<TR>\r\n<TD WIDTH=\"40\">a</TD><TD WIDTH=\"9\" HEIGHT=\"3\">b</TD>\r\n</TR>\r\n</TABLE>\r\n");
}


TEST(TableDialogView, DraggedRowsAndColumnsMoveTheirCells) {
  DialogFixture fx;
  fx.LoadMarked("[a b\r\nc d\r\ne f]");
  WhenShown<TableDialogView>([](TableDialogView& view) {
    SetControl(view, "rgIndent", "0");
    view.Pages()->setCurrentIndex(1);
    CellGrid& grid = *view.Grid();
    QHeaderView* rows = grid.verticalHeader();
    QHeaderView* cols = grid.horizontalHeader();
    EXPECT_TRUE(rows->sectionsMovable());
    EXPECT_TRUE(cols->sectionsMovable());
    // As a drag of the first row's header below the third, then of the
    // second column's before the first.
    rows->moveSection(0, 2);
    cols->moveSection(1, 0);
    const auto texts = [&grid] {
      QString t;
      for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c) t += grid.item(r, c)->text();
      return t;
    };
    EXPECT_EQ(texts(), QStringLiteral("dcfeba"));
    // The headers still count in order.
    EXPECT_EQ(rows->visualIndex(0), 0);
    EXPECT_EQ(cols->visualIndex(1), 1);
    view.OkButton()->click();
  });
  fx.Run("TABLEClick");
  EXPECT_EQ(fx.editor.Text(),
            "<TABLE>\r\n<TR>\r\n<TD>d</TD><TD>c</TD>\r\n</TR>\r\n<TR>\r\n<TD>f</TD><TD>e</TD>\r\n</TR>\r\n"
            "<TR>\r\n<TD>b</TD><TD>a</TD>\r\n</TR>\r\n</TABLE>\r\n");
}

}  // namespace
}  // namespace mw::gui
