#include "gui/dialogs/table_dialog_view.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dialogs/tag_dialogs.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"

namespace mw::gui {

namespace {

bool IsShiftEnter(const QKeyEvent& e);

// Formatted cells framed green, covered ones red, spanning ones blue.
class CellMarks : public QStyledItemDelegate {
 public:
  CellMarks(const TableDialog& session, CellGrid* grid) : QStyledItemDelegate(grid), m_session(session), m_grid(grid) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    const TCellData& d = m_session.Grid().Format(index.column() + 1, index.row() + 1);
    QColor mark;
    if (d.covered) mark = Qt::red;
    else if (d.HasSpan()) mark = Qt::blue;
    else if (d.HasFormat()) mark = QColor(0, 160, 0);
    if (!mark.isValid()) return;
    p->save();
    p->setPen(QPen(mark, 2));
    p->drawRect(option.rect.adjusted(1, 1, -2, -2));
    p->restore();
  }

 protected:
  // Shift+Enter while a cell is edited: the text typed so far stays, and
  // the picture is asked for once the editor has closed.
  bool eventFilter(QObject* editor, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && IsShiftEnter(*static_cast<QKeyEvent*>(e))) {
      CellGrid* grid = m_grid;
      QTimer::singleShot(0, grid, [grid] { emit grid->ImageRequested(); });
      return true;
    }
    return QStyledItemDelegate::eventFilter(editor, e);
  }

 private:
  const TableDialog& m_session;
  CellGrid* m_grid;
};

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The page's rows build the start tag over what the session holds.
PreviewBuilder SessionBuilder(TableDialog* s) {
  return [s](const DialogFields& f, const EditingOptions& o) {
    DialogFields all = s->Fields();
    for (const Binding& b : TableSettingsRows()) {
      all.Set(b.control, f.Get(b.control));
      if (!b.check.empty()) all.Set(b.check, f.Get(b.check));
    }
    return BuildTable(all, s->Grid(), o, s->Environment().indent).preview;
  };
}

bool IsShiftEnter(const QKeyEvent& e) {
  return (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) &&
         (e.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

struct MenuItem {
  const char* name;
  Msg caption;
  const char* key;
  int submenu;  // 0: none; else the submenu below
};

}  // namespace

void CellGrid::keyPressEvent(QKeyEvent* e) {
  if (IsShiftEnter(*e)) {
    emit ImageRequested();
    return;
  }
  QTableWidget::keyPressEvent(e);
}

void CellGrid::CommitEditing() {
  if (state() != EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

TableDialogView::TableDialogView(QWidget* parent, TableDialog& session, TagDialogViewHooks hooks)
    : TagDialogView(parent, TableSettingsRows(), SessionBuilder(&session), std::move(hooks)), m_session(session) {
  setObjectName(QStringLiteral("TTableDlg"));
  auto* main = static_cast<QVBoxLayout*>(layout());
  // The rows' form becomes the page "設定".
  QLayoutItem* form = main->takeAt(0);
  auto* settings = new QWidget;
  settings->setObjectName(QStringLiteral("SettingsSheet"));
  settings->setLayout(form->layout());
  // The border colour's buttons carry no number: the cell colour's are 2.
  for (const char* kind : {"ColorPaletteBtn", "ColorFormBtn"})
    if (auto* b = settings->findChild<QPushButton*>(QString::fromLatin1(kind) + QLatin1Char('2')))
      b->setObjectName(QString::fromLatin1(kind));
  auto* cells = new QWidget;
  cells->setObjectName(QStringLiteral("CellSheet"));
  BuildCellPage(cells);
  m_pages = new QTabWidget(this);
  m_pages->setObjectName(QStringLiteral("pcTable"));
  m_pages->addTab(settings, UiText(Msg::TableSettingsPage));
  m_pages->addTab(cells, UiText(Msg::TableCellsPage));
  // A change of page reruns the show step: the preview is rebuilt.
  connect(m_pages, &QTabWidget::currentChanged, this, [this] { MarkStale(); });
  main->insertWidget(0, m_pages, 3);

  auto* browsers = new QHBoxLayout;
  AddButton(browsers, "IEBtn", QStringLiteral("IE"), Msg::TableIEHint);
  AddButton(browsers, "NNBtn", QStringLiteral("NN"), Msg::TableNNHint);
  AddButton(browsers, "BrowseBtn", UiText(Msg::TableBrowseHint), Msg::TableBrowseHint);
  browsers->addStretch();
  main->insertLayout(1, browsers);
  BuildMenu();
  resize(860, 760);
}

void TableDialogView::AddButton(QLayout* into, const char* name, const QString& caption, Msg hint) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  if (hint != Msg::Count) b->setToolTip(UiText(hint));
  into->addWidget(b);
  m_controls[name] = b;
  const std::string button = name;
  connect(b, &QPushButton::clicked, this, [this, button] { Press(button); });
}

void TableDialogView::BuildCellPage(QWidget* page) {
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  auto* counts = new QHBoxLayout;
  for (const auto& [name, label] : {std::pair{"edRowCount", "行数(&R)"}, std::pair{"edColCount", "列数(&C)"}}) {
    auto* spin = new QSpinBox(page);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(1, TableGrid::kMaxCount);
    auto* l = new QLabel(Utf8(label), page);
    l->setBuddy(spin);
    counts->addWidget(l);
    counts->addWidget(spin);
    m_controls[name] = spin;
    const std::string field = name;
    connect(spin, &QSpinBox::valueChanged, this, [this, field](int n) {
      if (m_syncing) return;
      m_session.SetField(field, std::to_string(n));
      LoadGrid();
      MarkStale();
    });
  }
  auto* th = new QCheckBox(QStringLiteral("一行目を見出し(&M)"), page);
  th->setObjectName(QStringLiteral("ckTH"));
  m_controls["ckTH"] = th;
  connect(th, &QCheckBox::toggled, this, [this](bool on) {
    if (m_syncing) return;
    m_session.SetField("ckTH", on ? "1" : "0");
    MarkStale();
  });
  counts->addWidget(th);
  counts->addStretch();
  left->addLayout(counts);

  m_grid = new CellGrid(page);
  m_grid->setObjectName(QString::fromLatin1(kTableGridName.data(), static_cast<qsizetype>(kTableGridName.size())));
  m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
  m_grid->setItemDelegate(new CellMarks(m_session, m_grid));
  m_grid->horizontalHeader()->setDefaultSectionSize(90);
  m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_grid, &QTableWidget::itemSelectionChanged, this, &TableDialogView::SelectionChanged);
  connect(m_grid, &QTableWidget::itemChanged, this, &TableDialogView::CellEdited);
  connect(m_grid, &CellGrid::ImageRequested, this, [this] { Press("ImageRefBtn"); });
  connect(m_grid, &CellGrid::EditingStarted, this, [this] { m_controls["UpdateBtn"]->setEnabled(true); });
  // Rows and columns dragged by their headers: the cells move in the
  // session, and the headers keep counting 1, 2, ...
  for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
    header->setSectionsMovable(true);
    connect(header, &QHeaderView::sectionMoved, this,
            [this, header](int, int from, int to) { SectionDragged(header, from, to); });
  }
  connect(m_grid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });
  left->addWidget(m_grid, 1);
  layout->addLayout(left, 3);

  auto* panel = new QGroupBox(page);
  auto* grid = new QGridLayout(panel);
  int row = 0;
  const auto label = [&](const char* text, QWidget* buddy) {
    auto* l = new QLabel(Utf8(text), panel);
    l->setBuddy(buddy);
    grid->addWidget(l, row, 0);
  };
  // Colour of the cells, with its palette.
  auto* colour = new QComboBox(panel);
  colour->setEditable(true);
  colour->setObjectName(QStringLiteral("cbCellColor"));
  m_controls["cbCellColor"] = colour;
  label("背景色(&C)", colour);
  auto* colourRow = new QHBoxLayout;
  colourRow->addWidget(colour, 1);
  auto* names = new QPushButton(QStringLiteral("(&F)"), panel);
  names->setObjectName(QStringLiteral("ColorFormBtn2"));
  names->setToolTip(UiText(Msg::ColourNamesHint));
  connect(names, &QPushButton::clicked, this, [this, colour] {
    if (!Hooks().pickColourName) return;
    const std::string picked = Hooks().pickColourName(ToDocumentText(colour->currentText()));
    if (!picked.empty()) colour->setEditText(FromDocumentText(picked));
  });
  auto* palette = new QPushButton(QStringLiteral("(&P)"), panel);
  palette->setObjectName(QStringLiteral("ColorPaletteBtn2"));
  palette->setToolTip(UiText(Msg::ColourPaletteHint));
  for (QPushButton* b : {names, palette}) {
    b->setAutoDefault(false);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("(P)")) + 24);
    colourRow->addWidget(b);
  }
  grid->addLayout(colourRow, row++, 1);
  connect(colour, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { PanelChanged("cbCellColor", t); });
  connect(palette, &QPushButton::clicked, this, [this, colour] {
    const QColor c = QColorDialog::getColor(QColor(colour->currentText()).isValid() ? QColor(colour->currentText())
                                                                                     : QColor(Qt::white),
                                            this);
    if (!c.isValid()) return;
    colour->setEditText(FromDocumentText(PaletteColour(static_cast<unsigned char>(c.red()),
                                                       static_cast<unsigned char>(c.green()),
                                                       static_cast<unsigned char>(c.blue()), Options())));
  });
  // Sizes with their "%" boxes.
  for (const auto& [name, check, text] : {std::tuple{"edCellWidth", "ckCellWidthPercent", "幅(&W)"},
                                          std::tuple{"edCellHeight", "ckCellHeightPercent", "高さ(&H)"}}) {
    auto* number = new NumberField(1, true, panel);
    number->setObjectName(QString::fromLatin1(name));
    auto* percent = new QCheckBox(QStringLiteral("%"), panel);
    percent->setObjectName(QString::fromLatin1(check));
    m_controls[name] = number;
    m_controls[check] = percent;
    label(text, number);
    auto* line = new QHBoxLayout;
    line->addWidget(number, 1);
    line->addWidget(percent);
    grid->addLayout(line, row++, 1);
    const std::string field = name, box = check;
    // A size being typed reaches the cells when its edit is finished
    // (Enter, the focus moving on, a button); the arrows apply at once.
    connect(number, &NumberField::TextEdited, this, [this, field] {
      if (m_syncing) return;
      m_typedSizes.insert(field);
      m_controls["UpdateBtn"]->setEnabled(true);
    });
    connect(number, &QAbstractSpinBox::editingFinished, this, [this, field] { FinishSize(field); });
    connect(number, &NumberField::Stepped, this, [this, field] { FinishSize(field, true); });
    connect(percent, &QCheckBox::toggled, this,
            [this, box](bool on) { PanelChanged(box, on ? QStringLiteral("1") : QStringLiteral("0")); });
  }
  for (const auto& [name, text, items] :
       {std::tuple{"cbAlign", "水平方向(&T)", std::span<const std::string_view>(kCellAlignItems)},
        std::tuple{"cbVAlign", "垂直方向(&V)", std::span<const std::string_view>(kCellVAlignItems)}}) {
    auto* list = new QComboBox(panel);
    list->setObjectName(QString::fromLatin1(name));
    for (const std::string_view item : items) list->addItem(Utf8(item));
    m_controls[name] = list;
    label(text, list);
    grid->addWidget(list, row++, 1);
    const std::string field = name;
    connect(list, &QComboBox::currentTextChanged, this, [this, field](const QString& t) { PanelChanged(field, t); });
  }
  auto* nowrap = new QCheckBox(QStringLiteral("NOWRAP(&Q)"), panel);
  nowrap->setObjectName(QStringLiteral("ckNOWRAP"));
  m_controls["ckNOWRAP"] = nowrap;
  grid->addWidget(nowrap, row++, 1);
  connect(nowrap, &QCheckBox::toggled, this,
          [this](bool on) { PanelChanged("ckNOWRAP", on ? QStringLiteral("1") : QStringLiteral("0")); });

  auto* spans = new QHBoxLayout;
  AddButton(spans, "SetSpanBtn", QStringLiteral("セル結合(&B)"), Msg::Count);
  AddButton(spans, "ResetSpanBtn", QStringLiteral("結合解除(&W)"), Msg::Count);
  grid->addLayout(spans, row++, 0, 1, 2);
  auto* csv = new QHBoxLayout;
  csv->addWidget(new QLabel(QStringLiteral("CSV"), panel));
  AddButton(csv, "OpenCSVBtn", QStringLiteral("開く(&O)"), Msg::CsvOpenHint);
  AddButton(csv, "SaveCSVBtn", QStringLiteral("保存(&S)"), Msg::CsvSaveHint);
  grid->addLayout(csv, row++, 0, 1, 2);
  auto* more = new QHBoxLayout;
  AddButton(more, "ClearBtn", QStringLiteral("全消去(&X)"), Msg::TableClearHint);
  AddButton(more, "UpdateBtn", QStringLiteral("更新(&U)"), Msg::TableUpdateHint);
  AddButton(more, "ImageRefBtn", QStringLiteral("(&L)"), Msg::TableImageHint);
  grid->addLayout(more, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  layout->addWidget(panel, 2);
}

void TableDialogView::BuildMenu() {
  static const MenuItem kItems[] = {
      {"CopyCell", Msg::Count, "Ctrl+Shift+C", 0},  {"PasteAll", Msg::Count, "Ctrl+Shift+V", 1},
      {"PasteData", Msg::Count, "", 1},             {"PasteFormat", Msg::Count, "", 1},
      {"ClearSelected", Msg::Count, "Del", 2},      {"ClearData", Msg::Count, "", 2},
      {"ClearFormat", Msg::Count, "", 2},           {"DeleteToRow", Msg::Count, "Ctrl+Up", 3},
      {"DeleteToCol", Msg::Count, "Ctrl+Left", 3},  {"InsertToRow", Msg::Count, "Ctrl+Down", 4},
      {"InsertToCol", Msg::Count, "Ctrl+Right", 4}, {"SelectAll", Msg::Count, "Ctrl+A", 0},
  };
  static const char* const kCaptions[] = {"選択セルのコピー", "すべて", "データ", "フォーマット",
                                          "すべて", "データ", "フォーマット", "行方向へシフト",
                                          "列方向へシフト", "行方向へシフト", "列方向へシフト", "全て選択"};
  static const char* const kSubmenus[] = {"", "選択セルへの張り付け", "選択セルの消去", "選択セルの削除",
                                          "選択セルへ挿入"};
  m_menu = new QMenu(this);
  m_menu->setObjectName(QStringLiteral("pmTable"));
  QMenu* subs[5] = {m_menu, nullptr, nullptr, nullptr, nullptr};
  for (std::size_t i = 0; i < std::size(kItems); ++i) {
    const MenuItem& item = kItems[i];
    QMenu*& into = subs[item.submenu];
    if (into == nullptr) into = m_menu->addMenu(Utf8(kSubmenus[item.submenu]));
    QAction* a = into->addAction(Utf8(kCaptions[i]));
    a->setObjectName(QString::fromLatin1(item.name));
    if (*item.key) {
      a->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
      a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      m_grid->addAction(a);
    }
    const std::string name = item.name;
    connect(a, &QAction::triggered, this, [this, name] { Press(name); });
  }
}

QWidget* TableDialogView::CellControl(std::string_view name) const {
  const auto it = m_controls.find(name);
  return it == m_controls.end() ? nullptr : it->second;
}

void TableDialogView::LoadFields(const DialogFields& fields) {
  m_preset = fields.Get(kFieldPreview);
  TagDialogView::LoadFields(fields);
  m_syncing = true;
  auto* colour = static_cast<QComboBox*>(m_controls["cbCellColor"]);
  colour->clear();
  for (const std::string& item : GetItems(fields, "cbCellColor")) colour->addItem(FromDocumentText(item));
  const bool images = fields.Get("ImageRefBtn#enabled", "1") != "0" && m_session.Environment().imageTag;
  m_controls["ImageRefBtn"]->setEnabled(images);
  m_syncing = false;
  LoadGrid();
}

// The preview goes back only when the author edited it by hand since its
// last rebuild.
void TableDialogView::StoreFields(DialogFields& fields) const {
  fields.Set(kFieldPreview, m_preset);
  TagDialogView::StoreFields(fields);
}

void TableDialogView::FinishSize(const std::string& field, bool stepped) {
  if (!m_typedSizes.erase(field) && !stepped) return;
  PanelChanged(field, static_cast<NumberField*>(m_controls[field])->Text());
}

void TableDialogView::FinishSizes() {
  for (const char* field : {"edCellWidth", "edCellHeight"}) FinishSize(field);
}

void TableDialogView::accept() {
  // Text typed into the cell being edited, or into a size field, is in the
  // table.
  m_grid->CommitEditing();
  FinishSizes();
  TagDialogView::accept();
}

void TableDialogView::LoadGrid() {
  m_syncing = true;
  const TableGrid& g = m_session.Grid();
  m_grid->setColumnCount(g.Cols());
  m_grid->setRowCount(g.Rows());
  for (int r = 0; r < g.Rows(); ++r)
    for (int c = 0; c < g.Cols(); ++c) {
      QTableWidgetItem* item = m_grid->item(r, c);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        m_grid->setItem(r, c, item);
      }
      const QString text = FromDocumentText(g.Text(c + 1, r + 1));
      if (item->text() != text) {
        item->setText(text);
        item->setToolTip(text);
      }
      const bool covered = g.Format(c + 1, r + 1).covered;
      item->setFlags(covered ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable)
                             : (Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable));
    }
  static_cast<QSpinBox*>(m_controls["edRowCount"])->setValue(g.Rows());
  static_cast<QSpinBox*>(m_controls["edColCount"])->setValue(g.Cols());
  static_cast<QCheckBox*>(m_controls["ckTH"])->setChecked(m_session.Fields().Checked("ckTH"));
  const CellRect& s = m_session.Selection();
  m_grid->clearSelection();
  m_grid->setCurrentCell(s.top - 1, s.left - 1, QItemSelectionModel::NoUpdate);
  m_grid->setRangeSelected(QTableWidgetSelectionRange(s.top - 1, s.left - 1, s.bottom - 1, s.right - 1), true);
  m_grid->viewport()->update();
  m_syncing = false;
  LoadPanel();
}

void TableDialogView::LoadPanel() {
  m_syncing = true;
  m_typedSizes.clear();
  const DialogFields& f = m_session.Fields();
  static_cast<QComboBox*>(m_controls["cbCellColor"])->setEditText(FromDocumentText(f.Get("cbCellColor")));
  for (const char* n : {"edCellWidth", "edCellHeight"})
    static_cast<NumberField*>(m_controls[n])->SetText(FromDocumentText(f.Get(n)));
  for (const char* n : {"ckCellWidthPercent", "ckCellHeightPercent", "ckNOWRAP"})
    static_cast<QCheckBox*>(m_controls[n])->setChecked(f.Checked(n));
  for (const char* n : {"cbAlign", "cbVAlign"})
    static_cast<QComboBox*>(m_controls[n])->setCurrentText(FromDocumentText(f.Get(n)));
  m_controls["SetSpanBtn"]->setEnabled(m_session.CanMerge());
  m_syncing = false;
}

void TableDialogView::SelectionChanged() {
  if (m_syncing) return;
  const auto ranges = m_grid->selectedRanges();
  CellRect r;
  if (!ranges.isEmpty()) {
    const QTableWidgetSelectionRange& s = ranges.front();
    r = {s.leftColumn() + 1, s.topRow() + 1, s.rightColumn() + 1, s.bottomRow() + 1};
  } else if (m_grid->currentRow() >= 0) {
    r = {m_grid->currentColumn() + 1, m_grid->currentRow() + 1, m_grid->currentColumn() + 1,
         m_grid->currentRow() + 1};
  }
  m_session.SetField(kTableSelectionField, std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                                               std::to_string(r.right) + "," + std::to_string(r.bottom));
  LoadPanel();
}

void TableDialogView::SelectCells(const CellRect& r) {
  m_grid->clearSelection();
  m_grid->setCurrentCell(r.top - 1, r.left - 1, QItemSelectionModel::NoUpdate);
  m_grid->setRangeSelected(QTableWidgetSelectionRange(r.top - 1, r.left - 1, r.bottom - 1, r.right - 1), true);
}

void TableDialogView::PanelChanged(const std::string& name, const QString& value) {
  if (m_syncing) return;
  m_session.SetField(name, ToDocumentText(value));
  m_grid->viewport()->update();
  MarkStale();
}

void TableDialogView::SectionDragged(QHeaderView* header, int from, int to) {
  header->blockSignals(true);
  header->moveSection(to, from);
  header->blockSignals(false);
  m_grid->CommitEditing();
  const bool rows = header == m_grid->verticalHeader();
  m_session.SetField(rows ? kTableMoveRowField : kTableMoveColField,
                     std::to_string(from + 1) + "," + std::to_string(to + 1));
  LoadGrid();
  MarkStale();
}

bool CellGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const bool opened = QTableWidget::edit(index, trigger, event);
  if (opened && state() == EditingState) emit EditingStarted();
  return opened;
}

// UpdateBtn is enabled while something typed has not reached the preview
// yet: a cell being edited, a size not yet applied.
void TableDialogView::Rebuilt() {
  if (QWidget* b = m_controls["UpdateBtn"]) b->setEnabled(false);
}

void TableDialogView::CellEdited(QTableWidgetItem* item) {
  if (m_syncing || item == nullptr) return;
  const std::string name = std::string(kTableGridName) + "[" + std::to_string(item->column() + 1) + "," +
                           std::to_string(item->row() + 1) + "]";
  m_session.SetField(name, ToDocumentText(item->text()));
  item->setToolTip(item->text());
  MarkStale();
}

void TableDialogView::Press(std::string_view name) {
  m_grid->CommitEditing();
  FinishSizes();  // a button's key leaves the focus where it is
  // The page "設定" as it stands, for the buttons that build the table.
  DialogFields shown = m_session.Fields();
  TagDialogView::StoreFields(shown);
  for (const Binding& b : TableSettingsRows()) {
    m_session.Fields().Set(b.control, shown.Get(b.control));
    if (!b.check.empty()) m_session.Fields().Set(b.check, shown.Get(b.check));
  }
  m_session.Press(name);
  LoadGrid();
  MarkStale();
}

}  // namespace mw::gui
