#include "gui/dialogs/tag_dialog_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdlib>
#include <set>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialogs.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/display/display_refresh.h"
#include "gui/display/scintilla_surface.h"
#include "core/project/relative_path.h"

namespace mw::gui {

TagDialogView::TagDialogView(QWidget* parent, std::span<const Binding> rows, PreviewBuilder build,
                             TagDialogViewHooks hooks, std::span<const ViewPage> pages)
    : FieldsDialog(parent), m_build(std::move(build)), m_hooks(std::move(hooks)), m_pages(pages) {
  // Field changes only mark the preview stale; the rebuild waits until the
  // events of the change are handled, so typing never waits for it.
  m_rebuild.setSingleShot(true);
  m_rebuild.setInterval(0);
  connect(&m_rebuild, &QTimer::timeout, this, &TagDialogView::Rebuild);
  BuildForm(rows);
}

TagDialogView::~TagDialogView() = default;

EditingOptions TagDialogView::Options() const { return m_hooks.options ? m_hooks.options() : EditingOptions{}; }

TagDialogView::Bound* TagDialogView::Find(std::string_view name) {
  for (Bound& b : m_bound)
    if (b.name == name) return &b;
  return nullptr;
}

const TagDialogView::Bound* TagDialogView::Find(std::string_view name) const {
  for (const Bound& b : m_bound)
    if (b.name == name) return &b;
  return nullptr;
}

QWidget* TagDialogView::Control(std::string_view name) const {
  const Bound* b = Find(name);
  if (b == nullptr) return nullptr;
  return b->table ? b->table : b->widget;
}

bool TagDialogView::SetControlValue(std::string_view name, const QString& value) {
  if (const auto bracket = name.find('['); bracket != std::string_view::npos) {
    const std::string grid(name.substr(0, bracket));
    const std::string cell(name.substr(bracket + 1));
    const int row = std::atoi(cell.c_str());
    const auto comma = cell.find(',');
    if (comma == std::string::npos) return false;
    const int col = std::atoi(cell.c_str() + comma + 1);
    auto* table = qobject_cast<QTableWidget*>(Control(grid));
    // The option grids show their header row as the table's header.
    const int r = grid == "sgFrame" ? row : row - 1;
    if (table == nullptr || r < 0 || col < 0 || r >= table->rowCount() || col >= table->columnCount()) return false;
    QTableWidgetItem* item = table->item(r, col);
    if (item == nullptr) return false;
    item->setText(value);
    return true;
  }
  QWidget* w = Control(name);
  if (w == nullptr) return false;
  if (auto* check = qobject_cast<QCheckBox*>(w)) {
    check->setChecked(value == QStringLiteral("1"));
  } else if (name.starts_with("rg")) {
    auto* radio = w->findChild<QRadioButton*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                                             QLatin1Char('_') + value);
    if (radio == nullptr) return false;
    radio->setChecked(true);
  } else {
    SetFieldWidgetText(w, value);
  }
  return true;
}

const EditorSurface& TagDialogView::PreviewSurface() const { return *m_preview; }

std::string TagDialogView::PreviewText() const { return m_preview->Text(); }

void TagDialogView::LoadFields(const DialogFields& fields) {
  m_fields = fields;
  m_loading = true;
  setWindowTitle(FromDocumentText(fields.Get(kFieldCaption)));
  // The marker dialog asks for a marker or a map name as its command says.
  for (Bound& b : m_bound)
    if (!b.labelField.empty() && b.label && fields.Has(b.labelField))
      b.label->setText(FromDocumentText(fields.Get(b.labelField)));
  for (Bound& b : m_bound) LoadControl(b, fields);
  if (m_tabs && fields.Has("#page"))
    if (QWidget* page = m_tabs->findChild<QWidget*>(FromDocumentText(fields.Get("#page")))) m_tabs->setCurrentWidget(page);
  m_loading = false;
  Rebuild();
}

void TagDialogView::LoadControl(Bound& b, const DialogFields& f) {
  const bool visible = f.Get(b.name + "#visible", "1") != "0";
  const bool enabled = f.Get(b.name + "#enabled", "1") != "0";
  b.widget->setVisible(visible);
  b.widget->setEnabled(enabled);
  if (b.label) {
    b.label->setVisible(visible);
    b.label->setEnabled(enabled);
  }
  for (QPushButton* button : {b.formButton, b.paletteButton, b.refButton, b.styleButton})
    if (button) button->setVisible(visible);
  if (b.refButton) {
    const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
    b.refButton->setEnabled(enabled && !doc.isEmpty() && QFileInfo(doc).isFile());
  }
  const QString text = FromDocumentText(f.Get(b.name));
  switch (b.kind) {
    case Widget::Text:
    case Widget::Number: SetFieldWidgetText(b.widget, text); break;
    case Widget::Combo: {
      auto* combo = static_cast<QComboBox*>(b.widget);
      combo->clear();
      if (f.Has(ItemsKey(b.name))) {
        for (const std::string& item : GetItems(f, b.name)) combo->addItem(FromDocumentText(item));
      } else {
        for (const std::string& item : SplitItems(b.items)) combo->addItem(QString::fromUtf8(item));
      }
      combo->setEditText(text);
      break;
    }
    case Widget::Check: static_cast<QAbstractButton*>(b.widget)->setChecked(f.Checked(b.name)); break;
    case Widget::Radio: {
      QAbstractButton* button = b.radios->button(f.Index(b.name, 0));
      if (button) button->setChecked(true);
      break;
    }
    case Widget::Grid: LoadGrid(b, f); break;
    case Widget::FrameGrid: LoadFrameGrid(b, f); break;
  }
}

void TagDialogView::LoadGrid(Bound& b, const DialogFields& f) {
  QTableWidget* table = b.table;
  const int rows = GridCount(f, b.rowCount);
  table->setRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < b.columns; ++c)
      table->setItem(r, c, new QTableWidgetItem(FromDocumentText(f.Get(CellName(b.name, r + 1, c)))));
}

// The frameset grid shows its fixed row (column widths) and fixed column
// (row heights) as cells of their own, shaded as headers but editable.
void TagDialogView::LoadFrameGrid(Bound& b, const DialogFields& f) {
  QTableWidget* table = b.table;
  const int rows = GridCount(f, b.rowCount) + 1;
  const int cols = GridCount(f, b.colCount) + 1;
  table->setRowCount(rows);
  table->setColumnCount(cols);
  const QBrush fixed = table->palette().brush(QPalette::Button);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto* item = new QTableWidgetItem(FromDocumentText(f.Get(CellName(b.name, r, c))));
      if (r == 0 || c == 0) item->setBackground(fixed);
      if (r == 0 && c == 0) item->setFlags(Qt::NoItemFlags);
      table->setItem(r, c, item);
    }
  }
}

void TagDialogView::StoreControls(DialogFields& f) const {
  for (const Bound& b : m_bound) {
    switch (b.kind) {
      case Widget::Text:
      case Widget::Number:
      case Widget::Combo: f.Set(b.name, ToDocumentText(FieldWidgetText(b.widget))); break;
      case Widget::Check: f.SetChecked(b.name, static_cast<QAbstractButton*>(b.widget)->isChecked()); break;
      case Widget::Radio: f.SetIndex(b.name, b.radios->checkedId()); break;
      case Widget::Grid:
      case Widget::FrameGrid: {
        QTableWidget* table = b.table;
        const int offset = b.kind == Widget::Grid ? 1 : 0;
        for (int r = 0; r < table->rowCount(); ++r) {
          for (int c = 0; c < table->columnCount(); ++c) {
            if (offset == 0 && r == 0 && c == 0) continue;
            const QTableWidgetItem* item = table->item(r, c);
            f.Set(CellName(b.name, r + offset, c), item ? ToDocumentText(item->text()) : std::string());
          }
        }
        break;
      }
    }
  }
}

void TagDialogView::StoreFields(DialogFields& fields) const {
  StoreControls(fields);
  if (m_handEdited) fields.Set(kFieldPreview, PreviewText());
}

DialogFields TagDialogView::CurrentFields() const {
  DialogFields f = m_fields;
  StoreControls(f);
  return f;
}

bool TagDialogView::ReferenceChosen(std::string_view, const QString&) { return false; }

QString TagDialogView::ReferenceFilter(std::string_view, const QString& filter) const { return filter; }

QPushButton* TagDialogView::ReferenceButton(std::string_view control) const {
  const Bound* b = Find(control);
  return b ? b->refButton : nullptr;
}

void TagDialogView::MarkStale() {
  if (m_loading) return;
  m_rebuild.start();
}

void TagDialogView::RebuildNow() {
  if (m_rebuild.isActive()) {
    m_rebuild.stop();
    Rebuild();
  }
}

void TagDialogView::Rebuild() {
  DialogFields f = m_fields;
  StoreControls(f);
  const std::string text = m_build ? m_build(f, Options()) : std::string();
  m_loading = true;
  m_preview->Load(text, true);
  m_loading = false;
  m_handEdited = false;
  Rebuilt();
}

// A grid's row or column count changed: the grid follows at once (the
// frameset grid shares its sizes out equally again).
void TagDialogView::CountChanged(const std::string& countName) {
  DialogFields f = m_fields;
  StoreControls(f);
  for (Bound& b : m_bound) {
    if (b.kind == Widget::Grid && countName == b.rowCount) {
      LoadGrid(b, f);
    } else if (b.kind == Widget::FrameGrid && (countName == b.rowCount || countName == b.colCount)) {
      const bool rows = countName == b.rowCount;
      const int current = b.table->rowCount() - 1;
      const int currentCols = b.table->columnCount() - 1;
      const int n = GridCount(f, countName, rows ? current : currentCols);
      if (n == (rows ? current : currentCols)) continue;
      if (rows) SetFrameRowCount(f, n);
      else SetFrameColumnCount(f, n);
      LoadFrameGrid(b, f);
    }
  }
}

void TagDialogView::PaletteClick(const Bound& b) {
  auto* combo = static_cast<QComboBox*>(b.widget);
  const QColor initial(combo->currentText());
  const QColor chosen = QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white), this);
  if (!chosen.isValid()) return;  // cancelled: the field keeps its text
  const std::string text = PaletteColour(static_cast<unsigned char>(chosen.red()),
                                         static_cast<unsigned char>(chosen.green()),
                                         static_cast<unsigned char>(chosen.blue()), Options());
  combo->setEditText(FromDocumentText(text));
  MarkStale();
}

void TagDialogView::ColourNameClick(const Bound& b) {
  if (!m_hooks.pickColourName) return;
  auto* combo = static_cast<QComboBox*>(b.widget);
  const std::string text = m_hooks.pickColourName(ToDocumentText(combo->currentText()));
  if (text.empty()) return;  // cancelled: the field keeps its text
  combo->setEditText(FromDocumentText(text));
  MarkStale();
}

void TagDialogView::ReferenceClick(const Bound& b) {
  const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
  if (doc.isEmpty()) return;
  // Start at the file the field already names, else in the file list's
  // folder.
  QString start = m_hooks.startFolder ? m_hooks.startFolder() : QString();
  const std::string typed = ToDocumentText(FieldWidgetText(b.widget));
  if (!typed.empty()) {
    const QString resolved = FromDocumentText(ResolveRelativePath(typed, ToDocumentText(QDir::toNativeSeparators(doc))));
    const QString local = QDir::fromNativeSeparators(resolved);
    if (QFileInfo(local).isFile()) start = local;
  }
  const QString filter = ReferenceFilter(b.name, QtFileFilter(b.filter));
  const QString file = m_hooks.chooseFile
                           ? m_hooks.chooseFile(this, start, filter)
                           : QFileDialog::getOpenFileName(this, QString(), start, filter);
  if (file.isEmpty()) return;
  if (ReferenceChosen(b.name, file)) return;
  DialogFields f;
  if (!ApplyReferenceChoice(f, b.name, ToDocumentText(QDir::toNativeSeparators(file)),
                            ToDocumentText(QDir::toNativeSeparators(doc)), ServicesOf(m_hooks)))
    return;
  SetFieldWidgetText(b.widget, FromDocumentText(f.Get(b.name)));
  MarkStale();
}

namespace {

// The control a field belongs to: "cbStyle#items" and "sgStyle[1,0]" are
// cbStyle's and sgStyle's.
std::string_view ControlOfField(std::string_view key) {
  return key.substr(0, std::min(key.find('#'), key.find('[')));
}

}  // namespace

void TagDialogView::Act(const std::function<void(DialogFields&)>& action, std::string_view except) {
  DialogFields f = m_fields;
  StoreControls(f);
  const DialogFields before = f;
  action(f);
  m_fields = f;
  std::set<std::string, std::less<>> changed;
  for (const auto& [key, value] : f.values)
    if (before.Get(key) != value || !before.Has(key)) changed.emplace(ControlOfField(key));
  for (const auto& [key, value] : before.values)
    if (!f.Has(key)) changed.emplace(ControlOfField(key));
  m_loading = true;
  for (Bound& b : m_bound)
    if (b.name != except && changed.count(b.name)) LoadControl(b, f);
  m_loading = false;
  m_rebuild.start();
}

void TagDialogView::Press(std::string_view button) {
  if (m_dialogClass.empty()) return;
  const std::string name(button);
  // The dialog's model when a command opened it; the window's routines for
  // a view shown on its own.
  Act([this, &name](DialogFields& f) {
    if (f.actions) f.actions->Take(DialogStep::PressButton(name), f);
    else if (m_hooks.press) m_hooks.press(m_dialogClass, name, f);
  });
}

const TagDialogView::Bound* TagDialogView::Owner(QObject* o) const {
  for (QObject* p = o; p != nullptr && p != this; p = p->parent())
    for (const Bound& b : m_bound)
      if (b.widget == p) return &b;
  return nullptr;
}

// Enter confirms the dialog from any field; with Shift or Ctrl it runs the
// field's button: the palette (Shift) or colour-name picker (Ctrl) of a
// colour field, the reference button of a file field. An editable combo
// box takes the keys itself and hands them to its line edit without
// filters, so the filter sits on the combo box as well.
bool TagDialogView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return FieldsDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (watched == m_previewWidget) {
    // The preview's editor would take Esc for itself; it cancels the
    // dialog here as it does everywhere else.
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      reject();
      return true;
    }
    // Tab types a tab into the tag; Ctrl+Tab (Ctrl+Shift+Tab) leaves it for
    // the buttons, as in other text fields that take Tab.
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier)) {
      focusNextPrevChild(!back);
      return true;
    }
    return FieldsDialog::eventFilter(watched, event);
  }
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return FieldsDialog::eventFilter(watched, event);
  const Bound* b = Owner(watched);
  if (b == nullptr) return FieldsDialog::eventFilter(watched, event);
  if (auto* combo = qobject_cast<QComboBox*>(b->widget); combo && combo->view() && combo->view()->isVisible())
    return FieldsDialog::eventFilter(watched, event);
  const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (mods == Qt::NoModifier) {
    accept();
    return true;
  }
  if (b->paletteButton) {
    if (mods & Qt::ShiftModifier) PaletteClick(*b);
    else if (b->formButton && b->formButton->isEnabled()) b->formButton->click();
    return true;
  }
  if (b->refButton) {
    if (b->refButton->isEnabled()) ReferenceClick(*b);
    return true;
  }
  if (b->styleButton) {
    if (b->styleButton->isEnabled()) b->styleButton->click();
    return true;
  }
  return true;
}

}  // namespace mw::gui
