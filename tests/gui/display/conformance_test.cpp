// The same command sequences on the in-memory editor and on the widget's
// surface must leave the same text, selection, formats and undo state.
#include <gtest/gtest.h>

#include "core/display/html_to_rtf.h"
#include "gui/display/surface_fixture.h"
#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/editing/editing_fixture.h"

namespace mw::test {
namespace {

class AnswerDialogs : public DialogHost {
 public:
  DialogFields answer;
  bool Run(std::string_view, DialogFields& fields) override {
    for (const auto& [k, v] : answer.values) fields.Set(k, v);
    return true;
  }
};

struct Row {
  const char* name;
  std::string marked;  // "ab[cd]e" or "ab|cd"
  bool coloured;
  std::vector<std::string> commands;
  bool directTagInsert = false;
  std::vector<std::pair<std::string, std::string>> fields = {};
};

void Prepare(EditingContext& ctx, AnswerDialogs& dialogs, const Row& row) {
  ctx.options.directTagInsert = row.directTagInsert;
  ctx.dialogs = &dialogs;
  for (const auto& [k, v] : row.fields) dialogs.answer.Set(k, v);
}

std::string State(const EditorSurface& e) {
  return Show(e) + "\n" + FontLetters(e) + "\nundo=" + (e.CanUndo() ? "1" : "0") +
         " modified=" + (e.IsModified() ? "1" : "0") + " typing=" + FontLetters(e, e.TextLength(), 1);
}

TEST(SurfaceConformance, CommandSequencesMatchTheMemoryEditor) {
  const Row rows[] = {
      {"next tags", "|a<B>\x83\x5C</B><I>x</I>", true, {"SelectNextTagClick", "SelectNextTagClick", "SelectNextTagClick"}},
      {"bold wrap, direct", "a[\x83\x5C\x95\x5C]b", true, {"BClick", "EditUndoClick"}, true},
      {"bold wrap, dialog", "a[xy]b", false, {"BClick"}, false, {{"ckBold", "1"}}},
      {"line ends to BR", "[a\r\n\x83\x41\r\nb]", true, {"LFtoBRClick", "EditUndoClick"}},
      {"replace all", "|\x83\x5C" "a\x83\x5C<B>\x83\x5C</B>", true, {"EditReplaceClick", "EditUndoClick"}, false,
       {{"FindText", "\x83\x5C"}, {"ReplaceText", "<I>\x83\x41</I>"}, {"ReplaceAll", "1"}}},
      {"replace next", "|ab<B>ab</B>", true, {"EditReplaceClick", "EditReplaceClick"}, false,
       {{"FindText", "AB"}, {"ReplaceText", "\xB1"}}},
      {"delete tags and undo", "[<P>a<B>b</B>&amp;</P>]", true, {"DeleteTagClick", "EditUndoClick"}},
      {"tag case", "[<p class=\"x\">\x83\x5C</p>]", true, {"ToUpperCaseTagClick", "EditUndoClick", "ToLowerCaseTagClick"}},
      {"cut and paste", "a[<B>\x83\x5C</B>]c", true, {"EditCutClick", "SelectAllClick", "EditPasteClick", "EditUndoClick"}},
      {"half-width kana", "[\xB1\xB2\xDE x]", false, {"HankakuKanaToZenkakuClick", "EditUndoClick"}},
      {"markers", "[\x80\x82 \xFF<B>]", true, {"BClick", "EditUndoClick"}, true},
  };
  const auto& registry = EngineCommands();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Marked m = ParseMarked(row.marked);
    const Offset s = m.start < 0 ? 0 : m.start;

    EditingFixture mem;
    AnswerDialogs memDialogs;
    Prepare(mem.ctx, memDialogs, row);
    mem.editor.Load(m.text);
    if (row.coloured)
      for (const auto& run : ColourHtml(m.text))
        mem.editor.SetRangeFormat(run.start, run.length, DesignFonts()[static_cast<std::size_t>(run.cls)]);
    mem.editor.SetSelection(s, s + m.length);

    SurfaceFixture gui;
    gui.widget.setWrapMode(QsciScintilla::WrapNone);
    AnswerDialogs guiDialogs;
    Prepare(gui.ctx, guiDialogs, row);
    gui.editor.Load(m.text, row.coloured);
    gui.editor.SetSelection(s, s + m.length);
    ASSERT_EQ(State(gui.editor), State(mem.editor));

    for (const auto& name : row.commands) {
      SCOPED_TRACE(name);
      const EditCommand* cmd = registry.Find(name);
      ASSERT_NE(cmd, nullptr);
      cmd->run(mem.ctx, {});
      cmd->run(gui.ctx, {});
      EXPECT_EQ(State(gui.editor), State(mem.editor));
      EXPECT_EQ(gui.editor.Text(), gui.WidgetBytes());
      EXPECT_EQ(gui.ctx.statusText, mem.ctx.statusText);
    }
  }
}

// A pair of bytes that is no character shows as two markers in the widget,
// with a position between them; an offset inside the pair still goes to the
// pair's start, as in the memory editor.
TEST(SurfaceConformance, SelectionInsideAPairShownAsMarkersMatchesTheMemoryEditor) {
  const std::string text = "a\x85\x40\x87\x90<B>b";  // unassigned pair, NEC duplicate
  EditingFixture mem;
  mem.editor.Load(text);
  SurfaceFixture gui;
  gui.widget.setWrapMode(QsciScintilla::WrapNone);
  gui.editor.Load(text, false);
  for (const auto& [anchor, active] : std::vector<std::pair<Offset, Offset>>{{2, 4}, {4, 2}, {2, 2}, {1, 5}}) {
    SCOPED_TRACE(std::to_string(anchor) + "," + std::to_string(active));
    mem.editor.SetSelection(anchor, active);
    gui.editor.SetSelection(anchor, active);
    EXPECT_EQ(gui.editor.SelAnchor(), mem.editor.SelAnchor());
    EXPECT_EQ(gui.editor.SelActive(), mem.editor.SelActive());
    EXPECT_EQ(State(gui.editor), State(mem.editor));
  }
  mem.ctx.options.directTagInsert = gui.ctx.options.directTagInsert = true;
  mem.editor.SetSelection(2, 5);
  gui.editor.SetSelection(2, 5);
  const EditCommand* bold = EngineCommands().Find("BClick");
  ASSERT_NE(bold, nullptr);
  bold->run(mem.ctx, {});
  bold->run(gui.ctx, {});
  EXPECT_EQ(State(gui.editor), State(mem.editor));
  EXPECT_EQ(gui.editor.Text(), gui.WidgetBytes());
}

}  // namespace
}  // namespace mw::test
