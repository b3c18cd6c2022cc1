#include "gui/project/project_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "core/app/tools/kanji_converter.h"
#include "core/project/convert_files.h"
#include "core/project/file_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/app/command_actions.h"
#include "gui/app/document_set.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/screen_geometry.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_commands.h"

namespace mw::gui {

namespace {
constexpr std::string_view kPrjSection = "PrjFORM";
constexpr std::string_view kProjectHistoryName = "PrjFileHistry.txt";

constexpr int kEntryRole = Qt::UserRole;

QString PathText(const std::string& path) {
  // The never-saved name is the program's own (Shift-JIS) text.
  return path == MessageSjis(Msg::NewProjectName) ? FromDocumentText(path) : QString::fromStdString(path);
}

// The entry a row of the list shows, exactly as the project holds it (a
// name that is no UTF-8 would not survive the row's text).
std::string EntryOf(const QListWidgetItem& item) { return item.data(kEntryRole).toByteArray().toStdString(); }
}  // namespace

TPrjForm::TPrjForm(TMainForm& main) : QMainWindow(&main, Qt::Window), m_main(main) {
  setObjectName(QStringLiteral("PrjForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAcceptDrops(true);

  auto* central = new QSplitter(Qt::Vertical, this);
  m_split = central;
  central->addWidget(BuildFilePanel());
  m_pages = new QTabWidget(central);
  m_pages->addTab(BuildLinkPage(), UiText(Msg::ProjectLinkPage));
  m_pages->addTab(BuildGrepPage(), UiText(Msg::ProjectGrepPage));
  central->addWidget(m_pages);
  central->setStretchFactor(1, 1);
  central->setSizes({113, 400});
  setCentralWidget(central);

  RegisterCommands();
  BuildMenus();
  m_status[0] = new QLabel(this);
  m_status[0]->setMinimumWidth(70);
  m_status[1] = new QLabel(this);
  statusBar()->addWidget(m_status[0]);
  statusBar()->addWidget(m_status[1], 1);
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 100);
  m_progress->setValue(0);
  m_progress->setMaximumWidth(200);
  statusBar()->addPermanentWidget(m_progress);

  if (!main.DataFolder().empty()) {
    m_findHistory = LoadSearchHistory(main.DataFolder(), kFindHistoryName);
    m_replaceHistory = LoadSearchHistory(main.DataFolder(), kReplaceHistoryName);
    for (const std::string& s : m_findHistory) m_cbFindStr->addItem(FromDocumentText(s));
    for (const std::string& s : m_replaceHistory) m_cbReplaceStr->addItem(FromDocumentText(s));
    m_cbFindStr->setEditText({});
    m_cbReplaceStr->setEditText({});
  }
  EnableSearchButtons();

  BuildPopups();
  LoadFormSettings();
  const QString current = main.CurrentFileName();
  SetCurrentFileName(QFileInfo::exists(current) ? current : QString());
  connect(&main, &TMainForm::ActiveDocumentChanged, this,
          [this](const QString& path) { SetCurrentFileName(QFileInfo::exists(path) ? path : QString()); });
}

TPrjForm::~TPrjForm() = default;

void TPrjForm::BuildPopups() {
  // Each pop-up's items are the rows' actions on the widget itself, so a
  // key of theirs (Ctrl+J on the results) works while the widget has the
  // focus.
  const auto popup = [this](QWidget* on, std::string_view name) {
    QMenu menu;
    for (const MenuLayout& layout : ProjectPopups())
      if (layout.name == name) m_commands->BuildMenu(menu, layout.entries);
    on->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : menu.actions()) {
      if (!a->shortcut().isEmpty()) a->setShortcutContext(Qt::WidgetShortcut);
      on->addAction(a);
    }
  };
  popup(m_fileList, "pmProjectFileList");
  for (QTreeWidget* tree : m_trees4) popup(tree, "pmLinkTrees");
  popup(m_tvRelMarker, "pmRelMarker");
  popup(m_lvGrep, "pmGrepResult");
}

QStringList TPrjForm::History() const { return m_history->Entries(); }

void TPrjForm::LoadFormSettings() {
  const std::string& folder = m_main.DataFolder();
  IniFile ini;
  if (!folder.empty()) {
    try {
      ini = IniFile::Load(DataFilePath(folder, kSettingsFileName));
    } catch (const FileError&) {
      // Unreadable settings leave the design values.
    }
  }
  // The design bounds, or the stored ones, fitted to the screens: a window
  // taller than the screen, or left on a monitor that has gone, would open
  // out of reach.
  setGeometry(FitToScreens(ini.GetInt(kPrjSection, "iProjectFormLeft", 1), ini.GetInt(kPrjSection, "iProjectFormTop", 0),
                           ini.GetInt(kPrjSection, "iProjectFormWidth", 640),
                           ini.GetInt(kPrjSection, "iProjectFormHeight", 620)));
  const int filePanel = ini.GetInt(kPrjSection, "iProjectFilePanelHeight", 113, 0, 32767);
  m_split->setSizes({filePanel, std::max(100, height() - filePanel)});
  const int treeHeight = ini.GetInt(kPrjSection, "ipcLinkTreeViewHeight", 148, 0, 32767);
  m_linkSplit->setSizes({treeHeight, 120});
  // The project open at the last close comes back when the program starts
  // where it left off.
  if (m_main.Settings().Int("iInitialState") == 2) {
    const std::string last = ini.GetString(kPrjSection, "asCurPrjFileName", "");
    if (!last.empty() && OpenProjectFile(QString::fromStdString(last), true)) return;
  }
  FileNewProjectClick();
}

void TPrjForm::SaveFormSettings() {
  const std::string& folder = m_main.DataFolder();
  if (folder.empty()) return;
  const std::string path = DataFilePath(folder, kSettingsFileName);
  try {
    IniFile ini = IniFile::Load(path);
    if (!isMinimized() && !isMaximized()) {
      // Stored as the window would open with them, never beyond the screens.
      const QRect bounds = FitToScreens(geometry());
      ini.SetInt(kPrjSection, "iProjectFormTop", bounds.top());
      ini.SetInt(kPrjSection, "iProjectFormLeft", bounds.left());
      ini.SetInt(kPrjSection, "iProjectFormHeight", bounds.height());
      ini.SetInt(kPrjSection, "iProjectFormWidth", bounds.width());
      ini.SetInt(kPrjSection, "iProjectFilePanelHeight", m_split->sizes().value(0));
      ini.SetInt(kPrjSection, "ipcLinkTreeViewHeight", m_linkSplit->sizes().value(0));
    }
    ini.Set(kPrjSection, "asCurPrjFileName", m_project.IsNew() ? std::string() : m_project.path);
    ini.Save(path);
  } catch (const FileError& e) {
    ShowMessage(QString::fromStdString(e.what()), MessageKind::Error);
  }
}

void TPrjForm::RegisterCommands() {
  m_commands = new CommandActions(*this, CommandTable(CommandWindow::Project), nullptr,
                                  [this](const CommandRow& row) {
                                    if (const auto* run = m_commands->WindowHandler(row)) (*run)(row);
                                  });
  const auto method = [this](void (TPrjForm::*m)()) { return [this, m](const CommandRow&) { (this->*m)(); }; };
  m_commands->Handle("FileNewProjectClick", method(&TPrjForm::FileNewProjectClick));
  m_commands->Handle("FileOpenProjectClick", method(&TPrjForm::FileOpenProjectClick));
  m_commands->Handle("FileSaveProjectClick", method(&TPrjForm::FileSaveProjectClick));
  m_commands->Handle("FileSaveAsProjectClick", method(&TPrjForm::FileSaveAsProjectClick));
  m_commands->Handle("mConvertAllClick", [this](const CommandRow& row) { ConvertAllFiles(std::string(row.arg)); });
  m_commands->Handle("Exit1Click", [this](const CommandRow&) { close(); });
  m_commands->Handle("FileAddToProjectClick", method(&TPrjForm::FileAddToProjectClick));
  m_commands->Handle("FileDeleteFromProjectClick", method(&TPrjForm::FileDeleteFromProjectClick));
  m_commands->Handle("mFileSortClick", method(&TPrjForm::FileSortClick));
  m_commands->Handle("AllFileAddToProjectClick", method(&TPrjForm::AllFileAddToProjectClick));
  m_commands->Handle("FileOpenClick", method(&TPrjForm::FileOpenClick));
  m_commands->Handle("ReplaceAllFileClick", method(&TPrjForm::ReplaceAllFileClick));
  m_commands->Handle("UpdateLocalLinkTreeViewClick", method(&TPrjForm::UpdateLocalLinkTreeViewClick));
  m_commands->Handle("UpdateRelMarkerTreeViewClick", method(&TPrjForm::UpdateRelMarkerTreeViewClick));
  m_commands->Handle("SendLinkToEditorClick", method(&TPrjForm::SendLinkToEditorClick));
  m_commands->Handle("JumpToTextClick", method(&TPrjForm::JumpToTextClick));
  m_commands->Handle("JumpToMatchClick", method(&TPrjForm::JumpToMatch));
}

void TPrjForm::BuildMenus() {
  for (const MenuLayout& layout : ProjectMenus()) {
    QMenu* menu = menuBar()->addMenu(MenuText(layout.caption));
    menu->setObjectName(QString::fromUtf8(layout.name.data(), static_cast<qsizetype>(layout.name.size())));
    m_commands->BuildMenu(*menu, layout.entries);
  }
  const std::string& folder = m_main.DataFolder();
  m_history = std::make_unique<TFileHistory>(
      9, folder.empty() ? std::string() : DataFilePath(folder, kProjectHistoryName),
      m_commands->RuntimeMenu("PrjFileHistory"), [this](const QString& path, bool) {
        // A project that has gone is quietly not opened.
        if (QFileInfo(path).isFile()) OpenProjectFile(path, false);
      });
  m_history->Rebuild();
  // The kanji submenu is there or not for the window's whole life.
  m_commands->UpdateEnabled(KanjiConverterAvailable() ? kNeedsKanji : kNeedsNothing);

  static const std::pair<std::string_view, QStyle::StandardPixmap> kIcons[] = {
      {"FileNewProjectBtn", QStyle::SP_FileIcon},         {"FileOpenProjectBtn", QStyle::SP_DialogOpenButton},
      {"FileSaveProjectBtn", QStyle::SP_DialogSaveButton}, {"FileAddToPrjBtn", QStyle::SP_FileDialogNewFolder},
      {"FileDeleteFromPrjBtn", QStyle::SP_TrashIcon},      {"FileOpenBtn", QStyle::SP_ArrowForward},
  };
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar"));
  bar->setObjectName(QStringLiteral("PrjToolBar"));
  bar->setMovable(false);
  for (const ToolButtonRow& b : ProjectToolbar()) {
    QToolButton* button = m_commands->MakeButton(bar, b, {});
    for (const auto& [name, icon] : kIcons)
      if (name == b.name) button->setIcon(style()->standardIcon(icon));
    bar->addWidget(button);
    // The file buttons end in a gap before the list's.
    if (b.name == "FileSaveProjectBtn") bar->addSeparator();
  }
}

QWidget* TPrjForm::BuildFilePanel() {
  m_fileList = new QListWidget(this);
  m_fileList->setObjectName(QStringLiteral("ProjectFileListBox"));
  m_fileList->setDragDropMode(QAbstractItemView::InternalMove);
  m_fileList->setDefaultDropAction(Qt::MoveAction);
  m_fileList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(m_fileList, &QListWidget::itemDoubleClicked, this, [this] { FileOpenClick(); });
  // A drag within the list reorders the project.
  connect(m_fileList->model(), &QAbstractItemModel::rowsMoved, this, [this] { SyncEntriesFromList(); });
  return m_fileList;
}

void TPrjForm::SetStatus(int panel, const QString& text) { m_status[panel]->setText(text); }
QString TPrjForm::StatusText(int panel) const { return m_status[panel]->text(); }

void TPrjForm::ShowMessage(const QString& text, MessageKind kind, const QString& caption) {
  if (UserPrompts* p = m_main.Context().prompts) p->ShowMessage(ToDocumentText(text), kind, ToDocumentText(caption));
}

Reply TPrjForm::Ask(const QString& text, const QString& caption) {
  UserPrompts* p = m_main.Context().prompts;
  return p == nullptr ? Reply::Cancel
                      : p->Ask(ToDocumentText(text), QuestionButtons::YesNoCancel, ToDocumentText(caption));
}

QString TPrjForm::Choose(const FileChoice& c) {
  if (m_chooser) return m_chooser(c);
  if (c.save) {
    QFileDialog dialog(this, c.title, c.proposed.isEmpty() ? c.folder : c.proposed, c.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(c.defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                    : QString();
  }
  if (c.title == UiText(Msg::ProjectAddFilesTitle))
    return QFileDialog::getOpenFileNames(this, c.title, c.folder, c.filter).join(QLatin1Char('\n'));
  return QFileDialog::getOpenFileName(this, c.title, c.folder, c.filter);
}

void TPrjForm::SetCurrentProject(const std::string& path) {
  m_project.path = path;
  setWindowTitle(UiText(Msg::ProjectWindowTitle).arg(QFileInfo(PathText(path)).fileName()));
}

void TPrjForm::SetModified(bool modified) {
  m_project.modified = modified;
  SetStatus(0, modified ? UiText(Msg::ProjectModified) : QString());
}

void TPrjForm::ShowList() {
  const int row = m_fileList->currentRow();
  m_fileList->clear();
  for (const std::string& e : m_project.entries) {
    auto* item = new QListWidgetItem(QString::fromStdString(e), m_fileList);
    item->setData(kEntryRole, QByteArray::fromStdString(e));
    item->setToolTip(item->text());  // long paths can be read in full
    // An entry whose file has gone stays, and says so.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(e, ec)) {
      item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
      item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
      item->setToolTip(UiText(Msg::ProjectEntryMissing).arg(item->text()));
    }
  }
  if (row >= 0 && row < m_fileList->count()) m_fileList->setCurrentRow(row);
}

void TPrjForm::SyncEntriesFromList() {
  std::vector<std::string> entries;
  for (int i = 0; i < m_fileList->count(); ++i) entries.push_back(EntryOf(*m_fileList->item(i)));
  if (entries == m_project.entries) return;
  m_project.entries = std::move(entries);
  SetModified(true);
}

bool TPrjForm::ReplaceEntry(const QString& oldPath, const QString& newPath) {
  if (!RenameProjectEntry(m_project, oldPath.toStdString(), newPath.toStdString())) return false;
  ShowList();
  SetModified(true);
  return true;
}

void TPrjForm::FileNewProjectClick() {
  if (AskSaveProject() == Reply::Cancel) return;
  SetCurrentProject(MessageSjis(Msg::NewProjectName));
  m_project.entries.clear();
  ShowList();
  SetModified(false);
  UpdateLocalLinkTreeViewClick();
}

void TPrjForm::FileOpenProjectClick() {
  FileChoice c;
  c.title = UiText(Msg::ProjectOpenTitle);
  c.filter = UiText(Msg::ProjectFileFilter);
  const QString current = PathText(m_project.path);
  c.folder = QFileInfo::exists(current) ? QFileInfo(current).absolutePath() : QDir::currentPath();
  const QString chosen = Choose(c);
  if (chosen.isEmpty()) return;
  if (!OpenProjectFile(chosen, false)) ShowMessage(UiText(Msg::ProjectOpenFailed).arg(chosen));
}

bool TPrjForm::OpenProjectFile(const QString& path, bool quiet) {
  if (!QFileInfo(path).isFile()) return false;
  // Changes to the open project are not dropped without a question.
  if (AskSaveProject() == Reply::Cancel) return true;
  Project opened;
  try {
    if (!mw::OpenProjectFile(opened, path.toStdString())) return false;
  } catch (const FileError& e) {
    ShowMessage(QString::fromStdString(e.what()), MessageKind::Error);
    return false;
  }
  m_project = std::move(opened);
  SetCurrentProject(m_project.path);
  m_history->Add(path);
  ShowList();
  SetModified(false);
  if (!quiet && Ask(UiText(Msg::ProjectReplaceOpenFilesQuestion)) == Reply::Yes)
    ReplaceAllFileClick();
  return true;
}

bool TPrjForm::WriteTo(const std::string& path) {
  try {
    WriteProjectFile(m_project, path, m_main.Settings().Bool("bProjectRelativePath"));
    return true;
  } catch (const FileError& e) {
    ShowMessage(QString::fromStdString(e.what()), MessageKind::Error);
    return false;
  }
}

void TPrjForm::FileSaveProjectClick() {
  m_main.SaveQuery();  // the answer does not stop the project save
  if (m_project.IsNew()) {
    FileSaveAsProjectClick();
    return;
  }
  if (WriteTo(m_project.path))
    SetModified(false);
  else
    m_saveCompleted = false;
}

void TPrjForm::FileSaveAsProjectClick() {
  FileChoice c;
  c.save = true;
  c.title = UiText(Msg::ProjectSaveAsTitle);
  c.filter = UiText(Msg::ProjectFileFilter);
  c.defaultSuffix = QStringLiteral("wpr");
  c.proposed = PathText(m_project.path);
  const QString chosen = Choose(c);
  if (chosen.isEmpty()) {
    m_saveCompleted = false;
    return;
  }
  SetCurrentProject(chosen.toStdString());
  m_history->Add(chosen);
  if (WriteTo(m_project.path))
    SetModified(false);
  else
    m_saveCompleted = false;  // a failed write is no completed save
}

Reply TPrjForm::AskSaveProject() {
  const SaveAnswer a = mw::AskSaveProject(
      m_project,
      [this] {
        const Reply r = Ask(UiText(Msg::ProjectSaveQuestion),
                            UiText(Msg::ProjectSaveQuestionCaption));
        return r == Reply::Yes ? SaveAnswer::Yes : r == Reply::No ? SaveAnswer::No : SaveAnswer::Cancel;
      },
      [this] {
        m_saveCompleted = true;
        FileSaveProjectClick();
        return m_saveCompleted;
      });
  return a == SaveAnswer::Yes ? Reply::Yes : a == SaveAnswer::No ? Reply::No : Reply::Cancel;
}

void TPrjForm::FileAddToProjectClick() {
  FileChoice c;
  c.title = UiText(Msg::ProjectAddFilesTitle);
  QStringList patterns;
  for (const std::string& ext : m_main.ColouredExtensions()) patterns << QStringLiteral("*.") + QString::fromStdString(ext);
  c.filter = UiText(Msg::ProjectAddFilesFilter).arg(patterns.join(QLatin1Char(' ')));
  const QString current = m_main.CurrentFileName();
  c.folder = QFileInfo::exists(current) ? QFileInfo(current).absolutePath() : QDir::currentPath();
  const QString chosen = Choose(c);
  for (const QString& path : chosen.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) AddProjectFile(path);
}

bool TPrjForm::AddProjectFile(const QString& path) {
  if (!mw::AddProjectFile(m_project, path.toStdString())) return false;
  ShowList();
  SetModified(true);
  return true;
}

void TPrjForm::AddProjectFolder(const QString& folder) {
  if (mw::AddProjectFolder(m_project, folder.toStdString(), m_main.ColouredExtensions()) == 0) return;
  ShowList();
  SetModified(true);
}

void TPrjForm::FileDeleteFromProjectClick() {
  const int row = m_fileList->currentRow();
  if (row < 0 || row >= static_cast<int>(m_project.entries.size())) {
    ShowMessage(UiText(Msg::ProjectSelectFileFirst));
    return;
  }
  const QString entry = QString::fromStdString(m_project.entries[static_cast<std::size_t>(row)]);
  if (Ask(UiText(Msg::ProjectRemoveEntryQuestion).arg(entry)) != Reply::Yes) return;
  RemoveProjectEntry(m_project, static_cast<std::size_t>(row));
  ShowList();
  SetModified(true);
}

void TPrjForm::FileSortClick() {
  const bool modified = m_project.modified;
  SortProject(m_project);
  m_project.modified = modified;
  ShowList();
}

void TPrjForm::MoveEntry(int from, int to) {
  if (from < 0 || to < 0) return;
  if (!MoveProjectEntry(m_project, static_cast<std::size_t>(from), static_cast<std::size_t>(to))) return;
  ShowList();
  const int at = std::min(to, m_fileList->count() - 1);
  m_fileList->setCurrentRow(at);
  SetModified(true);
}

void TPrjForm::AllFileAddToProjectClick() {
  for (const QString& name : m_main.DocumentSet().FileNames())
    if (QFileInfo(name).isFile()) AddProjectFile(name);
  const QString current = m_main.CurrentFileName();
  SetCurrentFileName(QFileInfo::exists(current) ? current : QString());
}

void TPrjForm::FileOpenClick() {
  QListWidgetItem* item = m_fileList->currentItem();
  if (item == nullptr) return;
  if (m_main.SaveQuery() == Reply::Cancel) return;
  m_main.OpenDocument(QString::fromStdString(EntryOf(*item)), false);
}

void TPrjForm::ReplaceAllFileClick() {
  if (m_project.entries.empty()) return;
  if (AskSaveProject() == Reply::Cancel) return;
  m_main.RunCommand("FileCloseAll");
  // A document the user chose to keep leaves the open set as it is.
  TTabAndRichEdit& docs = m_main.DocumentSet();
  for (int i = 0; i < docs.Count(); ++i)
    if (docs.SurfaceAt(i) != nullptr && docs.SurfaceAt(i)->IsModified()) return;
  // One rebuild of the link list at the end, not one per opened page.
  TLinkListPanel* links = m_main.findChild<TLinkListPanel*>();
  const bool linksShown = links != nullptr && links->IsShown();
  if (linksShown) links->ShowLinkList();
  // One tab per file, however many entries name it.
  for (const std::string& e : ExistingFilesOnce(m_project.entries)) m_main.OpenDocument(QString::fromStdString(e), false);
  if (linksShown) links->ShowLinkList();
}

void TPrjForm::ConvertAllFiles(const std::string& option) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::vector<ConversionFailure> failures = ConvertProjectFiles(m_project.entries, option);
  QApplication::restoreOverrideCursor();
  // Every file that could be converted is; the others are named, each
  // with its reason.
  if (failures.empty()) return;
  if (UserPrompts* p = m_main.Context().prompts)
    p->ShowMessage(ConversionFailureReport(failures), MessageKind::Error, "Markupwright2");
}

void TPrjForm::closeEvent(QCloseEvent* e) {
  if (m_busy) {
    // A pass over the files is running; stop it first.
    m_stopRequested = true;
    e->ignore();
    return;
  }
  SaveFormSettings();
  if (AskSaveProject() == Reply::Cancel) {
    e->ignore();
    return;
  }
  m_history->Close(m_main.Context().prompts);
  if (!m_main.DataFolder().empty()) {
    try {
      SaveSearchHistory(m_main.DataFolder(), kFindHistoryName, m_findHistory);
      SaveSearchHistory(m_main.DataFolder(), kReplaceHistoryName, m_replaceHistory);
    } catch (const FileError& err) {
      ShowMessage(QString::fromStdString(err.what()), MessageKind::Error);
    }
  }
  e->accept();
}

void TPrjForm::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls() && e->source() == nullptr) e->acceptProposedAction();
}

void TPrjForm::dropEvent(QDropEvent* e) {
  for (const QUrl& url : e->mimeData()->urls()) {
    const QString path = url.toLocalFile();
    if (path.isEmpty()) continue;
    try {
      if (QFileInfo(path).isDir())
        AddProjectFolder(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
      else
        AddProjectFile(path);
    } catch (const std::exception&) {
      ShowMessage(UiText(Msg::ProjectAddFailed).arg(path));
    }
  }
  e->acceptProposedAction();
}

}  // namespace mw::gui
