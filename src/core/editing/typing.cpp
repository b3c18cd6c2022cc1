#include "core/editing/typing.h"

#include <algorithm>

#include "core/text/encoding.h"
#include "core/text/messages.h"

namespace mw {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr Offset kChunk = 256;
}  // namespace

// LF, tab and space are never trail bytes, so the scans may read bytes
// without walking characters; they read only the caret's line.
std::string IndentStringAt(const EditorSurface& editor, bool autoIndent) {
  if (!autoIndent) return {};
  const Offset caret = editor.GetSelStart();
  Offset lineStart = 0;
  for (Offset end = caret; end > 0;) {
    const Offset from = std::max<Offset>(0, end - kChunk);
    const std::string chunk = editor.GetTextRange(from, end - from);
    const auto lf = chunk.rfind('\n');
    if (lf != std::string::npos) {
      lineStart = from + static_cast<Offset>(lf) + 1;
      break;
    }
    end = from;
  }
  std::string indent;
  for (Offset p = lineStart; p < caret;) {
    const Offset n = std::min(kChunk, caret - p);
    const std::string chunk = editor.GetTextRange(p, n);
    const auto stop = std::find_if_not(chunk.begin(), chunk.end(), IsBlank);
    indent.append(chunk.begin(), stop);
    if (stop != chunk.end()) break;
    p += n;
  }
  return indent;
}

void SelectionChanged(EditingContext& ctx) {
  UpdateCurrentTag(ctx.Editor(), ctx.currentTag);
  ctx.indentString = IndentStringAt(ctx.Editor(), ctx.options.autoIndent);
}

bool IsColouredFileName(std::string_view fileName, const std::vector<std::string>& extensions) {
  const auto slash = fileName.find_last_of("\\/");
  const auto name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string ext = AsciiLower(name.substr(dot + 1));
  return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

bool KeyPress(EditingContext& ctx, char key, bool colouredDocument) {
  return KeyPress(ctx, ctx.Editor(), key, colouredDocument);
}

bool KeyPress(EditingContext& ctx, EditorSurface& e, char key, bool colouredDocument) {
  if (e.IsComposing()) return false;
  const DisplayFont& text = ctx.Font(FontClass::Text);
  const DisplayFont& tag = ctx.Font(FontClass::Tag);
  const DisplayFont& parameter = ctx.Font(FontClass::Parameter);

  if (ctx.options.autoTagFont && colouredDocument) {
    switch (key) {
      case '\r':
        e.SetSelText("\r\n" + ctx.indentString);
        e.SetTypingFormat(text);
        return true;
      case '<':
        e.SetTypingFormat(tag);
        return false;
      case '>':
        e.SetSelText(">");
        e.SetTypingFormat(text);
        return true;
      case '"':
        if (e.TypingColor() == tag.color) {
          e.SetTypingFormat(parameter);
          return false;
        }
        if (e.TypingColor() == parameter.color) {
          e.SetSelText("\"");
          e.SetTypingFormat(tag);
          return true;
        }
        return false;
      default:
        break;
    }
    if (static_cast<unsigned char>(key) < 0x20) return false;
    // Body text begins after a tag: whatever format the caret picked up
    // from the '>' before it, the author is typing text again.
    const Offset caret = e.GetSelStart();
    if (caret == 0 || e.GetTextRange(caret - 1, 1) == ">") {
      e.SetTypingFormat(text);
      if (e.InsertMode()) {
        e.SetSelText(std::string(1, key));
        return true;
      }
    }
    return false;
  }

  if (ctx.options.autoIndent && key == '\r') {
    e.SetSelText("\r\n" + ctx.indentString);
    return true;
  }
  return false;
}

void ChooseCaretPolicy(EditingContext& ctx, CaretPolicy policy) { ctx.options.caretPolicy = policy; }

void ToggleAutoSelect(EditingContext& ctx) { ctx.options.autoSelect = !ctx.options.autoSelect; }

void ToggleAutoIndent(EditingContext& ctx) {
  ctx.options.autoIndent = !ctx.options.autoIndent;
  // Enter uses the stored indent: it must not outlive the option.
  ctx.indentString = IndentStringAt(ctx.Editor(), ctx.options.autoIndent);
}

void ToggleDirectTagInsert(EditingContext& ctx) {
  ctx.options.directTagInsert = !ctx.options.directTagInsert;
  ctx.prompts->ShowMessage(MessageSjis(ctx.options.directTagInsert ? Msg::DirectTagInsertOn : Msg::DirectTagInsertOff));
}

}  // namespace mw
