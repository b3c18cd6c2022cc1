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
  void ShowMessageUtf8(std::string_view text, MessageKind kind) override;
  Reply AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) override;
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

// Passes every prompt on to the prompts in use and knows whether one is
// open: a path handed over meanwhile must wait, not change the document
// the question is about. `closed` runs when the last open prompt closes.
class PromptsInUse : public UserPrompts {
 public:
  PromptsInUse(UserPrompts* target, std::function<void()> closed) : m_target(target), m_closed(std::move(closed)) {}
  void SetTarget(UserPrompts* target) { m_target = target; }
  bool IsOpen() const { return m_open > 0; }
  // Counts an open prompt for as long as it lives (a file dialog, a tag
  // dialog shown by the window).
  class Open {
   public:
    explicit Open(PromptsInUse& p) : m_p(p) { ++m_p.m_open; }
    ~Open() {
      if (--m_p.m_open == 0 && m_p.m_closed) m_p.m_closed();
    }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;

   private:
    PromptsInUse& m_p;
  };

  void ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) override;
  Reply Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) override;
  std::optional<std::string> AskString(const StringRequest& request) override;
  void ShowMessageUtf8(std::string_view text, MessageKind kind) override;
  Reply AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) override;

 private:
  UserPrompts* m_target;
  std::function<void()> m_closed;
  int m_open = 0;
};

}  // namespace mw::gui
