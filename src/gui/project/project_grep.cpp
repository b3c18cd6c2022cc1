// The project window's search page: a string in the active file, in all
// project files or in the HTML files of a folder, every matching line
// listed, and replacement in those files through the editor.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/editing/selection.h"
#include "core/editing/tag_scan.h"
#include "core/project/file_set.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/editing/find_dialogs.h"
#include "gui/project/project_form.h"

namespace mw::gui {

namespace {
constexpr int kRowRole = Qt::UserRole;

QComboBox* NewBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return box;
}
}  // namespace

QWidget* TPrjForm::BuildGrepPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);

  auto* grid = new QGridLayout;
  m_cbFindStr = NewBox(page, "cbFindStr");
  m_cbReplaceStr = NewBox(page, "cbReplaceStr");
  auto* findLabel = new QLabel(UiText(Msg::ProjectGrepFindLabel), page);
  findLabel->setBuddy(m_cbFindStr);
  auto* replaceLabel = new QLabel(UiText(Msg::ProjectGrepReplaceLabel), page);
  replaceLabel->setBuddy(m_cbReplaceStr);
  grid->addWidget(findLabel, 0, 0);
  grid->addWidget(m_cbFindStr, 0, 1);
  grid->addWidget(replaceLabel, 1, 0);
  grid->addWidget(m_cbReplaceStr, 1, 1);
  layout->addLayout(grid);
  connect(m_cbFindStr, &QComboBox::editTextChanged, this, [this] { EnableSearchButtons(); });

  auto* middle = new QHBoxLayout;
  auto* range = new QGroupBox(UiText(Msg::ProjectGrepRange), page);
  range->setObjectName(QStringLiteral("rgFindRange"));
  auto* rangeLayout = new QVBoxLayout(range);
  const QString items[] = {UiText(Msg::ProjectGrepRangeFile), UiText(Msg::ProjectGrepRangeProject),
                           UiText(Msg::ProjectGrepRangeFolder)};
  for (int i = 0; i < 3; ++i) {
    m_range[i] = new QRadioButton(items[i], range);
    rangeLayout->addWidget(m_range[i]);
  }
  m_range[0]->setChecked(true);
  middle->addWidget(range);

  auto* options = new QVBoxLayout;
  m_ckUpperLower = new QCheckBox(UiText(Msg::ProjectGrepMatchCase), page);
  m_ckUpperLower->setObjectName(QStringLiteral("ckUpperLower"));
  m_ckSubDirectory = new QCheckBox(UiText(Msg::ProjectGrepSubfolders), page);
  m_ckSubDirectory->setObjectName(QStringLiteral("ckSubDirectory"));
  options->addWidget(m_ckUpperLower);
  options->addWidget(m_ckSubDirectory);
  m_edCurDirName = new QLineEdit(page);
  m_edCurDirName->setObjectName(QStringLiteral("edCurDirName"));
  options->addWidget(m_edCurDirName);
  options->addWidget(new QLabel(UiText(Msg::ProjectGrepFilterNote), page));
  middle->addLayout(options, 1);

  auto* buttons = new QVBoxLayout;
  m_findBtn = new QPushButton(UiText(Msg::ProjectGrepFindButton), page);
  m_findBtn->setObjectName(QStringLiteral("FindBtn"));
  m_findBtn->setDefault(true);
  m_replaceBtn = new QPushButton(UiText(Msg::ProjectGrepReplaceButton), page);
  m_replaceBtn->setObjectName(QStringLiteral("ReplaceBtn"));
  m_replaceAllBtn = new QPushButton(UiText(Msg::ProjectGrepReplaceAllButton), page);
  m_replaceAllBtn->setObjectName(QStringLiteral("ReplaceAllBtn"));
  auto* stop = new QPushButton(QStringLiteral("&X"), page);
  stop->setObjectName(QStringLiteral("StopBtn"));
  stop->setToolTip(UiText(Msg::ProjectStop));
  connect(m_findBtn, &QPushButton::clicked, this, [this] { FindBtnClick(); });
  connect(m_replaceBtn, &QPushButton::clicked, this, [this] { ReplaceBtnClick(); });
  connect(m_replaceAllBtn, &QPushButton::clicked, this, [this] { ReplaceAllBtnClick(); });
  connect(stop, &QPushButton::clicked, this, [this] { StopClick(); });
  for (QPushButton* b : {m_findBtn, m_replaceBtn, m_replaceAllBtn, stop}) buttons->addWidget(b);
  middle->addLayout(buttons);
  layout->addLayout(middle);

  layout->addWidget(new QLabel(UiText(Msg::ProjectGrepResults), page));
  m_lvGrep = new QTreeWidget(page);
  m_lvGrep->setObjectName(QStringLiteral("lvGrep"));
  m_lvGrep->setRootIsDecorated(false);
  m_lvGrep->setHeaderLabels({UiText(Msg::ProjectGrepColumnFile), UiText(Msg::ProjectGrepColumnLine),
                             UiText(Msg::ProjectGrepColumnByte), UiText(Msg::ProjectGrepColumnContent)});
  connect(m_lvGrep, &QTreeWidget::itemDoubleClicked, this, [this] { JumpToMatch(); });
  connect(m_lvGrep, &QTreeWidget::itemClicked, this, [this] {
    m_replaceBtn->setEnabled(!m_cbFindStr->currentText().isEmpty() && m_lvGrep->currentItem() != nullptr);
  });
  layout->addWidget(m_lvGrep, 1);
  return page;
}

void TPrjForm::SetFindRange(int range) {
  if (range >= 0 && range < 3) m_range[range]->setChecked(true);
}

int TPrjForm::FindRange() const {
  for (int i = 0; i < 3; ++i)
    if (m_range[i]->isChecked()) return i;
  return 0;
}

void TPrjForm::EnableSearchButtons() {
  const bool any = !m_cbFindStr->currentText().isEmpty();
  m_findBtn->setEnabled(any);
  m_replaceAllBtn->setEnabled(any);
  if (!any) m_replaceBtn->setEnabled(false);
}

GrepQuery TPrjForm::Query() const {
  return GrepQuery{ToDocumentText(m_cbFindStr->currentText()), m_ckUpperLower->isChecked()};
}

void TPrjForm::PushHistory(QComboBox* box, std::vector<std::string>& history) {
  const QString text = box->currentText();
  if (text.isEmpty()) return;
  PushSearchHistory(history, ToDocumentText(text));
  box->blockSignals(true);
  box->clear();
  for (const std::string& s : history) box->addItem(FromDocumentText(s));
  box->setCurrentIndex(0);
  box->setEditText(text);
  box->blockSignals(false);
}

void TPrjForm::WalkRangeFolder(const std::function<void(const std::string&)>& visit) {
  QString folder = m_edCurDirName->text();
  if (folder.isEmpty()) return;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  // A page reached by two names (a link beside its target) is worked on
  // once, under the first; pipes and devices are never opened.
  FileSet files;
  WalkFolder(
      folder.toStdString(), m_main.ColouredExtensions(), m_ckSubDirectory->isChecked(),
      [this, &visit, &files](const std::string& path) {
        SetStatus(1, QString::fromStdString(path));
        if (files.Add(path) == FileSet::Added::New) visit(path);
      },
      [this] {
        QCoreApplication::processEvents();
        return m_stopRequested;
      });
}

void TPrjForm::FindBtnClick() {
  if (m_cbFindStr->currentText().isEmpty() || m_busy) return;
  const int range = FindRange();
  if (range == 0 && m_edCurFileName->text().isEmpty()) {
    ShowMessage(UiText(Msg::ProjectGrepFileNotSaved), MessageKind::Information, {});
    return;
  }
  m_busy = true;
  m_stopRequested = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_rows.clear();
  m_lvGrep->clear();
  PushHistory(m_cbFindStr, m_findHistory);
  const GrepQuery query = Query();
  if (range == 0) {
    GrepFile(m_edCurFileName->text().toStdString(), query, m_rows);
  } else if (range == 1) {
    for (const std::string& e : ExistingFilesOnce(m_project.entries)) {
      if (m_stopRequested) break;
      SetStatus(1, QString::fromStdString(e));
      GrepFile(e, query, m_rows);
      QCoreApplication::processEvents();
    }
  } else {
    WalkRangeFolder([this, &query](const std::string& path) { GrepFile(path, query, m_rows); });
  }
  m_lvGrep->setUpdatesEnabled(false);
  int i = 0;
  for (const GrepRow& row : m_rows) {
    auto* item = new QTreeWidgetItem(m_lvGrep, {QString::fromStdString(row.path), QString::number(row.line),
                                                QString::number(row.byte), FromDocumentText(row.content)});
    item->setData(0, kRowRole, i++);
  }
  for (int c = 0; c < 4; ++c) m_lvGrep->resizeColumnToContents(c);
  m_lvGrep->setUpdatesEnabled(true);
  SetStatus(1, UiText(Msg::ProjectGrepFoundCount).arg(QString::number(m_rows.size()), m_cbFindStr->currentText()));
  m_replaceBtn->setEnabled(false);
  QApplication::restoreOverrideCursor();
  m_busy = false;
}

const GrepRow* TPrjForm::OpenSelectedRow() {
  QTreeWidgetItem* item = m_lvGrep->currentItem();
  if (item == nullptr) return nullptr;
  const int i = item->data(0, kRowRole).toInt();
  if (i < 0 || i >= static_cast<int>(m_rows.size())) return nullptr;
  const GrepRow& row = m_rows[static_cast<std::size_t>(i)];
  const QString path = QString::fromStdString(row.path);
  if (!QFileInfo(path).isFile() || !m_main.OpenDocument(path, false) || m_main.ActiveSurface() == nullptr)
    return nullptr;
  return &row;
}

FindReplaceDialog* TPrjForm::LoadFindDialog(bool replace) {
  // The main window's pair of dialogs is its child; they keep their texts
  // between actions, so F3 and the dialog's buttons go on from here.
  auto* dialogs = m_main.findChild<FindReplaceDialogs*>();
  if (dialogs == nullptr) return nullptr;
  FindReplaceDialog* dialog = replace ? dialogs->ReplaceDialog() : dialogs->FindDialog();
  const GrepQuery query = Query();
  dialog->SetFindText(query.findText);
  dialog->MatchCaseBox()->setChecked(query.matchCase);
  // The grep matched any occurrence, not whole words only.
  dialog->WholeWordBox()->setChecked(false);
  if (replace) dialog->ReplaceEdit()->setText(m_cbReplaceStr->currentText());
  EditingContext& ctx = m_main.Context();
  ctx.findText = query.findText;
  ctx.findFlags = dialog->Flags();
  if (replace) ctx.replaceText = ToDocumentText(m_cbReplaceStr->currentText());
  return dialog;
}

void TPrjForm::JumpToMatch() {
  const GrepRow* row = OpenSelectedRow();
  if (row == nullptr) return;
  ScintillaSurface* surface = m_main.ActiveSurface();
  LoadFindDialog(false);
  // The find dialog's step from the match's offset: the occurrence there
  // (or the next one, should the file have changed since the search).
  const GrepQuery query = Query();
  const Offset at = surface->FindText(query.findText, static_cast<Offset>(row->byte), -1,
                                      FindFlags{query.matchCase, false});
  if (at < 0) {
    surface->SetSelStart(static_cast<Offset>(row->byte));
    surface->SetSelLength(0);
  } else {
    surface->SetSelStart(at);
    surface->SetSelLength(static_cast<Offset>(query.findText.size()));
  }
  // The editor's window comes to the front with the caret, so F3 goes on
  // from here at once.
  m_main.activateWindow();
  m_main.raise();
  surface->SetFocus();
  CentreCaretLine(*surface);
}

void TPrjForm::ReplaceBtnClick() {
  PushHistory(m_cbFindStr, m_findHistory);
  PushHistory(m_cbReplaceStr, m_replaceHistory);
  const GrepRow* row = OpenSelectedRow();
  if (row == nullptr) return;
  // To the start of the match's line, quietly: a file shortened since the
  // search leaves the caret where it is.
  EditingContext at;
  at.editor = m_main.ActiveSurface();
  GotoLine(at, row->line);
  m_main.RunCommand("EditReplace");
  // Loaded after it opens, which takes the (empty) selection as its find
  // text; then its find step selects the first match from the caret.
  if (FindReplaceDialog* dialog = LoadFindDialog(true)) dialog->FindNextButton()->click();
}

bool TPrjForm::ReplaceInFile(const QString& file, const GrepQuery& query, const std::string& replacement) {
  if (!QFileInfo(file).isFile() || !m_main.OpenDocument(file, false)) return false;
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (surface == nullptr) return false;
  const Replacement r = ReplaceAllInText(surface->GetText(), query, replacement);
  if (r.positions.empty()) return true;
  // From the last match back, so the earlier offsets stay valid; one undo
  // step takes the whole replacement back.
  surface->BeginUndoStep();
  for (auto it = r.positions.rbegin(); it != r.positions.rend(); ++it) {
    surface->SetSelStart(*it);
    surface->SetSelLength(static_cast<Offset>(query.findText.size()));
    surface->SetSelText(replacement);
  }
  surface->EndUndoStep();
  surface->SetSelStart(0);
  surface->SetSelLength(0);
  return true;
}

void TPrjForm::ReplaceAllBtnClick() {
  if (m_cbFindStr->currentText().isEmpty() || m_busy) return;
  const int range = FindRange();
  const Msg questions[] = {Msg::ProjectGrepReplaceAllInFile, Msg::ProjectGrepReplaceAllInProject,
                           Msg::ProjectGrepReplaceAllInFolder};
  const QString question = UiText(questions[range]).arg(m_cbFindStr->currentText(), m_cbReplaceStr->currentText());
  if (Ask(question, {}) != Reply::Yes) return;
  PushHistory(m_cbFindStr, m_findHistory);
  PushHistory(m_cbReplaceStr, m_replaceHistory);
  m_busy = true;
  m_stopRequested = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_rows.clear();
  m_lvGrep->clear();
  const GrepQuery query = Query();
  const std::string replacement = ToDocumentText(m_cbReplaceStr->currentText());
  if (range == 0) {
    ReplaceInFile(m_edCurFileName->text(), query, replacement);
  } else if (range == 1) {
    // Each file once, however many entries name it.
    for (const std::string& e : ExistingFilesOnce(m_project.entries)) {
      if (m_stopRequested) break;
      SetStatus(1, QString::fromStdString(e));
      ReplaceInFile(QString::fromStdString(e), query, replacement);
      QCoreApplication::processEvents();
    }
  } else {
    WalkRangeFolder([this, &query, &replacement](const std::string& path) {
      ReplaceInFile(QString::fromStdString(path), query, replacement);
    });
  }
  QApplication::restoreOverrideCursor();
  m_busy = false;
}

}  // namespace mw::gui
