#include "core/editing/transform_commands.h"

#include <functional>
#include <optional>
#include <string>

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_text.h"
#include "core/editing/transforms.h"
#include "core/text/lines.h"
#include "core/text/messages.h"

namespace mw {
namespace {

using Transform = std::function<std::string(std::string_view)>;

void ReplaceSelected(EditingContext& ctx, const Transform& f) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  ReplaceSelection(ctx, f(e.GetSelText()));
}

// The same after the selection is extended back to its line's start.
void ReplaceSelectedLines(EditingContext& ctx, const Transform& f) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  ExtendToLineStart(e);
  ReplaceSelection(ctx, f(e.GetSelText()));
}

// Re-indented lines stay selected whatever the author's caret policy, so
// the command can be repeated on them.
void ReplaceKeepingSelected(EditingContext& ctx, std::string_view text) {
  struct Restore {
    EditingOptions& options;
    CaretPolicy saved;
    ~Restore() { options.caretPolicy = saved; }
  } restore{ctx.options, ctx.options.caretPolicy};
  ctx.options.caretPolicy = CaretPolicy::SelectEdited;
  ReplaceSelection(ctx, text);
}

std::string Br(const EditingContext& ctx) { return ApplyTagCase("<BR>", ctx.options); }

std::string InPre(const EditingContext& ctx, std::string_view text) {
  return ApplyTagCase("<PRE>", ctx.options) + std::string(text) + ApplyTagCase("</PRE>", ctx.options);
}

std::optional<std::string> AskPrefix(EditingContext& ctx, Msg title) {
  if (ctx.prompts == nullptr) return std::nullopt;
  StringRequest request;
  request.mode = InputMode::PhraseList;
  request.title = MessageSjis(title);
  request.label = MessageSjis(Msg::InsertStrPrefixLabel);
  request.text = "<LI>";
  return ctx.prompts->AskString(request);
}

void PasteTransformed(EditingContext& ctx, const Transform& f) {
  if (ctx.clipboard == nullptr) return;
  const std::optional<std::string> text = ctx.clipboard->Text();
  if (!text) return;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  ReplaceSelection(ctx, f(*text));
}

void InsertFileTransformed(EditingContext& ctx, const Transform& f) {
  if (ctx.dialogs == nullptr) return;
  DialogFields fields;
  fields.Set("Title", MessageSjis(Msg::InsertFileTitle));
  fields.Set("Filter", MessageSjis(Msg::InsertFileFilter));
  fields.Set("FileName", "");
  if (!ctx.dialogs->Run("OpenDialog", fields)) return;
  const std::string path = fields.Get("FileName");
  if (path.empty()) return;
  std::string text;
  try {
    text = NormalizeLineEnds(ReadFileBytes(path));
  } catch (const FileError& error) {
    if (ctx.prompts != nullptr) ctx.prompts->ShowMessage(error.what(), MessageKind::Error);
    return;
  }
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  ReplaceSelection(ctx, f(text));
}

// The converter replaces the selection only when it changed something; a
// converter that cannot run leaves the document alone.
void ConvertWidth(EditingContext& ctx, std::string (*convert)(std::string_view)) {
  EditorSurface& e = ctx.Editor();
  const std::string selected = e.GetSelText();
  if (selected.empty()) return;
  std::string converted;
  try {
    converted = convert(selected);
  } catch (const ConversionError&) {
    return;
  }
  if (converted == selected) return;
  UndoStep step(e);
  ReplaceSelection(ctx, converted);
}

std::string Same(std::string_view text) { return std::string(text); }

}  // namespace

void ExtendToLineStart(EditorSurface& editor) {
  const Offset start = editor.GetSelStart();
  const Offset end = start + editor.GetSelLength();
  const std::string before = editor.GetTextRange(0, start);
  const auto lf = before.rfind('\n');  // LF is never a trail byte
  const Offset lineStart = lf == std::string::npos ? 0 : static_cast<Offset>(lf) + 1;
  editor.SetSelection(lineStart, end);
}

void UpperCase1Click(EditingContext& ctx) {
  ReplaceSelected(ctx, [](std::string_view t) { return AsciiUpper(t); });
}

void LowerCase1Click(EditingContext& ctx) {
  ReplaceSelected(ctx, [](std::string_view t) { return AsciiLower(t); });
}

void LFtoBRClick(EditingContext& ctx) {
  const std::string br = Br(ctx);
  ReplaceSelected(ctx, [&](std::string_view t) { return LineBreaksToBR(t, br); });
}

void DeleteAllTagClick(EditingContext& ctx) { ReplaceSelected(ctx, DeleteAllTag); }

void DeleteTextClick(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  FormattedText tags = ColouredFragment(DeleteText(e.GetSelText()), ctx.options, ctx.fonts);
  const DisplayFont& textFont = ctx.Font(FontClass::Text);
  for (auto& run : tags.runs)
    if (SameFormat(run.font, textFont)) run.font = ctx.Font(FontClass::Tag);
  ReplaceSelection(ctx, tags);
}

void InsertCiteClick(EditingContext& ctx) {
  ReplaceSelectedLines(ctx, [](std::string_view t) { return PrefixLines(t, "&gt; "); });
}

void InsertStrAtTopClick(EditingContext& ctx) {
  const std::optional<std::string> prefix = AskPrefix(ctx, Msg::InsertStrAtTopTitle);
  if (!prefix) return;
  ReplaceSelectedLines(ctx, [&](std::string_view t) { return PrefixLines(t, *prefix); });
}

void IndentClick(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  if (e.GetSelLength() == 0) {
    e.SetSelText("\t");
    return;
  }
  ExtendToLineStart(e);
  ReplaceKeepingSelected(ctx, PrefixLines(e.GetSelText(), "\t"));
}

void UnIndentClick(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  if (e.GetSelLength() == 0) {
    const Offset caret = e.GetSelStart();
    if (caret > 0 && e.GetTextRange(caret - 1, 1) == "\t") {
      e.SetSelection(caret - 1, caret);
      e.SetSelText({});
    }
    return;
  }
  ExtendToLineStart(e);
  ReplaceKeepingSelected(ctx, UnIndentLines(e.GetSelText()));
}

void TransformSpecialCharClick(EditingContext& ctx) { ReplaceSelected(ctx, ToReferences); }
void ReverseSpecialCharClick(EditingContext& ctx) { ReplaceSelected(ctx, FromReferences); }

void TabToSpaceClick(EditingContext& ctx) {
  const int spaces = ctx.options.tabStop;
  ReplaceSelected(ctx, [=](std::string_view t) { return TabToSpace(t, spaces); });
}

void TransformSpaceClick(EditingContext& ctx) { ReplaceSelected(ctx, TransformSpace); }
void ReverseSpaceClick(EditingContext& ctx) { ReplaceSelected(ctx, ReverseSpace); }
void DeleteTabSpaceClick(EditingContext& ctx) { ReplaceSelected(ctx, DeleteTabSpace); }
void DeleteReturnClick(EditingContext& ctx) { ReplaceSelected(ctx, DeleteReturn); }

void InsertLFClick(EditingContext& ctx) {
  const int column = ctx.options.nofColumn;
  ReplaceSelectedLines(ctx, [=](std::string_view t) { return InsertLF(t, column); });
}

void HankakuKanaToZenkakuClick(EditingContext& ctx) { ConvertWidth(ctx, ToZenkakuKana); }
void ZenkakuKigoToHankakuClick(EditingContext& ctx) { ConvertWidth(ctx, ToHankaku); }

void PasteAfterTransformClick(EditingContext& ctx) { PasteTransformed(ctx, ToReferences); }

void PasteWithBRClick(EditingContext& ctx) {
  const std::string br = Br(ctx);
  PasteTransformed(ctx, [&](std::string_view t) { return LineBreaksToBR(t, br); });
}

void PasteWithStrClick(EditingContext& ctx) {
  if (ctx.clipboard == nullptr || !ctx.clipboard->Text()) return;
  const std::optional<std::string> prefix = AskPrefix(ctx, Msg::PasteWithStrTitle);
  if (!prefix) return;
  PasteTransformed(ctx, [&](std::string_view t) { return PrefixLines(t, *prefix); });
}

void PasteWithPREClick(EditingContext& ctx) {
  PasteTransformed(ctx, [&](std::string_view t) { return InPre(ctx, t); });
}

void PasteCodeClick(EditingContext& ctx) {
  PasteTransformed(ctx, [&](std::string_view t) {
    return ApplyTagCase("<PRE><SAMP>", ctx.options) + "\r\n" + ToReferences(t) +
           ApplyTagCase("</SAMP></PRE>", ctx.options);
  });
}

void InsertFileClick(EditingContext& ctx) { InsertFileTransformed(ctx, Same); }
void InsertFileAfterTransformClick(EditingContext& ctx) { InsertFileTransformed(ctx, ToReferences); }

void InsertFileWithBRClick(EditingContext& ctx) {
  const std::string br = Br(ctx);
  InsertFileTransformed(ctx, [&](std::string_view t) { return LineBreaksToBR(t, br); });
}

void InsertFileWithPREClick(EditingContext& ctx) {
  InsertFileTransformed(ctx, [&](std::string_view t) { return InPre(ctx, t); });
}

void RegisterTransformCommands(CommandRegistry& r) {
  static constexpr struct {
    const char* name;
    void (*run)(EditingContext&);
  } kCommands[] = {
      {"UpperCase1Click", UpperCase1Click},
      {"LowerCase1Click", LowerCase1Click},
      {"LFtoBRClick", LFtoBRClick},
      {"DeleteAllTagClick", DeleteAllTagClick},
      {"DeleteTextClick", DeleteTextClick},
      {"InsertCiteClick", InsertCiteClick},
      {"InsertStrAtTopClick", InsertStrAtTopClick},
      {"IndentClick", IndentClick},
      {"UnIndentClick", UnIndentClick},
      {"TransformSpecialCharClick", TransformSpecialCharClick},
      {"ReverseSpecialCharClick", ReverseSpecialCharClick},
      {"TabToSpaceClick", TabToSpaceClick},
      {"TransformSpaceClick", TransformSpaceClick},
      {"ReverseSpaceClick", ReverseSpaceClick},
      {"DeleteTabSpaceClick", DeleteTabSpaceClick},
      {"DeleteReturnClick", DeleteReturnClick},
      {"InsertLFClick", InsertLFClick},
      {"HankakuKanaToZenkakuClick", HankakuKanaToZenkakuClick},
      {"ZenkakuKigoToHankakuClick", ZenkakuKigoToHankakuClick},
      {"PasteAfterTransformClick", PasteAfterTransformClick},
      {"PasteWithBRClick", PasteWithBRClick},
      {"PasteWithStrClick", PasteWithStrClick},
      {"PasteWithPREClick", PasteWithPREClick},
      {"PasteCodeClick", PasteCodeClick},
      {"InsertFileClick", InsertFileClick},
      {"InsertFileAfterTransformClick", InsertFileAfterTransformClick},
      {"InsertFileWithBRClick", InsertFileWithBRClick},
      {"InsertFileWithPREClick", InsertFileWithPREClick},
  };
  for (const auto& c : kCommands)
    r.Add({c.name, [run = c.run](EditingContext& ctx, std::string_view) { run(ctx); }});
}

}  // namespace mw
