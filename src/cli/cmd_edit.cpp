// markupwright-cli edit: runs editing commands on a document with the
// in-memory editor, answering questions and dialogs from the command line.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <iostream>
#include <optional>
#include <utility>

#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/cli_pictures.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/typing.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/project/relative_path.h"

namespace mw::cli {

const std::string_view kEditHelp =
    "usage: markupwright-cli edit FILE [--out OUT] [--sel START[,LENGTH]]\n"
    "          [--set KEY=VALUE]... [--answer TEXT]... [--clipboard TEXT]\n"
    "          [--field NAME=VALUE]... [--press NAME]... [--mouse TARGET:EVENT@X,Y]...\n"
    "          COMMAND[:ARG]...\n"
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
    "  --press NAME     presses a button of the dialog (RefBtn, ReloadBtn,\n"
    "                   ...; cbImageFile chooses its list's text); a file\n"
    "                   dialog it opens takes the next --answer (a path, or\n"
    "                   cancel)\n"
    "  --mouse 'Image:EVENT@X,Y'\n"
    "                   a left-button gesture on the dialog's picture, EVENT\n"
    "                   down, move, up or dbl (double click), X,Y in pixels\n"
    "                   of the picture; --field, --press and --mouse apply in\n"
    "                   the order given\n"
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
// What the author does in a dialog, in the order given: a field set, a
// button pressed, a pointer gesture on the picture.
struct DialogInput {
  enum class Kind { Field, Press, Mouse } kind = Kind::Field;
  std::string name;   // field, button or pointer target
  std::string value;  // field value; pointer event
  int x = 0, y = 0;
};

DialogInput ParseMouse(const std::string& spec) {
  // TARGET:EVENT@X,Y
  const auto colon = spec.find(':'), at = spec.find('@');
  const auto comma = at == std::string::npos ? std::string::npos : spec.find(',', at);
  if (colon == std::string::npos || at == std::string::npos || comma == std::string::npos || at < colon)
    throw UsageError("--mouse needs TARGET:EVENT@X,Y: " + spec);
  DialogInput in{DialogInput::Kind::Mouse, spec.substr(0, colon), spec.substr(colon + 1, at - colon - 1)};
  const std::string event = in.value;
  if (event != "down" && event != "move" && event != "up" && event != "dbl")
    throw UsageError("--mouse event must be down, move, up or dbl: " + spec);
  auto number = [&](const std::string& t) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(t.c_str(), &end, 10);
    if (t.empty() || *end != '\0' || errno != 0 || v < -1000000 || v > 1000000)
      throw UsageError("bad --mouse position: " + spec);
    return static_cast<int>(v);
  };
  in.x = number(spec.substr(at + 1, comma - at - 1));
  in.y = number(spec.substr(comma + 1));
  return in;
}

class CommandLineAnswers : public UserPrompts, public DialogHost {
 public:
  CommandLineAnswers(std::deque<std::string> answers, std::vector<DialogInput> inputs)
      : m_answers(std::move(answers)), m_inputs(std::move(inputs)) {}

  // Where the dialogs' buttons find the services and the document.
  void SetEnvironment(const DialogServices* services, std::string documentPath) {
    m_services = services;
    m_documentPath = std::move(documentPath);
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
    if (!m_answers.empty() && m_answers.front() == "cancel") {
      m_answers.pop_front();
      return false;
    }
    const TagDialogModel* model = FindTagDialogModel(dialogClass);
    DialogEnv env;
    env.services = m_services;
    env.documentPath = m_documentPath;
    env.chooseFile = [this](const std::string&, const std::string&) -> std::optional<std::string> {
      const auto a = Next();
      if (!a || *a == "cancel") return std::nullopt;
      return Absolute(DocumentToTerminal(*a));
    };
    env.message = [this](const std::string& text) { m_messages.push_back(text); };
    for (const DialogInput& in : m_inputs) {
      if (in.kind == DialogInput::Kind::Field) {
        fields.Set(in.name, in.value);
        continue;
      }
      const DialogAction a{in.name, in.kind == DialogInput::Kind::Press ? std::string_view("press") : in.value,
                           in.x, in.y};
      if (!model || !model->act || !model->act(fields, a, env))
        throw UsageError(std::string(dialogClass) + " has no " +
                         (in.kind == DialogInput::Kind::Press ? "button " : "picture ") + in.name);
    }
    if (dialogClass.size() > 3 && dialogClass.substr(dialogClass.size() - 3) == "Dlg") ++m_tagDialogs;
    return true;
  }

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

  static std::string Absolute(const std::string& path) {
    std::error_code ec;
    const auto p = std::filesystem::absolute(path, ec);
    return ec ? path : p.string();
  }

  std::deque<std::string> m_answers;
  std::vector<DialogInput> m_inputs;
  const DialogServices* m_services = nullptr;
  std::string m_documentPath;
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
  std::vector<DialogInput> inputs;
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
      inputs.push_back({DialogInput::Kind::Field, value.substr(0, eq), TerminalToDocument(Unescape(value.substr(eq + 1)))});
    } else if (in.take("--press", value)) inputs.push_back({DialogInput::Kind::Press, value, {}});
    else if (in.take("--mouse", value)) inputs.push_back(ParseMouse(value));
    else if (in.take("--list")) list = true;
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
  CommandLineAnswers answersHost(std::move(answers), std::move(inputs));

  EditingContext ctx;
  ctx.editor = &editor;
  ctx.clipboard = &clipboard;
  ctx.prompts = &answersHost;
  ctx.dialogs = &answersHost;
  ctx.fileName = file;
  ctx.options = options;
  ctx.selectionSearch = DefaultSelectionSearch();
  // Relative URLs from the page's folder; pictures read as the window
  // reads them.
  ctx.services.makeRelativePath = [](const std::string& f, const std::string& doc) { return MakeRelativePath(f, doc); };
  ctx.services.resolveRelativePath = [](const std::string& url, const std::string& doc) {
    return DocumentToFileSystemPath(ResolveRelativePath(url, FileSystemToDocumentPath(doc)));
  };
  ctx.services.pictures = CliPictureReader();
  {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(file, ec);
    answersHost.SetEnvironment(&ctx.services, ec ? file : absolute.string());
  }

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
