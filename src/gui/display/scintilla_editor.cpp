#include "gui/display/scintilla_editor.h"

#include <QApplication>
#include <QBackingStore>
#include <algorithm>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include "gui/display/line_gutter.h"

#include "core/text/unicode_view.h"
#include "core/text/utf8.h"

namespace mw {

QColor ToQColor(ColorValue c) {
  if (c & 0x80000000u) {
    // System colours: the window background is white, everything else is
    // drawn like window text.
    return (c & 0xFF) == 5 ? QColor(Qt::white) : QColor(Qt::black);
  }
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

namespace {

// The keys the widget itself keeps: moving the caret, extending the
// selection, deleting, Enter, Tab, overwrite mode, and the edit control's
// standard clipboard keys. Every other key belongs to the window's command
// table (and the user's key assignments), so the widget's own bindings
// (case changes, line cut and duplicate, transpose, zoom, redo ...) are
// all dropped: bound here, they would take the key before the window's
// command could.
struct KeyBinding {
  QsciCommand::Command command;
  int key;
  int alternate = 0;
};

constexpr int kShift = Qt::SHIFT, kCtrl = Qt::CTRL;

const KeyBinding kEditingKeys[] = {
    {QsciCommand::LineDown, Qt::Key_Down},
    {QsciCommand::LineDownExtend, Qt::Key_Down | kShift},
    {QsciCommand::LineUp, Qt::Key_Up},
    {QsciCommand::LineUpExtend, Qt::Key_Up | kShift},
    {QsciCommand::LineScrollDown, Qt::Key_Down | kCtrl},
    {QsciCommand::LineScrollUp, Qt::Key_Up | kCtrl},
    {QsciCommand::CharLeft, Qt::Key_Left},
    {QsciCommand::CharLeftExtend, Qt::Key_Left | kShift},
    {QsciCommand::CharRight, Qt::Key_Right},
    {QsciCommand::CharRightExtend, Qt::Key_Right | kShift},
    {QsciCommand::WordLeft, Qt::Key_Left | kCtrl},
    {QsciCommand::WordLeftExtend, Qt::Key_Left | kCtrl | kShift},
    {QsciCommand::WordRight, Qt::Key_Right | kCtrl},
    {QsciCommand::WordRightExtend, Qt::Key_Right | kCtrl | kShift},
    // Home and End act on the display line, as in the edit control.
    {QsciCommand::HomeDisplay, Qt::Key_Home},
    {QsciCommand::HomeDisplayExtend, Qt::Key_Home | kShift},
    {QsciCommand::LineEndDisplay, Qt::Key_End},
    {QsciCommand::LineEndDisplayExtend, Qt::Key_End | kShift},
    {QsciCommand::DocumentStart, Qt::Key_Home | kCtrl},
    {QsciCommand::DocumentStartExtend, Qt::Key_Home | kCtrl | kShift},
    {QsciCommand::DocumentEnd, Qt::Key_End | kCtrl},
    {QsciCommand::DocumentEndExtend, Qt::Key_End | kCtrl | kShift},
    {QsciCommand::PageUp, Qt::Key_PageUp},
    {QsciCommand::PageUpExtend, Qt::Key_PageUp | kShift},
    {QsciCommand::PageDown, Qt::Key_PageDown},
    {QsciCommand::PageDownExtend, Qt::Key_PageDown | kShift},
    {QsciCommand::Delete, Qt::Key_Delete},
    {QsciCommand::DeleteBack, Qt::Key_Backspace, Qt::Key_Backspace | kShift},
    {QsciCommand::DeleteWordLeft, Qt::Key_Backspace | kCtrl},
    {QsciCommand::DeleteWordRight, Qt::Key_Delete | kCtrl},
    {QsciCommand::Newline, Qt::Key_Return, Qt::Key_Enter},
    {QsciCommand::Tab, Qt::Key_Tab},
    {QsciCommand::EditToggleOvertype, Qt::Key_Insert},
    {QsciCommand::Cancel, Qt::Key_Escape},
    {QsciCommand::SelectionCut, Qt::Key_Delete | kShift},
    {QsciCommand::SelectionCopy, Qt::Key_Insert | kCtrl},
    {QsciCommand::Paste, Qt::Key_Insert | kShift},
};

}  // namespace

ScintillaEditor::ScintillaEditor(QWidget* parent) : QsciScintilla(parent) {
  SendScintilla(SCI_SETCODEPAGE, SC_CP_UTF8);
  QsciCommandSet* commands = standardCommands();
  commands->clearKeys();
  commands->clearAlternateKeys();
  SendScintilla(SCI_CLEARALLCMDKEYS);
  for (const KeyBinding& b : kEditingKeys) {
    QsciCommand* c = commands->find(b.command);
    c->setKey(b.key);
    if (b.alternate != 0) c->setAlternateKey(b.alternate);
  }
  // Only the reports before a change: see ScintillaSurface::OnModified.
  SendScintilla(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE | SC_MOD_CONTAINER);
  // Only CR, LF and CR LF end lines, exactly as in the Shift-JIS text.
  SendScintilla(SCI_SETLINEENDTYPESALLOWED, SC_LINE_END_TYPE_DEFAULT);
  SendScintilla(SCI_SETEOLMODE, SC_EOL_CRLF);
  // Styles are set by the document's colouring only, never by a lexer.
  SendScintilla(SCI_SETLEXER, SCLEX_CONTAINER);
  // Bytes that are no character appear as markers U+F700 + byte: show the
  // byte in hex, in a box, so they are seen and not mistaken for text.
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    const std::string marker = Utf8Of(kRawByteMarker + b);
    const QByteArray hex = QByteArray::number(b, 16).toUpper();
    SendScintilla(SCI_SETREPRESENTATION, marker.c_str(), hex.constData());
  }
  // Keep the layouts of the visible lines: a keystroke then lays out only
  // the line it changes.
  SendScintilla(SCI_SETLAYOUTCACHE, static_cast<unsigned long>(SC_CACHE_PAGE));
  // Room for the break units of a page's own vocabulary (see kTwinStyle):
  // a few thousand kanji and kana in each font, and its recurring words.
  SendScintilla(SCI_SETPOSITIONCACHE, 65536UL);
  // The window shows its own popup menu.
  SendScintilla(SCI_USEPOPUP, static_cast<unsigned long>(SC_POPUP_NEVER));
  // The widget's own margins stay empty: the gutter is a strip of ours.
  for (int m = 0; m < 5; ++m) setMarginWidth(m, 0);
  m_gutter = new LineGutter(*this);
  // Scrolling, typing and caret moves all end in this report.
  connect(this, &QsciScintillaBase::SCN_UPDATEUI, m_gutter, [this] { m_gutter->update(); });
  connect(this, &QsciScintillaBase::SCN_ZOOM, m_gutter, [this] { m_gutter->update(); });
  // Each slice of background wrapping ends in a paint.
  connect(this, &QsciScintillaBase::SCN_PAINTED, this, &ScintillaEditor::OnPainted);
  connect(this, &QsciScintilla::textChanged, this, [this] { ++m_changes; });
  m_countReport.setSingleShot(true);
  m_countReport.setInterval(100);
  connect(&m_countReport, &QTimer::timeout, this, [this] {
    m_gutter->update();
    emit DisplayLinesChanged();
  });
  // Every pixel of the text area is painted by the widget: what a skipped
  // paint leaves there is the last one's (see paintEvent).
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  Configure(EditorLook{});
}

void ScintillaEditor::setWrapMode(WrapMode mode) {
  QsciScintilla::setWrapMode(mode);
  SendScintilla(SCI_SETLAYOUTCACHE, static_cast<unsigned long>(SC_CACHE_PAGE));
}

void ScintillaEditor::SetStyleFont(int style, const DisplayFont& font) {
  if (style < kTwinStyle && (style < STYLE_DEFAULT || style >= kFirstExtraStyle)) SetOneStyleFont(style + kTwinStyle, font);
  SetOneStyleFont(style, font);
}

void ScintillaEditor::SetOneStyleFont(int style, const DisplayFont& font) {
  const auto s = static_cast<unsigned long>(style);
  const std::string face = SjisToUnicodeView(font.face);
  SendScintilla(SCI_STYLESETFONT, s, face.c_str());
  SendScintilla(SCI_STYLESETSIZE, s, static_cast<long>(font.points));
  SendScintilla(SCI_STYLESETFORE, s, ToQColor(font.color));
  SendScintilla(SCI_STYLESETBOLD, s, static_cast<long>(font.bold));
  SendScintilla(SCI_STYLESETITALIC, s, static_cast<long>(font.italic));
  SendScintilla(SCI_STYLESETUNDERLINE, s, static_cast<long>(font.underline));
}

void ScintillaEditor::Configure(const EditorLook& look) {
  setWrapMode(look.wordWrap ? WrapWord : WrapNone);
  setTabWidth(look.tabStop > 0 ? look.tabStop : 8);
  setIndentationsUseTabs(true);
  setAutoIndent(false);
  setUtf8(true);
  setEolMode(EolWindows);

  const QColor paper = ToQColor(look.background);
  SetStyleFont(STYLE_DEFAULT, look.fonts[0]);
  SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), paper);
  SendScintilla(SCI_STYLECLEARALL);  // every style starts from the text font
  for (int i = 0; i < 4; ++i) SetStyleFont(i, look.fonts[static_cast<std::size_t>(i)]);
  setPaper(paper);
  setCaretForegroundColor(ToQColor(look.fonts[0].color));

  SendScintilla(SCI_INDICSETSTYLE, static_cast<unsigned long>(kStrikeIndicator), static_cast<long>(INDIC_STRIKE));
  SendScintilla(SCI_INDICSETFORE, static_cast<unsigned long>(kStrikeIndicator), ToQColor(look.fonts[0].color));

  // The gutter keeps its width whether or not it shows numbers.
  m_look = look;
  ++m_changes;
  MarkWrapStale();
  setViewportMargins(std::max(look.gutterWidth, 0), 0, 0, 0);
  PlaceGutter();
  m_gutter->update();
  // iMaxFileSize is kept by the surface (a longer file still loads whole).
  // iImeColor has no counterpart: Qt hands the input method's own clause
  // formats to the widget, which draws them as it is told.
  setFolding(NoFoldStyle);
  SendScintilla(SCI_SETSELECTIONMODE, static_cast<unsigned long>(SC_SEL_STREAM));
}

void ScintillaEditor::PlaceGutter() {
  const QRect area = viewport()->geometry();
  m_gutter->setGeometry(area.left() - m_look.gutterWidth, area.top(), m_look.gutterWidth, area.height());
  m_gutter->setVisible(m_look.gutterWidth > 0);
}

void ScintillaEditor::resizeEvent(QResizeEvent* event) {
  QsciScintilla::resizeEvent(event);
  if (event->size().width() != event->oldSize().width()) MarkWrapStale();
  PlaceGutter();
}

// A scroll bar coming or going resizes the text area alone.
bool ScintillaEditor::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Resize) PlaceGutter();
  return QsciScintilla::viewportEvent(event);
}

int ScintillaEditor::DisplayLineHeight() const {
  return std::max(1, static_cast<int>(SendScintilla(SCI_TEXTHEIGHT, 0UL)));
}

ScintillaEditor::ShownView ScintillaEditor::CurrentView() const {
  ShownView v;
  const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
  v.topLine = SendScintilla(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(first));
  v.topRow = first - SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(v.topLine));
  v.x = SendScintilla(SCI_GETXOFFSET);
  v.caret = SendScintilla(SCI_GETCURRENTPOS);
  v.anchor = SendScintilla(SCI_GETANCHOR);
  v.zoom = SendScintilla(SCI_GETZOOM);
  v.changes = m_changes;
  v.size = viewport()->size();
  v.focus = hasFocus();
  v.active = isActiveWindow();
  return v;
}

// While a big page is wrapped in the background, the widget repaints the
// whole text area after every slice, because the scroll range grew: a
// full paint per few hundred lines, most of the CPU of opening the page.
// Such a paint would draw what is already there (the text area keeps its
// pixels: the widget paints it opaque), so only the gutter and the display
// line counts follow.
void ScintillaEditor::paintEvent(QPaintEvent* event) {
  // A picture taken of the widget (grab, render) paints into a device of its
  // own and must be drawn afresh: only a paint into the window's backing
  // store keeps the last one's pixels.
  struct Redirection : QWidget {
    using QWidget::redirected;
  };
  const auto redirected = &Redirection::redirected;
  QPaintDevice* target = (viewport()->*redirected)(nullptr);
  QBackingStore* store = viewport()->backingStore();
  const bool onScreen = target == nullptr || (store != nullptr && target == store->paintDevice());
  const bool whole = onScreen && event->rect().contains(viewport()->rect());
  if (whole && m_shown.topLine >= 0 && IsBigWrappedPage() && DisplayLineTotal() != m_displayLines &&
      CurrentView() == m_shown) {
    OnPainted();
    return;
  }
  QsciScintilla::paintEvent(event);
  m_shown = CurrentView();
}

void ScintillaEditor::OnPainted() {
  if (m_followCaret > 0) {
    // The paint has wrapped the lines in view, which can push the caret out
    // of it: scroll again, until it stays.
    --m_followCaret;
    const int y = CaretLineY();
    if (y < 0 || y + DisplayLineHeight() > viewport()->height()) SendScintilla(SCI_SCROLLCARET);
    else m_followCaret = 0;
  }
  const long total = DisplayLineTotal();
  if (total == m_displayLines) return;
  m_displayLines = total;
  // The background wrapping moves the count a slice at a time, hundreds of
  // times for a big page: those who show it hear of it ten times a second.
  if (!m_countReport.isActive()) m_countReport.start();
}

long ScintillaEditor::DisplayLineTotal() const {
  return SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(SendScintilla(SCI_GETLINECOUNT)));
}

long ScintillaEditor::ShownRows(long line) const {
  return SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line + 1)) -
         SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
}

int ScintillaEditor::CaretLineY() const {
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  return static_cast<int>(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, caret));
}

std::vector<GutterLabel> ScintillaEditor::GutterLabels() const {
  std::vector<GutterLabel> labels;
  if (!m_look.showLineNumbers) return labels;
  const long lines = SendScintilla(SCI_GETLINECOUNT);
  const long top = SendScintilla(SCI_GETFIRSTVISIBLELINE);
  const long rows = SendScintilla(SCI_LINESONSCREEN) + 1;
  const int h = DisplayLineHeight();
  for (long v = top; v <= top + rows; ++v) {
    const long doc = SendScintilla(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(v));
    if (doc >= lines) break;
    if (v != top && SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc)) != v) continue;
    const int y = static_cast<int>(v - top) * h;
    const bool endMark = doc > 0 && doc == lines - 1 &&
                         SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc)) == SendScintilla(SCI_GETLENGTH);
    labels.push_back({y, endMark ? QStringLiteral("[EOF]") : QString::number(doc + 1)});
    if (endMark) break;
  }
  return labels;
}

void ScintillaEditor::PlaceCaretAtLineY(int y, bool extend) {
  const long top = SendScintilla(SCI_GETFIRSTVISIBLELINE);
  const long last = DisplayLineTotal() - 1;
  const long v = std::clamp<long>(top + std::max(y, 0) / DisplayLineHeight(), 0, std::max(last, 0L));
  const long doc = SendScintilla(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(v));
  long pos = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(doc));
  if (v != SendScintilla(SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(doc))) {
    // A later display line of a wrapped line starts where the text area's
    // left edge meets it.
    const int rowMiddle = static_cast<int>(v - top) * DisplayLineHeight() + DisplayLineHeight() / 2;
    pos = SendScintilla(SCI_POSITIONFROMPOINT, 0UL, static_cast<long>(rowMiddle));
  }
  if (extend) SendScintilla(SCI_SETCURRENTPOS, static_cast<unsigned long>(pos));
  else SendScintilla(SCI_SETSEL, static_cast<unsigned long>(pos), pos);
}

bool ScintillaEditor::Accepts(const QString& text) {
  if (text.isEmpty() || !m_accepts) return true;
  const QByteArray utf8 = text.toUtf8();
  if (m_accepts(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))) return true;
  ++m_refused;
  QApplication::beep();
  return false;
}

void ScintillaEditor::keyPressEvent(QKeyEvent* event) {
  const bool page = event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp;
  if (page && m_pageLines > 0 && event->modifiers() == Qt::NoModifier) {
    // The caret goes down (up) line by line, stopping at the last (first)
    // line, and the view scrolls by the same count.
    const bool down = event->key() == Qt::Key_PageDown;
    for (int i = 0; i < m_pageLines; ++i) SendScintilla(down ? SCI_LINEDOWN : SCI_LINEUP);
    SendScintilla(SCI_LINESCROLL, 0UL, static_cast<long>(down ? m_pageLines : -m_pageLines));
    return;
  }
  // A key with Ctrl or Alt is a command's (the window's, or one of the
  // editing keys above): one that reaches the editor unbound, such as the
  // key of a disabled command, types nothing.
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (mods != Qt::NoModifier &&
      standardCommands()->boundTo(event->key() | static_cast<int>(event->modifiers() & ~Qt::KeypadModifier)) == nullptr) {
    event->ignore();
    return;
  }
  if (event->matches(QKeySequence::Paste) && !Accepts(QApplication::clipboard()->text())) return;
  const QString t = event->text();
  // Control characters are editing keys (Enter, Tab, Backspace), not text.
  const bool printable = !t.isEmpty() && t.front().unicode() >= 0x20 && t.front().unicode() != 0x7F;
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (printable && plain && !Accepts(t)) return;
  if (m_keyHandler && plain && !IsComposing()) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool ascii = printable && t.size() == 1 && t.front().unicode() < 0x7F;
    if ((enter || ascii) && m_keyHandler(enter ? '\r' : static_cast<char>(t.front().unicode()))) {
      event->accept();
      return;
    }
  }
  if (MoveCaretWithoutWrapping(event)) return;
  QsciScintilla::keyPressEvent(event);
}

bool ScintillaEditor::IsBigWrappedPage() const {
  return SendScintilla(SCI_GETWRAPMODE) != SC_WRAP_NONE && SendScintilla(SCI_GETLINECOUNT) > kWrapAtOnceLines;
}

// The widget's own caret keys first wrap every line of a big page that its
// background wrapping has not reached, when the caret goes below them:
// seconds after opening 10 MB. Ctrl+End (with Shift too) and a plain
// Left or Right go to their place without it; the lines that come into
// view are wrapped as they are shown.
bool ScintillaEditor::MoveCaretWithoutWrapping(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool toEnd = event->key() == Qt::Key_End && (mods & ~Qt::ShiftModifier) == Qt::ControlModifier;
  const bool sideways = (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && mods == Qt::NoModifier;
  if ((!toEnd && !sideways) || !IsBigWrappedPage()) return false;
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  if (toEnd) {
    const long end = SendScintilla(SCI_GETLENGTH);
    if (mods & Qt::ShiftModifier) SendScintilla(SCI_SETSEL, static_cast<unsigned long>(SendScintilla(SCI_GETANCHOR)), end);
    else SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(end));
  } else {
    // A selection collapses as the widget does it.
    if (caret != SendScintilla(SCI_GETANCHOR)) return false;
    const bool left = event->key() == Qt::Key_Left;
    SendScintilla(SCI_SETEMPTYSELECTION,
                  static_cast<unsigned long>(SendScintilla(left ? SCI_POSITIONBEFORE : SCI_POSITIONAFTER, static_cast<unsigned long>(caret))));
  }
  SendScintilla(SCI_SCROLLCARET);
  SendScintilla(SCI_CHOOSECARETX);
  m_followCaret = 3;
  return true;
}

// The widget puts pre-edit text into the document as real edits and takes
// it out again, so it has to be text the document can hold as well.
void ScintillaEditor::inputMethodEvent(QInputMethodEvent* event) {
  if (!Accepts(event->commitString() + event->preeditString())) {
    QInputMethodEvent empty;
    m_composing = false;
    QsciScintilla::inputMethodEvent(&empty);
    return;
  }
  if (!m_composing && !event->preeditString().isEmpty() && m_compositionStart) m_compositionStart();
  m_composing = !event->preeditString().isEmpty();
  QsciScintilla::inputMethodEvent(event);
  m_composing = !event->preeditString().isEmpty();
}

void ScintillaEditor::dropEvent(QDropEvent* event) {
  if (event->mimeData() && event->mimeData()->hasText() && !Accepts(event->mimeData()->text())) {
    event->ignore();
    return;
  }
  QsciScintilla::dropEvent(event);
}

void ScintillaEditor::mousePressEvent(QMouseEvent* event) {
  // The middle button pastes the X selection.
  if (event->button() == Qt::MiddleButton && !Accepts(QApplication::clipboard()->text(QClipboard::Selection)))
    return;
  QsciScintilla::mousePressEvent(event);
}

}  // namespace mw

namespace mw {

// The input method asks for the text around the caret. The widget's own
// answer is the caret's paragraph up to the next blank line, which in markup
// without blank lines is the whole document (tens of milliseconds per
// keystroke on a large page); the caret's line is enough for composing.
QVariant ScintillaEditor::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImSurroundingText:
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor:
      break;
    default:
      return QsciScintilla::inputMethodQuery(query);
  }
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
  const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
  const auto text = [&](long from, long to) {
    if (to <= from) return QString();
    QByteArray bytes(static_cast<qsizetype>(to - from + 1), '\0');
    SendScintilla(SCI_GETTEXTRANGE, from, to, bytes.data());
    bytes.resize(static_cast<qsizetype>(to - from));
    return QString::fromUtf8(bytes);
  };
  const long anchor = std::clamp(SendScintilla(SCI_GETANCHOR), start, end);
  switch (query) {
    case Qt::ImSurroundingText: return text(start, end);
    case Qt::ImCursorPosition: return static_cast<int>(text(start, caret).size());
    case Qt::ImAnchorPosition: return static_cast<int>(text(start, anchor).size());
    case Qt::ImTextBeforeCursor: return text(start, caret);
    default: return text(caret, end);
  }
}

}  // namespace mw
