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

void QtPrompts::ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) {
  const QString title = CaptionOr(caption);
  const QString body = FromDocumentText(text);
  switch (kind) {
    case MessageKind::Information: QMessageBox::information(m_parent, title, body); break;
    case MessageKind::Warning: QMessageBox::warning(m_parent, title, body); break;
    case MessageKind::Error: QMessageBox::critical(m_parent, title, body); break;
  }
}

Reply QtPrompts::Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) {
  auto choice = QMessageBox::Yes | QMessageBox::No;
  if (buttons == QuestionButtons::YesNoCancel) choice |= QMessageBox::Cancel;
  switch (QMessageBox::question(m_parent, CaptionOr(caption), FromDocumentText(text), choice)) {
    case QMessageBox::Yes: return Reply::Yes;
    case QMessageBox::No: return Reply::No;
    default: return Reply::Cancel;
  }
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

}  // namespace mw::gui
