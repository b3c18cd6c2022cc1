#include "gui/app/qt_prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMimeData>
#include <QMessageBox>

#include "core/dialogs/word_list_dialog.h"
#include "core/text/unicode_view.h"

namespace mw::gui {

QString FromDocumentText(std::string_view sjis) {
  return QString::fromStdString(SjisToUnicodeView(sjis));
}

std::string ToDocumentText(const QString& text) {
  return UnicodeViewToSjis(text.toStdString()).bytes;
}

QString UiText(Msg id) {
  const std::string_view text = MessageUtf8(id);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> QtClipboard::Text() const {
  const QClipboard* board = QApplication::clipboard();
  const QMimeData* data = board->mimeData();
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return ToDocumentText(board->text());
}

void QtClipboard::SetText(std::string_view text) { QApplication::clipboard()->setText(FromDocumentText(text)); }

QString QtPrompts::CaptionOr(std::string_view caption) const {
  return caption.empty() ? m_caption() : FromDocumentText(caption);
}

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One box: the text shown as it is (a file name is never markup), a long
// path free to wrap after a folder separator.
QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, QString text,
                                    QMessageBox::StandardButtons buttons) {
  text.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
  QMessageBox box(icon, caption, text, buttons, parent);
  box.setTextFormat(Qt::PlainText);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: break;
  }
  return QMessageBox::Information;
}

Reply ReplyOf(QMessageBox::StandardButton answer) {
  switch (answer) {
    case QMessageBox::Yes: return Reply::Yes;
    case QMessageBox::No: return Reply::No;
    default: return Reply::Cancel;
  }
}

QMessageBox::StandardButtons ButtonsOf(QuestionButtons buttons) {
  auto choice = QMessageBox::Yes | QMessageBox::No;
  if (buttons == QuestionButtons::YesNoCancel) choice |= QMessageBox::Cancel;
  return choice;
}

}  // namespace

void QtPrompts::ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) {
  ShowBox(m_parent, IconOf(kind), CaptionOr(caption), FromDocumentText(text), QMessageBox::Ok);
}

Reply QtPrompts::Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) {
  return ReplyOf(ShowBox(m_parent, QMessageBox::Question, CaptionOr(caption), FromDocumentText(text), ButtonsOf(buttons)));
}

void QtPrompts::ShowMessageUtf8(std::string_view text, MessageKind kind) {
  ShowBox(m_parent, IconOf(kind), m_caption(), FromUtf8(text), QMessageBox::Ok);
}

Reply QtPrompts::AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) {
  const QMessageBox::Icon shown = icon == QuestionIcon::Warning ? QMessageBox::Warning : QMessageBox::Question;
  return ReplyOf(ShowBox(m_parent, shown, m_caption(), FromUtf8(text), ButtonsOf(buttons)));
}

std::optional<std::string> QtPrompts::AskString(const StringRequest& request) {
  if (m_wordListHost != nullptr) return AskWithWordList(*m_wordListHost, request, m_dataFolder);
  bool ok = false;
  QString typed;
  if (request.choices.empty()) {
    typed = QInputDialog::getText(m_parent, FromDocumentText(request.title), FromDocumentText(request.label),
                                  QLineEdit::Normal, FromDocumentText(request.text), &ok);
  } else {
    QStringList items;
    for (const auto& c : request.choices) items << FromDocumentText(c);
    if (!request.text.empty()) items.prepend(FromDocumentText(request.text));
    typed = QInputDialog::getItem(m_parent, FromDocumentText(request.title), FromDocumentText(request.label),
                                  items, 0, true, &ok);
  }
  if (!ok) return std::nullopt;
  return ToDocumentText(typed);
}

void PromptsInUse::ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) {
  Open open(*this);
  m_target->ShowMessage(text, kind, caption);
}

Reply PromptsInUse::Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) {
  Open open(*this);
  return m_target->Ask(text, buttons, caption);
}

std::optional<std::string> PromptsInUse::AskString(const StringRequest& request) {
  Open open(*this);
  return m_target->AskString(request);
}

void PromptsInUse::ShowMessageUtf8(std::string_view text, MessageKind kind) {
  Open open(*this);
  m_target->ShowMessageUtf8(text, kind);
}

Reply PromptsInUse::AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) {
  Open open(*this);
  return m_target->AskUtf8(text, buttons, icon);
}

}  // namespace mw::gui
