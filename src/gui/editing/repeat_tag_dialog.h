// The repeat-tag dialog: the start and end text applied by the repeat
// insertion, edited as plain text, and handed to the registered tags with
// the register button.
#pragma once

#include <functional>
#include <string>

#include "core/editing/repeat_tag.h"
#include "core/editing/user_prompts.h"
#include "gui/editing/qt_dialog_host.h"

class QPlainTextEdit;
class QPushButton;

namespace mw::gui {

// The class name the editing commands open the dialog by.
inline constexpr std::string_view kRepeatTagDialogClass = "TRepeatTagDlg";

class TRepeatTagDlg : public FieldsDialog {
  Q_OBJECT
 public:
  // prompts: where the register refusals are shown (asked at the click).
  // registerTag: opens the registered tags with a new row; without one the
  //   register button stays disabled.
  TRepeatTagDlg(QWidget* parent, std::function<UserPrompts*()> prompts, RegisterTagHandler registerTag);

  // Fields rePreTag and rePostTag, in document bytes.
  void LoadFields(const DialogFields& fields) override;
  void StoreFields(DialogFields& fields) const override;

  QPlainTextEdit* PreTagEdit() const { return m_pre; }
  QPlainTextEdit* PostTagEdit() const { return m_post; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  QPushButton* RegisterButton() const { return m_register; }

 private:
  void RegisterBtnClick();

  std::function<UserPrompts*()> m_prompts;
  RegisterTagHandler m_registerTag;
  QPlainTextEdit* m_pre = nullptr;
  QPlainTextEdit* m_post = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
  QPushButton* m_register = nullptr;
};

// Registers TRepeatTagDlg with the host.
void RegisterRepeatTagDialog(QtDialogHost& host, std::function<UserPrompts*()> prompts,
                             RegisterTagHandler registerTag = {});

// A plain-text field's content as document text (lines joined by CR LF)
// and back.
std::string PlainFieldText(const QPlainTextEdit& edit);
void SetPlainFieldText(QPlainTextEdit& edit, std::string_view sjis);

}  // namespace mw::gui
