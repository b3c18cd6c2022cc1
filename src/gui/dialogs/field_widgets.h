// Small widgets and conversions the tag dialog views share: the number
// field with its up/down arrows, and the reading and writing of a field
// widget's text whatever kind of widget it is.
#pragma once

#include <QAbstractSpinBox>
#include <QString>
#include <optional>
#include <string_view>

class QLineEdit;

namespace mw::gui {

// A number field that still takes any text (non-numbers are written as
// typed). An empty field is "not set" (the text "-1" shows so too): the Up
// arrow gives the lowest real value, stepping down below it empties the
// field again. A count (blankable false) never goes below its lowest.
class NumberField : public QAbstractSpinBox {
  Q_OBJECT
 public:
  NumberField(int lowest, bool blankable, QWidget* parent = nullptr);
  QString Text() const;
  void SetText(const QString& text);
  QLineEdit* Edit() const { return lineEdit(); }
  void stepBy(int steps) override;

 signals:
  void TextEdited();
  // The arrows (or the Up and Down keys) changed the number.
  void Stepped();

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 private:
  void Step(int steps);
  std::optional<int> Value() const;
  int m_lowest;
  bool m_blankable;
};

// The text a field widget holds: line edit, combo box, number field; empty
// for other widgets.
QString FieldWidgetText(const QWidget* w);
void SetFieldWidgetText(QWidget* w, const QString& text);

// An open-file filter of the program's table, in the
// "description|patterns|..." form, as Qt writes it: "description (*.a
// *.b);;...".
QString QtFileFilter(std::string_view utf8Filter);

}  // namespace mw::gui
