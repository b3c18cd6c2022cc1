// The table designer from fields, grid operations and pressed buttons to
// the exact TABLE text, and its CSV files, browser page and commands.
#include "core/dialogs/table_dialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "core/app/document_file.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"
#include "core/text/messages.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

const std::string kHyo = "\x95\x5c";  // 表: trail byte '\'
const std::string kSo = "\x83\x5c";   // ソ

// One step of the author: a field set, or a button pressed.
struct Act {
  std::string name, value;
  bool press = false;
};
Act F(std::string name, std::string value) { return {std::move(name), std::move(value)}; }
Act P(std::string button) { return {std::move(button), {}, true}; }

// File choices answered from a queue of paths ("" cancels).
class FileChoices : public DialogHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& f) override {
    classes.emplace_back(dialogClass);
    filters.push_back(f.Get("Filter"));
    if (paths.empty()) return false;
    const std::string p = paths.front();
    paths.pop_front();
    if (p.empty()) return false;
    f.Set("FileName", p);
    return true;
  }
  std::deque<std::string> paths;
  std::vector<std::string> classes, filters;
};

// The grid's texts, "a,b/c,d": cells by ",", rows by "/".
std::string Texts(const TableGrid& g) {
  std::string s;
  for (int r = 1; r <= g.Rows(); ++r) {
    if (r > 1) s += '/';
    for (int c = 1; c <= g.Cols(); ++c) {
      if (c > 1) s += ',';
      s += g.Text(c, r);
    }
  }
  return s;
}

std::string Merged(int top, int left) {
  return FormatMessage(MessageSjis(Msg::TableMergedLabel), {std::to_string(top), std::to_string(left)});
}

struct TableTest : ::testing::Test {
  ScriptedPrompts prompts;
  FileChoices files;
  DialogServices services;
  test::TempDir tmp;

  TableEnvironment Env() {
    TableEnvironment env;
    env.prompts = &prompts;
    env.files = &files;
    env.services = &services;
    env.startFolder = tmp.dir().string();
    return env;
  }
  std::unique_ptr<TableDialog> Make(std::string_view sel, const std::vector<Act>& acts = {},
                                    TableEnvironment env = {}) {
    if (!env.prompts) env = Env();
    DialogFields f = CreateTableFields(sel);
    kTableDlg.show(f, false);
    auto d = std::make_unique<TableDialog>(std::move(f), std::move(env));
    Do(*d, acts);
    return d;
  }
  static void Do(TableDialog& d, const std::vector<Act>& acts) {
    for (const Act& a : acts) {
      if (a.press) EXPECT_TRUE(d.Press(a.name)) << a.name;
      else EXPECT_TRUE(d.SetField(a.name, a.value)) << a.name;
    }
  }
};

// --- The build ---------------------------------------------------------------------

TEST_F(TableTest, TwoByTwoIsEightLines) {
  const auto d = Make("a b\r\nc d");
  EXPECT_EQ(d->Build().preview,
            "<TABLE>\r\n"
            "  <TR>\r\n"
            "    <TD>a</TD><TD>b</TD>\r\n"
            "  </TR>\r\n"
            "  <TR>\r\n"
            "    <TD>c</TD><TD>d</TD>\r\n"
            "  </TR>\r\n"
            "</TABLE>\r\n");
  EXPECT_EQ(d->Build().start, "<TABLE>\r\n");
  EXPECT_EQ(d->Build().end, "</TABLE>\r\n");
}

TEST_F(TableTest, EachIndentUnderTheCaretLinesIndent) {
  const struct {
    int choice;
    bool lower;
    std::string text;
  } cases[] = {
      {0, false, "<TABLE>\r\n\t<TR>\r\n\t<TD>x</TD>\r\n\t</TR>\r\n\t</TABLE>\r\n"},
      {1, false, "<TABLE>\r\n\t\t<TR>\r\n\t\t\t<TD>x</TD>\r\n\t\t</TR>\r\n\t</TABLE>\r\n"},
      {2, true, "<table>\r\n\t  <tr>\r\n\t    <td>x</td>\r\n\t  </tr>\r\n\t</table>\r\n"},
  };
  for (const auto& c : cases) {
    TableEnvironment env = Env();
    env.indent = "\t";
    env.options.lowerCaseTag = c.lower;
    const auto d = Make("x", {F("rgIndent", std::to_string(c.choice))}, env);
    EXPECT_EQ(d->Build().preview, c.text) << c.choice;
  }
}

TEST_F(TableTest, TableAttributesInTheirOrderWithCaption) {
  const auto d = Make("x", {F("edBorder", "0"), F("cbBgColor", "#FFFFFF"), F("edBackGround", "b.gif"),
                            F("cbBorderColor", "red"), F("edWidth", "80"), F("ckWidth", "1"), F("edHeight", "40"),
                            F("edVSpace", "2"), F("rgAlign", "2"), F("edHSpace", "3"), F("edCellSpacing", "4"),
                            F("edCellPadding", "5"), F("cbCLASS", "t"), F("edCaption", kHyo), F("rgIndent", "0")});
  EXPECT_EQ(d->Build().preview,
            "<TABLE BORDER=\"0\" BGCOLOR=\"#FFFFFF\" BACKGROUND=\"b.gif\" BORDERCOLOR=\"red\" WIDTH=\"80%\" "
            "HEIGHT=\"40\" VSPACE=\"2\" ALIGN=\"center\" HSPACE=\"3\" CELLSPACING=\"4\" CELLPADDING=\"5\" "
            "CLASS=\"t\">\r\n<CAPTION>" + kHyo + "</CAPTION>\r\n<TR>\r\n<TD>x</TD>\r\n</TR>\r\n</TABLE>\r\n");
  EXPECT_EQ(d->Build().start, "<TABLE BORDER=\"0\" BGCOLOR=\"#FFFFFF\" BACKGROUND=\"b.gif\" BORDERCOLOR=\"red\" "
                              "WIDTH=\"80%\" HEIGHT=\"40\" VSPACE=\"2\" ALIGN=\"center\" HSPACE=\"3\" "
                              "CELLSPACING=\"4\" CELLPADDING=\"5\" CLASS=\"t\">\r\n<CAPTION>" + kHyo +
                                  "</CAPTION>\r\n");
}

TEST_F(TableTest, CellFormatsInTheirOrderAndPercentages) {
  const auto d = Make("a b", {F("rgIndent", "0"), F("sgTable.Selection", "1,1"), F("cbAlign", "right"),
                              F("cbVAlign", "2"), F("edCellWidth", "50"), F("ckCellWidthPercent", "1"),
                              F("edCellHeight", "20"), F("cbCellColor", "blue"), F("ckNOWRAP", "1"),
                              F("sgTable.Selection", "2,1"), F("edCellHeight", "0")});
  EXPECT_EQ(d->Build().preview,
            "<TABLE>\r\n<TR>\r\n<TD ALIGN=\"right\" VALIGN=\"middle\" WIDTH=\"50%\" HEIGHT=\"20\" "
            "BGCOLOR=\"blue\" NOWRAP>a</TD><TD>b</TD>\r\n</TR>\r\n</TABLE>\r\n");
  // The panel shows the current cell's format, without applying it.
  Do(*const_cast<TableDialog*>(d.get()), {F("sgTable.Selection", "1,1")});
  EXPECT_EQ(d->Fields().Get("edCellWidth"), "50");
  EXPECT_EQ(d->Fields().Get("cbAlign"), "right");
  EXPECT_TRUE(d->Fields().Checked("ckCellWidthPercent"));
}

TEST_F(TableTest, OnlyTheFirstDataRowIsHeader) {
  const auto d = Make("a\r\nb", {F("ckTH", "1"), F("rgIndent", "0")});
  EXPECT_EQ(d->Build().preview, "<TABLE>\r\n<TR>\r\n<TH>a</TH>\r\n</TR>\r\n<TR>\r\n<TD>b</TD>\r\n</TR>\r\n</TABLE>\r\n");
}

TEST_F(TableTest, FortyColumnsAreWrittenWithoutFormatsPastThirtyOne) {
  const auto d = Make("", {F("edColCount", "40"), F("rgIndent", "0"), F("sgTable.Selection", "30,1,40,1"),
                           F("cbAlign", "left"), F("sgTable[40,1]", "z")});
  const std::string t = d->Build().preview;
  std::string cells;
  for (int c = 1; c <= 29; ++c) cells += "<TD></TD>";
  cells += "<TD ALIGN=\"left\"></TD><TD ALIGN=\"left\"></TD>";
  for (int c = 32; c <= 39; ++c) cells += "<TD></TD>";
  cells += "<TD>z</TD>";
  EXPECT_EQ(t, "<TABLE>\r\n<TR>\r\n" + cells + "\r\n</TR>\r\n</TABLE>\r\n");
}

// --- The initial grid ------------------------------------------------------------------

TEST_F(TableTest, InitialGridFromTheSelectedLines) {
  const struct {
    std::string sel;
    int cols, rows;
    std::string texts;
  } cases[] = {
      {"x,y\r\n1,2,3", 3, 2, "x,y,/1,2,3"},
      {"New York", 2, 1, "New,York"},
      {"\"New York\"\r\n", 1, 1, "New York"},
      {"", 1, 1, ""},
      {kHyo + " " + kSo + "\n", 2, 1, kHyo + "," + kSo},
  };
  for (const auto& c : cases) {
    const auto d = Make(c.sel);
    EXPECT_EQ(d->Grid().Cols(), c.cols) << c.sel;
    EXPECT_EQ(d->Grid().Rows(), c.rows) << c.sel;
    EXPECT_EQ(Texts(d->Grid()), c.texts) << c.sel;
    EXPECT_EQ(d->Fields().Get("edColCount"), std::to_string(c.cols));
  }
}

// --- Merging -------------------------------------------------------------------------------

TEST_F(TableTest, MergeWritesTheSpanAndOmitsCoveredCells) {
  const auto d = Make("a b c\r\nd e f", {F("rgIndent", "0"), F("sgTable.Selection", "1,1,2,2"), P("SetSpanBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a," + Merged(1, 1) + ",c/" + Merged(1, 1) + "," + Merged(1, 1) + ",f");
  EXPECT_EQ(d->Build().preview,
            "<TABLE>\r\n<TR>\r\n<TD ROWSPAN=\"2\" COLSPAN=\"2\">a</TD><TD>c</TD>\r\n</TR>\r\n"
            "<TR>\r\n<TD>f</TD>\r\n</TR>\r\n</TABLE>\r\n");
  Do(*d, {P("ResetSpanBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a,b,c/d,e,f");
  EXPECT_FALSE(d->Grid().Format(2, 2).covered);
  EXPECT_FALSE(d->Grid().Format(1, 1).HasSpan());
}

TEST_F(TableTest, MergeIsOffForOneCellCoveredCellsAndPastTheFormatArea) {
  const struct {
    const char* selection;
    bool can;
  } cases[] = {
      {"1,1", false},         {"1,1,2,1", true},      {"30,1,31,1", true},   {"31,1,32,1", false},
      {"1,62,1,63", true},    {"1,63,1,64", false},   {"2,2,3,3", false},    {"3,3,4,4", true},
  };
  for (const auto& c : cases) {
    const auto d = Make("", {F("edColCount", "40"), F("edRowCount", "70"), F("sgTable.Selection", "1,2,2,2"),
                             P("SetSpanBtn"), F("sgTable.Selection", c.selection)});
    EXPECT_EQ(d->CanMerge(), c.can) << c.selection;
  }
}

TEST_F(TableTest, UnmergingAnyCellOfAMergeGivesEveryCellItsTextBack) {
  for (const char* part : {"1,1", "2,2", "2,1,5,1"}) {
    const auto d = Make("a b\r\nc d", {F("sgTable.Selection", "1,1,2,2"), P("SetSpanBtn"),
                                       F("sgTable.Selection", part), P("ResetSpanBtn"), F("rgIndent", "0")});
    EXPECT_EQ(Texts(d->Grid()), "a,b/c,d") << part;
    EXPECT_EQ(d->Build().preview, "<TABLE>\r\n<TR>\r\n<TD>a</TD><TD>b</TD>\r\n</TR>\r\n<TR>\r\n<TD>c</TD><TD>d</TD>"
                                  "\r\n</TR>\r\n</TABLE>\r\n")
        << part;
  }
}

TEST_F(TableTest, ClearingFormatsOfAMergeKeepsItsTexts) {
  prompts.QueueReply(Reply::Yes);
  const auto d = Make("a b", {F("sgTable.Selection", "1,1,2,1"), P("SetSpanBtn"), F("sgTable.Selection", "2,1"),
                              P("ClearFormat")});
  EXPECT_EQ(Texts(d->Grid()), "a,b");
  EXPECT_FALSE(d->Grid().Format(1, 1).HasSpan());
}

TEST_F(TableTest, TypingIntoACoveredCellIsIgnored) {
  const auto d = Make("a b", {F("sgTable.Selection", "1,1,2,1"), P("SetSpanBtn"), F("sgTable[2,1]", "x"),
                              P("ResetSpanBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a,b");
  EXPECT_FALSE(d->SetField("sgTable[3,1]", "beyond the grid"));
}

// --- Copy, paste, clear, shift ---------------------------------------------------------------

TEST_F(TableTest, PastingAThreeByTwoBlockAtTheLastColumnGrowsTheGrid) {
  const auto d = Make("a b c\r\nd e f", {F("sgTable.Selection", "1,1,3,2"), P("CopyCell"), F("edColCount", "1"),
                                         F("sgTable.Selection", "1,2"), P("PasteData")});
  EXPECT_EQ(d->Grid().Cols(), 3);
  EXPECT_EQ(d->Grid().Rows(), 3);
  EXPECT_EQ(Texts(d->Grid()), "a,b,c/a,b,c/d,e,f");
  EXPECT_EQ(d->Fields().Get("edRowCount"), "3");
}

TEST_F(TableTest, CopyAndPasteAcrossCoveredCells) {
  // Source: a merge of a and b, with c formatted; target: a merge of y and z.
  const auto d = Make("a b c\r\nx y z",
                      {F("sgTable.Selection", "3,1"), F("cbAlign", "center"), F("sgTable.Selection", "1,1,2,1"),
                       P("SetSpanBtn"), F("sgTable.Selection", "2,2,3,2"), P("SetSpanBtn"),
                       F("sgTable.Selection", "1,1,3,1"), P("CopyCell"), F("sgTable.Selection", "1,2"),
                       P("PasteAll"), F("rgIndent", "0")});
  // Own texts travel, not where a cell is merged; y's merge stays whole
  // and keeps the pasted texts for when it is taken apart.
  EXPECT_EQ(Texts(d->Grid()), "a," + Merged(1, 1) + ",c/a,b," + Merged(2, 2));
  EXPECT_EQ(d->Build().preview,
            "<TABLE>\r\n<TR>\r\n<TD COLSPAN=\"2\">a</TD><TD ALIGN=\"center\">c</TD>\r\n</TR>\r\n"
            "<TR>\r\n<TD>a</TD><TD COLSPAN=\"2\">b</TD>\r\n</TR>\r\n</TABLE>\r\n");
  Do(*d, {F("sgTable.Selection", "3,2"), P("ResetSpanBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a," + Merged(1, 1) + ",c/a,b,c");
  EXPECT_EQ(d->Grid().Format(3, 2).align, 2);
}

TEST_F(TableTest, ClearingAsksFirst) {
  const struct {
    const char* button;
    Reply reply;
    std::string texts;
    Msg question;
  } cases[] = {
      {"ClearData", Reply::Yes, "a,/c,", Msg::TableClearDataQuestion},
      {"ClearData", Reply::No, "a,b/c,d", Msg::TableClearDataQuestion},
      {"ClearSelected", Reply::Yes, "a,/c,", Msg::TableClearSelectedQuestion},
      {"ClearBtn", Reply::Yes, ",/,", Msg::TableClearAllQuestion},
      {"ClearBtn", Reply::No, "a,b/c,d", Msg::TableClearAllQuestion},
  };
  for (const auto& c : cases) {
    prompts.ClearLog();
    prompts.QueueReply(c.reply);
    const auto d = Make("a b\r\nc d", {F("sgTable.Selection", "2,1,2,2"), F("cbAlign", "left"), P(c.button)});
    EXPECT_EQ(Texts(d->Grid()), c.texts) << c.button;
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{MessageSjis(c.question)});
    const bool formatsGone = c.reply == Reply::Yes && std::string(c.button) != "ClearData";
    EXPECT_EQ(d->Grid().Format(2, 1).align, formatsGone ? 0 : 1) << c.button;
  }
}

TEST_F(TableTest, ShiftingMovesCellsOfTheSelectedColumnsOrRows) {
  const struct {
    const char* button;
    const char* selection;
    std::string texts;
  } cases[] = {
      {"DeleteToRow", "2,1,2,1", "a,e,c/d,h,f/g,,i"},
      {"DeleteToCol", "1,2,2,2", "a,b,c/f,,/g,h,i"},
      {"InsertToRow", "2,2,2,2", "a,b,c/d,,f/g,e,i/,h,"},
      {"InsertToCol", "1,1,1,1", ",a,b,c/d,e,f,/g,h,i,"},
  };
  for (const auto& c : cases) {
    prompts.QueueReply(Reply::Yes);
    const auto d = Make("a b c\r\nd e f\r\ng h i",
                        {F("sgTable.Selection", "2,2"), F("cbAlign", "left"), F("sgTable.Selection", c.selection),
                         P(c.button)});
    EXPECT_EQ(Texts(d->Grid()), c.texts) << c.button;
  }
  // The format moves with its cell.
  prompts.QueueReply(Reply::Yes);
  const auto d = Make("a b c\r\nd e f\r\ng h i",
                      {F("sgTable.Selection", "2,2"), F("cbAlign", "left"), F("sgTable.Selection", "2,1"),
                       P("DeleteToRow")});
  EXPECT_EQ(d->Grid().Format(2, 1).align, 1);
  EXPECT_EQ(d->Grid().Format(2, 2).align, 0);
}

TEST_F(TableTest, ShiftingKeepsMergesWholeAndTheirTexts) {
  prompts.QueueReply(Reply::Yes);
  const auto d = Make("a b\r\nc d\r\ne f", {F("sgTable.Selection", "1,2,2,3"), P("SetSpanBtn"),
                                            F("sgTable.Selection", "1,1"), P("DeleteToRow")});
  EXPECT_EQ(Texts(d->Grid()), "c,b/e,d/,f");
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 2; ++c) EXPECT_FALSE(d->Grid().Format(c, r).covered || d->Grid().Format(c, r).HasSpan());
}

TEST_F(TableTest, DraggingARowOrColumnMovesItsCellsWithTheirFormats) {
  const struct {
    const char* field;
    const char* move;
    std::string texts;
  } cases[] = {
      {"sgTable.MoveRow", "1,3", "d,e,f/g,h,i/a,b,c"},
      {"sgTable.MoveRow", "3,1", "g,h,i/a,b,c/d,e,f"},
      {"sgTable.MoveCol", "1,2", "b,a,c/e,d,f/h,g,i"},
      {"sgTable.MoveCol", "3,1", "c,a,b/f,d,e/i,g,h"},
  };
  for (const auto& c : cases) {
    // The format of "a" goes where "a" goes.
    const auto d = Make("a b c\r\nd e f\r\ng h i", {F("cbAlign", "left"), F(c.field, c.move)});
    EXPECT_EQ(Texts(d->Grid()), c.texts) << c.field << " " << c.move;
    for (int r = 1; r <= 3; ++r)
      for (int col = 1; col <= 3; ++col)
        EXPECT_EQ(d->Grid().Format(col, r).align, d->Grid().Text(col, r) == "a" ? 1 : 0) << c.move;
  }
  for (const char* outside : {"0,1", "1,4", "2"}) {
    const auto d = Make("a b c\r\nd e f\r\ng h i");
    EXPECT_FALSE(d->SetField("sgTable.MoveRow", outside)) << outside;
    EXPECT_EQ(Texts(d->Grid()), "a,b,c/d,e,f/g,h,i");
  }
}

TEST_F(TableTest, DraggingOverAMergeTakesItApartAsTheShiftsDo) {
  // The merge over rows 2-3 is among the rows that move: its texts come back.
  auto d = Make("a b\r\nc d\r\ne f\r\ng h",
                {F("sgTable.Selection", "1,2,2,3"), P("SetSpanBtn"), F("sgTable.MoveRow", "1,3")});
  EXPECT_EQ(Texts(d->Grid()), "c,d/e,f/a,b/g,h");
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 2; ++c) EXPECT_FALSE(d->Grid().Format(c, r).covered || d->Grid().Format(c, r).HasSpan());
  // A merge away from the rows that move stays whole.
  d = Make("a b\r\nc d\r\ne f\r\ng h", {F("sgTable.Selection", "1,3,2,4"), P("SetSpanBtn"), F("sgTable.MoveRow", "1,2")});
  EXPECT_EQ(Texts(d->Grid()), "c,d/a,b/e," + Merged(3, 1) + "/" + Merged(3, 1) + "," + Merged(3, 1));
  EXPECT_EQ(d->Grid().Format(1, 3).extraRows, 1);
  // A row from past the format area brings no format.
  d = Make("a", {F("cbAlign", "left"), F("edRowCount", "70"), F("sgTable[1,70]", "z"), F("sgTable.MoveRow", "70,1")});
  EXPECT_EQ(d->Grid().Text(1, 1) + d->Grid().Text(1, 2), "za");
  EXPECT_EQ(d->Grid().Format(1, 1).align, 0);
  EXPECT_EQ(d->Grid().Format(1, 2).align, 1);
}

TEST_F(TableTest, InsertingPastAHundredRowsChangesNothing) {
  const auto d = Make("a", {F("edRowCount", "100"), F("sgTable.Selection", "1,1,1,2"), P("InsertToRow")});
  EXPECT_EQ(d->Grid().Rows(), 100);
  EXPECT_EQ(d->Grid().Text(1, 1), "a");
  EXPECT_EQ(prompts.Texts(), std::vector<std::string>{MessageSjis(Msg::TableGridFull)});
}

// --- CSV files --------------------------------------------------------------------------------

TEST_F(TableTest, CsvExportThenImportGivesTheSameCells) {
  const std::string path = tmp.Path("t.csv");
  files.paths = {path, path};
  const auto d = Make("a", {F("edColCount", "3"), F("edRowCount", "2"), F("sgTable[1,1]", "New York"),
                            F("sgTable[2,1]", kHyo + "\"" + kSo), F("sgTable[3,1]", "x,y"),
                            F("sgTable[1,2]", "two\r\nlines"), F("sgTable.Selection", "2,2,3,2"), P("SetSpanBtn"),
                            F("sgTable.Selection", "2,2"), P("SaveCSVBtn")});
  EXPECT_EQ(ReadFileBytes(path), "\"New York\",\"" + kHyo + "\"\"" + kSo + "\",\"x,y\"\r\n\"two\r\nlines\",,\r\n");
  const auto e = Make("old", {P("OpenCSVBtn")});
  EXPECT_EQ(Texts(e->Grid()), Texts(d->Grid()).substr(0, Texts(d->Grid()).find('/')) + "/two\r\nlines,,");
  EXPECT_EQ(files.classes, (std::vector<std::string>{"SaveDialog", "OpenDialog"}));
  EXPECT_EQ(files.filters[0], MessageSjis(Msg::CsvFilter));
}

TEST_F(TableTest, CsvImportReplacesTheGrid) {
  const std::string path = tmp.Write("small.csv", "a,b\r\n");
  files.paths = {path};
  const auto d = Make("1 2 3\r\n4 5 6\r\n7 8 9", {F("sgTable.Selection", "1,1,2,2"), P("SetSpanBtn"),
                                                   F("sgTable.Selection", "3,3"), F("cbAlign", "left"),
                                                   P("OpenCSVBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a,b");
  EXPECT_EQ(d->Fields().Get("edRowCount"), "1");
  EXPECT_EQ(d->Fields().Get("edColCount"), "2");
  // Nothing of the old grid comes back when it is enlarged again.
  Do(*d, {F("edRowCount", "3"), F("edColCount", "3")});
  EXPECT_EQ(Texts(d->Grid()), "a,b,/,,/,,");
  EXPECT_EQ(d->Grid().Format(3, 3).align, 0);
  EXPECT_FALSE(d->Grid().Format(2, 2).covered);
}

TEST_F(TableTest, AFailedImportChangesNothingAndSaysWhy) {
  std::string big;
  for (int i = 0; i < 101; ++i) big += "x\r\n";
  const struct {
    const char* name;
    std::string path;
    Msg why;
  } cases[] = {
      {"unclosed quote", tmp.Write("q.csv", "a\r\n\"b,c\r\n"), Msg::CsvUnclosedQuote},
      {"too many rows", tmp.Write("big.csv", big), Msg::CsvTooLarge},
      {"missing file", tmp.Path("none.csv"), Msg::Count},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompts.ClearLog();
    files.paths = {c.path};
    const auto d = Make("a b", {F("sgTable.Selection", "1,1,2,1"), P("SetSpanBtn"), F("cbAlign", "left"),
                                P("OpenCSVBtn")});
    EXPECT_EQ(Texts(d->Grid()), "a," + Merged(1, 1));
    EXPECT_EQ(d->Grid().Format(1, 1).align, 1);
    EXPECT_EQ(d->Grid().Format(1, 1).extraCols, 1);
    ASSERT_EQ(prompts.Texts().size(), 1u);
    const std::string shown = prompts.Texts()[0];
    EXPECT_NE(shown.find(c.path), std::string::npos);
    if (c.why == Msg::CsvUnclosedQuote) {
      EXPECT_NE(shown.find(FormatMessage(MessageSjis(c.why), {"2"})), std::string::npos);
    } else if (c.why != Msg::Count) {
      EXPECT_NE(shown.find(MessageSjis(c.why)), std::string::npos);
    }
  }
}

TEST_F(TableTest, CancelledFileChoicesChangeNothing) {
  files.paths = {"", ""};
  const auto d = Make("a b", {P("OpenCSVBtn"), P("SaveCSVBtn")});
  EXPECT_EQ(Texts(d->Grid()), "a,b");
  EXPECT_TRUE(prompts.Texts().empty());
  EXPECT_EQ(tmp.EntryCount(), 0u);
}

// --- The browser's page -----------------------------------------------------------------------

TEST_F(TableTest, TheBrowserGetsAFileOfItsOwnNeverTempHtml) {
  const std::string users = tmp.Write("temp.html", "mine");
  std::vector<std::string> shown, registered;
  TableEnvironment env = Env();
  env.showInBrowser = [&](std::string_view button, const std::string& path) {
    shown.push_back(std::string(button) + " " + path);
  };
  env.registerTempFile = [&](const std::string& path) { registered.push_back(path); };
  const auto d = Make("a", {F("rgIndent", "0"), P("BrowseBtn"), P("IEBtn")}, env);
  EXPECT_EQ(ReadFileBytes(users), "mine");
  ASSERT_EQ(registered.size(), 2u);
  EXPECT_NE(registered[0], registered[1]);
  EXPECT_EQ(shown[0], "BrowseBtn " + registered[0]);
  EXPECT_EQ(std::filesystem::path(registered[0]).parent_path(), tmp.dir());
  EXPECT_EQ(ReadFileBytes(registered[0]), "<HTML>\r\n<TABLE>\r\n<TR>\r\n<TD>a</TD>\r\n</TR>\r\n</TABLE>\r\n</HTML>\r\n");
}

TEST(TablePreviewFile, LineEndsBecomeCrLfAndAFolderThatCannotTakeItSaysSo) {
  test::TempDir tmp;
  std::string error;
  const auto path = WriteTablePreviewFile(tmp.dir().string(), "a\nb", error);
  ASSERT_TRUE(path);
  EXPECT_EQ(ReadFileBytes(*path), "<HTML>\r\na\r\nb\r\n</HTML>\r\n");
  EXPECT_FALSE(WriteTablePreviewFile(tmp.Path("missing"), "a", error));
  EXPECT_FALSE(error.empty());
}

// --- The commands -------------------------------------------------------------------------------

// Plays the author of a session: acts, then OK (or Cancel).
class SessionHost : public DialogHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& f) override {
    auto* table = dynamic_cast<TableDialog*>(f.actions);
    if (table == nullptr) return false;
    TableDialog& s = *table;
    shownClass = std::string(dialogClass);
    shownPreview = s.Fields().Get("reTag");
    caption = s.Fields().Get("Caption");
    for (const Act& a : acts) {
      if (a.press) EXPECT_TRUE(s.Press(a.name));
      else EXPECT_TRUE(s.SetField(a.name, a.value)) << a.name;
    }
    return ok;
  }
  std::vector<Act> acts;
  std::string shownClass, shownPreview, caption;
  bool ok = true;
};

struct TableCommandTest : ::testing::Test {
  test::EditingFixture fx;
  SessionHost host;
  CommandRegistry commands;
  TableCommandTest() {
    fx.ctx.dialogs = &host;
    RegisterEditingCommands(commands);
    RegisterTagDialogCommands(commands);
  }
  void Run(std::string_view command) {
    const EditCommand* c = commands.Find(command);
    ASSERT_NE(c, nullptr) << command;
    c->run(fx.ctx, {});
  }
};

TEST_F(TableCommandTest, NewTableReplacesTheSelectionWithTextTypedLastIncluded) {
  fx.Load("x[a b]y");
  host.acts = {F("rgIndent", "0"), F("sgTable[2,1]", "typed")};
  Run("TABLEClick");
  EXPECT_EQ(host.shownClass, "TTableDlg");
  EXPECT_EQ(host.shownPreview, "<TABLE>\r\n  <TR>\r\n    <TD>a</TD><TD>b</TD>\r\n  </TR>\r\n</TABLE>\r\n");
  EXPECT_EQ(fx.editor.GetText(), "x<TABLE>\r\n<TR>\r\n<TD>a</TD><TD>typed</TD>\r\n</TR>\r\n</TABLE>\r\ny");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<TABLE>\r\n", "</TABLE>\r\n"}));
}

TEST_F(TableCommandTest, ASelectionTooLargeForTheGridIsToldBeforeOk) {
  std::string lines;
  for (int i = 0; i < 101; ++i) lines += "x\r\n";
  std::string wide;
  for (int i = 0; i < 101; ++i) wide += "y,";
  for (const std::string& sel : {lines, wide, std::string("a b\r\nc")}) {
    fx.prompts.ClearLog();
    fx.Load("[" + sel + "]");
    host.ok = false;
    Run("TABLEClick");
    const bool cut = sel.size() > 10;
    EXPECT_EQ(fx.prompts.Texts(), cut ? std::vector<std::string>{MessageSjis(Msg::TableSelectionCut)}
                                      : std::vector<std::string>{});
  }
}

TEST_F(TableCommandTest, CancelChangesNothingAndTheIndentIsRemembered) {
  test::TempDir data;
  fx.ctx.services.dataFolder = data.dir().string();
  fx.Load("[a]");
  fx.ctx.repeatTag = {"<X>", "</X>"};
  host.ok = false;
  Run("TABLEClick");
  EXPECT_EQ(fx.editor.GetText(), "a");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"}));
  host.ok = true;
  host.acts = {F("rgIndent", "1")};
  Run("TABLEClick");
  host.acts = {};
  fx.Load("[b]");
  Run("TABLEClick");
  EXPECT_EQ(fx.editor.GetText(), "<TABLE>\r\n\t<TR>\r\n\t\t<TD>b</TD>\r\n\t</TR>\r\n</TABLE>\r\n");
}

TEST_F(TableCommandTest, ReEditPresetsThePageAndKeepsWhatItHasNoFieldFor) {
  fx.Load("<table border=1 width=\"50%\" summary=\"s\" onclick=\"go()\">|<tr><td>x</td></tr></table>");
  host.acts = {F("edBorder", "2"), F("sgTable[1,1]", "ignored"), F("edCaption", "T")};
  Run("EditTagClick");
  EXPECT_EQ(host.caption, FormatMessage(MessageSjis(Msg::ReEditTitle), {"TABLE"}));
  EXPECT_EQ(fx.editor.GetText(),
            "<table border=\"2\" width=\"50%\" summary=\"s\" onclick=\"go()\">\r\n<CAPTION>T</CAPTION>"
            "<tr><td>x</td></tr></table>");
}

TEST_F(TableCommandTest, ReEditPresetsEveryFieldOfItsTable) {
  fx.Load("<TABLE|  STYLE=\"a:b\" LANG=ja TITLE=\"t\" ID=i CLASS=c BACKGROUND=\"bg.gif\" BGCOLOR=red "
          "BORDERCOLOR=blue ALIGN=RIGHT BORDER=3 WIDTH=80% HEIGHT=9 VSPACE=1 HSPACE=2 CELLSPACING=4 "
          "CELLPADDING=5>");
  DialogFields seen;
  struct Peek : SessionHost {
    DialogFields* out;
    bool Run(std::string_view c, DialogFields& f) override {
      *out = f;
      return SessionHost::Run(c, f);
    }
  } peek;
  peek.out = &seen;
  peek.ok = false;
  fx.ctx.dialogs = &peek;
  Run("EditTagClick");
  const std::pair<const char*, const char*> expect[] = {
      {"cbStyle", "a:b"},   {"cbLang", "ja"},       {"edTitle", "t"},         {"cbID", "i"},
      {"cbCLASS", "c"},     {"edBackGround", "bg.gif"}, {"cbBgColor", "red"}, {"cbBorderColor", "blue"},
      {"rgAlign", "3"},     {"edBorder", "3"},      {"edWidth", "80"},        {"ckWidth", "1"},
      {"edHeight", "9"},    {"edVSpace", "1"},      {"edHSpace", "2"},        {"edCellSpacing", "4"},
      {"edCellPadding", "5"},
  };
  for (const auto& [name, value] : expect) EXPECT_EQ(seen.Get(name), value) << name;
}


// The image dialog a cell opens answers with its picture field, or Cancel.
class ImageAnsweringHost : public SessionHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& f) override {
    if (dialogClass == kTableDialogClass) return SessionHost::Run(dialogClass, f);
    imageDialogs.emplace_back(dialogClass);
    f.Set("cbImageFile", file);
    return imageOk;
  }
  std::vector<std::string> imageDialogs;
  std::string file;
  bool imageOk = true;
};

TEST_F(TableCommandTest, TheImageDialogPutsItsTagIntoTheCurrentCell) {
  test::TempDir dir;
  const std::string saved = dir.Write("index.html", "x");
  struct Row {
    const char* what;
    std::string page;
    std::string selection;
    std::string file;
    bool ok;
    int dialogs;
    std::string cells;
  } rows[] = {
      {"OK: the tag replaces the cell's text", saved, "2,1", "a.gif", true, 1,
       "<TD>a</TD><TD><IMG SRC=\"a.gif\" BORDER=\"0\"></TD>"},
      {"Cancel keeps the text", saved, "2,1", "a.gif", false, 1, "<TD>a</TD><TD>b</TD>"},
      {"no picture chosen keeps the text", saved, "1,1", "", true, 1, "<TD>a</TD><TD>b</TD>"},
      {"a page never saved: the button is off", "", "2,1", "a.gif", true, 0, "<TD>a</TD><TD>b</TD>"},
      {"a covered cell takes no picture", saved, "2,1", "a.gif", true, 0, "<TD COLSPAN=\"2\">a</TD>"},
  };
  for (const Row& r : rows) {
    ImageAnsweringHost images;
    images.file = r.file;
    images.imageOk = r.ok;
    images.acts = {F("rgIndent", "0")};
    if (r.dialogs == 0 && !r.page.empty()) images.acts.insert(images.acts.end(), {F("sgTable.Selection", "1,1,2,1"), P("SetSpanBtn")});
    images.acts.insert(images.acts.end(), {F("sgTable.Selection", r.selection), P("ImageRefBtn")});
    fx.ctx.dialogs = &images;
    fx.ctx.fileName = r.page;
    fx.Load("[a b]");
    Run("TABLEClick");
    EXPECT_EQ(images.imageDialogs.size(), static_cast<std::size_t>(r.dialogs)) << r.what;
    for (const std::string& shown : images.imageDialogs) EXPECT_EQ(shown, "TImageDlg");
    EXPECT_EQ(fx.editor.GetText(), "<TABLE>\r\n<TR>\r\n" + r.cells + "\r\n</TR>\r\n</TABLE>\r\n") << r.what;
  }
}

}  // namespace
}  // namespace mw
