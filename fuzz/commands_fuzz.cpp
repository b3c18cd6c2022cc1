// Every editing command, on a page of any bytes with any selection, with
// the options, clipboard, answers and dialog fields the input picks.
//
// A command may change the page as it likes, but the selection stays on
// character boundaries within the text, and undoing every step gives the
// page back byte for byte, in its own character formats.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/command_groups.h"
#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/typing.h"
#include "core/engine_commands.h"
#include "fuzz_support.h"

namespace {

using namespace mw;
using mw::fuzz::Check;

constexpr const char* kTexts[] = {"",     "x",  "0",   "1",  "3",   "-1",        "100", "2147483647",
                                  "\x95\x5C", "<B>", "a b", "&amp;", "\r\n", "#FF0000", "\x83\x41\"'"};

// Answers, inputs and dialogs, each taken from the input as it is asked.
class Answers : public UserPrompts, public DialogHost {
 public:
  explicit Answers(FuzzedDataProvider& in) : m_in(in) {}
  void ShowMessage(std::string_view, MessageKind, std::string_view) override {}
  Reply Ask(std::string_view, QuestionButtons buttons, std::string_view) override {
    const Reply r = static_cast<Reply>(m_in.ConsumeIntegralInRange(0, 2));
    return buttons == QuestionButtons::YesNo && r == Reply::Cancel ? Reply::No : r;
  }
  std::optional<std::string> AskString(const StringRequest& request) override {
    switch (m_in.ConsumeIntegralInRange(0, 3)) {
      case 0: return std::nullopt;
      case 1: return request.text;
      case 2: return Text();
      default: return m_in.ConsumeRandomLengthString(12);
    }
  }
  bool Run(std::string_view, DialogFields& fields) override {
    if (m_in.ConsumeIntegralInRange(0, 7) == 0) return false;
    // Up to two fields changed, by name as the dialog filled them, or the
    // preview edited by hand.
    for (int n = m_in.ConsumeIntegralInRange(0, 2); n > 0 && !fields.values.empty(); --n) {
      auto it = fields.values.begin();
      std::advance(it, m_in.ConsumeIntegralInRange<std::size_t>(0, fields.values.size() - 1));
      it->second = m_in.ConsumeBool() ? Text() : m_in.ConsumeRandomLengthString(8);
    }
    if (m_in.ConsumeIntegralInRange(0, 15) == 0) fields.Set(kFieldPreview, m_in.ConsumeRandomLengthString(16));
    return true;
  }

 private:
  std::string Text() { return kTexts[m_in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)]; }
  FuzzedDataProvider& m_in;
};

void CheckSelection(const MemoryEditor& e) {
  const std::string text = e.GetText();
  Check(IsCharBoundary(text, e.SelAnchor()) && IsCharBoundary(text, e.SelActive()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  static const CommandRegistry& registry = EngineCommands();
  FuzzedDataProvider in(data, size);

  EditingOptions options;
  options.lowerCaseTag = in.ConsumeBool();
  options.caretPolicy = static_cast<CaretPolicy>(in.ConsumeIntegralInRange(0, 2));
  options.autoSelect = in.ConsumeBool();
  options.directTagInsert = in.ConsumeBool();
  options.autoIndent = in.ConsumeBool();
  options.autoTagFont = in.ConsumeBool();
  // The ranges the settings allow.
  options.tabStop = in.ConsumeBool() ? 4 : in.ConsumeIntegralInRange(1, 100);
  options.nofColumn = in.ConsumeBool() ? 74 : in.ConsumeIntegralInRange(1, 10000);

  MemoryClipboard clipboard;
  if (in.ConsumeBool()) clipboard.SetText(in.ConsumeRandomLengthString(24));
  const DisplayFont plain = DesignFonts()[0];
  MemoryEditor editor{clipboard, plain};
  editor.SetUndoLimit(1000);
  if (in.ConsumeBool()) editor.SetWrapWidth(in.ConsumeIntegralInRange(1, 12));
  editor.SetVisibleLineCount(in.ConsumeIntegralInRange(0, 5));
  Answers answers(in);

  EditingContext ctx;
  ctx.editor = &editor;
  ctx.clipboard = &clipboard;
  ctx.prompts = &answers;
  ctx.dialogs = &answers;
  ctx.selectionSearch = DefaultSelectionSearch();
  ctx.fileName = "/nonexistent/site/page.html";
  ctx.options = options;
  ctx.now = [] { return std::time_t{1700000000}; };

  const int count = in.ConsumeIntegralInRange(1, 4);
  struct Step {
    const EditCommand* command;
    std::string arg;
    Offset anchor, active;
  };
  std::vector<Step> steps;
  for (int i = 0; i < count; ++i) {
    const EditCommand& c = registry.All()[in.ConsumeIntegralInRange<std::size_t>(0, registry.All().size() - 1)];
    std::string arg = in.ConsumeBool() ? std::string() : in.ConsumeRandomLengthString(6);
    const auto anchor = in.ConsumeIntegralInRange<Offset>(0, 4100);
    const auto active = in.ConsumeBool() ? anchor : in.ConsumeIntegralInRange<Offset>(0, 4100);
    steps.push_back({&c, std::move(arg), anchor, active});
  }
  // The page: a share of the bytes left, the rest answers the prompts.
  const std::string page = in.ConsumeRandomLengthString(size);
  editor.Load(page);

  for (const Step& s : steps) {
    const auto len = editor.TextLength();
    editor.SetSelection(std::min(s.anchor, len), std::min(s.active, len));
    SelectionChanged(ctx);
    s.command->run(ctx, s.arg);
    CheckSelection(editor);
    SelectionChanged(ctx);
  }

  for (int undo = 0; editor.CanUndo() && undo < 2000; ++undo) editor.Undo();
  Check(editor.GetText() == page);
  for (Offset p = 0; p < editor.TextLength(); ++p) Check(SameFormat(editor.FormatAt(p), plain));
  return 0;
}
