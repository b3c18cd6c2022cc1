// The project window: the project's file list, the project file, the
// cross-file link pages and the simple grep. Non-modal, beside the main
// window; it works on files on disk, not on the editors' unsaved text.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/editing/user_prompts.h"
#include "gui/app/main_window.h"
#include "core/project/cross_check.h"
#include "core/project/grep.h"
#include "core/project/project_file.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QSplitter;

namespace mw::gui {

class CommandActions;
class FindReplaceDialog;
class TFileHistory;

class TPrjForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TPrjForm(TMainForm& main);
  ~TPrjForm() override;

  // --- The project and its file -------------------------------------------
  void FileNewProjectClick();
  // The open dialog, then OpenProjectFile; a file that is not there says so.
  void FileOpenProjectClick();
  // False when the file does not exist or the user kept the project that
  // is open (Cancel at the save question). quiet skips the question about
  // replacing the open documents.
  bool OpenProjectFile(const QString& path, bool quiet);
  void FileSaveProjectClick();
  void FileSaveAsProjectClick();
  // Yes, No or Cancel before the project is dropped (new, open, close).
  Reply AskSaveProject();

  // --- The file list ----------------------------------------------------------
  void FileAddToProjectClick();
  bool AddProjectFile(const QString& path);
  void AddProjectFolder(const QString& folder);
  void FileDeleteFromProjectClick();
  void FileSortClick();
  void AllFileAddToProjectClick();
  // Opens the selected entry in the editor.
  void FileOpenClick();
  void MoveEntry(int from, int to);
  // A project file that got a new path (saved under another name, renamed):
  // its entry follows and the project becomes modified. False when the
  // list does not hold oldPath.
  bool ReplaceEntry(const QString& oldPath, const QString& newPath);
  // Converts every project file in place to a kanji code ("s", "j", "e").
  void ConvertAllFiles(const std::string& option);
  // Closes every document and opens the project's files instead.
  void ReplaceAllFileClick();

  // --- The link page ----------------------------------------------------------
  void UpdateLocalLinkTreeViewClick();
  void UpdateRelMarkerTreeViewClick();
  // The active document's path (empty when it is not on disk).
  void SetCurrentFileName(const QString& path);
  void JumpToTextClick();
  void SendLinkToEditorClick();
  // The marker index the main window's link list asks.
  const MarkerIndex& Markers() const { return m_markerIndex; }

  // --- The search page --------------------------------------------------------
  void FindBtnClick();
  void JumpToMatch();
  void ReplaceBtnClick();
  void ReplaceAllBtnClick();
  void StopClick() { m_stopRequested = true; }

  // --- For the main window and tests -----------------------------------------
  const Project& CurrentProject() const { return m_project; }
  const ProjectLinkTrees& Trees() const { return m_trees; }
  const std::vector<GrepRow>& GrepRows() const { return m_rows; }
  QListWidget* FileList() const { return m_fileList; }
  QTreeWidget* Tree(int page) const;  // 0 NAME, 1 HREF, 2 url(), 3 SRC
  QTreeWidget* RelMarkerTree() const { return m_tvRelMarker; }
  QTreeWidget* GrepList() const { return m_lvGrep; }
  QTabWidget* Pages() const { return m_pages; }
  QTabWidget* LinkPages() const { return m_pcLinkTreeView; }
  QProgressBar* Progress() const { return m_progress; }
  QComboBox* FindBox() const { return m_cbFindStr; }
  QComboBox* ReplaceBox() const { return m_cbReplaceStr; }
  QLineEdit* DirBox() const { return m_edCurDirName; }
  QCheckBox* MatchCaseBox() const { return m_ckUpperLower; }
  QCheckBox* SubFolderBox() const { return m_ckSubDirectory; }
  void SetFindRange(int range);
  int FindRange() const;
  QString StatusText(int panel) const;
  // The recent project files, newest first.
  QStringList History() const;
  // Answers the open and save dialogs (tests); an empty answer cancels.
  // Add-files answers may hold several paths separated by '\n'.
  void SetFileChooser(std::function<QString(const FileChoice&)> chooser) { m_chooser = std::move(chooser); }
  // Called with each percentage while the link update runs (tests).
  void SetProgressObserver(std::function<void(int)> observer) { m_progressObserver = std::move(observer); }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  // The window's rows with their one-line handlers, then the menus and
  // the toolbar built from its layouts.
  void RegisterCommands();
  void BuildMenus();
  // The pop-up menus of the list, the trees and the result list.
  void BuildPopups();
  // Section "PrjFORM" of the settings file: the window's bounds, its two
  // panel heights and the project open at the last close.
  void LoadFormSettings();
  void SaveFormSettings();
  QWidget* BuildFilePanel();
  QWidget* BuildLinkPage();
  QWidget* BuildGrepPage();
  void SetCurrentProject(const std::string& path);
  void SetModified(bool modified);
  void ShowList();
  void SyncEntriesFromList();
  void SetStatus(int panel, const QString& text);
  void ShowMessage(const QString& text, MessageKind kind = MessageKind::Information,
                   const QString& caption = QStringLiteral("Markupwright2"));
  Reply Ask(const QString& text, const QString& caption = QStringLiteral("Markupwright2"));
  bool WriteTo(const std::string& path);
  QString Choose(const FileChoice& choice);
  void FillTrees();
  void FillTree(QTreeWidget* tree, const LinkTree& nodes);
  void SelectValueInEditor(std::size_t n, const ValueRule& rule);
  void PushHistory(QComboBox* box, std::vector<std::string>& history);
  GrepQuery Query() const;
  void EnableSearchButtons();
  bool ReplaceInFile(const QString& file, const GrepQuery& query, const std::string& replacement);
  // The selected result row, its file opened in the editor; null when no
  // row is selected or its file has gone.
  const GrepRow* OpenSelectedRow();
  // The main window's find dialog (or replace dialog) loaded with the
  // search page's texts and letter case; null without the dialogs.
  FindReplaceDialog* LoadFindDialog(bool replace);
  // The files of range 2: the folder walk, stopped by "&X".
  void WalkRangeFolder(const std::function<void(const std::string&)>& visit);

  TMainForm& m_main;
  Project m_project;
  ProjectLinkTrees m_trees;
  MarkerIndex m_markerIndex;
  std::vector<GrepRow> m_rows;
  std::vector<std::string> m_findHistory;
  std::vector<std::string> m_replaceHistory;
  bool m_saveCompleted = true;
  bool m_stopRequested = false;
  bool m_busy = false;
  std::function<QString(const FileChoice&)> m_chooser;
  std::function<void(int)> m_progressObserver;

  CommandActions* m_commands = nullptr;  // a child of the window
  std::unique_ptr<TFileHistory> m_history;
  QSplitter* m_split = nullptr;
  QSplitter* m_linkSplit = nullptr;
  QListWidget* m_fileList = nullptr;
  QTabWidget* m_pages = nullptr;
  QLineEdit* m_edCurFileName = nullptr;
  QTabWidget* m_pcLinkTreeView = nullptr;
  QTreeWidget* m_trees4[4] = {};
  QTreeWidget* m_tvRelMarker = nullptr;
  QPushButton* m_linkStopBtn = nullptr;
  QComboBox* m_cbFindStr = nullptr;
  QComboBox* m_cbReplaceStr = nullptr;
  QRadioButton* m_range[3] = {};
  QCheckBox* m_ckUpperLower = nullptr;
  QCheckBox* m_ckSubDirectory = nullptr;
  QLineEdit* m_edCurDirName = nullptr;
  QPushButton* m_findBtn = nullptr;
  QPushButton* m_replaceBtn = nullptr;
  QPushButton* m_replaceAllBtn = nullptr;
  QTreeWidget* m_lvGrep = nullptr;
  QLabel* m_status[2] = {};
  QProgressBar* m_progress = nullptr;
};

}  // namespace mw::gui
