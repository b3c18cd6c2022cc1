// markupwright-cli edit: runs editing commands on a document with the
// in-memory editor, answering questions and dialogs from the command line.
#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <utility>

#include "core/app/document_file.h"
#include "core/app/settings.h"
#include "cli/cli_common.h"
#include "cli/cli_pictures.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "core/dialogs/dialog_actions.h"
#include "core/editing/dialog_script.h"
#include "core/dialogs/gradation.h"
#include "core/dialogs/style_editor.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/typing.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/project/relative_path.h"

namespace mw::cli {

const std::string_view kEditHelp =
    "usage: markupwright-cli edit FILE [--out OUT] [--sel START[,LENGTH]]\n"
    "          [--set KEY=VALUE]... [--answer TEXT]... [--clipboard TEXT]\n"
    "          [--field NAME=VALUE]... [--press BUTTON]... [--mouse LIST=ROW]...\n"
    "          [--mouse TARGET:EVENT@X,Y]... [--data DIR] COMMAND[:ARG]...\n"
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
    "                   asDateTimeFormatStr, asTimeFormatStr (booleans 1 or 0;\n"
    "                   iNofColumn 1 to 10000, iTabStop 1 to 100)\n"
    "  --answer TEXT    replies in order: to a question yes, no or cancel; to a\n"
    "                   one-line input the text typed, or cancel; to a file\n"
    "                   choice a path, or cancel; to a colour palette #RRGGBB;\n"
    "                   cancel also cancels a dialog, once its presses took\n"
    "                   their answers\n"
    "  --clipboard TEXT the clipboard's text\n"
    "  --field N=V      a field of the dialogs commands open, by control name\n"
    "                   (edTitle=x, ckBold=1, rgAlign=2, sgOption[1,0]=text:\n"
    "                   row, column); set over the tag's values when F2\n"
    "                   re-edits one (EditTagClick); a dialog without fields\n"
    "                   is confirmed as built. The table dialog's cells are\n"
    "                   sgTable[COL,ROW]=text (from 1), its selected block\n"
    "                   sgTable.Selection=LEFT,TOP,RIGHT,BOTTOM, after which\n"
    "                   the cell panel's fields apply to that block;\n"
    "                   sgTable.MoveRow=FROM,TO and sgTable.MoveCol=FROM,TO\n"
    "                   drag a row or column to another place\n"
    "  --press BUTTON   presses a dialog's button or pop-up menu item by name\n"
    "                   (SetSpanBtn, OpenCSVBtn, CopyCell, RefBtn, ReloadBtn,\n"
    "                   ...; cbImageFile reads the picture its text names)\n"
    "  --mouse L=ROW    clicks row ROW (from 0) of a dialog's list (lbColor=3)\n"
    "  --mouse 'Image:EVENT@X,Y'\n"
    "                   a left-button gesture on the dialog's picture, EVENT\n"
    "                   down, move, up or dbl (double click), X,Y in pixels of\n"
    "                   the picture; fields, presses and gestures apply in the\n"
    "                   order given\n"
    "                   A button that opens a dialog of its own (a STYLE\n"
    "                   field's RegisterStyleBtn, a colour field's\n"
    "                   ColorFormBtn, the table's ImageRefBtn) gives it the\n"
    "                   actions that follow, up to --press OkBtn or --press\n"
    "                   CancelBtn\n"
    "  --data DIR       the folder of the data files the dialogs read and\n"
    "                   write (StyleList.txt, TagClassList.txt, ColorList.txt,\n"
    "                   PreviousSetting.txt); without it none are read or\n"
    "                   written\n"
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

// --mouse TARGET:EVENT@X,Y
DialogStep ParseMouse(const std::string& spec) {
  const auto colon = spec.find(':'), at = spec.find('@');
  const auto comma = at == std::string::npos ? std::string::npos : spec.find(',', at);
  if (colon == std::string::npos || at == std::string::npos || comma == std::string::npos || at < colon)
    throw UsageError("--mouse needs TARGET:EVENT@X,Y: " + spec);
  DialogStep a = DialogStep::Pointer(spec.substr(0, colon), spec.substr(colon + 1, at - colon - 1), 0, 0);
  if (a.value != "down" && a.value != "move" && a.value != "up" && a.value != "dbl")
    throw UsageError("--mouse event must be down, move, up or dbl: " + spec);
  auto number = [&](const std::string& t) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(t.c_str(), &end, 10);
    if (t.empty() || *end != '\0' || errno != 0 || v < -1000000 || v > 1000000)
      throw UsageError("bad --mouse position: " + spec);
    return static_cast<int>(v);
  };
  a.x = number(spec.substr(at + 1, comma - at - 1));
  a.y = number(spec.substr(comma + 1));
  return a;
}

// Questions, inputs and dialogs take their replies from one ordered list,
// as the author would answer them one after another; the dialogs play the
// fields, presses and clicks of the command line.
class CommandLineAnswers : public UserPrompts, public DialogScript {
 public:
  CommandLineAnswers(std::deque<std::string> answers, std::vector<DialogStep> steps)
      : DialogScript(std::move(steps)), m_answers(std::move(answers)) {
    SetRefused([](std::string_view dialogClass, const DialogStep& s) {
      const std::string c(dialogClass);
      switch (s.kind) {
        case DialogStep::Field:
          throw UsageError(c + " has no control '" + s.control + "' for '" + DocumentToTerminal(s.value) + "'");
        case DialogStep::Press: throw UsageError(c + " has no button '" + s.control + "'");
        case DialogStep::Row: throw UsageError(c + " has no list '" + s.control + "'");
        case DialogStep::Gesture: throw UsageError(c + " has no picture '" + s.control + "'");
      }
    });
  }

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
    if (dialogClass == "OpenDialog" || dialogClass == "SaveDialog") return ChooseFile(fields);
    if (dialogClass == "ColorDialog") {
      const auto a = Next();
      if (!a || *a == "cancel") return false;
      unsigned rgb = 0;
      if (a->size() != 7 || (*a)[0] != '#' || std::sscanf(a->c_str() + 1, "%6x", &rgb) != 1)
        throw UsageError("a palette answer is #RRGGBB: " + *a);
      fields.Set("Color", *a);
      return true;
    }
    if (!Play(dialogClass, fields)) return false;
    return Close(dialogClass);
  }

  // Dialogs whose fields bring no model of their own take the steps every
  // dialog shares, in this context.
  void SetContext(EditingContext* ctx) {
    SetFallback([ctx](std::string_view dialogClass, const DialogStep& s, DialogFields& f) {
      TagDialogActions shared(*ctx, dialogClass);
      return shared.Take(s, f);
    });
  }

  // How many tag dialogs were confirmed so far.
  int TagDialogsConfirmed() const { return m_tagDialogs; }

  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  // After what the author did in it (whose file choices and questions
  // took their answers in turn), a "cancel" answer closes the dialog with
  // Cancel; anything else confirms it.
  bool Close(std::string_view c) {
    if (!m_answers.empty() && m_answers.front() == "cancel") {
      m_answers.pop_front();
      return false;
    }
    // The colour pickers put in what they return, as tag dialogs do.
    if ((c.size() > 3 && c.substr(c.size() - 3) == "Dlg") || c == kColourFormClass || c == kColourDialogClass)
      ++m_tagDialogs;
    return true;
  }

  // A file choice takes its path from the answers; without one, from a
  // FileName field.
  bool ChooseFile(DialogFields& fields) {
    if (m_answers.empty()) {
      for (const DialogStep& a : Steps())
        if (a.kind == DialogStep::Field && a.control == "FileName") fields.Set("FileName", a.value);
      return !fields.Get("FileName").empty();
    }
    const auto a = Next();
    if (*a == "cancel") return false;
    fields.Set("FileName", *a);
    return true;
  }

  std::optional<std::string> Next() {
    if (m_answers.empty()) return std::nullopt;
    std::string a = std::move(m_answers.front());
    m_answers.pop_front();
    return a;
  }

  std::deque<std::string> m_answers;
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
  // Numbers within the range the settings file allows them, so a script
  // cannot ask for what the window would never run with.
  auto integer = [&] {
    const auto& keys = FormSettingKeys();
    const auto k = std::find_if(keys.begin(), keys.end(), [&](const SettingKey& s) { return s.key == key; });
    const Offset n = ParseOffset(value, key.c_str());
    if (k != keys.end() && (n < k->min || n > k->max))
      throw UsageError("setting " + key + " must be from " + std::to_string(k->min) + " to " + std::to_string(k->max));
    return static_cast<int>(n);
  };
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
  std::vector<DialogStep> actions;
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
      actions.push_back(DialogStep::SetField(value.substr(0, eq), TerminalToDocument(Unescape(value.substr(eq + 1)))));
    } else if (in.take("--press", value)) {
      if (value.empty()) throw UsageError("--press needs a button name");
      actions.push_back(DialogStep::PressButton(value));
    } else if (in.take("--mouse", value)) {
      if (value.find('@') != std::string::npos) {
        actions.push_back(ParseMouse(value));
      } else {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0) throw UsageError("--mouse needs LIST=ROW or TARGET:EVENT@X,Y: " + value);
        actions.push_back(DialogStep::ClickRow(value.substr(0, eq), value.substr(eq + 1)));
      }
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
  CommandLineAnswers answersHost(std::move(answers), std::move(actions));

  EditingContext ctx;
  ctx.editor = &editor;
  ctx.clipboard = &clipboard;
  ctx.prompts = &answersHost;
  ctx.dialogs = &answersHost;
  ctx.fileName = file;
  ctx.options = options;
  ctx.selectionSearch = DefaultSelectionSearch();
  ctx.services.makeRelativePath = [](const std::string& f, const std::string& doc) {
    return MakeRelativePath(f, doc);
  };
  // Pictures are found and read as the window finds and reads them.
  ctx.services.resolveRelativePath = [](const std::string& url, const std::string& doc) {
    return DocumentToFileSystemPath(ResolveRelativePath(url, FileSystemToDocumentPath(doc)));
  };
  ctx.services.pictures = CliPictureReader();
  // Only a folder named: a script's runs never share remembered state.
  if (dataFolder) ctx.services.dataFolder = *dataFolder;
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
