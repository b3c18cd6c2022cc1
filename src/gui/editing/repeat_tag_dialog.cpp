#include "gui/editing/repeat_tag_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/qt_prompts.h"

namespace mw::gui {

std::string PlainFieldText(const QPlainTextEdit& edit) {
  QString text = edit.toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToDocumentText(text);
}

void SetPlainFieldText(QPlainTextEdit& edit, std::string_view sjis) {
  // The field keeps lines, not line-end bytes: CR LF, CR and LF all
  // become one line break.
  QString text = FromDocumentText(sjis);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  edit.setPlainText(text);
}

TRepeatTagDlg::TRepeatTagDlg(QWidget* parent, std::function<UserPrompts*()> prompts,
                             RegisterTagHandler registerTag)
    : FieldsDialog(parent), m_prompts(std::move(prompts)), m_registerTag(std::move(registerTag)) {
  setObjectName(QStringLiteral("RepeatTagDlg"));
  setWindowTitle(UiText(Msg::RepeatTagDialogTitle));

  auto makeField = [this](const QString& caption, const QString& name, QVBoxLayout* into) {
    auto* label = new QLabel(caption, this);
    auto* edit = new QPlainTextEdit(this);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    label->setBuddy(edit);
    into->addWidget(label);
    into->addWidget(edit, 1);
    return edit;
  };
  auto* fields = new QVBoxLayout;
  m_pre = makeField(UiText(Msg::RepeatTagDialogStart), QStringLiteral("rePreTag"), fields);
  m_post = makeField(UiText(Msg::RepeatTagDialogEnd), QStringLiteral("rePostTag"), fields);

  auto* buttons = new QHBoxLayout;
  auto makeButton = [this, buttons](const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  buttons->addStretch();
  m_ok = makeButton(QStringLiteral("OK"), QStringLiteral("OkBtn"));
  m_cancel = makeButton(UiText(Msg::RepeatTagDialogCancel), QStringLiteral("CancelBtn"));
  m_register = makeButton(UiText(Msg::RepeatTagDialogRegister), QStringLiteral("RegisterBtn"));
  m_ok->setDefault(true);
  m_register->setEnabled(static_cast<bool>(m_registerTag));

  auto* main = new QVBoxLayout(this);
  main->addLayout(fields, 1);
  main->addLayout(buttons);
  resize(440, 280);

  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_register, &QPushButton::clicked, this, &TRepeatTagDlg::RegisterBtnClick);
}

void TRepeatTagDlg::LoadFields(const DialogFields& fields) {
  SetPlainFieldText(*m_pre, fields.Get("rePreTag"));
  SetPlainFieldText(*m_post, fields.Get("rePostTag"));
}

void TRepeatTagDlg::StoreFields(DialogFields& fields) const {
  fields.Set("rePreTag", PlainFieldText(*m_pre));
  fields.Set("rePostTag", PlainFieldText(*m_post));
}

void TRepeatTagDlg::RegisterBtnClick() {
  UserPrompts* prompts = m_prompts ? m_prompts() : nullptr;
  if (!m_registerTag || prompts == nullptr) return;
  // The dialog stays open: the registered tags' window takes the pair.
  RegisterRepeatTag(RepeatTagDialog{PlainFieldText(*m_pre), PlainFieldText(*m_post)}, *prompts, m_registerTag);
}

void RegisterRepeatTagDialog(QtDialogHost& host, std::function<UserPrompts*()> prompts,
                             RegisterTagHandler registerTag) {
  host.Register(std::string(kRepeatTagDialogClass),
                [prompts = std::move(prompts), registerTag = std::move(registerTag)](QWidget* parent) {
                  return std::make_unique<TRepeatTagDlg>(parent, prompts, registerTag);
                });
}

}  // namespace mw::gui
