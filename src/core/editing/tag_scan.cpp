#include "core/editing/tag_scan.h"

#include <algorithm>
#include <string>

namespace mw {

namespace {

// '<', '>', '=', '"', ';', space, tab, CR and LF are all below 0x40 and so
// can never be the second byte of a double-byte character: every such byte
// is a character of its own. A plain byte scan, backwards or forwards, finds
// exactly the positions a character walk from the start of the text would,
// which is what lets the caret scan start at the caret instead of at 0.

constexpr Offset kFirstChunk = 256;
constexpr Offset kMaxChunk = 64 * 1024;

// read(start, length) gives the bytes of that range (a string or a view).
template <class Read>
TextSpan ScanTag(Read read, Offset size, Offset k) {
  Offset lt = kNoPos;
  Offset gt = kNoPos;  // the last '>' after lt, if any
  Offset end = std::clamp<Offset>(k, 0, size);
  for (Offset chunk = kFirstChunk; end > 0 && lt == kNoPos; chunk = std::min(chunk * 2, kMaxChunk)) {
    const Offset begin = std::max<Offset>(0, end - chunk);
    const auto part = read(begin, end - begin);
    for (Offset i = end - begin; i-- > 0;) {
      const char c = part[static_cast<std::size_t>(i)];
      if (c == '<') {
        lt = begin + i;
        break;
      }
      if (c == '>' && gt == kNoPos) gt = begin + i;
    }
    end = begin;
  }
  if (lt == kNoPos) return {kNoPos, 0};
  if (gt != kNoPos) return {lt, gt - lt + 1};
  // Inside a tag: it runs forward to the next '>'.
  Offset from = lt + 1;
  for (Offset chunk = kFirstChunk; from < size; chunk = std::min(chunk * 2, kMaxChunk)) {
    const auto part = read(from, chunk);
    const std::size_t i = std::string_view(part).find('>');
    if (i != std::string_view::npos) return {lt, from + static_cast<Offset>(i) - lt + 1};
    from += static_cast<Offset>(std::string_view(part).size());
  }
  return {lt, 0};
}

}  // namespace

TextSpan FindTagAtCaret(std::string_view text, Offset selStart, std::string_view selText) {
  const Offset k = selStart + (!selText.empty() && selText[0] == '<' ? 1 : 0);
  auto read = [text](Offset s, Offset n) {
    return text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(n));
  };
  return ScanTag(read, static_cast<Offset>(text.size()), k);
}

TextSpan FindTagAtCaret(const EditorSurface& editor) {
  const Offset s = editor.GetSelStart();
  const bool selectionIsTag = editor.GetSelLength() > 0 && editor.GetTextRange(s, 1) == "<";
  auto read = [&editor](Offset start, Offset n) { return editor.GetTextRange(start, n); };
  return ScanTag(read, editor.TextLength(), s + (selectionIsTag ? 1 : 0));
}

void UpdateCurrentTag(const EditorSurface& editor, CurrentTag& current) {
  const TextSpan tag = FindTagAtCaret(editor);
  current.start = tag.start;
  if (tag.start != kNoPos || (editor.GetSelLength() == 0 && !editor.IsComposing()))
    current.length = tag.length;
}

TextSpan SelectTag(EditorSurface& editor, CurrentTag& current) {
  const TextSpan tag = FindTagAtCaret(editor);
  if (tag.length > 0) {
    editor.SetSelStart(tag.start);
    editor.SetSelLength(tag.length);
  }
  current = {tag.start, tag.length};
  return tag;
}

std::optional<TextSpan> ParameterAtCaret(std::string_view text, Offset caret) {
  const auto c = static_cast<std::size_t>(std::clamp<Offset>(caret, 0, static_cast<Offset>(text.size())));
  const std::size_t eq = text.substr(0, c).rfind('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::size_t v = eq + 1;
  bool quoted = false;
  while (v < text.size() && !quoted) {
    const char b = text[v];
    if (b != ' ' && b != '\t' && b != '\r' && b != '\n' && b != '"') break;
    quoted = b == '"';
    ++v;
  }
  const std::string_view x = text.substr(v);
  auto indexOf = [x](char d) {
    const std::size_t i = x.find(d);
    return i == std::string_view::npos ? Offset{-1} : static_cast<Offset>(i);
  };
  Offset n = indexOf('"');
  if (!quoted) {
    // A delimiter at the very first byte only counts while nothing else
    // has been found, so "=;" gives an empty value, not a negative one.
    for (const char d : {'>', '<', ' ', ';'}) {
      const Offset f = indexOf(d);
      if (n < 0 || (f > 0 && f < n)) n = f;
    }
  }
  if (n < 0) n = 0;
  auto blank = [](char b) { return b == ' ' || b == '\t' || b == '\r' || b == '\n' || b == '"'; };
  while (n > 1 && blank(x[static_cast<std::size_t>(n - 1)])) --n;
  return TextSpan{static_cast<Offset>(v), n};
}

void CentreCaretLine(EditorSurface& editor) {
  const Offset first = editor.TopDisplayLine();
  const Offset line = editor.LineFromChar(-1);
  // With fewer than two rows, half a view is still one line: otherwise the
  // caret's line would be scrolled just out of sight.
  const Offset half = std::max<Offset>(editor.VisibleLineCount() / 2, 1);
  const Offset delta = line - half - first + 1;
  if (line > 0 || delta > 0) editor.LineScroll(delta);
}

}  // namespace mw
