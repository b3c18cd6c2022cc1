// The project window's link page: the markers every project file defines,
// the links and sources every file uses with their judgement, and the
// markers as ready-made links for the active page.
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_scan.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"

namespace mw::gui {

namespace {
constexpr int kIndexRole = Qt::UserRole;

const ValueRule* const kPageRules[] = {&kNameRule, &kHrefRule, &kUrlRule, &kSrcRule};

// The relative marker tree hands its link text to a drag onto the editor.
class RelMarkerView : public QTreeWidget {
 public:
  explicit RelMarkerView(std::function<QString()> linkText, QWidget* parent)
      : QTreeWidget(parent), m_linkText(std::move(linkText)) {}

 protected:
  QMimeData* mimeData(const QList<QTreeWidgetItem*>&) const override {
    auto* data = new QMimeData;
    data->setText(m_linkText());
    return data;
  }

 private:
  std::function<QString()> m_linkText;
};

QTreeWidget* NewTree(QWidget* parent, const char* name) {
  auto* t = new QTreeWidget(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setHeaderHidden(true);
  return t;
}
}  // namespace

QTreeWidget* TPrjForm::Tree(int page) const { return page >= 0 && page < 4 ? m_trees4[page] : nullptr; }

QWidget* TPrjForm::BuildLinkPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);

  layout->addWidget(new QLabel(UiText(Msg::ProjectLinksSourceLabel), page));
  m_edCurFileName = new QLineEdit(page);
  m_edCurFileName->setObjectName(QStringLiteral("edCurFileName"));
  m_edCurFileName->setReadOnly(true);
  connect(m_edCurFileName, &QLineEdit::textChanged, this, [this] { UpdateRelMarkerTreeViewClick(); });
  layout->addWidget(m_edCurFileName);

  auto* buttons = new QHBoxLayout;
  auto* send = new QPushButton(UiText(Msg::ProjectLinksSendButton), page);
  send->setObjectName(QStringLiteral("SendLinkToEditorBtn"));
  send->setToolTip(UiText(Msg::ProjectLinksSendHint));
  auto* update = new QPushButton(UiText(Msg::ProjectLinksUpdateButton), page);
  update->setObjectName(QStringLiteral("CheckLocalLinkBtn"));
  update->setToolTip(UiText(Msg::ProjectLinksUpdateHint));
  m_linkStopBtn = new QPushButton(UiText(Msg::ProjectStop), page);
  m_linkStopBtn->setObjectName(QStringLiteral("LinkStopBtn"));
  m_linkStopBtn->setToolTip(UiText(Msg::ProjectStop));
  m_linkStopBtn->setEnabled(false);
  connect(send, &QPushButton::clicked, this, [this] { SendLinkToEditorClick(); });
  connect(update, &QPushButton::clicked, this, [this] { UpdateLocalLinkTreeViewClick(); });
  connect(m_linkStopBtn, &QPushButton::clicked, this, [this] { StopClick(); });
  buttons->addWidget(send);
  buttons->addStretch();
  buttons->addWidget(update);
  buttons->addWidget(m_linkStopBtn);
  layout->addLayout(buttons);

  auto* split = new QSplitter(Qt::Vertical, page);
  m_linkSplit = split;
  m_pcLinkTreeView = new QTabWidget(split);
  m_pcLinkTreeView->setObjectName(QStringLiteral("pcLinkTreeView"));
  m_pcLinkTreeView->setToolTip(UiText(Msg::ProjectLinksTreeHint));
  const char* names[] = {"tvMarker", "tvHREF", "tvUrl", "tvImage"};
  const QString captions[] = {QStringLiteral("NAME"), QStringLiteral("HREF"), QStringLiteral("url()"),
                              QStringLiteral("SRC")};
  for (int i = 0; i < 4; ++i) {
    m_trees4[i] = NewTree(m_pcLinkTreeView, names[i]);
    connect(m_trees4[i], &QTreeWidget::itemDoubleClicked, this, [this] { JumpToTextClick(); });
    m_pcLinkTreeView->addTab(m_trees4[i], captions[i]);
  }
  split->addWidget(m_pcLinkTreeView);

  auto* lower = new QWidget(split);
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addWidget(new QLabel(UiText(Msg::ProjectLinksMarkersLabel), lower));
  m_tvRelMarker = new RelMarkerView(
      [this] {
        QTreeWidgetItem* item = m_tvRelMarker->currentItem();
        if (item == nullptr) return QString();
        return item->parent() == nullptr ? item->text(0) : item->parent()->text(0) + QLatin1Char('#') + item->text(0);
      },
      lower);
  m_tvRelMarker->setObjectName(QStringLiteral("tvRelMarker"));
  m_tvRelMarker->setHeaderHidden(true);
  m_tvRelMarker->setToolTip(UiText(Msg::ProjectLinksMarkersHint));
  m_tvRelMarker->setDragEnabled(true);
  m_tvRelMarker->setDragDropMode(QAbstractItemView::DragOnly);
  connect(m_tvRelMarker, &QTreeWidget::itemDoubleClicked, this, [this] { SendLinkToEditorClick(); });
  lowerLayout->addWidget(m_tvRelMarker);
  split->addWidget(lower);
  split->setSizes({148, 120});
  layout->addWidget(split, 1);
  return page;
}

void TPrjForm::SetCurrentFileName(const QString& path) {
  if (m_edCurFileName->text() == path) return;
  m_edCurFileName->setText(path);  // rebuilds the relative markers
}

void TPrjForm::FillTree(QTreeWidget* tree, const LinkTree& nodes) {
  tree->setUpdatesEnabled(false);
  tree->clear();
  int fileIndex = 0;
  for (const LinkNode& file : nodes) {
    auto* top = new QTreeWidgetItem(tree, QStringList(QString::fromStdString(file.text)));
    top->setIcon(0, LinkStatusIcon(file.status));
    top->setData(0, kIndexRole, fileIndex++);
    for (const LinkNode& child : file.children) {
      auto* item = new QTreeWidgetItem(top, QStringList(FromDocumentText(child.text)));
      item->setIcon(0, LinkStatusIcon(child.status));
      item->setData(0, kIndexRole, static_cast<int>(child.status));
      item->setToolTip(0, item->text(0));
    }
  }
  tree->expandAll();
  tree->scrollToTop();
  tree->setUpdatesEnabled(true);
}

void TPrjForm::FillTrees() {
  FillTree(m_trees4[0], m_trees.marker);
  FillTree(m_trees4[1], m_trees.href);
  FillTree(m_trees4[2], m_trees.url);
  FillTree(m_trees4[3], m_trees.image);
  FillTree(m_tvRelMarker, m_trees.relMarker);
}

void TPrjForm::UpdateLocalLinkTreeViewClick() {
  if (m_busy) return;
  m_busy = true;
  m_stopRequested = false;
  m_linkStopBtn->setEnabled(true);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_trees = {};
  FillTrees();
  SetStatus(1, UiText(Msg::ProjectLinksCheckingMarkers));
  QCoreApplication::processEvents();

  LinkUpdateOptions options;
  options.activeDocumentPath = m_main.CurrentFileName().toStdString();
  bool linkPass = false;
  // The pass lets input through after every file, so the bar moves and
  // the stop button is heard.
  options.progress = [this, &linkPass](LinkUpdatePhase phase, int percent) {
    if (phase == LinkUpdatePhase::Links && !linkPass) {
      linkPass = true;
      SetStatus(1, UiText(Msg::ProjectLinksCheckingLinks));
    }
    m_progress->setValue(percent);
    if (m_progressObserver) m_progressObserver(percent);
    QCoreApplication::processEvents();
  };
  options.stop = [this] { return m_stopRequested; };
  // Pages in JIS or EUC-JP are read as the editor would open them.
  if (m_main.Context().options.openToShiftJis && KanjiConverterAvailable()) {
    options.readFile = [](const std::string& path) { return BytesToShow(ReadFileBytes(path), true); };
  }
  bool failed = false;
  try {
    m_trees = UpdateLocalLinks(m_project.entries, options);
  } catch (const FileError& e) {
    failed = true;
    ShowMessage(QString::fromStdString(e.what()), MessageKind::Error);
  }
  m_markerIndex = MarkerIndex(m_trees.marker);
  FillTrees();
  SetStatus(1, failed || m_stopRequested ? QString() : UiText(Msg::ProjectLinksCheckDone));
  m_progress->setValue(0);
  m_pcLinkTreeView->setCurrentIndex(1);
  QApplication::restoreOverrideCursor();
  m_linkStopBtn->setEnabled(false);
  m_busy = false;
}

void TPrjForm::UpdateRelMarkerTreeViewClick() {
  const QString current = m_edCurFileName->text();
  if (m_edCurDirName != nullptr)
    m_edCurDirName->setText(current.isEmpty() ? QString() : QFileInfo(current).absolutePath() + QLatin1Char('/'));
  SetStatus(1, UiText(Msg::ProjectLinksUpdatingMarkers));
  m_trees.relMarker = RebuildRelMarkers(m_trees.marker, m_main.CurrentFileName().toStdString());
  FillTree(m_tvRelMarker, m_trees.relMarker);
  SetStatus(1, {});
  m_progress->setValue(0);
}

void TPrjForm::SelectValueInEditor(std::size_t n, const ValueRule& rule) {
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (surface == nullptr) return;
  const auto range = SelectNthValue(surface->GetText(), n, rule);
  if (!range) return;
  surface->SetSelStart(range->start);
  surface->SetSelLength(range->end - range->start);
  surface->SetFocus();
  CentreCaretLine(*surface);
}

void TPrjForm::JumpToTextClick() {
  const int page = m_pcLinkTreeView->currentIndex();
  QTreeWidget* tree = Tree(page);
  QTreeWidgetItem* node = tree != nullptr ? tree->currentItem() : nullptr;
  if (node == nullptr) return;
  const QTreeWidgetItem* file = node->parent() != nullptr ? node->parent() : node;
  if (!m_main.OpenDocument(file->text(0), false)) return;
  if (node->parent() != nullptr)
    SelectValueInEditor(static_cast<std::size_t>(node->parent()->indexOfChild(node)), *kPageRules[page]);
}

void TPrjForm::SendLinkToEditorClick() {
  QTreeWidgetItem* node = m_tvRelMarker->currentItem();
  if (node == nullptr || m_main.ActiveSurface() == nullptr) return;
  const QTreeWidgetItem* file = node->parent() != nullptr ? node->parent() : node;
  const int fileIndex = file->data(0, kIndexRole).toInt();
  if (fileIndex < 0) return;
  const std::optional<std::size_t> child =
      node->parent() != nullptr ? std::optional<std::size_t>(file->indexOfChild(node)) : std::nullopt;
  const std::string text = SendLinkText(m_trees.relMarker, static_cast<std::size_t>(fileIndex), child);
  if (text.empty()) return;
  InsertIntoActiveDocument(m_main, text);
}

}  // namespace mw::gui
