// What every tag dialog shares. A dialog is a model: its fields live in a
// DialogFields map under the names of the dialog's controls (edWidth,
// rgAlign, ckNoShade, sgOption[1,0] = row 1, column 0), so a view only
// binds widgets to names and the command line can fill the same names.
// A few keys describe a control rather than hold its value: "cbColor#items"
// (its list, '\n' between items), "cbOnFocus#enabled" and
// "rgAlign#visible" ("0" or "1"; absent means yes). Each model has a
// creation step (initial values), a show step (blanking of unset numbers,
// defaults of a new tag) and a build routine that turns the fields into the
// tag text shown in the preview and inserted at OK; the dialog's rows
// (tag_bindings.h) do what concerns its plain attributes in each.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_bindings.h"
#include "core/editing/dialog_host.h"
#include "core/editing/dialog_services.h"
#include "core/editing/editing_options.h"
#include "core/editing/simple_tag_dialog.h"
#include "core/text/encoding.h"

namespace mw {

// Fields that are no control of the dialog but given by the command (the
// simple-tag dialog's Caption, Name and SelText are shared).
inline constexpr std::string_view kFieldMode = "Mode";            // "1" in re-edit mode
inline constexpr std::string_view kFieldAttribute = "Attribute";  // TNameDlg: HREF or NAME
inline constexpr std::string_view kFieldPrefix = "Prefix";        // TNameDlg: "#" or empty
inline constexpr std::string_view kFieldIndent = "Indent";        // caret-line indent (lists)
inline constexpr std::string_view kFieldPreview = "reTag";

// How the result goes into the document at OK.
enum class InsertWay {
  Wrap,         // new: repeat pair, then wrapped insertion; re-edit: replace
  Block,        // repeat pair of the start and end parts (new), then replace
  Single,       // replace, then the repeat pair (text, "")
  SingleAfter,  // replace, then the repeat pair ("", text)
  ByCommand,    // the command replaces and sets (text, "")
  Own,          // wrapped insertion of start part, selection, end part
};

// The text of a build: the whole preview, and its start and end parts for
// the repeat-tag pair (the preview without the selection in between).
struct TagBuild {
  std::string preview;
  std::string start;
  std::string end;
  Offset innerOffset = 0;  // where the selection starts inside the preview
};

struct ReEditSpec;

// A push button of a dialog beyond OK and Cancel, whose action is the
// dialog's own (dialog_actions.h).
struct DialogButton {
  std::string_view control;  // the button's name (AddBtn)
  Msg caption;               // its caption, mnemonic after '&'
};

// What an action needs beyond the fields.
struct DialogEnv {
  const DialogServices* services = nullptr;
  std::string documentPath;  // file-system path; empty for a new document
  // A file chosen in an open-file dialog with this filter, starting at
  // start (a file or a folder); nullopt when cancelled.
  std::function<std::optional<std::string>(const std::string& filter, const std::string& start)> chooseFile;
  // Shows a message to the author (document text).
  std::function<void(const std::string& text)> message;
};

struct TagDialogModel {
  std::string_view dialogClass;
  DialogText caption;  // the form's caption
  InsertWay way;
  // The attributes, in the order they are written, and the dialog's other
  // controls in the order the view shows them.
  std::span<const Binding> rows;
  // The tag from the fields: the element and the structure around the
  // attributes the rows write (TagWriter::Attributes).
  TagBuild (*tag)(const DialogFields& f, const EditingOptions& options);
  // Steps beyond the rows' own; may be null.
  void (*createMore)(DialogFields& f) = nullptr;
  void (*showMore)(DialogFields& f, bool reEdit) = nullptr;
  // The re-edit routines (F2) that open this dialog.
  std::span<const ReEditSpec> reEdits = {};
  // Buttons the view puts under the fields, in this order.
  std::span<const DialogButton> buttons = {};
  // Presses and pointer gestures beyond the rows' own (TagDialogActions
  // hands them on); false when the dialog has no such control. May be null.
  bool (*act)(DialogFields& f, const DialogStep& step, const DialogEnv& env) = nullptr;
  // At OK: what the dialog remembers for the next time. May be null.
  void (*remember)(const DialogFields& f, const DialogServices& s) = nullptr;
  // The preview's label, when it holds no tag ("挿入する文字"), and its
  // hover hint; empty: "挿入するタグ内容", no hint.
  DialogText previewLabel = {};
  DialogText previewHint = {};

  // Values the controls hold when the dialog is created.
  void create(DialogFields& f) const;
  // The show step, after any re-edit presets: unset numbers blanked, and in
  // new mode the defaults a new tag starts with.
  void show(DialogFields& f, bool reEdit) const;
  // The tag the fields give; in a re-edit the tag it began from, changed
  // where the author changed a field (tag_reedit.h).
  TagBuild build(const DialogFields& f, const EditingOptions& options) const;
};

// Every model of this folder, by dialog class ("THLineDlg"); nullptr when
// there is none.
const TagDialogModel* FindTagDialogModel(std::string_view dialogClass);
std::span<const TagDialogModel* const> TagDialogModels();

bool IsReEdit(const DialogFields& f);

// --- Writing tags --------------------------------------------------------------

// Builds one start tag in the attribute convention: fixed syntax through the
// tag case, values exactly as typed.
class TagWriter {
 public:
  explicit TagWriter(const EditingOptions& options) : m_options(options) {}

  // "<" + name (tag case).
  TagWriter& Open(std::string_view name);
  // Fixed syntax through the tag case.
  TagWriter& Syntax(std::string_view text);
  // Text as it stands (typed values, element names already cased).
  TagWriter& Raw(std::string_view text);
  // ` NAME="value"` when value is not empty.
  TagWriter& Attr(std::string_view name, std::string_view value);
  // As Attr with "%" after the value when percent is on.
  TagWriter& Size(std::string_view name, std::string_view value, bool percent);
  // ` KEYWORD` when on.
  TagWriter& Keyword(std::string_view keyword, bool on);
  // The attributes of the rows, in their order, as their kinds write them
  // (the rows of the given part only).
  enum class Part { All, BeforeHandlers, Handlers };
  TagWriter& Attributes(const DialogFields& f, std::span<const Binding> rows, Part part = Part::All);

  const std::string& Text() const { return m_text; }

 private:
  const EditingOptions& m_options;
  std::string m_text;
};

// The text the field shows for a number: "-1" (not set) is empty.
std::string NumberText(const DialogFields& f, std::string_view control);

// A wrapping element's result: start tag, then in new mode the selection
// and the end tag.
TagBuild WrapBuild(const DialogFields& f, std::string start, std::string end);

// A colour chosen in the palette: "#" and the red, green and blue digit
// pairs, upper-case hexadecimal through the tag case (the program wrote
// it, so "#ff0000" with lower-case tags).
std::string PaletteColour(unsigned char red, unsigned char green, unsigned char blue,
                          const EditingOptions& options);

// Whether a required row (Write::Required) is empty: no tag is built.
bool RequiredMissing(const DialogFields& f, std::span<const Binding> rows);

// The element a shared dialog writes (Name field), else its own.
std::string ElementOf(const DialogFields& f, std::string_view fallback);
// A build of a tag that wraps nothing.
TagBuild SingleBuild(std::string text);

}  // namespace mw
