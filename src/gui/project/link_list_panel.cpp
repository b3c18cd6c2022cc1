#include "gui/project/link_list_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "core/editing/insertion.h"
#include "core/editing/selection.h"
#include "core/editing/tag_text.h"
#include "core/editing/tag_scan.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"

namespace mw::gui {

namespace {
constexpr int kStateRole = Qt::UserRole;
constexpr int kRawRole = Qt::UserRole + 1;  // the Shift-JIS text
constexpr int kGroupRole = Qt::UserRole + 2;

const LinkGroupRule& RuleOf(LinkGroupKind kind) {
  for (const LinkGroupRule& r : LinkGroupRules())
    if (r.kind == kind) return r;
  return LinkGroupRules().front();
}

QIcon Painted(QColor fill, QChar letter, bool cross = false) {
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(fill.darker(140));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 3, 3);
  p.setPen(Qt::white);
  if (cross) {
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(4, 4, 10, 10);
    p.drawLine(10, 4, 4, 10);
  } else {
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, 14, 14), Qt::AlignCenter, QString(letter));
  }
  return QIcon(pm);
}
}  // namespace

void InsertIntoActiveDocument(TMainForm& main, std::string_view text) {
  ScintillaSurface* surface = main.ActiveSurface();
  if (surface == nullptr) return;
  // The window lends its editing state to commands only while they run.
  EditingContext& ctx = main.Context();
  ctx.editor = surface;
  ctx.fileName = main.CurrentFileName().toStdString();
  InsertPlain(ctx, text);
  ctx.editor = nullptr;
}

QIcon LinkStateIcon(LinkItemState state) {
  switch (state) {
    case LinkItemState::Group: return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    case LinkItemState::Marker: return Painted(QColor(0x2f, 0x6f, 0xc0), u'#');
    case LinkItemState::File: return Painted(QColor(0x2e, 0x9a, 0x3c), u'\u2713');
    case LinkItemState::External: return Painted(QColor(0x80, 0x80, 0x80), u'e');
    case LinkItemState::MarkerLink: return Painted(QColor(0x1f, 0x9a, 0x9a), u'#');
    case LinkItemState::Broken: return Painted(QColor(0xd0, 0x30, 0x30), u'x', true);
    case LinkItemState::Function: return Painted(QColor(0x8a, 0x4f, 0xb0), u'f');
  }
  return {};
}

QIcon LinkStatusIcon(LinkStatus status) {
  switch (status) {
    case LinkStatus::File: return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    case LinkStatus::Marker: return LinkStateIcon(LinkItemState::Marker);
    case LinkStatus::Ok: return LinkStateIcon(LinkItemState::File);
    case LinkStatus::External: return LinkStateIcon(LinkItemState::External);
    case LinkStatus::Undecided: return Painted(QColor(0xe0, 0x90, 0x20), u'?');
    case LinkStatus::Broken: return LinkStateIcon(LinkItemState::Broken);
  }
  return {};
}

TLinkListPanel::TLinkListPanel(TMainForm& main, std::function<const MarkerIndex*()> markers)
    : QTreeWidget(nullptr), m_main(main), m_markers(std::move(markers)) {
  setObjectName(QStringLiteral("tvLinkList"));
  setHeaderHidden(true);
  setMinimumWidth(30);
  setToolTip(UiText(Msg::LinkListHint));
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  m_shell = [](const QString& target) {
    const QUrl url = target.contains(QStringLiteral("//")) ? QUrl(target) : QUrl::fromLocalFile(target);
    QDesktopServices::openUrl(url);
  };
  if (QMenu* popup = main.Popup("pmLinkList")) {
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->exec(viewport()->mapToGlobal(at)); });
  }
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { JumpInText(); });

  m_dock = new QDockWidget(UiText(Msg::LinkListTitle), &main);
  m_dock->setObjectName(QStringLiteral("LinkListDock"));
  // Closed only through the command, which stores the width.
  m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
  m_dock->setWidget(this);
  main.addDockWidget(Qt::RightDockWidgetArea, m_dock);
  m_dock->hide();
  m_dock->installEventFilter(this);
}

LinkItemState TLinkListPanel::StateOf(const QTreeWidgetItem* item) {
  return item == nullptr ? LinkItemState::Group : static_cast<LinkItemState>(item->data(0, kStateRole).toInt());
}

bool TLinkListPanel::IsShown() const { return m_dock->isVisible() || !m_dock->isHidden(); }

void TLinkListPanel::BuildLinkList() {
  ScintillaSurface* surface = m_main.ActiveSurface();
  const std::string text = surface != nullptr ? surface->GetText() : std::string();
  m_linkedStyleSheet = DetectLinkedStyleSheet(text);

  LinkListContext context;
  context.documentPath = m_main.CurrentFileName().toStdString();
  context.projectMarkers = m_markers ? m_markers() : nullptr;
  FolderListing listing;
  context.listing = &listing;
  const std::vector<LinkGroup> groups = mw::BuildLinkList(text, context);

  setUpdatesEnabled(false);
  clear();
  for (const LinkGroup& g : groups) {
    auto* node = new QTreeWidgetItem(this, QStringList(FromDocumentText(g.title)));
    node->setData(0, kStateRole, static_cast<int>(LinkItemState::Group));
    node->setData(0, kGroupRole, static_cast<int>(g.kind));
    node->setIcon(0, LinkStateIcon(LinkItemState::Group));
    for (const LinkItem& item : g.items) {
      auto* child = new QTreeWidgetItem(node, QStringList(FromDocumentText(item.text)));
      child->setData(0, kStateRole, static_cast<int>(item.state));
      child->setData(0, kRawRole, QByteArray::fromStdString(item.text));
      child->setData(0, kGroupRole, static_cast<int>(g.kind));
      child->setIcon(0, LinkStateIcon(item.state));
      child->setToolTip(0, child->text(0));  // the panel is narrow
    }
  }
  expandAll();
  scrollToTop();
  setUpdatesEnabled(true);
}

std::string TLinkListPanel::SelectedText() const {
  const QTreeWidgetItem* item = currentItem();
  if (item == nullptr) return {};
  if (StateOf(item) == LinkItemState::Group) return ToDocumentText(item->text(0));
  return item->data(0, kRawRole).toByteArray().toStdString();
}

void TLinkListPanel::JumpInText() {
  QTreeWidgetItem* item = currentItem();
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (item == nullptr || item->parent() == nullptr || surface == nullptr) return;
  const LinkGroupRule& rule = RuleOf(static_cast<LinkGroupKind>(item->data(0, kGroupRole).toInt()));
  const auto index = static_cast<std::size_t>(item->parent()->indexOfChild(item));
  const auto range = OccurrenceRange(surface->GetText(), index, rule.key, rule.opening, rule.closing);
  if (!range) return;
  surface->SetSelStart(range->start);
  surface->SetSelLength(range->end - range->start);
  surface->SetFocus();
  CentreCaretLine(*surface);
}

void TLinkListPanel::JumpToTarget() {
  QTreeWidgetItem* item = currentItem();
  if (item == nullptr || item->parent() == nullptr) return;
  const auto kind = static_cast<LinkGroupKind>(item->data(0, kGroupRole).toInt());
  if (kind != LinkGroupKind::Href && kind != LinkGroupKind::Src && kind != LinkGroupKind::Url) return;
  const std::string text = SelectedText();
  // The empty-value item names no target.
  if (text.empty() || text == MessageSjis(Msg::LinkEmptyValue)) return;
  OpenLinkTarget(text);
}

void TLinkListPanel::OpenLinkTarget(const std::string& target) {
  // Pages are Shift-JIS, file names are not: the target is read as text
  // first, so a link to 表.html finds the file 表.html.
  const LinkTargetPlan plan =
      PlanLinkTarget(FromDocumentText(target).toStdString(), m_main.CurrentFileName().toStdString());
  switch (plan.action) {
    case LinkTargetAction::Shell:
      m_shell(QString::fromStdString(plan.path));
      return;
    case LinkTargetAction::ShowPicture:
      m_shell(QString::fromStdString(plan.path));
      return;
    case LinkTargetAction::OpenDocument:
      m_main.OpenDocument(QString::fromStdString(plan.path), false);
      break;
    case LinkTargetAction::MarkerOnly:
      break;
  }
  if (!plan.hasMarker) return;
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (surface == nullptr) return;
  const auto found = FindMarker(surface->GetText(), ToDocumentText(QString::fromStdString(plan.marker)));
  if (!found) {
    if (UserPrompts* p = m_main.Context().prompts)
      p->ShowMessage(FormatMessage(MessageSjis(Msg::LinkTargetNotFound), {target}));
    return;
  }
  surface->SetSelStart(found->start);
  surface->SetSelLength(found->end - found->start);
  surface->SetFocus();
  CentreCaretLine(*surface);
}

void TLinkListPanel::ExtractAndJump() {
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (surface == nullptr) return;
  const Offset oldStart = surface->GetSelStart();
  const Offset oldLength = surface->GetSelLength();
  EditingContext& ctx = m_main.Context();
  ctx.editor = surface;
  ctx.fileName = m_main.CurrentFileName().toStdString();
  // The start tag of the element at the caret, also from inside its end tag.
  SelectTagRange(ctx);
  if (surface->GetSelLength() >= 2 && surface->GetTextRange(surface->GetSelStart(), 2) == "</") {
    surface->SetSelStart(surface->GetSelStart() + 1);
    SelectPreviousTagRange(ctx);
  }
  SelectTag(*surface, ctx.currentTag);
  ctx.editor = nullptr;
  const Offset tagStart = surface->GetSelStart();
  const std::string tag = surface->GetTextRange(tagStart, surface->GetSelLength());
  if (tag.empty()) return;
  std::string value = GetQuotedAttributeValue(tag, " HREF");
  if (value.empty()) value = GetQuotedAttributeValue(tag, " SRC");
  const Offset at = value.empty() ? kNoPos : Find(tag, value);
  if (at == kNoPos) {
    surface->SetSelStart(oldStart);
    surface->SetSelLength(oldLength);
    return;
  }
  surface->SetSelStart(tagStart + at);
  surface->SetSelLength(static_cast<Offset>(value.size()));
  OpenLinkTarget(value);
}

void TLinkListPanel::CopyItem() {
  if (currentItem() == nullptr) return;
  const QString text = currentItem()->text(0);
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void TLinkListPanel::PasteItem() {
  const std::string text = SelectedText();
  if (!text.empty()) InsertIntoActiveDocument(m_main, text);
}

void TLinkListPanel::StoreWidth() {
  m_main.Settings().SetInt("iOldtvLinkList", m_dock->width());
}

void TLinkListPanel::ShowLinkList() {
  QAction* action = m_main.Action("ShowLinkList");
  if (action != nullptr) action->setCheckable(true);
  if (!m_dock->isHidden()) {
    StoreWidth();
    m_main.Settings().SetInt("itvLinkList", 0);
    m_dock->hide();
    clear();
    if (action != nullptr) action->setChecked(false);
    return;
  }
  int width = m_main.Settings().Int("iOldtvLinkList");
  if (width <= 0) width = 135;
  m_main.Settings().SetInt("itvLinkList", width);
  m_width = width;
  updateGeometry();
  m_dock->show();
  m_main.resizeDocks({m_dock}, {width}, Qt::Horizontal);
  if (action != nullptr) action->setChecked(true);
  BuildLinkList();
}

QSize TLinkListPanel::sizeHint() const { return QSize(m_width, QTreeWidget::sizeHint().height()); }

void TLinkListPanel::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space) {
    BuildLinkList();
    return;
  }
  QTreeWidget::keyPressEvent(e);
}

QMimeData* TLinkListPanel::mimeData(const QList<QTreeWidgetItem*>& items) const {
  auto* data = new QMimeData;
  if (!items.isEmpty()) data->setText(items.front()->text(0));
  return data;
}

bool TLinkListPanel::eventFilter(QObject* watched, QEvent* e) {
  // The width the panel has while shown is what the next start shows.
  if (watched == m_dock && e->type() == QEvent::Resize && !m_dock->isHidden() && m_dock->width() > 0)
    m_main.Settings().SetInt("itvLinkList", m_dock->width());
  return QTreeWidget::eventFilter(watched, e);
}

}  // namespace mw::gui
