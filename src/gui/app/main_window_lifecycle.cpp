// The main window's life around its documents: the first show, paths from
// another instance and from drops, the idle refresh of command states and
// status bar, kanji code conversion, and the close query and close steps.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/file_history.h"
#include "core/project/project_file.h"
#include "core/project/relative_path.h"
#include "core/app/tools/kanji_converter.h"
#include "core/display/html_to_rtf.h"
#include "core/editing/insertion.h"
#include "core/editing/typing.h"
#include "gui/app/document_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/window_settings.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/project_form.h"
#include "gui/project/site_checks.h"
#include "platform/app/native_path.h"

namespace mw::gui {
namespace {

// The project window's history of projects, most recent first.
constexpr std::string_view kProjectHistoryFileName = "PrjFileHistry.txt";


// The local files and folders of a drag from the file manager.
QStringList LocalPaths(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths << url.toLocalFile();
  return paths;
}

}  // namespace

// ---- status bar ---------------------------------------------------------

QString TMainForm::StatusText(int panel) const {
  return panel >= 0 && panel < static_cast<int>(m_statusPanels.size()) ? m_statusPanels[panel]->text() : QString();
}

void TMainForm::SetStatusText(int panel, const QString& text) {
  if (panel < 0 || panel >= static_cast<int>(m_statusPanels.size())) return;
  if (panel == 5) m_statusMessage = text;
  if (panel == 5 && m_showingHint) return;  // shown when the hint goes
  if (m_statusPanels[panel]->text() != text) m_statusPanels[panel]->setText(text);
}

bool TMainForm::event(QEvent* e) {
  // The hint of the control under the mouse shows in the last panel while
  // the mouse is there; then the panel's message comes back.
  if (e->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(e)->tip();
    m_showingHint = !tip.isEmpty();
    if (!m_statusPanels.empty()) m_statusPanels[5]->setText(m_showingHint ? tip : m_statusMessage);
    return true;
  }
  // Coming back to the window, typing goes on in the document.
  if (e->type() == QEvent::WindowActivate) {
    if (ScintillaEditor* editor = ActiveEditor()) editor->setFocus();
    ScheduleIdle();
  }
  return QMainWindow::event(e);
}

// ---- idle refresh -------------------------------------------------------

void TMainForm::ScheduleIdle() {
  if (m_idleTimer != nullptr && !m_idleTimer->isActive()) m_idleTimer->start();
}

Needs TMainForm::NeedsMet() const {
  ScintillaSurface* surface = ActiveSurface();
  Needs met = kNeedsNothing;
  if (surface != nullptr) {
    if (surface->GetSelLength() > 0) met |= kNeedsSelection;
    if (m_clipboardHasText) met |= kNeedsClipboardText;
    if (surface->CanUndo()) met |= kNeedsUndo;
    if (!m_ctx.repeatTag.start.empty() || !m_ctx.repeatTag.end.empty()) met |= kNeedsRepeatTag;
    if ((m_commands->NeedsUsed() & kNeedsSavedFile) != 0 && IsExistingFile(m_currentFileName)) met |= kNeedsSavedFile;
  }
  if (m_kanjiAvailable) met |= kNeedsKanji;
  if (SiteChecks* site = SiteChecks::Of(const_cast<TMainForm&>(*this)); site != nullptr && site->ProjectIfOpen())
    met |= kNeedsProject;
  return met;
}

void TMainForm::IdleUpdate() {
  if (m_selectionPending) EditorSelectionChanged();
  if (ScintillaSurface* surface = ActiveSurface()) {
    SetModified(surface->IsModified());
    // Caret position: the line of the caret counts display lines; the
    // column counts bytes from that line's start.
    const Offset s = surface->GetSelStart();
    const Offset n = surface->GetSelLength();
    const Offset line = surface->LineFromChar(surface->SelActive());
    const Offset b = surface->LineIndex(line);
    Offset column = s - b + 1;
    if (s - b < 0) column += n;
    SetStatusText(0, UiText(Msg::CaretPanel)
                         .arg(QString::number(line + 1), QString::number(column), QString::number(surface->TextLength())));
    SetStatusText(2, UiText(surface->InsertMode() ? Msg::InsertPanel : Msg::OverwritePanel));
  }
  m_commands->UpdateEnabled(NeedsMet());
}

// ---- the engine's typing and caret hooks ---------------------------------

void TMainForm::EditorSelectionChanged() {
  ScheduleIdle();
  ScintillaSurface* surface = ActiveSurface();
  if (surface == nullptr) return;
  // While something works on the document (a command, a dialog's button,
  // a drop), its many selection changes wait: the handling runs once after
  // it, at the end of the command or at the next idle.
  if (m_ctx.editor != nullptr) {
    m_selectionPending = true;
    return;
  }
  m_selectionPending = false;
  m_ctx.editor = surface;
  SelectionChanged(m_ctx);
  m_ctx.editor = nullptr;
  // What the selection enables is there before the next command can come.
  m_commands->UpdateEnabled(NeedsMet());
}

bool TMainForm::EditorKeyPress(ScintillaSurface& surface, char key) {
  if (m_ctx.editor != nullptr) return false;
  m_ctx.editor = &surface;
  const bool consumed = KeyPress(m_ctx, key, IsColoured(m_currentFileName));
  m_ctx.editor = nullptr;
  // What the key put in moved the caret: the current tag and the indent of
  // the new line follow.
  if (consumed) EditorSelectionChanged();
  return consumed;
}

// ---- temporary files ----------------------------------------------------

void TMainForm::RegisterTempFile(const QString& path) {
  if (!m_tempFiles.contains(path, Qt::CaseInsensitive)) m_tempFiles << path;
}

void TMainForm::DeleteTempFiles() {
  if (m_tempFiles.isEmpty()) return;
  for (const QString& path : m_tempFiles)
    if (QFileInfo(path).isFile()) QFile::remove(path);
  m_tempFiles.clear();
  emit TempFilesDeleted();
}

// ---- start-up and paths from outside ------------------------------------

void TMainForm::StartUp(const QStringList& paths) {
  if (paths.isEmpty()) {
    if (m_settings.Int("iInitialState") == 1 && !m_dataFolder.empty()) {
      std::vector<std::string> list;
      try {
        list = ReadPathList(DataFilePath(m_dataFolder, kOpenFileListName));
      } catch (const FileError&) {
      }
      for (const auto& p : list) {
        RemoveStaleTemporaries(p);  // copies a killed save left beside it
        const QString path = platform::PathFromNative(p);
        if (IsExistingFile(path)) OpenDocument(path, true);
      }
      const int i = m_docs->IndexOfFile(QString::fromStdString(m_settings.Text("asCurFileName")));
      if (i >= 0) {
        ++m_quiet;
        m_docs->Activate(i);
        --m_quiet;
      }
      if (m_docs->Count() > 0) pcMainChange();
    }
    if (m_settings.Int("iInitialState") == 2 && !m_dataFolder.empty()) OpenLastProject();
  } else {
    for (const QString& given : paths) {
      const QString path = platform::AbsolutePath(given);
      if (IsExistingFile(path)) OpenDocument(path, true);
    }
  }
  if (m_docs->Count() == 0) {
    ++m_quiet;
    m_docs->AddDocument(UntitledName());
    SetCurrentFileName(UntitledName());
    SetModified(false);
    --m_quiet;
    pcMainChange();
  }
}

bool TMainForm::PromptOpen() const {
  return m_promptsInUse->IsOpen() || QApplication::activeModalWidget() != nullptr;
}

// The project window opens the project it had at the last exit; the first
// project of the project history, read before that window adds to it,
// then opens quietly and its files replace the open documents.
void TMainForm::OpenLastProject() {
  SiteChecks* site = SiteChecks::Of(*this);
  if (site == nullptr) return;
  std::vector<std::string> history;
  try {
    history = ReadPathList(DataFilePath(m_dataFolder, kProjectHistoryFileName));
  } catch (const FileError&) {
  }
  TPrjForm& project = site->Project();
  if (!history.empty() && project.OpenProjectFile(QString::fromStdString(history.front()), true))
    project.ReplaceAllFileClick();
  project.show();
  project.raise();
}

void TMainForm::ReceivePath(const QString& given) {
  const QString path = platform::AbsolutePath(given);
  if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
  raise();
  activateWindow();
  // Under an open question the active document is the one it asks about
  // (the save question saves it): the path waits until it is answered.
  if (PromptOpen() || !m_handedPaths.isEmpty()) {
    m_handedPaths << path;
    if (!m_promptsInUse->IsOpen()) m_handOffTimer->start(100);
    return;
  }
  if (IsExistingFile(path)) OpenDocument(path, false);
}

void TMainForm::OpenHandedPaths() {
  while (!m_handedPaths.isEmpty() && !m_closed) {
    if (PromptOpen()) {
      // A box of ours says when it closes; a system dialog is looked at again.
      if (!m_promptsInUse->IsOpen()) m_handOffTimer->start(100);
      return;
    }
    const QString path = m_handedPaths.takeFirst();
    if (IsExistingFile(path)) OpenDocument(path, false);
  }
  m_handedPaths.clear();
}

void TMainForm::OpenFolderFiles(const QString& folder) {
  WalkFolder(folder.toStdString(), m_colouredExtensions, true,
             [this](const std::string& path) { OpenDocument(QString::fromStdString(path), false); });
}

bool TMainForm::IsColoured(const QString& path) const {
  return HasColouredExtension(path.toStdString(), m_colouredExtensions);
}

void TMainForm::DropPaths(const QStringList& paths) {
  if (paths.isEmpty()) return;
  if (m_ctx.options.dropInsertsPath) {
    ScintillaSurface* surface = ActiveSurface();
    if (surface != nullptr) {
      m_ctx.editor = surface;
      m_ctx.fileName = m_currentFileName.toStdString();
      for (const QString& path : paths) {
        if (QFileInfo(path).isDir()) continue;
        const std::string relative = MakeRelativePath(path.toStdString(), m_currentFileName.toStdString());
        InsertPlain(m_ctx, ToDocumentText(QString::fromStdString(relative)));
      }
      m_ctx.editor = nullptr;
    }
  } else if (Ask(UiText(Msg::DropOpenQuestion), QuestionIcon::Warning) == Reply::Yes) {
    for (const QString& path : paths) {
      if (QFileInfo(path).isDir()) {
        OpenFolderFiles(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
      } else {
        OpenDocument(path, true);
      }
    }
  }
  if (ScintillaEditor* editor = ActiveEditor()) editor->setFocus();
  ScheduleIdle();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalPaths(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  DropPaths(paths);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ScheduleIdle();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type t = event->type();
  // A key that changes no text nor caret (Insert) still changes a panel;
  // so does a new width of the editor, which wraps its lines anew.
  if (t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::Resize) ScheduleIdle();
  if (t == QEvent::DragEnter || t == QEvent::DragMove || t == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (!LocalPaths(drop->mimeData()).isEmpty()) {
      drop->acceptProposedAction();
      if (t == QEvent::Drop) DropPaths(LocalPaths(drop->mimeData()));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- kanji codes --------------------------------------------------------

void TMainForm::SyncKanjiPanels() {
  const EditingOptions& o = m_ctx.options;
  SetStatusText(3, o.openToShiftJis ? UiText(Msg::OpenToShiftJisPanel) : QString());
  QString save;
  if (m_kanjiAvailable) {
    if (o.saveConversion == SaveConversion::Euc) save = UiText(Msg::SaveToEucPanel);
    else if (o.saveConversion == SaveConversion::Jis) save = UiText(Msg::SaveToJisPanel);
  }
  SetStatusText(4, save);
}

void TMainForm::ConvertEditorText(std::string_view option) {
  ScintillaSurface* surface = ActiveSurface();
  if (surface == nullptr) return;
  std::string converted;
  try {
    converted = ConvertKanjiCode(surface->Text(), option);
  } catch (const ConversionError& e) {
    ShowMessage(QString::fromUtf8(e.what()), MessageKind::Error);
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  SetStatusText(5, UiText(Msg::ConvertingText).arg(m_currentFileName));
  // One undo step: the new text and its colours.
  surface->BeginUpdate();
  surface->BeginUndoStep();
  surface->SetText(converted);
  if (m_ctx.options.autoTagFont && IsColoured(m_currentFileName)) {
    for (const ColourRun& run : ColourHtml(converted))
      surface->SetRangeFormat(static_cast<Offset>(run.start), static_cast<Offset>(run.length), m_ctx.Font(run.cls));
  }
  surface->SetSelection(0, 0);
  surface->EndUndoStep();
  surface->EndUpdate();
  SetModified(true);
  // The tab-change handling: the link list shows the converted links.
  pcMainChange();
  QGuiApplication::restoreOverrideCursor();
  SetStatusText(5, QString());
}

// ---- closing ------------------------------------------------------------

bool TMainForm::CloseQuery() {
  m_settings.SetText("asCurFileName", m_currentFileName.toStdString());
  std::string error;
  if (!SaveWindowSettings(*this, m_dataFolder, &error))
    ShowMessage(QString::fromLocal8Bit(error.c_str()), MessageKind::Error);
  ScintillaEditor* remembered = ActiveEditor();
  bool allowed = true;
  ++m_quiet;
  for (int i = 0; i < m_docs->Count(); ++i) {
    m_docs->Activate(i);
    m_currentFileName = m_docs->FileNameAt(i);
    if (SaveQuery() == Reply::Cancel) {
      allowed = false;
      // A save that failed has said why; the other documents are still
      // asked about. The user's Cancel ends the question.
      if (!m_writeFailed) break;
    }
  }
  m_docs->Activate(m_docs->IndexOfEditor(remembered));
  m_currentFileName = m_docs->ActiveFileName();
  --m_quiet;
  setWindowTitle(Title());
  return allowed;
}

void TMainForm::CloseSteps() {
  m_fileHistory->Close(m_ctx.prompts);
  DeleteTempFiles();
  try {
    m_docs->WriteList();
  } catch (const FileError& e) {
    ShowMessage(QString::fromLocal8Bit(e.what()), MessageKind::Error);
  }
  m_closed = true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (m_closed) {
    event->accept();
    return;
  }
  if (!CloseQuery()) {
    event->ignore();
    return;
  }
  CloseSteps();
  event->accept();
}

}  // namespace mw::gui
