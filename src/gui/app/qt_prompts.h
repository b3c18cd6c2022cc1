// The editing commands' messages, questions, input line and clipboard,
// answered by Qt: message boxes, an input dialog and the system clipboard.
// Commands speak Shift-JIS; the widgets speak Unicode.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "core/editing/dialog_host.h"
#include "core/editing/editor_surface.h"
#include "core/editing/user_prompts.h"
#include "core/text/messages.h"

class QWidget;

namespace mw::gui {

QString FromDocumentText(std::string_view sjis);
std::string ToDocumentText(const QString& text);
// A text of the program's table, for a widget; its %1 ... %9 take QString's
// arg().
QString UiText(Msg id);

class QtClipboard : public Clipboard {
 public:
  std::optional<std::string> Text() const override;
  void SetText(std::string_view text) override;
};

class QtPrompts : public UserPrompts {
 public:
  // caption() gives the application title the boxes carry by default.
  QtPrompts(QWidget* parent, std::function<QString()> caption)
      : m_parent(parent), m_caption(std::move(caption)) {}
  void ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) override;
  Reply Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) override;
  std::optional<std::string> AskString(const StringRequest& request) override;
  // One-line questions go to the word-list dialog shown by `host`, with its
  // lists kept in dataFolder; null keeps the plain input box.
  void UseWordListDialog(DialogHost* host, std::string dataFolder) {
    m_wordListHost = host;
    m_dataFolder = std::move(dataFolder);
  }

 private:
  QString CaptionOr(std::string_view caption) const;
  QWidget* m_parent;
  std::function<QString()> m_caption;
  DialogHost* m_wordListHost = nullptr;
  std::string m_dataFolder;
};

}  // namespace mw::gui
