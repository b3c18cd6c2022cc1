// The EditorSurface of a document shown in a ScintillaEditor. The widget
// holds the UTF-8 view; every offset of the interface is a byte offset of
// the Shift-JIS text. A Shift-JIS mirror of the text and the Shift-JIS start
// of every logical line are kept up to date from the widget's modification
// notifications (typing, input-method pre-edit, the widget's own undo), so
// mapping an offset costs a walk over one line, never over the document.
//
// The parts: scintilla_surface.cpp (text, lines, display state),
// _load.cpp (loading and colouring), _mirror.cpp (the mirror and the line
// index kept from the widget's notifications), _offsets.cpp (selection and
// offsets), _undo.cpp (undo steps and formats).
#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gui/display/scintilla_editor.h"
#include "core/editing/editor_surface.h"
#include "core/text/line_index.h"

namespace mw {

class ScintillaSurface : public QObject, public EditorSurface {
  Q_OBJECT
 public:
  ScintillaSurface(ScintillaEditor& editor, Clipboard& clipboard, const DisplayFonts& fonts = DesignFonts());

  // Replaces the text by a document's bytes, coloured with the display fonts
  // when `coloured`; empties the undo history and clears the modified flag.
  void Load(std::string_view bytes, bool coloured);
  // The same, taking the bytes over instead of copying them.
  void LoadOwned(std::string&& bytes, bool coloured);
  // The document's bytes, exactly.
  const std::string& Text() const {
    Flush();
    return m_text;
  }
  // After the editor was reconfigured: the display fonts and the styles of
  // any further formats again.
  void SetFonts(const DisplayFonts& fonts);
  // Colours the text the editor holds anew with the current display fonts:
  // the markup's colouring, or the text font throughout. Only formats
  // change: the bytes, the selection, the modified flag and the undo
  // history stay as they are.
  void Recolour(bool coloured);
  bool IsColoured() const { return m_coloured; }

  // iMaxFileSize. A longer document is loaded whole and stays editable
  // (cutting it would lose the rest at the next save); the window can ask
  // whether the document is over the limit.
  void SetTextLimit(Offset bytes) { m_textLimit = bytes; }
  Offset TextLimit() const { return m_textLimit; }
  bool ExceedsTextLimit() const { return m_textLimit > 0 && TextLength() > m_textLimit; }
  ScintillaEditor& Widget() { return m_editor; }

  // Offset <-> widget position (positions inside a character go to its start).
  Offset ViewPosition(Offset p) const;
  Offset OffsetOfView(Offset viewPos) const;
  // The Shift-JIS start of every logical line, as kept up to date.
  const std::vector<Offset>& LineStarts() const {
    Flush();
    return m_lines.Starts();
  }
  // Typed or pasted text that Shift-JIS cannot hold is refused with a beep;
  // how often that happened.
  int RefusedInsertions() const { return m_editor.RefusedInputs(); }

  // EditorSurface
  Offset TextLength() const override {
    Flush();
    return static_cast<Offset>(m_text.size());
  }
  std::string GetText() const override { return Text(); }
  std::string GetTextRange(Offset start, Offset length) const override;
  void SetText(std::string_view text) override;
  Offset GetSelStart() const override;
  Offset GetSelLength() const override;
  Offset SelAnchor() const override;
  Offset SelActive() const override;
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
  Offset TopDisplayLine() const override;
  void LineScroll(Offset n) override;
  Offset VisibleLineCount() const override;
  Offset FindText(std::string_view t, Offset start, Offset length = -1, FindFlags flags = {}) const override;
  bool IsModified() const override {
    Flush();
    return m_modified;
  }
  void SetModifiedFlag(bool modified) override;
  void SetTypingFormat(const DisplayFont& font) override {
    Flush();
    m_typing = font;
  }
  DisplayFont TypingFormat() const override { return m_typing; }
  void SetRangeFormat(Offset start, Offset length, const DisplayFont& font) override;
  DisplayFont FormatAt(Offset p) const override;
  void BeginUpdate() override;
  void EndUpdate() override;
  bool InsertMode() const override;
  void SetInsertMode(bool insert) override;
  bool IsComposing() const override { return m_editor.IsComposing(); }
  void SetFocus() override;
  bool HasFocus() const override;

 private slots:
  void OnModified(int position, int type, const char* text, int length, int linesAdded, int line,
                  int foldNow, int foldPrev, int token, int annotationLines);
  void OnUpdateUi(int updated);

 private:
  // What an undo step needs that the widget's own undo does not keep: the
  // selection before the step, and format changes of existing text.
  struct UndoRecord {
    bool selection = false;
    Offset anchor = 0, active = 0;
    Offset viewStart = 0;
    std::string oldStyles;
    unsigned char newStyle = 0;
  };

  void LoadText(std::string_view bytes, bool coloured, std::string* owned);
  long Send(unsigned int msg, unsigned long w = 0, long l = 0) const;
  void AppendView(std::string_view bytes);
  void ColourAll() const;
  static void ReleaseFreedMemory(std::size_t loadedBytes);
  std::string ViewRange(Offset from, Offset to) const;
  Offset LineOfOffset(Offset p) const;
  int StyleOf(const DisplayFont& font) const;
  const DisplayFont& FontOfStyle(int style) const;
  void ApplyStyles(Offset viewStart, std::string_view styles) const;
  void ApplyStyle(Offset viewStart, Offset length, int style) const;
  // Takes the text of the last insertion into the mirror (see OnModified).
  void Flush() const;
  void MoveSelection(Offset anchor, Offset active);
  void ResetTypingFormat();
  void RememberSelection();
  void MarkStepStart();
  void Splice(Offset pos, Offset removeLength, std::string_view bytes) const;
  bool Wraps() const;
  // Finishes the widget's pending wrapping of a short page (see there);
  // false when it does not wrap.
  bool WrapPending() const;

  ScintillaEditor& m_editor;
  Clipboard* m_clipboard;
  // The mirror catches up with an insertion lazily, so these change in
  // const members too.
  mutable std::string m_text;                   // Shift-JIS, the document itself
  mutable LineStartIndex m_lines;               // one per widget line
  mutable std::array<std::optional<DisplayFont>, 256> m_styles;
  mutable bool m_anyStrike = false;
  DisplayFont m_typing;
  mutable bool m_modified = false;
  int m_updateDepth = 0;
  int m_undoDepth = 0;
  bool m_stepMarked = false;
  Offset m_stepAnchor = 0, m_stepActive = 0;
  int m_internal = 0;  // text put in by this surface, already Shift-JIS safe
  bool m_loading = false;
  bool m_coloured = false;
  Offset m_textLimit = 65536;
  struct PendingInsert {
    Offset at = 0;
    Offset viewPos = 0, viewLength = 0;
    bool undoing = false;
    int style = 0;  // the typing format when the text went in
  };
  mutable std::optional<PendingInsert> m_pending;
  mutable std::vector<std::string> m_deletedStyles;  // styles of deletions undo may bring back
  std::vector<UndoRecord> m_records;         // indexed by undo action token
  std::optional<std::pair<Offset, Offset>> m_undoSelection;
  std::pair<Offset, Offset> m_lastSel{0, 0};
};

}  // namespace mw
