// An editor held entirely in memory: the bytes, a selection, a character
// format per byte, a typing format, a modified flag and an undo history. The
// editing commands are tested against it; it behaves like the GUI's widget
// in everything those commands can observe.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editing/editor_surface.h"
#include "core/text/line_index.h"

namespace mw {

// A clipboard that is a plain string holder.
class MemoryClipboard : public Clipboard {
 public:
  std::optional<std::string> Text() const override { return m_text; }
  void SetText(std::string_view text) override { m_text = std::string(text); }
  // The clipboard then holds something that is not text (a picture, say).
  void Clear() { m_text.reset(); }

 private:
  std::optional<std::string> m_text;
};

// The editor search over a document's bytes: from start (a trail byte
// moves on to the next character) over length bytes (-1: to the end),
// letter case as the flags say, whole words touching no single-byte word
// character. -1 when not found. Editors that keep the text as bytes share it.
Offset FindInDocumentText(std::string_view text, std::string_view t, Offset start, Offset length, FindFlags flags);

class MemoryEditor : public EditorSurface {
 public:
  // Without a clipboard of its own the editor uses a private one.
  explicit MemoryEditor(DisplayFont defaultFormat = {});
  explicit MemoryEditor(Clipboard& clipboard, DisplayFont defaultFormat = {});
  MemoryEditor(const MemoryEditor&) = delete;
  MemoryEditor& operator=(const MemoryEditor&) = delete;

  // Loading: replaces the text in the default format, collapses the
  // selection to 0, empties the undo history and clears the modified flag.
  void Load(std::string_view text);

  // View geometry. A wrap width of n > 0 breaks logical lines into display
  // lines of at most n bytes (never inside a double-byte character); 0 means
  // display lines are logical lines.
  void SetWrapWidth(Offset bytes);
  void SetVisibleLineCount(Offset rows) { m_rows = rows < 0 ? 0 : rows; }
  void SetComposing(bool composing) { m_composing = composing; }
  // How many times the view would have been repainted: once per change
  // while updates are not suspended, once when the outermost suspension ends.
  int RepaintCount() const { return m_repaints; }
  int UpdateDepth() const { return m_updateDepth; }
  // Undo steps kept; older ones are dropped.
  void SetUndoLimit(std::size_t steps);

  // EditorSurface
  Offset TextLength() const override { return static_cast<Offset>(m_text.size()); }
  std::string GetText() const override { return m_text; }
  std::string GetTextRange(Offset start, Offset length) const override;
  void SetText(std::string_view text) override;
  Offset GetSelStart() const override { return m_anchor < m_active ? m_anchor : m_active; }
  Offset GetSelLength() const override { return m_anchor < m_active ? m_active - m_anchor : m_anchor - m_active; }
  Offset SelAnchor() const override { return m_anchor; }
  Offset SelActive() const override { return m_active; }
  void SetSelStart(Offset p) override;
  void SetSelLength(Offset n) override;
  void SetSelection(Offset anchor, Offset active) override;
  void SetSelText(std::string_view text) override;
  void SelectAll() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Undo() override;
  bool CanUndo() const override;
  void BeginUndoStep() override;
  void EndUndoStep() override;
  Offset LineIndex(Offset k) const override;
  Offset LineFromChar(Offset p) const override;
  Offset LineCount() const override;
  std::string LineText(Offset k) const override;
  Offset TopDisplayLine() const override { return m_top; }
  void LineScroll(Offset n) override;
  Offset VisibleLineCount() const override { return m_rows; }
  Offset FindText(std::string_view t, Offset start, Offset length = -1,
                  FindFlags flags = {}) const override;
  bool IsModified() const override { return m_modified; }
  void SetModifiedFlag(bool modified) override { m_modified = modified; }
  void SetTypingFormat(const DisplayFont& font) override { m_typing = font; }
  DisplayFont TypingFormat() const override { return m_typing; }
  void SetRangeFormat(Offset start, Offset length, const DisplayFont& font) override;
  DisplayFont FormatAt(Offset p) const override;
  void BeginUpdate() override { ++m_updateDepth; }
  void EndUpdate() override;
  bool InsertMode() const override { return m_insertMode; }
  void SetInsertMode(bool insert) override { m_insertMode = insert; }
  bool IsComposing() const override { return m_composing; }
  void SetFocus() override { m_focus = true; }
  bool HasFocus() const override { return m_focus; }

 private:
  using FontIndex = std::uint32_t;

  // One change inside an undo step: either bytes replaced at pos (with the
  // formats of the removed bytes), or only the formats of a range changed.
  struct Change {
    Offset pos = 0;
    std::string removed;
    std::vector<FontIndex> removedFormats;
    Offset insertedLength = 0;
    bool formatOnly = false;
  };
  struct Step {
    std::vector<Change> changes;
    Offset anchor = 0, active = 0;  // the selection before the step
  };

  Offset Clamp(Offset p) const;
  FontIndex IndexOf(const DisplayFont& font);
  // Splice is the one place where bytes change: it keeps formats, line
  // starts, the open undo step and the modified flag in step. Replace
  // inserts text all in one format.
  void Replace(Offset pos, Offset removeLength, std::string_view text, FontIndex format);
  void Splice(Offset pos, Offset removeLength, std::string_view text,
              const std::vector<FontIndex>& formats);
  const std::vector<Offset>& DisplayStarts() const;
  void MoveSelection(Offset anchor, Offset active);
  void ScrollCaretIntoView();
  void Changed();

  std::string m_text;
  std::vector<FontIndex> m_formats;   // one per byte of m_text
  std::vector<DisplayFont> m_palette;  // distinct formats, indexed by FontIndex
  DisplayFont m_default;
  DisplayFont m_typing;
  LineStartIndex m_lines;  // logical line starts
  Offset m_wrap = 0;
  mutable std::vector<Offset> m_displayStarts;  // with wrapping; rebuilt when stale
  mutable bool m_displayStale = true;
  Offset m_anchor = 0, m_active = 0;
  Offset m_top = 0, m_rows = 20;
  bool m_modified = false;
  bool m_insertMode = true;
  bool m_composing = false;
  bool m_focus = false;
  int m_updateDepth = 0;
  int m_repaints = 0;
  bool m_dirty = false;  // changed while updates were suspended
  int m_undoDepth = 0;
  std::optional<Step> m_open;  // the step being recorded
  std::vector<Step> m_undo;
  std::size_t m_undoLimit = 100;
  bool m_undoing = false;
  MemoryClipboard m_ownClipboard;
  Clipboard* m_clipboard;
};

}  // namespace mw
