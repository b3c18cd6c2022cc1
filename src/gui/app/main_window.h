// The main window: menus, the main toolbar, the tag toolbar of thirteen
// pages, the popups and the document tabs, all built from the command
// table. Each action runs its row: the one-line handler an area of the
// window registered for it, else the engine command of its handler name on
// the active document, else nothing yet (disabled) while its owner is
// still to come.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/settings.h"
#include "core/editing/editing_context.h"
#include "gui/app/command_actions.h"
#include "gui/app/command_table.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QTimer;
class QToolBar;
class QsciScintilla;

namespace mw {
class ScintillaEditor;
class ScintillaSurface;
}

namespace mw::gui {

class FindReplaceDialogs;
class QtClipboard;
class QtDialogHost;
class QtPrompts;
class PromptsInUse;
class TFileHistory;
class TTabAndRichEdit;

// The file dialogs the window shows, for a hook that answers them.
struct FileChoice {
  bool save = false;   // a save dialog (with overwrite confirmation)
  QString title;       // "ファイルを開く", "名前をつけて保存"
  QString folder;      // where the dialog starts
  QString proposed;    // the proposed file (save)
  QString filter;      // Qt filter text
  QString defaultSuffix;
};

// The open filter as settings keep it ("desc|*.a; *.b|...") in Qt's
// filter syntax ("desc (*.a *.b);;...").
QString QtFileFilter(const QString& filter);

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  // dataFolder holds the settings and lists; empty reads and writes no
  // data files (tests).
  explicit TMainForm(std::string dataFolder = {}, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The name of every document never saved.
  static QString UntitledName();

  // Opens a file into a tab (a new one, or the active untitled one that is
  // not modified) or activates the tab that holds it already; askReopen
  // then asks whether to load it again. False when the file is missing or
  // cannot be read.
  bool OpenDocument(const QString& path, bool askReopen = false);
  // For the active document: Yes (saved or not modified), No, or Cancel.
  Reply SaveQuery();
  void SetCurrentFileName(const QString& path);
  void SetModified(bool modified);
  // Taken by value: callers pass CurrentFileName, which this changes.
  void ChangeDocumentPath(QString oldPath, QString newPath);
  // The tab-change handling: temporary files go, the active document's
  // path becomes current, title and status follow.
  void pcMainChange();
  // Opens every file below folder whose extension is coloured.
  void OpenFolderFiles(const QString& folder);
  // The first-show steps: the given paths that exist, else what
  // iInitialState asks for; an untitled document when none is open.
  void StartUp(const QStringList& paths);
  // A path handed over by another instance: opened when it exists (an open
  // one only activated), and the window comes to the front.
  void ReceivePath(const QString& path);
  // Dropped files and folders, as DropThenOpen / DropThenInsert say.
  void DropPaths(const QStringList& paths);
  // Enables commands by what their `needs` column asks (selection,
  // clipboard text, undo, the repeat-tag pair, the kanji converter ...)
  // and refreshes the status bar; runs whenever the window falls idle.
  void IdleUpdate();
  // What the window offers commands now, as the `needs` flags it meets.
  Needs NeedsMet() const;

  QString CurrentFileName() const { return m_currentFileName; }
  ScintillaEditor* ActiveEditor() const;
  ScintillaSurface* ActiveSurface() const;
  TTabAndRichEdit& DocumentSet() { return *m_docs; }
  TFileHistory& FileHistory() { return *m_fileHistory; }
  const std::vector<std::string>& ColouredExtensions() const { return m_colouredExtensions; }
  // Status bar panel 0-5.
  QString StatusText(int panel) const;
  void SetStatusText(int panel, const QString& text);

  // Temporary working copies, deleted at every tab change and at exit.
  void RegisterTempFile(const QString& path);
  void DeleteTempFiles();
  const QStringList& TempFiles() const { return m_tempFiles; }

  // Answers the file dialogs (tests); an empty result is a cancel. Null
  // restores the system dialogs.
  void SetFileChooser(std::function<QString(const FileChoice&)> chooser) { m_chooser = std::move(chooser); }
  // Answers the print dialog: true with the printer set up to print.
  void SetPrinterChooser(std::function<bool(QPrinter&)> chooser) { m_printerChooser = std::move(chooser); }

  // The action of a command row (shared by every menu, popup and button).
  QAction* Action(std::string_view id) const;
  // The popup menus by component name (pmRichEdit, pmMain1 ...).
  QMenu* Popup(std::string_view name) const;
  // Menus filled at run time by their owners (FileHistory, RegisteredTags,
  // FavoriteFolders), by the name the layout gives them.
  QMenu* RuntimeMenu(std::string_view name) const;
  // The window's actions, menus and handlers.
  CommandActions& Commands() { return *m_commands; }

  QTabWidget* Documents() const { return m_pcMain; }
  QTabWidget* TagPageControl() const { return m_toolPages; }
  QToolBar* MainToolBar() const { return m_tbMain; }
  QToolBar* TagToolBar() const { return m_tagBar; }
  QsciScintilla* ActiveView() const;
  EditingContext& Context() { return m_ctx; }
  const EditingContext& Context() const { return m_ctx; }
  const std::string& DataFolder() const { return m_dataFolder; }
  // The stored FORM values that no widget or option mirrors.
  FormSettings& Settings() { return m_settings; }
  const FormSettings& Settings() const { return m_settings; }
  // Where commands' messages and questions go (message boxes by default;
  // tests answer from a script). Null restores the message boxes.
  void SetPrompts(UserPrompts* prompts);

  // Page components (PageSetSheet ...) in their current order.
  std::vector<std::string> TagPageOrder() const;
  // "right", "left", "rightEdge", "leftEdge" or "default".
  void ShiftTagPage(std::string_view how);

  // For the panels that follow the active document (file list, link list,
  // project window).
 signals:
  // After every tab change handling, with CurrentFileName.
  void ActiveDocumentChanged(const QString& path);
  // A document was saved under a new name (the file list shows its folder).
  void DocumentSavedAs(const QString& path);
  // The temporary files were deleted (the file list shows them no more).
  void TempFilesDeleted();

 public:
  // Runs a command row as its menu item would, then the selection-change
  // handling, the check marks and the status bar follow.
  void RunCommand(const CommandRow& row);
  // Runs the row of this id (nothing when there is none).
  void RunCommand(std::string_view id);
  // Whether a row has a handler here yet.
  bool HasHandler(const CommandRow& row) const;
  // The window's own handler for the rows with this handler name (areas
  // register theirs: dialogs, display refresh, site checks); see
  // CommandActions::Handle.
  void Handle(std::string_view handler, std::function<void(const CommandRow&)> run);
  // The engine command of the row's handler name on the active document.
  void RunEditing(const CommandRow& row);
  // The core's selection-change handling for the active editor: the
  // current tag and the indent string. Runs after every selection change
  // and every command.
  void EditorSelectionChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The caret's display line changes with the width (wrapping).
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;
  // File drops on a document go to the window, not into the text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Document commands.
  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void FileSaveAllClick();
  void RefreshAfterSave();
  void FileCloseClick();
  void FileCloseAllClick();
  void FileCloseOthersClick();
  void FileDuplicateClick();
  void FilePrintClick();
  void ReOpenClick();
  void ReturnToPrevFileClick();
  void MoveToFile(int step);
  void ShiftPage(std::string_view how);
  // The window's own commands, each area's rows with one-line handlers.
  void RegisterLayoutCommands();
  void RegisterDocumentCommands();
  // Writes the active document to path (converted on saving when asked);
  // false after showing the error.
  bool WriteDocument(const QString& path);
  bool LoadInto(ScintillaSurface& surface, const QString& path);
  void InitEditor(ScintillaEditor& editor, ScintillaSurface& surface);
  // The close query: settings saved, every modified document asked about.
  bool CloseQuery();
  void CloseSteps();
  void ConvertEditorText(std::string_view option);
  void SyncKanjiPanels();
  QString ChooseFile(const FileChoice& choice);
  void ShowMessage(const QString& text, MessageKind kind = MessageKind::Information);
  Reply Ask(const QString& text, QuestionIcon icon = QuestionIcon::Question,
            QuestionButtons buttons = QuestionButtons::YesNoCancel);
  // Whether a question, message or dialog is open: the document under it
  // must not change.
  bool PromptOpen() const;
  // Opens the paths handed over while a prompt was open, once none is.
  void OpenHandedPaths();
  // iInitialState 2: the last project, its files open.
  void OpenLastProject();
  void ScheduleIdle();
  // The dialogs and services other layers bring (find and replace, the tag
  // dialog views, the dialogs' lists and hooks).
  void WireParts();
  bool IsColoured(const QString& path) const;
  // Typing in the active editor goes through the core's key handling.
  bool EditorKeyPress(ScintillaSurface& surface, char key);

  void BuildMainToolbar();
  void BuildTagPages();
  void BuildStatusBar();
  // The check marks from the options and settings they mirror.
  void SyncOptionChecks();
  // A click on an option item: the option changes, its mark follows.
  void ClickOption(const CommandRow& row);
  // The bands, the flat buttons and the two layouts of the view menu; the
  // settings hold the choice.
  void SetBandsVisible(bool speedBar, bool tagBar);
  void SetFlatButtons(bool flat);
  void SetSimplestForm(bool full);
  QString Title() const;

  std::string m_dataFolder;
  FormSettings m_settings;
  EditingContext m_ctx;
  std::unique_ptr<QtClipboard> m_clipboard;
  std::unique_ptr<QtPrompts> m_prompts;
  std::unique_ptr<PromptsInUse> m_promptsInUse;  // m_ctx.prompts: counts what is open
  QStringList m_handedPaths;                     // arrived while a prompt was open
  QTimer* m_handOffTimer = nullptr;
  CommandActions* m_commands = nullptr;  // a child of the window
  std::map<std::string, QMenu*, std::less<>> m_popups;
  std::unique_ptr<TTabAndRichEdit> m_docs;
  std::unique_ptr<TFileHistory> m_fileHistory;
  std::unique_ptr<QtDialogHost> m_dialogHost;
  FindReplaceDialogs* m_findDialogs = nullptr;
  std::function<QString(const FileChoice&)> m_chooser;
  std::function<bool(QPrinter&)> m_printerChooser;
  QString m_currentFileName;
  QStringList m_tempFiles;
  std::vector<std::string> m_colouredExtensions;
  bool m_saveSucceeded = true;
  bool m_writeFailed = false;  // the last SaveQuery's save hit a write error
  bool m_kanjiAvailable = false;
  bool m_closed = false;
  bool m_selectionPending = false;  // a selection change waits for the idle
  bool m_clipboardHasText = false;  // followed from the clipboard's changes
  int m_quiet = 0;  // tab changes made by the window itself, not the user
  QTimer* m_idleTimer = nullptr;
  QTabWidget* m_pcMain = nullptr;
  QTabWidget* m_toolPages = nullptr;
  QToolBar* m_tbMain = nullptr;
  QToolBar* m_tagBar = nullptr;
  std::vector<QLabel*> m_statusPanels;
  QString m_statusMessage;     // panel 5's message, under a hint
  bool m_showingHint = false;  // panel 5 shows the hint under the mouse
};

}  // namespace mw::gui
