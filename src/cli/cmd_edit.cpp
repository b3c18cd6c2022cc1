// markupwright-cli edit: runs editing commands on a document with the
// in-memory editor, answering questions and dialogs from the command line.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <utility>

#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "core/dialogs/dialog_actions.h"
#include "core/dialogs/gradation.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/typing.h"

namespace mw::cli {

std::string ProgramDataFolder();

const std::string_view kEditHelp =
    "usage: markupwright-cli edit FILE [--out OUT] [--sel START[,LENGTH]]\n"
    "          [--set KEY=VALUE]... [--answer TEXT]... [--clipboard TEXT]\n"
    "          [--field NAME=VALUE]... [--press BUTTON]... [--mouse LIST=ROW]...\n"
    "          [--data DIR] COMMAND[:ARG]...\n"
    "\n"
    "Runs editing commands on FILE (Shift-JIS HTML, read byte for byte) in an\n"
    "editor without a window, and reports what happened.\n"
    "\n"
    "  --out OUT        write the text as it stands after the commands to OUT\n"
    "                   (byte for byte); without it nothing is written\n"
    "  --sel S[,L]      the starting selection in bytes (default 0,0); like\n"
    "                   every selection change it updates the current tag and\n"
    "                   the indent\n"
    "  --set KEY=VALUE  a setting by its Markupwright.ini key: bLowerCaseTag,\n"
    "                   bSelectEditedEnd, bSelectEditedAll,\n"
    "                   bSelectPreviousSelection, bAutoSelect, bDirectTagInsert,\n"
    "                   bAutoIndent, bAutoTagFont, iNofColumn, iTabStop,\n"
    "                   asDateTimeFormatStr, asTimeFormatStr (booleans 1 or 0)\n"
    "  --answer TEXT    replies in order: to a question yes, no or cancel; to a\n"
    "                   one-line input the text typed, or cancel; cancel also\n"
    "                   cancels the next dialog\n"
    "  --clipboard TEXT the clipboard's text\n"
    "  --field N=V      a field of the dialogs commands open, by control name\n"
    "                   (edTitle=x, ckBold=1, rgAlign=2, sgOption[1,0]=text:\n"
    "                   row, column); set over the tag's values when F2\n"
    "                   re-edits one (EditTagClick); a dialog without fields\n"
    "                   is confirmed as built\n"
    "  --press BUTTON   presses a button of the dialogs commands open (SaveBtn,\n"
    "                   DeleteBtn, SwitchBtn, ...), in order with --field\n"
    "  --mouse L=ROW    clicks row ROW (from 0) of a dialog's list (lbColor=3)\n"
    "                   A button that opens another dialog (RegisterStyleBtn)\n"
    "                   gives it the steps that follow, up to --press OkBtn or\n"
    "                   --press CancelBtn, which close it\n"
    "  --data DIR       the folder of the data files the dialogs read and\n"
    "                   write (StyleList.txt, TagClassList.txt, ColorList.txt,\n"
    "                   PreviousSetting.txt); default the program's own\n"
    "  COMMAND[:ARG]    a handler name (SelectNextTagClick, BClick, LFtoBRClick,\n"
    "                   ...); ARG picks among items sharing a handler (Tag\n"
    "                   number or caption)\n"
    "\n"
    "TEXT and VALUE take the escapes \\r \\n \\t \\\" \\\\ and are UTF-8, as is the\n"
    "output; offsets count Shift-JIS bytes. Output, one line each: every\n"
    "message shown as 'message TEXT', every text a confirmed tag dialog put\n"
    "in as 'inserted TEXT', then 'selection START LENGTH', then\n"
    "'repeat START<TAB>END' (the repeat-tag pair), texts escaped likewise.\n"
    "'markupwright-cli edit --list' lists the command names.\n";

namespace {

// Questions, inputs and dialogs take their replies from one ordered list,
// as the author would answer them one after another.
class CommandLineAnswers : public UserPrompts, public DialogHost {
 public:
  // What the author does in a dialog, in order: a field set, a button
  // pressed, a list row clicked.
  struct DialogStep {
    enum Kind { Field, Press, Mouse } kind;
    std::string name, value;
  };

  CommandLineAnswers(std::deque<std::string> answers, std::vector<DialogStep> steps)
      : m_answers(std::move(answers)), m_steps(std::move(steps)) {}

  void ShowMessage(std::string_view text, MessageKind, std::string_view) override {
    m_messages.emplace_back(text);
  }

  Reply Ask(std::string_view text, QuestionButtons buttons, std::string_view) override {
    (void)text;
    const auto a = Next();
    if (a == "yes") return Reply::Yes;
    if (a == "no") return Reply::No;
    return buttons == QuestionButtons::YesNo ? Reply::No : Reply::Cancel;
  }

  std::optional<std::string> AskString(const StringRequest& request) override {
    if (m_answers.empty()) return request.text;  // confirmed as it opened
    const auto a = Next();
    if (a == "cancel") return std::nullopt;
    return *a;
  }

  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    if (!m_answers.empty() && m_answers.front() == "cancel") {
      m_answers.pop_front();
      return false;
    }
    // Every dialog a command opens gets the steps from the first; one that
    // a button opens takes the steps after that press, to its OK or Cancel.
    const bool nested = m_depth > 0;
    std::size_t i = nested ? m_cursor : 0;
    bool ok = true;
    ++m_depth;
    for (; i < m_steps.size(); ++i) {
      const DialogStep& s = m_steps[i];
      DialogActions* model = fields.actions;
      if (s.kind == DialogStep::Press && (s.name == "OkBtn" || s.name == "CancelBtn")) {
        // OK's own question (the style editor's) is asked by its command.
        ok = s.name == "OkBtn";
        ++i;
        break;
      }
      m_cursor = i + 1;
      switch (s.kind) {
        case DialogStep::Field:
          fields.Set(s.name, s.value);
          if (model) model->Changed(s.name, fields);
          else if (m_ctx) DialogFieldChanged(*m_ctx, dialogClass, s.name, fields);
          break;
        case DialogStep::Press:
          // Buttons every dialog shares (a style field's 編集) are the
          // context's when the dialog's own model has no such button.
          if (!(model && model->Press(s.name, fields)) && m_ctx) PressDialogButton(*m_ctx, dialogClass, s.name, fields);
          break;
        case DialogStep::Mouse:
          if (model) {
            model->Mouse(s.name, s.value, fields);
          } else if (m_ctx) {
            // A click on a list row chooses it.
            fields.Set(s.name, s.value);
            DialogFieldChanged(*m_ctx, dialogClass, s.name, fields);
          }
          break;
      }
      i = m_cursor - 1;  // past the steps a dialog the button opened took
    }
    --m_depth;
    m_cursor = i;
    // The colour pickers put in what they return, as tag dialogs do.
    if (ok && (dialogClass.ends_with("Dlg") || dialogClass == kColourFormClass || dialogClass == kColourDialogClass))
      ++m_tagDialogs;
    return ok;
  }

  // The context the dialogs' buttons act in, for dialogs whose fields bring
  // no actions of their own.
  void SetContext(EditingContext* ctx) { m_ctx = ctx; }

  // How many tag dialogs were confirmed so far.
  int TagDialogsConfirmed() const { return m_tagDialogs; }

  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  std::optional<std::string> Next() {
    if (m_answers.empty()) return std::nullopt;
    std::string a = std::move(m_answers.front());
    m_answers.pop_front();
    return a;
  }

  std::deque<std::string> m_answers;
  std::vector<DialogStep> m_steps;
  EditingContext* m_ctx = nullptr;
  int m_depth = 0;
  std::size_t m_cursor = 0;
  std::vector<std::string> m_messages;
  int m_tagDialogs = 0;
};

Offset ParseOffset(const std::string& s, const char* what) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (s.empty() || *end != '\0' || errno != 0 || v < 0)
    throw UsageError(std::string("bad ") + what + " '" + s + "'");
  return static_cast<Offset>(v);
}

bool ParseBool(const std::string& key, const std::string& v) {
  // Any non-zero integer reads as true, as in the settings file.
  char* end = nullptr;
  const long n = std::strtol(v.c_str(), &end, 10);
  if (v.empty() || *end != '\0') throw UsageError("setting " + key + " needs 1 or 0");
  return n != 0;
}

void ApplySetting(const std::string& kv, EditingOptions& o) {
  const auto eq = kv.find('=');
  if (eq == std::string::npos) throw UsageError("--set needs KEY=VALUE: " + kv);
  const std::string key = kv.substr(0, eq);
  const std::string value = Unescape(kv.substr(eq + 1));
  auto integer = [&] { return static_cast<int>(ParseOffset(value, key.c_str())); };
  if (key == "bLowerCaseTag") o.lowerCaseTag = ParseBool(key, value);
  else if (key == "bAutoSelect") o.autoSelect = ParseBool(key, value);
  else if (key == "bDirectTagInsert") o.directTagInsert = ParseBool(key, value);
  else if (key == "bAutoIndent") o.autoIndent = ParseBool(key, value);
  else if (key == "bAutoTagFont") o.autoTagFont = ParseBool(key, value);
  else if (key == "bSelectEditedEnd") { if (ParseBool(key, value)) o.caretPolicy = CaretPolicy::AfterEdited; }
  else if (key == "bSelectEditedAll") { if (ParseBool(key, value)) o.caretPolicy = CaretPolicy::SelectEdited; }
  else if (key == "bSelectPreviousSelection") {
    if (ParseBool(key, value)) o.caretPolicy = CaretPolicy::KeepPrevious;
  } else if (key == "iNofColumn") o.nofColumn = integer();
  else if (key == "iTabStop") o.tabStop = integer();
  else if (key == "asDateTimeFormatStr") o.dateFormat = TerminalToDocument(value);
  else if (key == "asTimeFormatStr") o.timeFormat = TerminalToDocument(value);
  else throw UsageError("unknown setting '" + key + "'");
}

// The in-memory editor, noting every text a command puts in, so the report
// can show what a tag dialog inserted.
class RecordingEditor : public MemoryEditor {
 public:
  using MemoryEditor::MemoryEditor;
  void SetSelText(std::string_view text) override {
    if (!text.empty()) m_inserted.emplace_back(text);
    MemoryEditor::SetSelText(text);
  }
  std::vector<std::string> TakeInserted() { return std::exchange(m_inserted, {}); }

 private:
  std::vector<std::string> m_inserted;
};

struct Step {
  const EditCommand* command;
  std::string arg;
};

}  // namespace

int RunEdit(std::vector<std::string>& args) {
  ArgReader in(args);
  std::string out, value;
  bool haveOut = false;
  Offset selStart = 0, selLength = 0;
  EditingOptions options;
  std::deque<std::string> answers;
  std::optional<std::string> clipboardText;
  std::vector<CommandLineAnswers::DialogStep> dialogSteps;
  std::optional<std::string> dataFolder;
  bool list = false;
  std::vector<std::string> operands;
  while (!in.done()) {
    if (!in.atOption()) {
      operands.push_back(in.next());
      continue;
    }
    if (in.take("--out", out)) haveOut = true;
    else if (in.take("--sel", value)) {
      const auto comma = value.find(',');
      selStart = ParseOffset(value.substr(0, comma), "selection start");
      selLength = comma == std::string::npos ? 0 : ParseOffset(value.substr(comma + 1), "selection length");
    } else if (in.take("--set", value)) ApplySetting(value, options);
    else if (in.take("--answer", value)) {
      const std::string a = Unescape(value);
      answers.push_back(a == "yes" || a == "no" || a == "cancel" ? a : TerminalToDocument(a));
    } else if (in.take("--clipboard", value)) clipboardText = TerminalToDocument(Unescape(value));
    else if (in.take("--field", value)) {
      const auto eq = value.find('=');
      if (eq == std::string::npos || eq == 0) throw UsageError("--field needs NAME=VALUE: " + value);
      dialogSteps.push_back({CommandLineAnswers::DialogStep::Field, value.substr(0, eq),
                             TerminalToDocument(Unescape(value.substr(eq + 1)))});
    } else if (in.take("--press", value)) {
      dialogSteps.push_back({CommandLineAnswers::DialogStep::Press, value, {}});
    } else if (in.take("--mouse", value)) {
      const auto eq = value.find('=');
      if (eq == std::string::npos || eq == 0) throw UsageError("--mouse needs LIST=ROW: " + value);
      dialogSteps.push_back({CommandLineAnswers::DialogStep::Mouse, value.substr(0, eq), value.substr(eq + 1)});
    } else if (in.take("--data", value)) {
      dataFolder = value;
    } else if (in.take("--list")) list = true;
    else if (in.take("--")) {
      for (auto& rest : in.operands()) operands.push_back(rest);
    } else throw UsageError("unknown option " + in.current());
  }

  const CommandRegistry& registry = EngineCommands();
  if (list) {
    for (const auto& c : registry.All()) std::cout << c.name << "\n";
    return kExitOk;
  }
  if (operands.empty()) throw UsageError("no FILE given");
  const std::string file = operands.front();
  std::vector<Step> steps;
  for (std::size_t i = 1; i < operands.size(); ++i) {
    const std::string& op = operands[i];
    const auto colon = op.find(':');
    const std::string name = op.substr(0, colon);
    const EditCommand* c = registry.Find(name);
    if (!c) throw UsageError("unknown command '" + name + "' (see 'markupwright-cli edit --list')");
    steps.push_back({c, colon == std::string::npos ? std::string() : TerminalToDocument(Unescape(op.substr(colon + 1)))});
  }

  const std::string text = ReadFileBytes(file);
  MemoryClipboard clipboard;
  if (clipboardText) clipboard.SetText(*clipboardText);
  RecordingEditor editor(clipboard);
  editor.Load(text);
  CommandLineAnswers answersHost(std::move(answers), std::move(dialogSteps));

  EditingContext ctx;
  ctx.editor = &editor;
  ctx.clipboard = &clipboard;
  ctx.prompts = &answersHost;
  ctx.dialogs = &answersHost;
  ctx.fileName = file;
  ctx.options = options;
  ctx.selectionSearch = DefaultSelectionSearch();
  ctx.services.dataFolder = dataFolder ? *dataFolder : ProgramDataFolder();
  answersHost.SetContext(&ctx);

  if (selStart > editor.TextLength()) throw UsageError("selection start beyond the end of FILE");
  editor.SetSelStart(selStart);
  editor.SetSelLength(std::min(selLength, editor.TextLength() - selStart));
  SelectionChanged(ctx);
  std::vector<std::string> inserted;
  for (const auto& step : steps) {
    const int dialogs = answersHost.TagDialogsConfirmed();
    editor.TakeInserted();
    step.command->run(ctx, step.arg);
    SelectionChanged(ctx);  // as the window does after every command
    if (answersHost.TagDialogsConfirmed() != dialogs)
      for (auto& t : editor.TakeInserted()) inserted.push_back(std::move(t));
  }

  if (haveOut) WriteFileAtomic(out, editor.GetText());
  std::string report;
  for (const auto& m : answersHost.Messages()) report += "message " + DocumentToTerminal(Escape(m)) + "\n";
  for (const auto& t : inserted) report += "inserted " + DocumentToTerminal(Escape(t)) + "\n";
  report += "selection " + std::to_string(editor.GetSelStart()) + " " + std::to_string(editor.GetSelLength()) + "\n";
  report += "repeat " + DocumentToTerminal(Escape(ctx.repeatTag.start)) + "\t" +
            DocumentToTerminal(Escape(ctx.repeatTag.end)) + "\n";
  WriteStdout(report);
  return kExitOk;
}

}  // namespace mw::cli
