// The main window's documents: opening, saving, renaming and closing them,
// the tab commands of the file menu and the tab popup, and the tab-change
// handling that keeps the current path, title and history in step.
#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QTabWidget>
#include <algorithm>

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "gui/app/document_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/window_settings.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/display_refresh.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/project_form.h"
#include "gui/project/site_checks.h"
#include "platform/app/native_path.h"
#include "core/text/lines.h"

namespace mw::gui {
namespace {

// The open dialog's filter as the settings keep it: description|patterns
// pairs, patterns separated by ';'.


// Keeps the override cursor for the length of a load.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

// "a (*.x; *.y)|*.x; *.y|b (*.*)|*.*" -> "a (*.x *.y);;b (*)".
QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const qsizetype paren = description.lastIndexOf(QLatin1Char('('));
    if (paren > 0) description = description.left(paren).trimmed();
    QStringList patterns;
    for (QString p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      p = p.trimmed();
      patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
    }
    out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

QString TMainForm::UntitledName() { return UiText(Msg::UntitledDocumentName); }

// The window's texts hold file names as they are: shown in Unicode, whole.
void TMainForm::ShowMessage(const QString& text, MessageKind kind) {
  m_promptsInUse->ShowMessageUtf8(text.toStdString(), kind);
}

Reply TMainForm::Ask(const QString& text, QuestionIcon icon, QuestionButtons buttons) {
  return m_promptsInUse->AskUtf8(text.toStdString(), buttons, icon);
}

QString TMainForm::ChooseFile(const FileChoice& choice) {
  PromptsInUse::Open open(*m_promptsInUse);
  if (m_chooser) return m_chooser(choice);
  QFileDialog dialog(this, choice.title, choice.folder, choice.filter);
  dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!choice.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(choice.defaultSuffix);
  if (!choice.proposed.isEmpty()) dialog.selectFile(choice.proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void TMainForm::InitEditor(ScintillaEditor& editor, ScintillaSurface& surface) {
  ConfigureEditor(surface, WindowEditorLook(*this));
  editor.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&editor, &QWidget::customContextMenuRequested, this,
          [this, view = &editor](const QPoint& at) { Popup("pmRichEdit")->popup(view->mapToGlobal(at)); });
  editor.viewport()->installEventFilter(this);
  editor.installEventFilter(this);
  // The current tag and the indent string follow the caret of the active
  // editor, and typing goes through the core's key handling.
  const auto selectionChanged = [this, view = &editor] {
    if (view == ActiveEditor()) EditorSelectionChanged();
  };
  connect(&editor, &QsciScintilla::selectionChanged, this, selectionChanged);
  connect(&editor, &QsciScintilla::cursorPositionChanged, this, selectionChanged);
  editor.SetKeyHandler([this, s = &surface](char key) { return EditorKeyPress(*s, key); });
  connect(&editor, &QsciScintilla::textChanged, this, &TMainForm::ScheduleIdle);
  connect(&editor, &QsciScintilla::modificationChanged, this, &TMainForm::ScheduleIdle);
  // The caret's display line moves while a big page is wrapped.
  connect(&editor, &ScintillaEditor::DisplayLinesChanged, this, &TMainForm::ScheduleIdle);
}

bool TMainForm::LoadInto(ScintillaSurface& surface, const QString& path) {
  std::string bytes;
  try {
    bytes = ReadFileBytes(platform::NativePathString(path));
  } catch (const FileError& e) {
    ShowMessage(QString::fromLocal8Bit(e.what()), MessageKind::Error);
    return false;
  }
  bytes = BytesToShow(std::move(bytes), m_kanjiAvailable && m_ctx.options.openToShiftJis);
  // A page longer than the limit is kept whole (the editor only reports
  // it): cutting it would lose the rest at the next save.
  surface.LoadOwned(std::move(bytes), m_ctx.options.autoTagFont && IsColoured(path));
  return true;
}

bool TMainForm::OpenDocument(const QString& given, bool askReopen) {
  const QString path = given.isEmpty() ? given : platform::AbsolutePath(given);
  if (!IsExistingFile(path)) {
    if (isVisible()) ShowMessage(UiText(Msg::FileNotFound).arg(given));
    return false;
  }
  ++m_quiet;
  bool ok = true;
  bool loaded = false;
  const int i = m_docs->IndexOfFile(path);
  if (i < 0) {
    BusyCursor busy;
    SetStatusText(5, UiText(Msg::FileOpening).arg(path));
    const QString previousName = m_currentFileName;
    ScintillaSurface* active = ActiveSurface();
    const bool reuse = active != nullptr && m_currentFileName == UntitledName() && !active->IsModified();
    if (!reuse) m_docs->AddDocument(path);
    SetCurrentFileName(path);
    if (LoadInto(*ActiveSurface(), path)) {
      loaded = true;
      m_fileHistory->SetCurrent(path);
      SetStatusText(5, UiText(Msg::FileOpened).arg(path));
      SetModified(false);
    } else {
      ok = false;
      if (!reuse) m_docs->RemoveDocument(m_docs->ActiveIndex());
      m_currentFileName = reuse ? previousName : m_docs->ActiveFileName();
    }
  } else {
    m_docs->Activate(i);
    m_currentFileName = m_docs->FileNameAt(i);
    // Another letter case of the name is taken over; a link to the file
    // leaves the document the name it was opened by.
    if (m_currentFileName.compare(path, Qt::CaseInsensitive) == 0) ChangeDocumentPath(m_currentFileName, path);
    if (askReopen &&
        Ask(UiText(Msg::ReopenQuestion).arg(path)) == Reply::Yes) {
      BusyCursor busy;
      if (LoadInto(*ActiveSurface(), path)) {
        loaded = true;
        SetModified(false);
      }
    }
  }
  --m_quiet;
  pcMainChange();
  // Said last, so the path the tab change shows does not hide it.
  if (loaded && ActiveSurface()->ExceedsTextLimit()) SetStatusText(5, UiText(Msg::FileOverLimit).arg(path));
  return ok;
}

void TMainForm::SetCurrentFileName(const QString& path) {
  if (IsExistingFile(path)) m_fileHistory->SetCurrent(path);
  m_currentFileName = path;
  setWindowTitle(Title());
}

void TMainForm::SetModified(bool modified) {
  ScintillaSurface* surface = ActiveSurface();
  if (surface == nullptr) return;
  if (surface->IsModified() != modified) surface->SetModifiedFlag(modified);
  SetStatusText(1, modified ? UiText(Msg::ModifiedPanel) : QString());
  m_docs->SetFileName(m_docs->IndexOfEditor(ActiveEditor()), m_currentFileName);
}

void TMainForm::ChangeDocumentPath(QString oldPath, QString newPath) {
  if (oldPath == newPath) return;
  const int i = m_docs->IndexOfFile(oldPath);
  if (i >= 0) {
    // Several tabs may carry the untitled name: the active one is meant.
    m_docs->SetFileName(oldPath == UntitledName() ? m_docs->ActiveIndex() : i, newPath);
  }
  if (m_currentFileName == oldPath) SetCurrentFileName(newPath);
  if (SiteChecks* checks = SiteChecks::Of(*this)) {
    if (TPrjForm* project = checks->ProjectIfOpen()) project->ReplaceEntry(oldPath, newPath);
  }
  m_fileHistory->Replace(oldPath, newPath);
  SetStatusText(5, m_currentFileName);
}

void TMainForm::pcMainChange() {
  DeleteTempFiles();
  m_currentFileName = m_docs->ActiveFileName();
  if (IsExistingFile(m_currentFileName)) m_fileHistory->SetCurrent(m_currentFileName);
  SetStatusText(5, m_currentFileName);
  setWindowTitle(Title());
  EditorSelectionChanged();
  emit ActiveDocumentChanged(m_currentFileName);
}

Reply TMainForm::SaveQuery() {
  m_saveSucceeded = true;
  m_writeFailed = false;
  ScintillaSurface* surface = ActiveSurface();
  if (surface == nullptr || !surface->IsModified()) return Reply::Yes;
  const Reply r = Ask(UiText(Msg::SaveQuestion).arg(m_currentFileName), QuestionIcon::Warning);
  if (r == Reply::Yes) {
    FileSaveClick();
    if (!m_saveSucceeded) return Reply::Cancel;
  }
  return r;
}

bool TMainForm::WriteDocument(const QString& path) {
  ScintillaSurface* surface = ActiveSurface();
  if (surface == nullptr) return false;
  std::string bytes;
  // Converted before writing, so the file on disk is either the old one or
  // the whole converted text; the editor keeps its Shift-JIS.
  try {
    bytes = BytesToSave(NormalizeLineEnds(surface->Text()),
                        m_kanjiAvailable ? m_ctx.options.saveConversion : SaveConversion::AsItIs);
  } catch (const ConversionError& e) {
    ShowMessage(QString::fromUtf8(e.what()), MessageKind::Error);
    m_writeFailed = true;
    return false;
  }
  try {
    WriteFileAtomic(platform::NativePathString(path), bytes);
  } catch (const FileError& e) {
    ShowMessage(QString::fromLocal8Bit(e.what()), MessageKind::Error);
    m_writeFailed = true;
    return false;
  }
  return true;
}

void TMainForm::FileSaveClick() {
  if (m_currentFileName.isEmpty() || m_currentFileName == UntitledName()) {
    FileSaveAsClick();
    return;
  }
  if (WriteDocument(m_currentFileName)) {
    SetModified(false);
  } else {
    m_saveSucceeded = false;
  }
  RefreshAfterSave();
}

void TMainForm::FileSaveAsClick() {
  FileChoice choice;
  choice.save = true;
  choice.title = UiText(Msg::SaveAsTitle);
  const QFileInfo current(m_currentFileName);
  choice.folder = current.isAbsolute() ? current.absolutePath() : QDir::currentPath();
  choice.proposed = m_currentFileName;
  const QString ext = current.suffix();
  if (!ext.isEmpty()) {
    choice.defaultSuffix = ext;
    choice.filter = QtFileFilter(UiText(Msg::SaveAsFilter).arg(ext));
  } else {
    choice.defaultSuffix = QStringLiteral("html");
    choice.filter = QtFileFilter(UiText(Msg::OpenFilter));
  }
  const QString chosen = ChooseFile(choice);
  if (chosen.isEmpty()) {
    m_saveSucceeded = false;
  } else {
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (m_docs->IndexOfFile(path) >= 0) {
      ShowMessage(UiText(Msg::SaveAsPathOpen).arg(path));
      m_saveSucceeded = false;
      return;
    }
    if (!WriteDocument(path)) {
      m_saveSucceeded = false;
      return;
    }
    ChangeDocumentPath(m_currentFileName, path);
    SetModified(false);
    m_fileHistory->SetCurrent(path);
    SetStatusText(5, path);
    emit DocumentSavedAs(path);
  }
  RefreshAfterSave();
}

// bUpdateAtSave: the saved document is shown anew; one still untitled (its
// save-as cancelled) was not saved and has nothing to show.
void TMainForm::RefreshAfterSave() {
  if (m_settings.Bool("bUpdateAtSave") && m_currentFileName != UntitledName()) RunCommand("UpdateRichEdit1");
}

void TMainForm::FileSaveAllClick() {
  ScintillaEditor* remembered = ActiveEditor();
  ++m_quiet;
  for (int i = 0; i < m_docs->Count(); ++i) {
    m_docs->Activate(i);
    m_currentFileName = m_docs->FileNameAt(i);
    if (m_docs->SurfaceAt(i)->IsModified()) FileSaveClick();
  }
  m_docs->Activate(m_docs->IndexOfEditor(remembered));
  m_currentFileName = m_docs->ActiveFileName();
  --m_quiet;
  setWindowTitle(Title());
}

void TMainForm::FileNewClick() {
  // iActionAtFileNew: 2 opens a template instead, 1 starts the document
  // skeleton dialog on the new page; while their parts are missing the new
  // page just stays empty.
  const int action = m_settings.Int("iActionAtFileNew");
  const CommandRow* templateOpen = FindCommand("TemplateOpen");
  if (action == 2 && templateOpen != nullptr && HasHandler(*templateOpen)) {
    RunCommand(*templateOpen);
    return;
  }
  ++m_quiet;
  m_docs->AddDocument(UntitledName());
  SetCurrentFileName(UntitledName());
  SetModified(false);
  ActiveEditor()->setFocus();
  --m_quiet;
  const CommandRow* skeleton = FindCommand("InitTagSet");
  if (action == 1 && skeleton != nullptr && HasHandler(*skeleton)) RunCommand(*skeleton);
  pcMainChange();
}

void TMainForm::FileOpenClick() {
  FileChoice choice;
  choice.title = UiText(Msg::OpenTitle);
  const QFileInfo current(m_currentFileName);
  choice.folder = current.isAbsolute() ? current.absolutePath() : QDir::currentPath();
  choice.filter = QtFileFilter(UiText(Msg::OpenFilter));
  const QString chosen = ChooseFile(choice);
  if (!chosen.isEmpty()) OpenDocument(chosen, true);
}

void TMainForm::FileCloseClick() {
  if (SaveQuery() == Reply::Cancel) return;
  ++m_quiet;
  const int i = m_docs->ActiveIndex();
  m_docs->RemoveDocument(i);
  if (m_docs->Count() > 0) {
    m_docs->Activate(std::min(i, m_docs->Count() - 1));
    m_currentFileName = m_docs->ActiveFileName();
  } else {
    m_docs->AddDocument(UntitledName());
    SetCurrentFileName(UntitledName());
  }
  if (IsExistingFile(m_currentFileName)) m_fileHistory->Add(m_currentFileName);
  --m_quiet;
  pcMainChange();
}

void TMainForm::FileCloseAllClick() {
  if (!CloseQuery()) return;
  ++m_quiet;
  for (int i = m_docs->Count() - 1; i >= 0; --i) {
    if (IsExistingFile(m_docs->FileNameAt(i))) m_fileHistory->Add(m_docs->FileNameAt(i));
    m_docs->RemoveDocument(i);
  }
  m_docs->AddDocument(UntitledName());
  SetCurrentFileName(UntitledName());
  --m_quiet;
  pcMainChange();
}

void TMainForm::FileCloseOthersClick() {
  ScintillaSurface* keep = ActiveSurface();
  if (keep == nullptr) return;
  // The kept document is not asked about.
  const bool modified = keep->IsModified();
  keep->SetModifiedFlag(false);
  if (!CloseQuery()) {
    keep->SetModifiedFlag(modified);
    return;
  }
  ++m_quiet;
  m_docs->MoveToLeftEnd(m_docs->ActiveIndex());
  m_docs->Activate(0);
  for (int i = m_docs->Count() - 1; i >= 1; --i) m_docs->RemoveDocument(i);
  --m_quiet;
  pcMainChange();
  keep->SetModifiedFlag(modified);
  SetModified(modified);
}

void TMainForm::FileDuplicateClick() {
  ScintillaSurface* source = ActiveSurface();
  if (source == nullptr) return;
  const std::string text = source->Text();
  // The clipboard keeps the whole text afterwards, as a copy would leave it.
  m_clipboard->SetText(text);
  ++m_quiet;
  m_docs->AddDocument(UntitledName());
  SetCurrentFileName(UntitledName());
  ScintillaSurface* copy = ActiveSurface();
  copy->Load(text, m_ctx.options.autoTagFont);
  copy->SetSelection(0, 0);
  SetModified(!text.empty());
  --m_quiet;
  pcMainChange();
}

void TMainForm::FilePrintClick() {
  ScintillaEditor* editor = ActiveEditor();
  if (editor == nullptr) return;
  QsciPrinter printer;
  printer.setDocName(m_currentFileName);
  const bool go = m_printerChooser ? m_printerChooser(printer) : [&] {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  }();
  if (go) printer.printRange(editor);
}

void TMainForm::MoveToFile(int step) {
  const int count = m_docs->Count();
  if (count == 0) return;
  ++m_quiet;
  m_docs->Activate(((m_docs->ActiveIndex() + step) % count + count) % count);
  --m_quiet;
  pcMainChange();
}

void TMainForm::ShiftPage(std::string_view how) {
  const int i = m_docs->ActiveIndex();
  ++m_quiet;
  if (how == "right") m_docs->MoveRight(i);
  else if (how == "left") m_docs->MoveLeft(i);
  else if (how == "rightEdge") m_docs->MoveToRightEnd(i);
  else if (how == "leftEdge") m_docs->MoveToLeftEnd(i);
  --m_quiet;
}

void TMainForm::ReOpenClick() { OpenDocument(m_currentFileName, true); }

void TMainForm::ReturnToPrevFileClick() {
  const QStringList entries = m_fileHistory->Entries();
  if (!entries.isEmpty()) OpenDocument(entries.front(), false);
}

void TMainForm::RegisterDocumentCommands() {
  const auto method = [this](void (TMainForm::*m)()) { return [this, m](const CommandRow&) { (this->*m)(); }; };
  Handle("FileNewClick", method(&TMainForm::FileNewClick));
  Handle("FileOpenClick", method(&TMainForm::FileOpenClick));
  Handle("FileSaveClick", method(&TMainForm::FileSaveClick));
  Handle("FileSaveAsClick", method(&TMainForm::FileSaveAsClick));
  Handle("FileSaveAllClick", method(&TMainForm::FileSaveAllClick));
  Handle("FileCloseClick", method(&TMainForm::FileCloseClick));
  Handle("FileCloseAllClick", method(&TMainForm::FileCloseAllClick));
  Handle("FileCloseOthersClick", method(&TMainForm::FileCloseOthersClick));
  Handle("FileDuplicateClick", method(&TMainForm::FileDuplicateClick));
  Handle("FilePrintClick", method(&TMainForm::FilePrintClick));
  Handle("ReOpen1Click", method(&TMainForm::ReOpenClick));
  Handle("ReturnToPrevFileClick", method(&TMainForm::ReturnToPrevFileClick));
  Handle("MoveToNextFileClick", [this](const CommandRow&) { MoveToFile(1); });
  Handle("MoveToPrevFileClick", [this](const CommandRow&) { MoveToFile(-1); });
  Handle("PageShiftToRightClick", [this](const CommandRow&) { ShiftPage("right"); });
  Handle("PageShiftToLeftClick", [this](const CommandRow&) { ShiftPage("left"); });
  Handle("PageShiftToRightEdgeClick", [this](const CommandRow&) { ShiftPage("rightEdge"); });
  Handle("PageShiftToLeftEdgeClick", [this](const CommandRow&) { ShiftPage("leftEdge"); });
  Handle("mToShiftJISClick", [this](const CommandRow&) { ConvertEditorText("s"); });
  Handle("mToJISClick", [this](const CommandRow&) { ConvertEditorText("j"); });
  Handle("mToEUCClick", [this](const CommandRow&) { ConvertEditorText("e"); });
}

}  // namespace mw::gui
