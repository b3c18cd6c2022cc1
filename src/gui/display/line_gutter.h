// The strip beside an editor's text that shows logical line numbers, the
// caret line and the end of the text. It belongs to the editor and sits in
// the room the editor keeps free left of its text area.
#pragma once

#include <QWidget>

namespace mw {

class ScintillaEditor;

class LineGutter : public QWidget {
  Q_OBJECT
 public:
  explicit LineGutter(ScintillaEditor& editor);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  ScintillaEditor& m_editor;
};

}  // namespace mw
