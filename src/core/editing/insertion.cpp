#include "core/editing/insertion.h"

#include <algorithm>

#include "core/text/encoding.h"

namespace mw {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

void Fill(std::vector<FontClass>& cls, std::size_t from, std::size_t to, FontClass c) {
  std::fill(cls.begin() + static_cast<std::ptrdiff_t>(from), cls.begin() + static_cast<std::ptrdiff_t>(to), c);
}

}  // namespace

std::vector<ColourRun> FragmentRuns(std::string_view f) {
  const std::size_t n = f.size();
  std::vector<FontClass> cls(n, FontClass::Text);

  // Tags. '<', '>' and '"' are never trail bytes, but the searches still go
  // through Find so they start only at character boundaries.
  for (std::size_t from = 0; from < n;) {
    const Offset q = Find(f, "<", from);
    if (q < 0) break;
    std::size_t end = n;
    std::size_t p = static_cast<std::size_t>(q);
    while (true) {
      const Offset gt = Find(f, ">", p + 1);
      if (gt < 0) {
        end = n;
        break;
      }
      end = static_cast<std::size_t>(gt) + 1;
      std::size_t next = end;
      while (next < n && IsLineBreak(f[next])) ++next;
      if (next < n && f[next] == '<') {
        p = next;
        continue;
      }
      break;
    }
    Fill(cls, static_cast<std::size_t>(q), end, FontClass::Tag);
    from = end;
  }

  // Quoted values: quotes pair up from the start of the fragment; a pair
  // that opens inside a tag is a parameter.
  for (std::size_t from = 0; from < n;) {
    const Offset open = Find(f, "\"", from);
    if (open < 0) break;
    const Offset close = Find(f, "\"", static_cast<std::size_t>(open) + 1);
    const std::size_t end = close < 0 ? n : static_cast<std::size_t>(close) + 1;
    if (cls[static_cast<std::size_t>(open)] == FontClass::Tag)
      Fill(cls, static_cast<std::size_t>(open), end, FontClass::Parameter);
    from = end;
  }

  // The five references the author is expected to type; others stay text.
  static constexpr std::string_view kRefs[] = {"lt;", "gt;", "quot;", "amp;", "nbsp;"};
  for (std::size_t from = 0; from < n;) {
    const Offset amp = Find(f, "&", from);
    if (amp < 0) break;
    const auto a = static_cast<std::size_t>(amp);
    from = a + 1;
    for (const auto ref : kRefs) {
      if (f.substr(a + 1, ref.size()) == ref) {
        Fill(cls, a, a + 1 + ref.size(), FontClass::Special);
        from = a + 1 + ref.size();
        break;
      }
    }
  }

  std::vector<ColourRun> runs;
  for (std::size_t i = 0; i < n; ++i) {
    if (!runs.empty() && runs.back().cls == cls[i])
      ++runs.back().length;
    else
      runs.push_back({static_cast<Offset>(i), 1, cls[i]});
  }
  return runs;
}

void ColourFragment(EditorSurface& control, Offset a, Offset n, const DisplayFonts& fonts) {
  UpdateSuspension quiet(control);
  const std::string fragment = control.GetTextRange(a, n);
  for (const auto& run : FragmentRuns(fragment)) {
    if (run.cls == FontClass::Text) continue;
    control.SetRangeFormat(a + run.start, run.length,
                           fonts[static_cast<std::size_t>(run.cls)]);
  }
  control.SetSelStart(a + n);
}

FormattedText ColouredFragment(std::string_view text, const EditingOptions& options,
                               const DisplayFonts& fonts) {
  FormattedText f;
  f.text.assign(text);
  if (text.empty()) return f;
  if (!options.autoTagFont) {
    f.runs.push_back({0, static_cast<Offset>(text.size()), fonts[0]});
    return f;
  }
  for (const auto& run : FragmentRuns(text))
    f.runs.push_back({run.start, run.length,
                      fonts[static_cast<std::size_t>(run.cls)]});
  return f;
}

std::array<int, 32> PreviewTabStops(const DisplayFont& textFont, int tabStop) {
  std::array<int, 32> stops{};
  for (int i = 0; i < 32; ++i) stops[static_cast<std::size_t>(i)] = textFont.points * tabStop * (i + 1) / 2;
  return stops;
}

void PreparePreview(EditorSurface& control, std::string_view text, const EditingOptions& options,
                    const DisplayFonts& fonts) {
  UpdateSuspension quiet(control);
  const Offset a = control.GetSelStart();
  control.SetTypingFormat(fonts[0]);
  control.SetSelText(text);
  if (options.autoTagFont) ColourFragment(control, a, static_cast<Offset>(text.size()), fonts);
}

// --- Insertion ---------------------------------------------------------------

void ReplaceSelection(EditingContext& ctx, const FormattedText& preview) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  UpdateSuspension quiet(e);
  const Offset s0 = e.GetSelStart();
  const auto len = static_cast<Offset>(preview.text.size());
  e.SetTypingFormat(ctx.Font(FontClass::Text));
  e.SetSelText(preview.text);
  for (const auto& run : preview.runs) {
    const Offset start = std::clamp<Offset>(run.start, 0, len);
    const Offset end = std::clamp<Offset>(run.start + run.length, start, len);
    if (end > start) e.SetRangeFormat(s0 + start, end - start, run.font);
  }
  if (ctx.options.caretPolicy == CaretPolicy::AfterEdited) {
    // Placing the caret again makes the next typed character take the
    // format of the inserted text's end, as after a rich-text paste.
    e.SetSelStart(s0 + len);
  } else {
    e.SetSelStart(s0);
    e.SetSelLength(len);
  }
}

void ReplaceSelection(EditingContext& ctx, std::string_view text) {
  if (text.empty()) {
    EditorSurface& e = ctx.Editor();
    UndoStep step(e);
    e.SetSelText({});
    return;
  }
  ReplaceSelection(ctx, ColouredFragment(text, ctx.options, ctx.fonts));
}

void InsertWrapped(EditingContext& ctx, const FormattedText& preview, Offset innerOffset) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  UpdateSuspension quiet(e);
  const Offset previous = e.GetSelLength();
  ReplaceSelection(ctx, preview);
  if (ctx.options.caretPolicy == CaretPolicy::KeepPrevious) {
    // The user may have shortened the preview: the old selection is kept
    // only as far as it still lies inside the inserted text.
    const Offset start = e.GetSelStart();
    const auto len = static_cast<Offset>(preview.text.size());
    const Offset inner = std::clamp<Offset>(innerOffset, 0, len);
    e.SetSelStart(start + inner);
    e.SetSelLength(std::min(previous, len - inner));
  }
  // AfterEdited: ReplaceSelection left the caret after the text already;
  // SelectEdited: the inserted text stays selected.
}

void InsertWrapped(EditingContext& ctx, std::string_view text, Offset innerOffset) {
  InsertWrapped(ctx, ColouredFragment(text, ctx.options, ctx.fonts), innerOffset);
}

void WrapSelection(EditingContext& ctx, std::string_view name) {
  std::string open = "<";
  open.append(name).append(">");
  std::string text = open;
  text.append(ctx.Editor().GetSelText()).append("</").append(name).append(">");
  InsertWrapped(ctx, text, static_cast<Offset>(open.size()));
}

void InsertPlain(EditingContext& ctx, std::string_view text) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  UpdateSuspension quiet(e);
  const Offset s0 = e.GetSelStart();
  e.SetSelText(text);
  if (ctx.options.caretPolicy != CaretPolicy::AfterEdited) {
    e.SetSelStart(s0);
    e.SetSelLength(static_cast<Offset>(text.size()));
  }
}

void SetRepeatTag(EditingContext& ctx, std::string_view startText, std::string_view endText) {
  ctx.repeatTag = {std::string(startText), std::string(endText)};
}

void AutoSelect(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  if (!ctx.options.autoSelect || e.GetSelLength() != 0 || ctx.selectionSearch == nullptr) return;
  UpdateSuspension quiet(e);
  const Offset a = e.GetSelStart();
  auto restore = [&] { e.SetSelStart(a); };
  ctx.selectionSearch->SelectPreviousTag(ctx);
  const Offset ts = e.GetSelStart();
  const Offset tl = e.GetSelLength();
  if (ts < a && ts + tl > a) {
    ctx.selectionSearch->SelectPreviousTagRange(ctx);
  } else {
    restore();
    ctx.selectionSearch->SelectPreviousText(ctx);
  }
  if (a < e.GetSelStart() || a > e.GetSelStart() + e.GetSelLength()) restore();
}

// --- Paste --------------------------------------------------------------------

void EditPaste(EditingContext& ctx) {
  // Nothing to paste must not collapse the selection.
  const auto text = ctx.clipboard->Text();
  if (!text) return;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  UpdateSuspension quiet(e);
  const Offset s0 = e.GetSelStart();
  e.Paste();
  if (ctx.options.caretPolicy != CaretPolicy::AfterEdited) {
    e.SetSelStart(s0);
    e.SetSelLength(static_cast<Offset>(text->size()));
  }
}

void PasteWithTagFont(EditingContext& ctx) {
  // An empty or non-text clipboard would make this a plain delete.
  const auto text = ctx.clipboard->Text();
  if (!text || text->empty()) return;
  ReplaceSelection(ctx, *text);
}

}  // namespace mw
