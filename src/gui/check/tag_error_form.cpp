#include "gui/check/tag_error_form.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/document_file.h"
#include "core/editing/tag_scan.h"
#include "gui/app/command_actions.h"
#include "gui/app/command_table.h"
#include "gui/check/check_commands.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/screen_geometry.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"

namespace mw::gui {

namespace {
constexpr TagListKind kKinds[] = {TagListKind::Twin, TagListKind::Omissible, TagListKind::Single};
int IndexOf(TagListKind k) { return static_cast<int>(k); }

}  // namespace

TTagErrorForm::TTagErrorForm(TMainForm& main, std::string listFolder)
    : QWidget(&main, Qt::Tool | Qt::WindowStaysOnTopHint), m_main(main), m_folder(std::move(listFolder)) {
  setObjectName(QStringLiteral("TagErrorForm"));
  setWindowTitle(UiText(Msg::TagErrorTitle));
  m_lists = m_folder.empty() ? BuiltInTagLists() : LoadTagLists(m_folder);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  // The toolbar's buttons are the window's command rows.
  m_commands = new CommandActions(*this, CommandTable(CommandWindow::Check), nullptr, [this](const CommandRow& row) {
    if (const auto* run = m_commands->WindowHandler(row)) (*run)(row);
  });
  m_commands->Handle("NeglectOmissibleTagBtnClick", [this](const CommandRow&) { RunTagCheck(false); });
  m_commands->Handle("CheckOmissibleTagBtnClick", [this](const CommandRow&) { RunTagCheck(true); });
  m_commands->Handle("CheckNextFileBtnClick", [this](const CommandRow&) { CheckNextFile(); });
  m_commands->Handle("OptionBtnClick", [this](const CommandRow&) { ToggleOptions(); });
  m_commands->Handle("CloseBtnClick", [this](const CommandRow&) { close(); });
  auto* bar = new QToolBar(this);
  for (const ToolButtonRow& b : CheckToolbar()) {
    const CommandRow* row = FindCommand(b.command, CommandWindow::Check);
    QToolButton* button = m_commands->MakeButton(bar, b, MenuText(row->caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(button);
  }
  layout->addWidget(bar);

  // The option panel: the three lists, each with its save and delete.
  m_options = new QWidget(this);
  m_options->setObjectName(QStringLiteral("OptionPanel"));
  auto* opt = new QHBoxLayout(m_options);
  opt->setContentsMargins(2, 0, 2, 0);
  opt->addWidget(new QLabel(UiText(Msg::TagErrorEndTagLabel), m_options));
  const QString labels[] = {UiText(Msg::TagErrorListTwin), UiText(Msg::TagErrorListOmissible),
                            UiText(Msg::TagErrorListSingle)};
  const char* names[] = {"cbTwinTag", "cbOmissibleTag", "cbSingleTag"};
  for (TagListKind k : kKinds) {
    const int i = IndexOf(k);
    opt->addWidget(new QLabel(labels[i], m_options));
    auto* box = new QComboBox(m_options);
    box->setObjectName(QString::fromLatin1(names[i]));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(8);
    m_boxes[i] = box;
    opt->addWidget(box);
    auto* save = new QPushButton(UiText(Msg::TagErrorSave), m_options);
    save->setToolTip(UiText(Msg::TagErrorSaveHint));
    auto* del = new QPushButton(UiText(Msg::TagErrorDelete), m_options);
    del->setToolTip(UiText(Msg::TagErrorDeleteHint));
    for (QPushButton* b : {save, del}) b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 20);
    connect(save, &QPushButton::clicked, this, [this, k] { SaveList(k); });
    connect(del, &QPushButton::clicked, this, [this, k] { DeleteFromList(k); });
    opt->addWidget(save);
    opt->addWidget(del);
    FillBox(k);
  }
  opt->addStretch();
  m_options->hide();
  layout->addWidget(m_options);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lbTagError"));
  m_list->installEventFilter(this);
  connect(m_list, &QListWidget::itemClicked, this, [this] { JumpToCheckMessage(); });
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
    JumpToCheckMessage();
    close();
  });
  layout->addWidget(m_list, 1);

  // Centred on the screen, and no larger than it.
  QRect bounds(0, 0, 660, 220);
  if (QScreen* screen = QGuiApplication::primaryScreen()) bounds.moveCenter(screen->availableGeometry().center());
  setGeometry(FitToScreens(bounds));
}

QComboBox* TTagErrorForm::ListBox(TagListKind kind) const { return m_boxes[IndexOf(kind)]; }

void TTagErrorForm::FillBox(TagListKind kind) {
  QComboBox* box = ListBox(kind);
  const QString typed = box->currentText();
  box->clear();
  for (const std::string& name : m_lists.Of(kind).Names()) box->addItem(FromDocumentText(name));
  if (box->count() > 0) box->setCurrentIndex(0);
  (void)typed;
}

void TTagErrorForm::RunTagCheck(bool checkOmissible) {
  if (m_scanning) return;
  m_scanning = true;
  m_checkOmissible = checkOmissible;
  m_commands->Action("CheckOmissibleTagBtn")->setEnabled(!checkOmissible);
  m_commands->Action("NeglectOmissibleTagBtn")->setEnabled(checkOmissible);
  setWindowTitle(FromDocumentText(CheckCaption(ToDocumentText(m_main.windowTitle()), checkOmissible)));
  // A click that activates the window scans again before the click lands;
  // the chosen line stays chosen.
  const int row = m_list->currentRow();
  m_list->clear();
  ScintillaSurface* surface = m_main.ActiveSurface();
  const std::string text = surface != nullptr ? surface->GetText() : std::string();
  m_result = mw::RunTagCheck(text, m_lists, CheckMode{checkOmissible, false});
  for (const CheckMessage& m : m_result.messages) m_list->addItem(FromDocumentText(CheckMessageText(m)));
  if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row);
  m_scanning = false;
}

void TTagErrorForm::JumpToCheckMessage() {
  const auto target = JumpTarget(m_result, m_list->currentRow());
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (!target || surface == nullptr) return;
  surface->SetSelStart(target->start);
  surface->SetSelLength(target->length);
  CentreCaretLine(*surface);
  // Just below the selection's first character, so the window hides
  // neither the place nor the list.
  ScintillaEditor& view = surface->Widget();
  const long pos = surface->ViewPosition(target->start);
  const int y = static_cast<int>(view.SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, pos));
  const QPoint global = view.viewport()->mapToGlobal(QPoint(0, y));
  // Kept on the screen: below a line near the bottom it would be out of
  // sight.
  move(FitToScreens(QRect(QPoint(x(), global.y() + 30), frameGeometry().size())).topLeft());
}

void TTagErrorForm::CheckNextFile() {
  m_main.RunCommand("MoveToNextFile");
  RunTagCheck(m_checkOmissible);
}

void TTagErrorForm::ToggleOptions() {
  m_options->setVisible(!m_options->isVisible());
  m_commands->Action("CheckOmissibleTagBtn")->setEnabled(true);
  m_commands->Action("NeglectOmissibleTagBtn")->setEnabled(true);
}

void TTagErrorForm::SaveList(TagListKind kind) {
  const std::string name = ToDocumentText(ListBox(kind)->currentText().trimmed());
  if (!name.empty()) m_lists.Of(kind).Add(name);
  FillBox(kind);
  if (const int at = ListBox(kind)->findText(FromDocumentText(name), Qt::MatchFixedString); at >= 0)
    ListBox(kind)->setCurrentIndex(at);
  if (m_folder.empty()) return;
  try {
    SaveTagList(m_folder, kind, m_lists.Of(kind));
  } catch (const FileError& e) {
    if (UserPrompts* p = m_main.Context().prompts)
      p->ShowMessage(ToDocumentText(QString::fromStdString(e.what())), MessageKind::Error);
  }
}

void TTagErrorForm::DeleteFromList(TagListKind kind) {
  const std::string name = ToDocumentText(ListBox(kind)->currentText().trimmed());
  if (m_lists.Of(kind).Remove(name)) FillBox(kind);
}

bool TTagErrorForm::event(QEvent* e) {
  // The results always describe the text as it is now: every showing and
  // every return to this window scans again, omissible tags ignored.
  if (e->type() == QEvent::Show || e->type() == QEvent::WindowActivate) RunTagCheck(false);
  return QWidget::event(e);
}

bool TTagErrorForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == m_list && e->type() == QEvent::KeyRelease) JumpToCheckMessage();
  return QWidget::eventFilter(watched, e);
}

}  // namespace mw::gui
