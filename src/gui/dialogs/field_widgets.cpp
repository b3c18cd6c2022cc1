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

NumberField::NumberField(int lowest, bool blankable, QWidget* parent)
    : QAbstractSpinBox(parent), m_lowest(lowest), m_blankable(blankable) {
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::TextEdited);
}

QString NumberField::Text() const { return lineEdit()->text(); }

void NumberField::SetText(const QString& text) {
  lineEdit()->setText(m_blankable && text == QStringLiteral("-1") ? QString() : text);
}

std::optional<int> NumberField::Value() const {
  bool ok = false;
  const int v = Text().trimmed().toInt(&ok);
  if (ok) return v;
  return std::nullopt;
}

void NumberField::stepBy(int steps) {
  Step(steps);
  emit Stepped();
}

void NumberField::Step(int steps) {
  const std::optional<int> v = Value();
  if (!v) {
    // Not set (or no number): Up starts at the lowest real value.
    if (steps > 0) SetText(QString::number(std::min(m_lowest + steps - 1, kMaximum)));
    return;
  }
  const long long n = static_cast<long long>(*v) + steps;
  if (n < m_lowest) {
    if (steps > 0) SetText(QString::number(m_lowest));
    else if (m_blankable) SetText(QString());
    else SetText(QString::number(m_lowest));
    return;
  }
  SetText(QString::number(std::min<long long>(n, kMaximum)));
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
  const std::optional<int> v = Value();
  StepEnabled e = StepNone;
  if (!v || *v < kMaximum) e |= StepUpEnabled;
  if (v && (m_blankable || *v > m_lowest)) e |= StepDownEnabled;
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
