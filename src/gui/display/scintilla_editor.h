// The editor widget a document is shown in: QScintilla in UTF-8 mode,
// showing the Unicode view of the document's Shift-JIS bytes. The four
// display fonts are Scintilla styles 0-3; bytes that are no character are
// shown as their hex value.
#pragma once

#include <QTimer>
#include <Qsci/qsciscintilla.h>

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/app/display_fonts.h"
#include "core/text/encoding.h"

namespace mw {

class LineGutter;

// What the editor initialiser applies to an editor.
struct EditorLook {
  DisplayFonts fonts = DesignFonts();
  bool wordWrap = true;                 // bWordWrap
  ColorValue background = 0xFFFFFF;     // asRichEditColor
  int tabStop = 8;                      // iTabStop, in half-width characters
  bool showLineNumbers = true;          // bShowLineNumber
  int gutterWidth = 50;                 // GutterWidth, pixels
  Offset textLimit = 65536;             // iMaxFileSize, bytes (see ScintillaSurface)
  int imeColor = 0;                     // iImeColor: kept, see Configure
};

// GutterWidth: room for line numbers, or a narrow strip without them.
inline int GutterWidthFor(bool showLineNumbers) { return showLineNumbers ? 50 : 16; }

// One row of the gutter: a logical line number, or "[EOF]" on the empty
// line after a final line end; y is the top of its display line in the
// editor's text area.
struct GutterLabel {
  int y = 0;
  QString text;
  bool operator==(const GutterLabel&) const = default;
};

QColor ToQColor(ColorValue c);

// Styles 0-3 are the display fonts by FontClass; further formats get styles
// of their own from kFirstExtraStyle on (Scintilla keeps 32-39 for itself).
inline constexpr int kFirstExtraStyle = 40;
// Every style below kTwinStyle has a twin, itself + kTwinStyle, that looks
// the same. Neighbouring break units (a Japanese character; an ASCII word
// with the blanks after it; a tag's "<") alternate between the two, so the
// widget measures each unit on its own and a unit that recurs, a kanji or
// a tag name, comes from its cache of measured runs instead of a new text
// layout. The style change is also where a wrapped line may break, which
// lets Japanese text wrap between any two characters.
inline constexpr int kTwinStyle = 0x80;

// True when a break unit starts at a character whose first byte is cur,
// after one whose first byte is prev. ASCII bytes and the bytes that begin
// a non-ASCII character are the same test in Shift-JIS and in UTF-8.
inline bool StartsBreakUnit(unsigned char prev, unsigned char cur) {
  if (cur >= 0x80 || prev >= 0x80) return true;
  if (cur == '<' || prev == '>' || cur == '\r' || cur == '\n') return true;
  return (prev == ' ' || prev == '\t') && cur != ' ' && cur != '\t';
}
inline constexpr int kStrikeIndicator = 8;  // draws strike-out over a range

// A page of more lines is big: the widget wraps it in the background, a
// slice at a time, and nothing waits for that (a tenth of a second is about
// what wrapping this many lines of Japanese text takes).
inline constexpr long kWrapAtOnceLines = 1000;

class ScintillaEditor : public QsciScintilla {
  Q_OBJECT
 public:
  explicit ScintillaEditor(QWidget* parent = nullptr);

  // Runs for a new editor and again on every display refresh.
  void Configure(const EditorLook& look);
  const EditorLook& Look() const { return m_look; }
  // Word wrap, keeping the layouts of the visible lines only (the base
  // class would keep one per line of the document while wrapping: memory
  // in the size of the page, and every keystroke walking all of them).
  void setWrapMode(WrapMode mode) override;
  // Gives a Scintilla style, and its twin, the look of a display font.
  void SetStyleFont(int style, const DisplayFont& font);

  // PageDown and PageUp move the caret and scroll by this many display
  // lines (PageScrollLines); 0 or less leaves them to the widget.
  void SetPageScrollLines(int lines) { m_pageLines = lines; }

  // True while the input method has pre-edit text in the editor.
  bool IsComposing() const { return m_composing; }
  // Called when a composition begins, before its first pre-edit text goes in.
  void SetCompositionStartHandler(std::function<void()> handler) { m_compositionStart = std::move(handler); }

  // Decides whether text the user types, composes, pastes or drops (UTF-8)
  // may go in; refused text is dropped with a beep and counted.
  void SetInputFilter(std::function<bool(std::string_view)> accepts) { m_accepts = std::move(accepts); }
  int RefusedInputs() const { return m_refused; }

  // Every typed key that is a character of the document's single bytes
  // (ASCII) or Enter ('\r') goes to this handler first; true means it has
  // been handled (its text, if any, already inserted). The window hands
  // typing to the engine here (live tag font, auto indent).
  void SetKeyHandler(std::function<bool(char key)> handler) { m_keyHandler = std::move(handler); }

  // The gutter beside the text: logical line numbers (a wrapped line is
  // numbered on its first display line, and the top row always shows the
  // line it belongs to), "[EOF]" after a final line end, and the caret
  // line marked. Empty when line numbers are off.
  std::vector<GutterLabel> GutterLabels() const;
  // Top of the caret's display line in the text area.
  int CaretLineY() const;
  int DisplayLineHeight() const;
  LineGutter* Gutter() const { return m_gutter; }
  // Set when every line may wrap differently (new text, new settings, new
  // width): the next display-line answer finishes the wrapping first.
  void MarkWrapStale() { m_wrapStale = true; }
  bool TakeWrapStale() { return std::exchange(m_wrapStale, false); }
  // Caret to the start of the display line at height y of the text area;
  // with `extend` the selection reaches from its anchor to there.
  void PlaceCaretAtLineY(int y, bool extend);
  // Display lines as the widget counts them now (a line it has not wrapped
  // yet counts as one), in all and of one logical line. (SCI_WRAPCOUNT
  // lays the line out afresh instead: the rows it will take.)
  long DisplayLineTotal() const;
  long ShownRows(long line) const;
  // The text's styles have changed: the next paint must draw them.
  void NoteRestyled() { ++m_changes; }

 signals:
  // The widget's count of display lines has changed (it wraps a big page
  // in the background, a slice at a time): numbers of display lines shown
  // elsewhere may have moved.
  void DisplayLinesChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // What a paint of the text area shows, but for the lines below and above
  // it: the top line and its row, the caret and selection, the text and
  // its styles, the look.
  struct ShownView {
    long topLine = -1, topRow = 0, x = 0, caret = 0, anchor = 0, zoom = 0;
    unsigned changes = 0;
    QSize size;
    bool focus = false, active = false;
    bool operator==(const ShownView&) const = default;
  };
  ShownView CurrentView() const;
  void SetOneStyleFont(int style, const DisplayFont& font);
  bool Accepts(const QString& text);
  void PlaceGutter();
  bool IsBigWrappedPage() const;
  bool MoveCaretWithoutWrapping(QKeyEvent* event);
  void OnPainted();

  bool m_composing = false;
  int m_pageLines = 0;
  std::function<bool(std::string_view)> m_accepts;
  std::function<void()> m_compositionStart;
  std::function<bool(char)> m_keyHandler;
  int m_refused = 0;
  EditorLook m_look;
  LineGutter* m_gutter = nullptr;
  bool m_wrapStale = true;
  long m_displayLines = 0;
  int m_followCaret = 0;  // paints after a fast caret move that scroll it back into view
  unsigned m_changes = 0;  // edits, restyling and new looks, counted
  ShownView m_shown;       // as the last paint left the text area
  QTimer m_countReport;    // DisplayLinesChanged, at most ten times a second
};

}  // namespace mw
