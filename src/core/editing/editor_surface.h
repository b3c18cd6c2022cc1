// What the editing commands need from a document's editor. Commands are
// written against this interface only, so they run the same on the GUI's
// widget and on the in-memory editor the tests use.
//
// Every position and length counts bytes of the document's Shift-JIS text
// (CR LF line ends): offset p is a direct index into GetText().
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/display_fonts.h"
#include "core/text/encoding.h"

namespace mw {

// The system clipboard as far as editing uses it: plain text only. A
// clipboard that holds no text, or cannot be read, gives nullopt.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::optional<std::string> Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
};

// Two formats are the same when face, size, colour and all four styles are.
inline bool SameFormat(const DisplayFont& a, const DisplayFont& b) {
  return a.face == b.face && a.points == b.points && a.color == b.color && a.bold == b.bold &&
         a.italic == b.italic && a.underline == b.underline && a.strikeOut == b.strikeOut;
}

struct FindFlags {
  bool matchCase = false;
  bool wholeWord = false;
};

class EditorSurface {
 public:
  virtual ~EditorSurface() = default;

  // --- Text -------------------------------------------------------------
  virtual Offset TextLength() const = 0;
  virtual std::string GetText() const = 0;
  // The bytes of [start, start + length), clipped to the text. Per-keystroke
  // scanners read small ranges instead of copying the whole document.
  virtual std::string GetTextRange(Offset start, Offset length) const = 0;
  // Replaces the whole text (an ordinary, undoable edit in the typing format).
  virtual void SetText(std::string_view text) = 0;

  // --- Selection ----------------------------------------------------------
  // A selection has an anchor and an active end (where the caret blinks);
  // start is the smaller of the two. Positions that fall inside a
  // double-byte character are moved to the start of that character.
  virtual Offset GetSelStart() const = 0;
  virtual Offset GetSelLength() const = 0;
  virtual Offset SelAnchor() const = 0;
  virtual Offset SelActive() const = 0;
  std::string GetSelText() const { return GetTextRange(GetSelStart(), GetSelLength()); }
  // Caret to p, nothing selected.
  virtual void SetSelStart(Offset p) = 0;
  // Selects n bytes from the current start and scrolls the caret into view.
  virtual void SetSelLength(Offset n) = 0;
  virtual void SetSelection(Offset anchor, Offset active) = 0;
  // Replaces the selection by text in the typing format; caret after it.
  virtual void SetSelText(std::string_view text) = 0;
  virtual void SelectAll() = 0;

  // --- Clipboard transfer -----------------------------------------------
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  // Inserts the clipboard's text in the typing format; nothing without text.
  virtual void Paste() = 0;

  // --- Undo ---------------------------------------------------------------
  virtual void Undo() = 0;
  virtual bool CanUndo() const = 0;
  // Every edit between the outermost Begin and End is undone as one step.
  // Nestable; prefer the UndoStep guard below.
  virtual void BeginUndoStep() = 0;
  virtual void EndUndoStep() = 0;

  // --- Display lines --------------------------------------------------------
  // Display lines are the lines as shown (a wrapped logical line takes
  // several). Line numbers are 0-based; -1 stands for the caret's line or
  // position.
  // First offset of display line k; -1 when there is no such line.
  virtual Offset LineIndex(Offset k) const = 0;
  // Display line holding position p.
  virtual Offset LineFromChar(Offset p) const = 0;
  // Number of display lines, not counting an empty last one.
  virtual Offset LineCount() const = 0;
  // Display line k without its line end.
  virtual std::string LineText(Offset k) const = 0;
  virtual Offset TopDisplayLine() const = 0;
  // Scrolls the view by n display lines (negative = up).
  virtual void LineScroll(Offset n) = 0;
  // Whole display lines that fit in the view.
  virtual Offset VisibleLineCount() const = 0;

  // --- Search ---------------------------------------------------------------
  // First match of t that starts at or after start and ends within
  // [start, start + length) (length -1 = to the end), ASCII letter case
  // ignored unless flags say otherwise; -1 when absent. A match never
  // begins on the second byte of a double-byte character.
  virtual Offset FindText(std::string_view t, Offset start, Offset length = -1,
                          FindFlags flags = {}) const = 0;

  // --- Modified flag --------------------------------------------------------
  virtual bool IsModified() const = 0;
  virtual void SetModifiedFlag(bool modified) = 0;

  // --- Character formats ----------------------------------------------------
  // The format that the next typed or inserted text gets. Moving the
  // selection resets it to the format of the character before the caret.
  virtual void SetTypingFormat(const DisplayFont& font) = 0;
  virtual DisplayFont TypingFormat() const = 0;
  ColorValue TypingColor() const { return TypingFormat().color; }
  virtual void SetRangeFormat(Offset start, Offset length, const DisplayFont& font) = 0;
  // Format of the byte at p (the typing format at the end of the text).
  virtual DisplayFont FormatAt(Offset p) const = 0;

  // --- Display updates --------------------------------------------------------
  // Suspends redrawing; nestable. Prefer the UpdateSuspension guard below.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;

  // --- Input state ----------------------------------------------------------
  // true = insert, false = overwrite (toggled by the Insert key).
  virtual bool InsertMode() const = 0;
  virtual void SetInsertMode(bool insert) = 0;
  // True while the input method is composing text in the editor.
  virtual bool IsComposing() const = 0;
  virtual void SetFocus() = 0;
  virtual bool HasFocus() const = 0;
};

// Makes everything a command does one undo step.
class UndoStep {
 public:
  explicit UndoStep(EditorSurface& e) : m_editor(e) { m_editor.BeginUndoStep(); }
  ~UndoStep() { m_editor.EndUndoStep(); }
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;

 private:
  EditorSurface& m_editor;
};

// Suspends redrawing for a scope, so the user sees one repaint.
class UpdateSuspension {
 public:
  explicit UpdateSuspension(EditorSurface& e) : m_editor(e) { m_editor.BeginUpdate(); }
  ~UpdateSuspension() { m_editor.EndUpdate(); }
  UpdateSuspension(const UpdateSuspension&) = delete;
  UpdateSuspension& operator=(const UpdateSuspension&) = delete;

 private:
  EditorSurface& m_editor;
};

// Plain-text clipboard transfer as every surface does it: copy the
// selection, cut it, or replace it with the clipboard's text (nothing when
// the clipboard holds no text).
inline void CopySelection(EditorSurface& e, Clipboard& c) {
  if (e.GetSelLength() > 0) c.SetText(e.GetSelText());
}
inline void CutSelection(EditorSurface& e, Clipboard& c) {
  if (e.GetSelLength() == 0) return;
  CopySelection(e, c);
  e.SetSelText({});
}
inline void PasteText(EditorSurface& e, const Clipboard& c) {
  if (const auto t = c.Text()) e.SetSelText(*t);
}

}  // namespace mw
