#include "gui/editing/find_dialogs.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "core/text/unicode_view.h"
#include "gui/app/qt_prompts.h"

namespace mw::gui {

QPoint FindDialogPosition(int caretLineY, const QRect& windowFrame, int anchorLeft) {
  const int windowTop = windowFrame.y();
  const int windowBottom = windowFrame.y() + windowFrame.height();
  int top = caretLineY + 30;
  if (caretLineY < windowTop)
    top = windowTop + 100;
  else if (caretLineY > windowBottom)
    top = windowBottom - 200;
  return {anchorLeft + 20, top};
}

QRect CaretLineScreenRect(const QsciScintilla* view) {
  if (view == nullptr) return {};
  const long pos = view->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
  const int y = static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos));
  const long line = view->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, pos);
  const int height = static_cast<int>(view->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, line));
  const QPoint origin = view->viewport()->mapToGlobal(QPoint(0, y));
  return QRect(origin.x(), origin.y(), view->viewport()->width(), height);
}

// --- FindReplaceDialog ------------------------------------------------------

FindReplaceDialog::FindReplaceDialog(bool replace, QWidget* parent) : QDialog(parent), m_replace(replace) {
  setObjectName(replace ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
  setWindowTitle(replace ? UiText(Msg::ReplaceDialogTitle) : UiText(Msg::FindDialogTitle));
  setModal(false);

  auto* fields = new QGridLayout;
  auto* findLabel = new QLabel(UiText(Msg::FindDialogFindLabel), this);
  m_findEdit = new QLineEdit(this);
  m_findEdit->setObjectName(QStringLiteral("FindText"));
  findLabel->setBuddy(m_findEdit);
  fields->addWidget(findLabel, 0, 0);
  fields->addWidget(m_findEdit, 0, 1);
  if (replace) {
    auto* replaceLabel = new QLabel(UiText(Msg::FindDialogReplaceLabel), this);
    m_replaceEdit = new QLineEdit(this);
    m_replaceEdit->setObjectName(QStringLiteral("ReplaceText"));
    replaceLabel->setBuddy(m_replaceEdit);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_replaceEdit, 1, 1);
  }
  m_wholeWord = new QCheckBox(UiText(Msg::FindDialogWholeWord), this);
  m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
  m_matchCase = new QCheckBox(UiText(Msg::FindDialogMatchCase), this);
  m_matchCase->setObjectName(QStringLiteral("MatchCase"));

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addSpacing(8);
  left->addWidget(m_wholeWord);
  left->addWidget(m_matchCase);
  left->addStretch();

  auto* buttons = new QVBoxLayout;
  auto addButton = [&](const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    return b;
  };
  m_findNext = addButton(UiText(Msg::FindDialogFindNext), QStringLiteral("FindNextBtn"));
  m_findNext->setDefault(true);
  if (replace) {
    m_replaceBtn = addButton(UiText(Msg::FindDialogReplaceNext), QStringLiteral("ReplaceBtn"));
    m_replaceAllBtn = addButton(UiText(Msg::FindDialogReplaceAll), QStringLiteral("ReplaceAllBtn"));
  }
  m_cancel = addButton(UiText(Msg::FindDialogCancel), QStringLiteral("CancelBtn"));
  buttons->addStretch();

  auto* main = new QHBoxLayout(this);
  main->addLayout(left, 1);
  main->addLayout(buttons);
  setSizeGripEnabled(false);

  connect(m_findEdit, &QLineEdit::textChanged, this, &FindReplaceDialog::UpdateButtons);
  connect(m_findNext, &QPushButton::clicked, this, &FindReplaceDialog::findNextRequested);
  if (replace) {
    connect(m_replaceEdit, &QLineEdit::textChanged, this, &FindReplaceDialog::UpdateButtons);
    connect(m_replaceBtn, &QPushButton::clicked, this, [this] { emit replaceRequested(false); });
    connect(m_replaceAllBtn, &QPushButton::clicked, this, [this] { emit replaceRequested(true); });
  }
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  UpdateButtons();
}

namespace {

// A document holds Shift-JIS only: a character outside it can never be
// found, and cutting it off would find or insert the wrong text.
bool FitsDocument(const QString& text) {
  return UnicodeViewToSjis(text.toStdString()).badAt == std::string::npos;
}

}  // namespace

bool FindReplaceDialog::CanSearch() const {
  return !m_findEdit->text().isEmpty() && FitsDocument(m_findEdit->text());
}

bool FindReplaceDialog::CanReplace() const {
  return CanSearch() && m_replaceEdit != nullptr && FitsDocument(m_replaceEdit->text());
}

void FindReplaceDialog::UpdateButtons() {
  // As in the desktop's dialogs: nothing to search for, nothing to press.
  m_findNext->setEnabled(CanSearch());
  if (m_replace) {
    m_replaceBtn->setEnabled(CanReplace());
    m_replaceAllBtn->setEnabled(CanReplace());
  }
}

std::string FindReplaceDialog::FindText() const { return ToDocumentText(m_findEdit->text()); }

std::string FindReplaceDialog::ReplaceText() const {
  return m_replaceEdit ? ToDocumentText(m_replaceEdit->text()) : std::string();
}

void FindReplaceDialog::SetFindText(std::string_view sjis) {
  // A selection over several lines cannot be a one-line find text; keep
  // what the field can hold, as the desktop's dialog does (its first line).
  QString text = FromDocumentText(sjis);
  const qsizetype cut = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (cut >= 0) text.truncate(cut);
  m_findEdit->setText(text);
}

FindFlags FindReplaceDialog::Flags() const {
  FindFlags f;
  f.matchCase = m_matchCase->isChecked();
  f.wholeWord = m_wholeWord->isChecked();
  return f;
}

FindRequest FindReplaceDialog::Request(bool replaceAll) const {
  return FindRequest{FindText(), ReplaceText(), Flags(), replaceAll};
}

// --- FindReplaceDialogs -----------------------------------------------------

namespace {

// Points the context at the active document for one action and back at
// whatever it held before, so no editor pointer outlives its document.
class ActingOn {
 public:
  ActingOn(EditingContext& ctx, EditorSurface* editor) : m_ctx(ctx), m_saved(ctx.editor) { ctx.editor = editor; }
  ~ActingOn() { m_ctx.editor = m_saved; }
  ActingOn(const ActingOn&) = delete;
  ActingOn& operator=(const ActingOn&) = delete;

 private:
  EditingContext& m_ctx;
  EditorSurface* m_saved;
};

}  // namespace

FindReplaceDialogs::FindReplaceDialogs(QWidget* window, EditingContext& ctx,
                                       std::function<EditorSurface*()> activeEditor,
                                       std::function<QRect()> caretLineScreenRect,
                                       std::function<QWidget*()> anchorWidget,
                                       std::function<void(const QString&)> showStatus)
    : QObject(window),
      m_window(window),
      m_ctx(ctx),
      m_activeEditor(std::move(activeEditor)),
      m_caretLine(std::move(caretLineScreenRect)),
      m_anchor(std::move(anchorWidget)),
      m_showStatus(std::move(showStatus)),
      m_find(new FindReplaceDialog(false, window)),
      m_replace(new FindReplaceDialog(true, window)) {
  connect(m_find, &FindReplaceDialog::findNextRequested, this, [this] { Search(m_find); });
  connect(m_replace, &FindReplaceDialog::findNextRequested, this, [this] { Search(m_replace); });
  connect(m_replace, &FindReplaceDialog::replaceRequested, this, [this](bool all) { Replace(all); });
}

void FindReplaceDialogs::ShowFind() { Show(m_find); }
void FindReplaceDialogs::ShowReplace() { Show(m_replace); }

void FindReplaceDialogs::Show(FindReplaceDialog* dialog) {
  if (const EditorSurface* editor = m_activeEditor ? m_activeEditor() : nullptr) {
    const std::string current = dialog->FindText();
    dialog->SetFindText(InitialFindText(*editor, current));
  }
  Place(dialog);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  dialog->FindEdit()->setFocus();
  dialog->FindEdit()->selectAll();
}

void FindReplaceDialogs::Place(FindReplaceDialog* dialog) {
  const QRect frame = m_window->frameGeometry();
  const QRect line = m_caretLine ? m_caretLine() : QRect();
  // Without a caret line (no document) the dialog goes where it would for
  // a line above the window.
  const int y = line.isNull() ? frame.y() - 1 : line.y();
  QWidget* anchor = m_anchor ? m_anchor() : nullptr;
  const int left = anchor ? anchor->mapToGlobal(QPoint(0, 0)).x() : frame.x();
  dialog->move(FindDialogPosition(y, frame, left));
}

bool FindReplaceDialogs::TakeRequest(const FindReplaceDialog& dialog) {
  if (m_ctx.editor == nullptr) return false;
  m_ctx.findText = dialog.FindText();
  m_ctx.findFlags = dialog.Flags();
  if (dialog.IsReplace()) m_ctx.replaceText = dialog.ReplaceText();
  return true;
}

void FindReplaceDialogs::FindNext() {
  if (!m_find->CanSearch()) return;
  Search(m_find);
}

void FindReplaceDialogs::Search(FindReplaceDialog* dialog) {
  if (!dialog->CanSearch()) return;
  {
    ActingOn acting(m_ctx, m_activeEditor ? m_activeEditor() : nullptr);
    if (!TakeRequest(*dialog)) return;
    mw::FindNext(m_ctx, dialog->Request(false));
  }
  Place(dialog);
  dialog->show();
  dialog->raise();
}

void FindReplaceDialogs::Replace(bool all) {
  if (!m_replace->CanReplace()) return;
  ReplaceResult result;
  {
    ActingOn acting(m_ctx, m_activeEditor ? m_activeEditor() : nullptr);
    if (!TakeRequest(*m_replace)) return;
    result = mw::Replace(m_ctx, m_replace->Request(all));
  }
  if (all) {
    m_ctx.statusText = result.statusText;
    if (m_showStatus) m_showStatus(FromDocumentText(result.statusText));
    return;
  }
  Place(m_replace);
  m_replace->show();
  m_replace->raise();
}

}  // namespace mw::gui
