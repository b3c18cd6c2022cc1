#include "gui/display/line_gutter.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>

#include "core/text/unicode_view.h"
#include "gui/display/scintilla_editor.h"

namespace mw {

LineGutter::LineGutter(ScintillaEditor& editor) : QWidget(&editor), m_editor(editor) {
  setObjectName(QStringLiteral("LineGutter"));
  setCursor(Qt::ArrowCursor);
}

void LineGutter::paintEvent(QPaintEvent*) {
  const EditorLook& look = m_editor.Look();
  const QColor paper = ToQColor(look.background);
  QPainter p(this);
  p.fillRect(rect(), paper);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!look.showLineNumbers) return;

  const DisplayFont& textFont = look.fonts[0];
  const QColor ink = ToQColor(textFont.color);
  QFont font(QString::fromStdString(SjisToUnicodeView(textFont.face)), textFont.points);
  font.setBold(textFont.bold);
  font.setItalic(textFont.italic);
  const int x = width() - 4;
  p.setPen(ink);
  p.drawLine(x, 0, x, height());

  // The caret line: a bar as tall as the text font, left of the numbers.
  const int caretY = m_editor.CaretLineY();
  p.fillRect(QRect(0, caretY + 2, x, QFontInfo(font).pixelSize()), ink);

  p.setFont(font);
  p.setBackgroundMode(Qt::OpaqueMode);
  p.setBackground(paper);
  const QFontMetrics metrics(font);
  for (const GutterLabel& label : m_editor.GutterLabels()) {
    if (label.y > height()) break;
    const int w = metrics.horizontalAdvance(label.text);
    p.drawText(QPoint(x - w, label.y + 2 + metrics.ascent()), label.text);
  }
}

void LineGutter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  m_editor.PlaceCaretAtLineY(static_cast<int>(event->position().y()), event->modifiers() & Qt::ShiftModifier);
  m_editor.setFocus();
}

// Dragging down the gutter selects whole display lines from the pressed one.
void LineGutter::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  m_editor.PlaceCaretAtLineY(static_cast<int>(event->position().y()), true);
}

}  // namespace mw
