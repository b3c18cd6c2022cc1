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
#include "core/engine_commands.h"
#include "core/editing/memory_editor.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/window_settings.h"
#include "gui/editing/find_dialogs.h"
#include "gui/editing/qt_dialog_host.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/site_checks.h"

namespace mw::gui {
namespace {

// Captions with an "(&X)" accelerator use & as Qt does; the others are
// shown literally (character references such as "&lt;").
QString MenuText(std::string_view caption) {
  QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  if (!text.contains(QStringLiteral("(&"))) text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return text;
}

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
  m_ctx.prompts = m_prompts.get();
  m_ctx.selectionSearch = DefaultSelectionSearch();

  m_pcMain = new QTabWidget(this);
  m_pcMain->setObjectName(QStringLiteral("pcMain"));
  m_pcMain->setDocumentMode(true);
  setCentralWidget(m_pcMain);

  BuildActions();
  for (const auto& layout : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(MenuText(layout.caption));
    menu->setObjectName(Utf8(layout.name));
    std::size_t at = 0;
    BuildMenu(menu, layout.entries, at);
  }
  for (const auto& layout : PopupMenus()) {
    auto* menu = new QMenu(this);
    menu->setObjectName(Utf8(layout.name));
    std::size_t at = 0;
    BuildMenu(menu, layout.entries, at);
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

  m_idleTimer = new QTimer(this);
  m_idleTimer->setSingleShot(true);
  m_idleTimer->setInterval(0);
  connect(m_idleTimer, &QTimer::timeout, this, &TMainForm::IdleUpdate);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::ScheduleIdle);

  if (!m_dataFolder.empty()) LoadWindowSettings(*this, m_dataFolder);
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
  ApplyKanjiAvailability();
  SyncKanjiPanels();
  WireParts();
  m_prompts->UseWordListDialog(m_dialogHost.get(), m_dataFolder);
}

TMainForm::~TMainForm() {
  // The pages go before the members their editors' signals reach.
  ++m_quiet;
  while (m_docs && m_docs->Count() > 0) m_docs->RemoveDocument(m_docs->Count() - 1);
}

void TMainForm::SetPrompts(UserPrompts* prompts) {
  m_ctx.prompts = prompts != nullptr ? prompts : m_prompts.get();
}

QString TMainForm::Title() const {
  if (m_currentFileName.isEmpty()) return QStringLiteral("Markupwright");
  return QStringLiteral("Markupwright - ") + QFileInfo(m_currentFileName).fileName();
}

namespace {
// The commands the window itself runs (documents, layout, options of its own).
constexpr std::string_view kWindowHandlers[] = {
    "ShowSpeedBarClick",     "ShowTagToolBarClick",    "SimplestFormClick",        "FullyShownScreenClick",
    "FlatBtnClick",          "ToolPageShiftClick",     "FileExitClick",            "AboutClick",
    "FileNewClick",          "FileOpenClick",          "FileSaveClick",            "FileSaveAsClick",
    "FileSaveAllClick",      "FileCloseClick",         "FileCloseAllClick",        "FileCloseOthersClick",
    "FileDuplicateClick",    "FilePrintClick",         "ReOpen1Click",             "ReturnToPrevFileClick",
    "MoveToNextFileClick",   "MoveToPrevFileClick",    "PageShiftToRightClick",    "PageShiftToLeftClick",
    "PageShiftToRightEdgeClick", "PageShiftToLeftEdgeClick", "OpenToShiftJISClick", "SaveAsItIsClick",
    "SaveToJISClick",        "SaveToEUCClick",         "mToShiftJISClick",         "mToJISClick",
    "mToEUCClick",
};
}  // namespace

bool TMainForm::HasHandler(const CommandRow& row) const {
  for (auto h : kWindowHandlers)
    if (row.handler == h) return true;
  if (m_windowHandlers.find(row.handler) != m_windowHandlers.end()) return true;
  return EngineCommands().Find(row.handler) != nullptr;
}

void TMainForm::AddWindowHandler(std::string_view handler, std::function<void(const CommandRow&)> run) {
  m_windowHandlers[std::string(handler)] = std::move(run);
  for (const auto& row : CommandTable())
    if (row.handler == handler) SetEnabled(row.id, true);
}

void TMainForm::SetEnabled(std::string_view id, bool on) {
  if (QAction* a = Action(id); a != nullptr && a->isEnabled() != on) a->setEnabled(on);
}

void TMainForm::BuildActions() {
  std::map<std::string_view, QActionGroup*> groups;
  for (const auto& row : CommandTable()) {
    auto* action = new QAction(MenuText(row.caption), this);
    action->setObjectName(Utf8(row.id));
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(Utf8(row.shortcut)));
    if (row.check != CheckKind::None) {
      action->setCheckable(true);
      action->setChecked(row.check == CheckKind::Checked);
    }
    if (!row.radioGroup.empty()) {
      auto& group = groups[row.radioGroup];
      if (group == nullptr) group = new QActionGroup(this);
      group->addAction(action);
    }
    action->setEnabled(HasHandler(row));
    const CommandRow* r = &row;
    connect(action, &QAction::triggered, this, [this, r] { RunCommand(*r); });
    m_actions.emplace(std::string(row.id), action);
  }
}

void TMainForm::BuildMenu(QMenu* menu, std::span<const std::string_view> entries, std::size_t& at) {
  while (at < entries.size()) {
    const std::string_view e = entries[at++];
    if (e == "]") return;
    if (e == "-") {
      menu->addSeparator();
    } else if (e.starts_with('[')) {
      QMenu* sub = menu->addMenu(MenuText(e.substr(1)));
      BuildMenu(sub, entries, at);
    } else if (e.starts_with('@')) {
      // The editor popup's special characters carry a comment item that
      // runs nothing; other places are filled by their owners.
      if (e == "@Comment") {
        menu->addAction(QStringLiteral("<COMMENT></COMMENT>"));
      } else {
        m_runtimeMenus.emplace(std::string(e.substr(1)), menu);
      }
    } else if (QAction* action = Action(e)) {
      menu->addAction(action);
    }
  }
}

void TMainForm::BuildMainToolbar() {
  m_tbMain = addToolBar(QStringLiteral("tbMain"));
  m_tbMain->setObjectName(QStringLiteral("tbMain"));
  m_tbMain->setIconSize(QSize(16, 16));
  for (const auto& b : MainToolbar()) {
    QAction* action = Action(b.command);
    auto* button = new QToolButton(m_tbMain);
    button->setObjectName(Utf8(b.name));
    button->setFixedSize(25, 24);
    const QIcon icon = StandardIcon(b.name);
    if (icon.isNull()) button->setText(ButtonText(b.hint));
    else button->setIcon(icon);
    button->setToolTip(Utf8(b.hint));
    button->setStatusTip(Utf8(b.hint));
    button->setAutoRaise(true);
    button->setEnabled(action->isEnabled());
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
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
    for (const auto& b : page.buttons) {
      QAction* action = Action(b.command);
      auto* button = new QToolButton(bar);
      button->setObjectName(Utf8(b.name));
      button->setText(ButtonText(b.hint));
      button->setToolTip(Utf8(b.hint));
      button->setStatusTip(Utf8(b.hint));
      button->setAutoRaise(true);
      button->setEnabled(action->isEnabled());
      connect(button, &QToolButton::clicked, action, &QAction::trigger);
      connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
      bar->addWidget(button);
    }
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

QAction* TMainForm::Action(std::string_view id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

QMenu* TMainForm::Popup(std::string_view name) const {
  const auto it = m_popups.find(name);
  return it == m_popups.end() ? nullptr : it->second;
}

QMenu* TMainForm::RuntimeMenu(std::string_view name) const {
  const auto it = m_runtimeMenus.find(name);
  return it == m_runtimeMenus.end() ? nullptr : it->second;
}

QsciScintilla* TMainForm::ActiveView() const { return qobject_cast<QsciScintilla*>(m_pcMain->currentWidget()); }

ScintillaEditor* TMainForm::ActiveEditor() const { return m_docs ? m_docs->ActiveEditor() : nullptr; }
ScintillaSurface* TMainForm::ActiveSurface() const { return m_docs ? m_docs->ActiveSurface() : nullptr; }

void TMainForm::RunCommand(const CommandRow& row) {
  if (!RunWindowCommand(row) && EngineCommands().Find(row.handler) != nullptr) RunEditing(row);
  ScheduleIdle();
}

void TMainForm::RunEditing(const CommandRow& row) {
  const EditCommand* command = EngineCommands().Find(row.handler);
  if (command == nullptr) return;
  ScintillaSurface* surface = ActiveSurface();
  MemoryEditor none(*m_clipboard);
  if (surface == nullptr) {
    // Option items work without a document; nothing else has one to act on.
    if (command->modifiesText) return;
    m_ctx.editor = &none;
  } else {
    m_ctx.editor = surface;
  }
  m_ctx.fileName = m_currentFileName.toStdString();
  command->run(m_ctx, row.arg);
  m_ctx.editor = nullptr;
  SyncOptionChecks();
  if (!m_statusPanels.empty()) m_statusPanels.back()->setText(FromDocumentText(m_ctx.statusText));
}

bool TMainForm::RunWindowCommand(const CommandRow& row) {
  const std::string_view h = row.handler;
  if (h == "ShowSpeedBarClick" || h == "ShowTagToolBarClick") {
    // The check mark has already flipped: the band follows it.
    SetBandsVisible(Action("ShowSpeedBar")->isChecked(), Action("ShowTagToolBar")->isChecked());
  } else if (h == "SimplestFormClick" || h == "FullyShownScreenClick") {
    // The side panels are toggled only when they are not already as wanted.
    const bool full = h == "FullyShownScreenClick";
    SetBandsVisible(full, full);
    if (SiteChecks* site = SiteChecks::Of(*this); site != nullptr && site->LinkList().IsShown() != full)
      RunCommand(*FindCommand("ShowLinkList"));
  } else if (h == "FlatBtnClick") {
    const bool flat = Action("FlatBtn")->isChecked();
    for (auto* button : m_tbMain->findChildren<QToolButton*>()) button->setAutoRaise(flat);
  } else if (h == "ToolPageShiftClick") {
    ShiftTagPage(row.arg);
  } else if (h == "FileExitClick") {
    close();
  } else if (h == "AboutClick") {
    QMessageBox::about(this, Title(), QStringLiteral("Markupwright"));
  } else if (const auto it = m_windowHandlers.find(h); it != m_windowHandlers.end()) {
    it->second(row);
  } else {
    return RunDocumentCommand(h);
  }
  return true;
}

void TMainForm::SetBandsVisible(bool speedBar, bool tagBar) {
  m_tbMain->setVisible(speedBar);
  m_tagBar->setVisible(tagBar);
  Action("ShowSpeedBar")->setChecked(speedBar);
  Action("ShowTagToolBar")->setChecked(tagBar);
}

// The option items mirror the options the editing commands keep.
void TMainForm::SyncOptionChecks() {
  const EditingOptions& o = m_ctx.options;
  Action("AutoSelect")->setChecked(o.autoSelect);
  Action("DirectTagInsert")->setChecked(o.directTagInsert);
  Action("LowerCaseTag")->setChecked(o.lowerCaseTag);
  Action("AutoIndent")->setChecked(o.autoIndent);
  Action("SelectEditedEnd")->setChecked(o.caretPolicy == CaretPolicy::AfterEdited);
  Action("SelectEditedAll")->setChecked(o.caretPolicy == CaretPolicy::SelectEdited);
  Action("SelectPreviousSelection")->setChecked(o.caretPolicy == CaretPolicy::KeepPrevious);
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
