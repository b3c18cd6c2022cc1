// markupwright-cli edit: runs editing commands on a document with the
// in-memory editor, answering questions and dialogs from the command line.
#include <algorithm>
#include <cstdio>
#include <filesystem>
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
    "                   field's RegisterStyleBtn, the table's ImageRefBtn)\n"
    "                   gives it the actions that\n"
    "                   follow, up to --press OkBtn or --press CancelBtn\n"
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

// What the author does in a dialog, in the order of the command line.
struct DialogAction {
  enum Kind { Field, Press, Mouse } kind = Field;
  std::string name, value;  // Mouse: the list and the row, or the target and the event
  bool gesture = false;     // Mouse: a pointer gesture at x, y
  int x = 0, y = 0;
};

// --mouse TARGET:EVENT@X,Y
DialogAction ParseMouse(const std::string& spec) {
  const auto colon = spec.find(':'), at = spec.find('@');
  const auto comma = at == std::string::npos ? std::string::npos : spec.find(',', at);
  if (colon == std::string::npos || at == std::string::npos || comma == std::string::npos || at < colon)
    throw UsageError("--mouse needs TARGET:EVENT@X,Y: " + spec);
  DialogAction a{DialogAction::Mouse, spec.substr(0, colon), spec.substr(colon + 1, at - colon - 1), true};
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
// as the author would answer them one after another.
class CommandLineAnswers : public UserPrompts, public DialogHost {
 public:
  CommandLineAnswers(std::deque<std::string> answers, std::vector<DialogAction> actions)
      : m_answers(std::move(answers)), m_actions(std::move(actions)) {}

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
    if (IsFileChoice(dialogClass)) return ChooseFile(fields);
    if (dialogClass == "ColorDialog") {
      const auto a = Next();
      if (!a || *a == "cancel") return false;
      fields.Set("Color", *a);
      return true;
    }
    // A dialog whose controls act (profiles, the colour list) has its
    // model answer them; others only hold fields.
    DialogActions* model = fields.actions;
    // A dialog whose model has buttons and pointer gestures of its own (the
    // picture dialogs).
    const TagDialogModel* tagModel = FindTagDialogModel(dialogClass);
    // Every dialog a command opens takes the actions from the first; one
    // that a button opens (the style editor of a STYLE field's 編集) takes
    // the actions after that press, up to its OkBtn or CancelBtn.
    const bool nested = m_depth > 0;
    std::size_t i = nested ? m_cursor : 0;
    std::optional<bool> closedBy;
    ++m_depth;
    for (; i < m_actions.size(); ++i) {
      const DialogAction& a = m_actions[i];
      if (a.kind == DialogAction::Press && (a.name == "OkBtn" || a.name == "CancelBtn")) {
        closedBy = a.name == "OkBtn";
        ++i;
        break;
      }
      m_cursor = i + 1;
      if (a.kind == DialogAction::Field) {
        fields.Set(a.name, a.value);
        if (model) model->Changed(a.name, fields);
        else if (m_ctx) DialogFieldChanged(*m_ctx, dialogClass, a.name, fields);
        // The model's own rule for the change, as the window follows it.
        if (tagModel && tagModel->act) tagModel->act(fields, {a.name, "change"}, {});
      } else if (a.kind == DialogAction::Press) {
        // The dialog's own buttons first, then those of the style routines
        // (which every STYLE field shares), then the plain ones.
        if (model && model->Press(a.name, fields)) {
        } else if (Act(tagModel, fields, a)) {
        } else if (m_ctx && PressDialogButton(*m_ctx, dialogClass, a.name, fields)) {
        } else if (!model) {
          PressPlain(dialogClass, fields, a.name);
        } else {
          throw UsageError(std::string(dialogClass) + " has no button '" + a.name + "'");
        }
      } else if (a.gesture) {
        if (!Act(tagModel, fields, a)) throw UsageError(std::string(dialogClass) + " has no picture '" + a.name + "'");
      } else if (model && model->Mouse(a.name, a.value, fields)) {
      } else if (!model && m_ctx && dialogClass == kRegisterStyleDlgClass && a.name == kFieldStyleList) {
        fields.Set(a.name, a.value);  // a click on a row of the registry
        DialogFieldChanged(*m_ctx, dialogClass, a.name, fields);
      } else {
        throw UsageError(std::string(dialogClass) + " has no list '" + a.name + "'");
      }
      i = m_cursor - 1;  // past the actions a dialog the button opened took
    }
    --m_depth;
    m_cursor = i;
    if (closedBy == false) return false;
    return Close(dialogClass);
  }

  // The context the style routines act in, for dialogs whose fields bring
  // no actions of their own.
  void SetContext(EditingContext* ctx) { m_ctx = ctx; }

  bool RunSession(std::string_view dialogClass, DialogSession& session) override {
    // A dialog a press opens (the image dialog of ImageRefBtn) takes the
    // actions after it, up to its OkBtn or CancelBtn; the session goes on
    // after those.
    ++m_depth;
    for (std::size_t i = 0; i < m_actions.size(); i = m_cursor) {
      m_cursor = i + 1;
      const DialogAction& a = m_actions[i];
      if (a.kind == DialogAction::Field && !session.SetField(a.name, a.value))
        throw UsageError(std::string(dialogClass) + " has no control '" + a.name + "' for '" +
                         DocumentToTerminal(a.value) + "'");
      if (a.kind == DialogAction::Press && !session.Press(a.name))
        throw UsageError(std::string(dialogClass) + " has no button '" + a.name + "'");
      if (a.kind == DialogAction::Mouse)
        throw UsageError(std::string(dialogClass) + " has no list '" + a.name + "'");
    }
    --m_depth;
    return Close(dialogClass);
  }

  // The document reference buttons make relative paths from.
  void SetDocument(const std::string& path, const DialogServices* services, const EditingOptions& options) {
    m_document = path;
    m_services = services;
    m_options = options;
  }

  // How many tag dialogs were confirmed so far.
  int TagDialogsConfirmed() const { return m_tagDialogs; }

  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  static bool IsFileChoice(std::string_view c) { return c == "OpenDialog" || c == "SaveDialog"; }

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

  // The buttons and gestures a dialog's model has beyond its rows (the
  // picture dialogs'); false when it has no such control.
  bool Act(const TagDialogModel* model, DialogFields& fields, const DialogAction& a) {
    if (model == nullptr || model->act == nullptr) return false;
    DialogEnv env;
    env.services = m_services;
    env.documentPath = m_document;
    // A picture file is found by its name on the file system.
    env.chooseFile = [this](const std::string&, const std::string&) -> std::optional<std::string> {
      DialogFields choice;
      if (!ChooseFile(choice)) return std::nullopt;
      std::error_code ec;
      const std::string path = DocumentToTerminal(choice.Get("FileName"));
      const auto absolute = std::filesystem::absolute(path, ec);
      return ec ? path : absolute.string();
    };
    env.message = [this](const std::string& text) { m_messages.push_back(text); };
    const ::mw::DialogAction action{a.name, a.kind == DialogAction::Press ? std::string_view("press") : a.value, a.x,
                                    a.y};
    return model->act(fields, action, env);
  }

  // A file choice takes its path from the answers; without one, from a
  // FileName field.
  bool ChooseFile(DialogFields& fields) {
    if (m_answers.empty()) {
      for (const DialogAction& a : m_actions)
        if (a.kind == DialogAction::Field && a.name == "FileName") fields.Set("FileName", a.value);
      return !fields.Get("FileName").empty();
    }
    const auto a = Next();
    if (*a == "cancel") return false;
    fields.Set("FileName", *a);
    return true;
  }

  // The buttons of a dialog that only holds fields: a reference button
  // (a file from the answers, as a relative path) and the colour palettes
  // (#RRGGBB from the answers), numbered as the window numbers them.
  void PressPlain(std::string_view dialogClass, DialogFields& fields, const std::string& button) {
    const TagDialogModel* model = FindTagDialogModel(dialogClass);
    const std::span<const Binding> rows = model ? model->rows : CommonRows();
    int colours = 0;
    for (const Binding& b : rows) colours += b.kind == Kind::Colour;
    int colour = 0;
    for (const Binding& b : rows) {
      if (button == "RefBtn" && !b.filter.empty()) {
        DialogFields choice;
        if (ReferenceButtonEnabled(m_document) && ChooseFile(choice) && m_services)
          ApplyReferenceChoice(fields, b.control, choice.Get("FileName"), m_document, *m_services);
        return;
      }
      if (b.kind != Kind::Colour) continue;
      ++colour;
      const std::string name = "ColorPaletteBtn" + (colours > 1 ? std::to_string(colour) : std::string());
      if (button != name) continue;
      const auto a = Next();
      if (!a || *a == "cancel") return;
      unsigned rgb = 0;
      if (a->size() != 7 || (*a)[0] != '#' || std::sscanf(a->c_str() + 1, "%6x", &rgb) != 1)
        throw UsageError("a palette answer is #RRGGBB: " + *a);
      fields.Set(b.control, PaletteColour(static_cast<unsigned char>(rgb >> 16), static_cast<unsigned char>(rgb >> 8),
                                          static_cast<unsigned char>(rgb), m_options));
      return;
    }
    throw UsageError(std::string(dialogClass) + " has no button '" + button + "'");
  }

  std::optional<std::string> Next() {
    if (m_answers.empty()) return std::nullopt;
    std::string a = std::move(m_answers.front());
    m_answers.pop_front();
    return a;
  }

  std::deque<std::string> m_answers;
  std::vector<DialogAction> m_actions;
  EditingContext* m_ctx = nullptr;
  int m_depth = 0;
  std::size_t m_cursor = 0;
  std::string m_document;
  const DialogServices* m_services = nullptr;
  EditingOptions m_options;
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
  std::vector<DialogAction> actions;
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
      actions.push_back({DialogAction::Field, value.substr(0, eq), TerminalToDocument(Unescape(value.substr(eq + 1)))});
    } else if (in.take("--press", value)) {
      if (value.empty()) throw UsageError("--press needs a button name");
      actions.push_back({DialogAction::Press, value, {}});
    } else if (in.take("--mouse", value)) {
      if (value.find('@') != std::string::npos) {
        actions.push_back(ParseMouse(value));
      } else {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0) throw UsageError("--mouse needs LIST=ROW or TARGET:EVENT@X,Y: " + value);
        actions.push_back({DialogAction::Mouse, value.substr(0, eq), value.substr(eq + 1)});
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
  answersHost.SetDocument(std::filesystem::absolute(file).string(), &ctx.services, options);
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
