#include "gui/dialogs/field_widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

#include "gui/app/qt_prompts.h"

namespace mw::gui {

namespace {
constexpr int kMaximum = 32767;
}

NumberField::NumberField(int minimum, QWidget* parent) : QAbstractSpinBox(parent), m_minimum(minimum) {
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::TextEdited);
}

QString NumberField::Text() const { return lineEdit()->text(); }

void NumberField::SetText(const QString& text) {
  lineEdit()->setText(m_minimum < 0 && text == QStringLiteral("-1") ? QString() : text);
}

int NumberField::Value() const {
  bool ok = false;
  const int v = Text().trimmed().toInt(&ok);
  // An empty field is the unset value; the arrows start from there.
  return ok ? v : (m_minimum < 0 ? -1 : m_minimum);
}

void NumberField::stepBy(int steps) {
  const int v = std::clamp(Value() + steps, m_minimum, kMaximum);
  SetText(QString::number(v));
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
  const int v = Value();
  StepEnabled e = StepNone;
  if (v > m_minimum) e |= StepDownEnabled;
  if (v < kMaximum) e |= StepUpEnabled;
  return e;
}

QValidator::State NumberField::validate(QString&, int&) const { return QValidator::Acceptable; }

void NumberField::fixup(QString&) const {}

QString FieldWidgetText(const QWidget* w) {
  if (auto* n = qobject_cast<const NumberField*>(w)) return n->Text();
  if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  return {};
}

void SetFieldWidgetText(QWidget* w, const QString& text) {
  if (auto* n = qobject_cast<NumberField*>(w)) {
    n->SetText(text);
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    if (c->isEditable()) c->setEditText(text);
    else c->setCurrentIndex(c->findText(text));
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(text);
  }
}

QString QtFileFilter(std::string_view utf8Filter) {
  const QStringList parts = QString::fromUtf8(utf8Filter.data(), static_cast<qsizetype>(utf8Filter.size()))
                                .split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const qsizetype paren = description.lastIndexOf(QLatin1Char('('));
    if (paren > 0) description = description.left(paren).trimmed();
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
      patterns << p.trimmed();
    out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace mw::gui
