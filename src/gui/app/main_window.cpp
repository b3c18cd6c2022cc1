#include "gui/app/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/file_history.h"
#include "core/app/tools/kanji_converter.h"
#include "gui/app/document_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/typing.h"
#include "core/engine_commands.h"
#include "core/editing/memory_editor.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/window_settings.h"
#include "gui/editing/find_dialogs.h"
#include "gui/editing/qt_dialog_host.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/site_checks.h"
#include "platform/app/native_path.h"

namespace mw::gui {
namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A tag button shows its tag ("<B></B>ボールド" -> "B"); other buttons the
// first characters of their hint.
QString ButtonText(std::string_view hint) {
  const QString h = Utf8(hint);
  if (h.startsWith(QLatin1Char('<'))) {
    const qsizetype close = h.indexOf(QLatin1Char('>'));
    if (close > 1) return h.mid(1, close - 1);
  }
  if (h.startsWith(QLatin1Char('&'))) {
    const qsizetype semi = h.indexOf(QLatin1Char(';'));
    if (semi > 0) return h.left(semi + 1);
  }
  return h.left(2);
}

// Standard images for the main toolbar buttons that have an obvious one.
QIcon StandardIcon(std::string_view button) {
  static const std::map<std::string_view, QStyle::StandardPixmap> icons = {
      {"NewBtn", QStyle::SP_FileIcon},           {"OpenBtn", QStyle::SP_DialogOpenButton},
      {"SaveBtn", QStyle::SP_DialogSaveButton},  {"FileCloseBtn", QStyle::SP_DialogCloseButton},
      {"MoveToPrevFileBtn", QStyle::SP_ArrowLeft}, {"MoveToNextFileBtn", QStyle::SP_ArrowRight},
      {"UpdateBtn", QStyle::SP_BrowserReload},   {"ShowFileListBtn", QStyle::SP_DirIcon},
  };
  const auto it = icons.find(button);
  return it == icons.end() ? QIcon() : QApplication::style()->standardIcon(it->second);
}

constexpr int kStatusPanelWidths[] = {120, 55, 35, 60, 50, 50};

}  // namespace

TMainForm::TMainForm(std::string dataFolder, QWidget* parent)
    : QMainWindow(parent),
      m_dataFolder(std::move(dataFolder)),
      m_clipboard(std::make_unique<QtClipboard>()),
      m_prompts(std::make_unique<QtPrompts>(this, [this] { return Title(); })) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Markupwright"));
  move(3, 3);
  resize(772, 491);

  m_ctx.clipboard = m_clipboard.get();
  m_promptsInUse = std::make_unique<PromptsInUse>(m_prompts.get(), [this] {
    if (!m_handedPaths.isEmpty()) m_handOffTimer->start(0);
  });
  m_ctx.prompts = m_promptsInUse.get();
  m_ctx.selectionSearch = DefaultSelectionSearch();

  m_pcMain = new QTabWidget(this);
  m_pcMain->setObjectName(QStringLiteral("pcMain"));
  m_pcMain->setDocumentMode(true);
  setCentralWidget(m_pcMain);

  m_commands = new CommandActions(*this, CommandTable(CommandWindow::Main), &EngineCommands(),
                                  [this](const CommandRow& row) { RunCommand(row); });
  for (const auto& layout : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(MenuText(layout.caption));
    menu->setObjectName(Utf8(layout.name));
    m_commands->BuildMenu(*menu, layout.entries);
  }
  for (const auto& layout : PopupMenus()) {
    auto* menu = new QMenu(this);
    menu->setObjectName(Utf8(layout.name));
    m_commands->BuildMenu(*menu, layout.entries);
    m_popups.emplace(std::string(layout.name), menu);
  }
  BuildMainToolbar();
  BuildTagPages();
  BuildStatusBar();

  m_pcMain->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pcMain->tabBar(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { Popup("pmMain1")->popup(m_pcMain->tabBar()->mapToGlobal(at)); });
  // A tab the user clicks; the window's own tab changes run the handling
  // themselves when they are done.
  connect(m_pcMain, &QTabWidget::currentChanged, this, [this] {
    if (m_quiet == 0) pcMainChange();
  });
  setAcceptDrops(true);

  // Paths handed over while a box or dialog is open wait for it; a
  // system dialog gives no word when it closes, so the wait is also polled.
  m_handOffTimer = new QTimer(this);
  m_handOffTimer->setSingleShot(true);
  connect(m_handOffTimer, &QTimer::timeout, this, &TMainForm::OpenHandedPaths);

  m_idleTimer = new QTimer(this);
  m_idleTimer->setSingleShot(true);
  m_idleTimer->setInterval(0);
  connect(m_idleTimer, &QTimer::timeout, this, &TMainForm::IdleUpdate);
  // Asking the clipboard can mean asking another program: its state is
  // read when it changes, not at every keystroke.
  m_clipboardHasText = !QApplication::clipboard()->text().isEmpty();
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    m_clipboardHasText = !QApplication::clipboard()->text().isEmpty();
    ScheduleIdle();
  });

  if (!m_dataFolder.empty()) LoadWindowSettings(*this, m_dataFolder);
  m_kanjiAvailable = KanjiConverterAvailable();
  SyncOptionChecks();
  m_colouredExtensions =
      m_dataFolder.empty() ? DefaultColouredExtensions() : LoadColouredExtensions(m_dataFolder);
  const auto dataFile = [this](std::string_view name) {
    return m_dataFolder.empty() ? std::string() : DataFilePath(m_dataFolder, name);
  };
  m_fileHistory = std::make_unique<TFileHistory>(
      m_settings.Int("iNofFileHistory"), dataFile(kHtmlFileHistoryName), RuntimeMenu("FileHistory"),
      [this](const QString& entry, bool askReopen) { OpenDocument(entry, askReopen); });
  m_docs = std::make_unique<TTabAndRichEdit>(
      *m_pcMain, *m_clipboard, dataFile(kOpenFileListName),
      [this](ScintillaEditor& editor, ScintillaSurface& surface) { InitEditor(editor, surface); });
  SyncKanjiPanels();
  RegisterLayoutCommands();
  RegisterDocumentCommands();
  WireParts();
  m_prompts->UseWordListDialog(m_dialogHost.get(), m_dataFolder);
  IdleUpdate();
}

TMainForm::~TMainForm() {
  // The pages go before the members their editors' signals reach.
  ++m_quiet;
  while (m_docs && m_docs->Count() > 0) m_docs->RemoveDocument(m_docs->Count() - 1);
}

void TMainForm::SetPrompts(UserPrompts* prompts) {
  m_promptsInUse->SetTarget(prompts != nullptr ? prompts : m_prompts.get());
}

QString TMainForm::Title() const {
  if (m_currentFileName.isEmpty()) return QStringLiteral("Markupwright");
  return QStringLiteral("Markupwright - ") + QFileInfo(platform::ShownPath(m_currentFileName)).fileName();
}

bool TMainForm::HasHandler(const CommandRow& row) const { return m_commands->HasHandler(row); }

void TMainForm::Handle(std::string_view handler, std::function<void(const CommandRow&)> run) {
  m_commands->Handle(handler, std::move(run));
}

// The layout commands of the window itself and the option items that are
// no engine command; the documents' commands are registered beside them.
void TMainForm::RegisterLayoutCommands() {
  const auto bands = [this](const CommandRow& row) {
    ClickOption(row);
    SetBandsVisible(m_settings.Bool("bShowSpeedBar"), m_settings.Bool("bShowTagToolBar"));
  };
  Handle("ShowSpeedBarClick", bands);
  Handle("ShowTagToolBarClick", bands);
  Handle("SimplestFormClick", [this](const CommandRow&) { SetSimplestForm(false); });
  Handle("FullyShownScreenClick", [this](const CommandRow&) { SetSimplestForm(true); });
  Handle("FlatBtnClick", [this](const CommandRow& row) {
    ClickOption(row);
    SetFlatButtons(m_settings.Bool("bFlatBtn"));
  });
  Handle("ToolPageShiftClick", [this](const CommandRow& row) { ShiftTagPage(row.arg); });
  Handle("FileExitClick", [this](const CommandRow&) { close(); });
  Handle("AboutClick", [this](const CommandRow&) { QMessageBox::about(this, Title(), QStringLiteral("Markupwright")); });
  for (std::string_view h : {"OpenToShiftJISClick", "SaveAsItIsClick", "SaveToJISClick", "SaveToEUCClick"})
    Handle(h, [this](const CommandRow& row) { ClickOption(row); });
}

void TMainForm::BuildMainToolbar() {
  m_tbMain = addToolBar(QStringLiteral("tbMain"));
  m_tbMain->setObjectName(QStringLiteral("tbMain"));
  m_tbMain->setIconSize(QSize(16, 16));
  for (const auto& b : MainToolbar()) {
    const QIcon icon = StandardIcon(b.name);
    QToolButton* button = m_commands->MakeButton(m_tbMain, b, icon.isNull() ? ButtonText(b.hint) : QString());
    button->setFixedSize(25, 24);
    if (!icon.isNull()) button->setIcon(icon);
    m_tbMain->addWidget(button);
  }
}

void TMainForm::BuildTagPages() {
  addToolBarBreak();
  m_tagBar = addToolBar(QStringLiteral("ToolPageControl"));
  m_tagBar->setObjectName(QStringLiteral("TagToolBar"));
  m_toolPages = new QTabWidget(m_tagBar);
  m_toolPages->setObjectName(QStringLiteral("ToolPageControl"));
  m_toolPages->setDocumentMode(true);
  for (const auto& page : TagPages()) {
    auto* bar = new QToolBar(m_toolPages);
    bar->setObjectName(Utf8(page.component));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const auto& b : page.buttons) bar->addWidget(m_commands->MakeButton(bar, b, ButtonText(b.hint)));
    // The registered tags' buttons go on this bar at run time.
    if (page.component == "RegisteredSheet") bar->setObjectName(QStringLiteral("tbRegister"));
    bar->setProperty("component", Utf8(page.component));
    m_toolPages->addTab(bar, Utf8(page.caption));
  }
  m_toolPages->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_toolPages->tabBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    Popup("pmToolPageControl")->popup(m_toolPages->tabBar()->mapToGlobal(at));
  });
  m_tagBar->addWidget(m_toolPages);
}

void TMainForm::BuildStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  for (int width : kStatusPanelWidths) {
    auto* panel = new QLabel(statusBar());
    panel->setMinimumWidth(width);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    statusBar()->addPermanentWidget(panel);
    m_statusPanels.push_back(panel);
  }
}

QAction* TMainForm::Action(std::string_view id) const { return m_commands->Action(id); }

QMenu* TMainForm::Popup(std::string_view name) const {
  const auto it = m_popups.find(name);
  return it == m_popups.end() ? nullptr : it->second;
}

QMenu* TMainForm::RuntimeMenu(std::string_view name) const { return m_commands->RuntimeMenu(name); }

QsciScintilla* TMainForm::ActiveView() const { return qobject_cast<QsciScintilla*>(m_pcMain->currentWidget()); }

ScintillaEditor* TMainForm::ActiveEditor() const { return m_docs ? m_docs->ActiveEditor() : nullptr; }
ScintillaSurface* TMainForm::ActiveSurface() const { return m_docs ? m_docs->ActiveSurface() : nullptr; }

void TMainForm::RunCommand(const CommandRow& row) {
  if (const CommandActions::Handler* own = m_commands->WindowHandler(row)) (*own)(row);
  else RunEditing(row);
  // The caret may have moved and options may have changed: the current
  // tag, the check marks and the panels follow.
  EditorSelectionChanged();
  SyncOptionChecks();
  SyncKanjiPanels();
  ScheduleIdle();
}

void TMainForm::RunCommand(std::string_view id) {
  if (const CommandRow* row = FindCommand(id)) RunCommand(*row);
}

void TMainForm::RunEditing(const CommandRow& row) {
  const EditCommand* command = EngineCommands().Find(row.handler);
  if (command == nullptr) return;
  ScintillaSurface* surface = ActiveSurface();
  MemoryEditor none(*m_clipboard);
  if (surface == nullptr && command->modifiesText) return;
  // Option items work without a document; nothing else has one to act on.
  // A command run from inside another one (a dialog's button) acts where
  // the outer one does and leaves it acting there.
  EditorSurface* here = surface != nullptr ? static_cast<EditorSurface*>(surface) : &none;
  EditorSurface* outer = std::exchange(m_ctx.editor, m_ctx.editor != nullptr ? m_ctx.editor : here);
  m_ctx.fileName = platform::NativePathString(m_currentFileName);  // the name's own bytes
  command->run(m_ctx, row.arg);
  m_ctx.editor = outer;
  SetStatusText(5, FromDocumentText(m_ctx.statusText));
}

void TMainForm::SetBandsVisible(bool speedBar, bool tagBar) {
  m_settings.SetBool("bShowSpeedBar", speedBar);
  m_settings.SetBool("bShowTagToolBar", tagBar);
  m_tbMain->setVisible(speedBar);
  m_tagBar->setVisible(tagBar);
  SyncOptionChecks();
}

void TMainForm::SetFlatButtons(bool flat) {
  m_settings.SetBool("bFlatBtn", flat);
  for (auto* button : m_tbMain->findChildren<QToolButton*>()) button->setAutoRaise(flat);
  SyncOptionChecks();
}

void TMainForm::SetSimplestForm(bool full) {
  SetBandsVisible(full, full);
  // The side panels are toggled only when they are not already as wanted.
  if (SiteChecks* site = SiteChecks::Of(*this); site != nullptr && site->LinkList().IsShown() != full)
    RunCommand("ShowLinkList");
}

void TMainForm::ClickOption(const CommandRow& row) {
  if (!ClickOptionItem(m_ctx.options, row.option)) m_settings.SetBool(row.option, !m_settings.Bool(row.option));
  SyncOptionChecks();
}

// The option items mirror the options the engine keeps and the window's
// settings; the marks are never read back.
void TMainForm::SyncOptionChecks() {
  m_commands->MirrorChecks([this](std::string_view option) -> std::optional<bool> {
    if (const auto on = OptionItemChecked(m_ctx.options, option)) return on;
    return m_settings.Bool(option);
  });
}

std::vector<std::string> TMainForm::TagPageOrder() const {
  std::vector<std::string> order;
  for (int i = 0; i < m_toolPages->count(); ++i)
    order.push_back(m_toolPages->widget(i)->property("component").toString().toStdString());
  return order;
}

void TMainForm::ShiftTagPage(std::string_view how) {
  QTabBar* tabs = m_toolPages->tabBar();
  const int current = m_toolPages->currentIndex();
  const int last = m_toolPages->count() - 1;
  if (how == "right" && current < last) tabs->moveTab(current, current + 1);
  else if (how == "left" && current > 0) tabs->moveTab(current, current - 1);
  else if (how == "rightEdge") tabs->moveTab(current, last);
  else if (how == "leftEdge") tabs->moveTab(current, 0);
  else if (how == "default") {
    const auto pages = TagPages();
    for (int target = 0; target < static_cast<int>(pages.size()); ++target) {
      for (int i = target; i < m_toolPages->count(); ++i) {
        if (m_toolPages->widget(i)->property("component").toString() == Utf8(pages[target].component)) {
          tabs->moveTab(i, target);
          break;
        }
      }
    }
  }
}

}  // namespace mw::gui
