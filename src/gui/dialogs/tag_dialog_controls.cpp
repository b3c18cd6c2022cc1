// Building a tag dialog's form from its rows.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/dialogs/dialog_lists.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/display_refresh.h"
#include "gui/display/scintilla_surface.h"

namespace mw::gui {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void TagDialogView::BuildForm(std::span<const Binding> rows) {
  auto* own = new QWidget(this);
  m_ownGrid = new QGridLayout;
  m_ownGrid->setColumnStretch(1, 1);
  m_ownColumn = new QVBoxLayout(own);
  m_ownColumn->setContentsMargins(0, 0, 0, 0);
  m_ownColumn->addLayout(m_ownGrid);

  QGroupBox* common = nullptr;
  QGridLayout* commonGrid = nullptr;
  QGroupBox* handlers = nullptr;
  QGridLayout* handlerGrid = nullptr;
  // Rows the dialog groups in a box of their own.
  QGroupBox* rowBox = nullptr;
  QGridLayout* boxGrid = nullptr;
  bool anyOwn = false;

  // On tabs, each page has its own grid, and the handlers' group sits on
  // the page of its first handler.
  QGridLayout* grid = m_ownGrid;
  QWidget* gridParent = own;
  QVBoxLayout* column = m_ownColumn;
  std::size_t nextPage = 0;
  // Pages that name their controls, each with its column and grid.
  const bool listed = !m_pages.empty() && !m_pages.front().controls.empty();
  struct Sheet {
    QWidget* page;
    QVBoxLayout* column;
    QGridLayout* grid;
  };
  std::vector<Sheet> sheets;
  if (!m_pages.empty()) {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pcPages"));
  }
  if (listed) {
    for (const ViewPage& p : m_pages) {
      auto* page = new QWidget(m_tabs);
      page->setObjectName(Utf8(p.name));
      auto* pageColumn = new QVBoxLayout(page);
      auto* pageGrid = new QGridLayout;
      pageGrid->setColumnStretch(1, 1);
      pageColumn->addLayout(pageGrid);
      m_tabs->addTab(page, UiText(p.caption));
      sheets.push_back({page, pageColumn, pageGrid});
    }
  }
  for (const Binding& c : rows) {
    if (listed) {
      grid = m_ownGrid;
      gridParent = own;
      column = m_ownColumn;
      for (std::size_t i = 0; i < m_pages.size(); ++i)
        if (std::find(m_pages[i].controls.begin(), m_pages[i].controls.end(), c.control) != m_pages[i].controls.end()) {
          grid = sheets[i].grid;
          gridParent = sheets[i].page;
          column = sheets[i].column;
        }
    } else if (m_tabs && nextPage < m_pages.size() && c.control == m_pages[nextPage].firstControl) {
      const ViewPage& p = m_pages[nextPage++];
      auto* page = new QWidget(m_tabs);
      page->setObjectName(Utf8(p.name));
      if (column != m_ownColumn) column->addStretch();
      column = new QVBoxLayout(page);
      grid = new QGridLayout;
      grid->setColumnStretch(1, 1);
      column->addLayout(grid);
      gridParent = page;
      rowBox = nullptr;
      if (nextPage == 1) m_ownGrid = grid;
      m_tabs->addTab(page, UiText(p.caption));
    }
    if (c.group == Group::Common) {
      if (!common) {
        common = new QGroupBox(UiText(Msg::CommonAttributesGroup), this);
        common->setObjectName(QStringLiteral("gbCommon"));
        commonGrid = new QGridLayout(common);
        commonGrid->setColumnStretch(1, 1);
      }
      AddRow(commonGrid, c, common);
      m_bound.back().section = 1;
      continue;
    }
    if (c.group == Group::Handlers) {
      if (!handlers) {
        handlers = new QGroupBox(UiText(Msg::EventHandlersGroup), m_tabs ? gridParent : this);
        handlers->setObjectName(QStringLiteral("gbHandlers"));
        handlerGrid = new QGridLayout(handlers);
        handlerGrid->setColumnStretch(1, 1);
        if (m_tabs) column->addWidget(handlers);
      }
      AddRow(handlerGrid, c, handlers);
      m_bound.back().section = 2;
      continue;
    }
    if (c.boxName.empty()) {
      rowBox = nullptr;
      AddRow(grid, c, gridParent);
    } else {
      if (rowBox == nullptr || rowBox->objectName() != Utf8(c.boxName)) {
        rowBox = new QGroupBox(Utf8(c.boxCaption), gridParent);
        rowBox->setObjectName(Utf8(c.boxName));
        boxGrid = new QGridLayout(rowBox);
        boxGrid->setColumnStretch(1, 1);
        grid->addWidget(rowBox, grid->rowCount(), 0, 1, 3);
      }
      AddRow(boxGrid, c, rowBox);
    }
    anyOwn = true;
    if (c.kind == Kind::Colour) {
      Bound& b = *Find(c.control);
      if (b.paletteButton)
        b.paletteButton->setObjectName(QString::fromStdString(ColourButtonName("ColorPaletteBtn", rows, c)));
      if (b.formButton) b.formButton->setObjectName(QString::fromStdString(ColourButtonName("ColorFormBtn", rows, c)));
    }
  }
  m_ownColumn->addStretch();

  auto* top = new QHBoxLayout;
  if (listed) {
    for (const Sheet& sheet : sheets) sheet.column->addStretch();
    // The rows on no page above the tabs.
    auto* stack = new QVBoxLayout;
    stack->addWidget(own);
    stack->addWidget(m_tabs, 1);
    top->addLayout(stack, 3);
    handlers = nullptr;  // on its page
  } else if (m_tabs) {
    if (column != m_ownColumn) column->addStretch();
    own->hide();
    top->addWidget(m_tabs, 3);
    handlers = nullptr;  // on its page
  } else if (anyOwn || !(common || handlers))
    top->addWidget(own, 3);
  else
    own->hide();
  if (common || handlers) {
    auto* side = new QVBoxLayout;
    if (common) side->addWidget(common);
    if (handlers) side->addWidget(handlers);
    side->addStretch();
    top->addLayout(side, 2);
  }

  // The dialog's own buttons (AddButtons) go in a row under the fields.
  m_buttonRow = new QHBoxLayout;
  m_buttonRow->addStretch();

  auto* previewLabel = m_previewLabel = new QLabel(UiText(Msg::PreviewLabel), this);
  previewLabel->setObjectName(QStringLiteral("lbPreview"));
  m_previewWidget = new ScintillaEditor(this);
  m_previewWidget->setObjectName(QStringLiteral("reTag"));
  EditorLook look = m_hooks.look ? m_hooks.look() : EditorLook{};
  look.showLineNumbers = false;
  look.gutterWidth = 0;
  look.textLimit = 0;
  m_preview = std::make_unique<ScintillaSurface>(*m_previewWidget, m_clipboard, look.fonts);
  ConfigureEditor(*m_preview, look);
  m_previewWidget->setMinimumHeight(110);
  previewLabel->setBuddy(m_previewWidget);
  m_previewWidget->installEventFilter(this);
  // Typing in the preview follows the document's rules: the live tag font
  // and auto indent.
  m_previewWidget->SetKeyHandler([this](char key) { return m_hooks.keyPress && m_hooks.keyPress(*m_preview, key); });
  // The editor reports only the moment before a change: enough to know
  // the author touched the text.
  connect(m_previewWidget, &QsciScintillaBase::SCN_MODIFIED, this,
          [this](int, int type, const char*, int, int, int, int, int, int, int) {
            if (m_loading) return;
            if (type & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE))
              m_handEdited = true;
          });

  auto* box = new QDialogButtonBox(this);
  m_ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  m_cancel = box->addButton(UiText(Msg::CancelButton), QDialogButtonBox::RejectRole);
  m_ok->setObjectName(QStringLiteral("OkBtn"));
  m_cancel->setObjectName(QStringLiteral("CancelBtn"));
  m_ok->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  SetTabOrder();

  auto* main = m_main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addLayout(m_buttonRow);
  main->addWidget(previewLabel);
  main->addWidget(m_previewWidget, 1);
  main->addWidget(box);
  resize(anyOwn && (common || handlers) ? 660 : 480, minimumSizeHint().height() + 40);
}

// Tab goes down the dialog's own fields, then through the common group and
// the event handlers, the preview and the buttons, whatever the order of
// the rows.
void TagDialogView::SetTabOrder() {
  QList<QWidget*> chain;
  for (int section = 0; section < 3; ++section) {
    for (const Bound& b : m_bound) {
      if (b.section != section) continue;
      if (b.radios) {
        for (QAbstractButton* radio : b.radios->buttons()) chain << radio;
      } else {
        chain << (b.table ? b.table : b.widget);
      }
      for (QPushButton* button : {b.formButton, b.paletteButton, b.refButton, b.styleButton})
        if (button) chain << button;
    }
  }
  chain << m_previewWidget << m_ok << m_cancel;
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TagDialogView::AddRow(QGridLayout* grid, const Binding& c, QWidget* parent) {
  const int row = grid->rowCount();
  Bound b = MakeControl(c, parent);
  switch (b.kind) {
    case Widget::Check:
      grid->addWidget(b.widget, row, 1, 1, 2);
      break;
    case Widget::Radio:
    case Widget::Grid:
    case Widget::FrameGrid:
      grid->addWidget(b.widget, row, 0, 1, 3);
      break;
    default: {
      b.label = new QLabel(Utf8(c.label), parent);
      b.label->setBuddy(b.widget);
      grid->addWidget(b.label, row, 0);
      auto* line = new QHBoxLayout;
      line->setSpacing(2);
      line->addWidget(b.widget, 1);
      if (c.kind == Kind::Colour) AddColourButtons(b, parent, line);
      if (c.kind == Kind::Combo && c.source == ListSource::Styles) AddStyleButton(b, parent, line);
      if (!c.filter.empty()) {
        b.filter = std::string(c.filter.Utf8());
        AddReferenceButton(b, parent, line);
      }
      grid->addLayout(line, row, 1);
      break;
    }
  }
  if (b.kind == Widget::Grid && c.source == ListSource::Styles) AddGridStyleMenu(b);
  if (!c.hint.empty()) b.widget->setToolTip(UiText(c.hint.id));
  if (!c.popupButton.empty()) AddPopupItem(b, UiText(c.popupCaption.id), std::string(c.popupButton));
  WatchField(b);
  m_bound.push_back(std::move(b));
  // A size in percent: its "%" box beside the number.
  if (c.kind == Kind::Percent) {
    Bound percent;
    percent.name = std::string(c.check);
    percent.kind = Widget::Check;
    percent.widget = new QCheckBox(QStringLiteral("%"), parent);
    percent.widget->setObjectName(QString::fromStdString(percent.name));
    grid->addWidget(percent.widget, row, 2);
    WatchField(percent);
    m_bound.push_back(std::move(percent));
  }
}

TagDialogView::Bound TagDialogView::MakeControl(const Binding& c, QWidget* parent) {
  Bound b;
  b.name = std::string(c.control);
  b.items = std::string(c.items);
  b.labelField = std::string(c.labelField);
  b.rowCount = std::string(c.rowCount);
  b.colCount = std::string(c.colCount);
  const QString label = Utf8(c.label);
  switch (c.kind) {
    case Kind::Keyword:
      b.kind = Widget::Check;
      b.widget = new QCheckBox(label, parent);
      break;
    case Kind::Radio: {
      b.kind = Widget::Radio;
      auto* group = new QGroupBox(label, parent);
      auto* layout = new QHBoxLayout(group);
      b.radios = new QButtonGroup(group);
      int id = 0;
      for (const std::string& item : SplitItems(c.items)) {
        auto* radio = new QRadioButton(Utf8(item), group);
        radio->setObjectName(QString::fromStdString(b.name + "_" + std::to_string(id)));
        b.radios->addButton(radio, id++);
        layout->addWidget(radio);
      }
      layout->addStretch();
      b.widget = group;
      break;
    }
    case Kind::FrameGrid: {
      b.kind = Widget::FrameGrid;
      auto* table = new QTableWidget(parent);
      table->horizontalHeader()->hide();
      table->verticalHeader()->hide();
      table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
      table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
      table->setWordWrap(true);
      table->setMinimumHeight(120);
      b.table = table;
      b.widget = table;
      break;
    }
    case Kind::Grid: {
      b.kind = Widget::Grid;
      const auto headers = SplitItems(c.items);
      auto* group = new QGroupBox(label, parent);
      auto* layout = new QVBoxLayout(group);
      auto* table = new QTableWidget(group);
      b.columns = static_cast<int>(headers.size());
      table->setColumnCount(b.columns);
      QStringList titles;
      for (const auto& h : headers) titles << Utf8(h);
      table->setHorizontalHeaderLabels(titles);
      table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
      table->setMinimumHeight(110);
      layout->addWidget(table);
      // The group box is what the label's mnemonic reaches; the table is the
      // field.
      table->setObjectName(QString::fromStdString(b.name));
      group->setObjectName(QString::fromStdString(b.name) + QStringLiteral("Group"));
      b.table = table;
      b.widget = group;
      break;
    }
    case Kind::Combo:
    case Kind::Colour:
    case Kind::Handler:
    case Kind::Anchor: {
      b.kind = Widget::Combo;
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      combo->setMinimumContentsLength(12);
      b.widget = combo;
      break;
    }
    case Kind::Number:
    case Kind::Percent:
    case Kind::Count:
      b.kind = Widget::Number;
      b.count = c.kind == Kind::Count;
      b.widget = new NumberField(c.lowest, c.kind != Kind::Count, parent);
      break;
    case Kind::Text:
      b.kind = Widget::Text;
      b.widget = new QLineEdit(parent);
      break;
  }
  if (b.kind != Widget::Grid) b.widget->setObjectName(QString::fromStdString(b.name));
  return b;
}

void TagDialogView::AddColourButtons(Bound& b, QWidget* parent, QLayout* into) {
  auto* form = new QPushButton(QStringLiteral("(&N)"), parent);
  form->setObjectName(QStringLiteral("ColorFormBtn"));
  form->setToolTip(UiText(Msg::ColourNamesHint));
  auto* palette = new QPushButton(QStringLiteral("(&P)"), parent);
  palette->setObjectName(QStringLiteral("ColorPaletteBtn"));
  palette->setToolTip(UiText(Msg::ColourPaletteHint));
  for (QPushButton* button : {form, palette}) {
    button->setAutoDefault(false);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("(N)")) + 24);
    into->addWidget(button);
  }
  b.formButton = form;
  b.paletteButton = palette;
  const std::string name = b.name;
  connect(palette, &QPushButton::clicked, this, [this, name] {
    if (const Bound* found = Find(name)) PaletteClick(*found);
  });
  connect(form, &QPushButton::clicked, this, [this, name] {
    if (const Bound* found = Find(name)) ColourNameClick(*found);
  });
}

// The style field's 編集(&E): the style editor, whose result the field takes.
void TagDialogView::AddStyleButton(Bound& b, QWidget* parent, QLayout* into) {
  auto* edit = new QPushButton(UiText(Msg::StyleEditButton), parent);
  edit->setObjectName(QStringLiteral("RegisterStyleBtn"));
  edit->setAutoDefault(false);
  edit->setEnabled(static_cast<bool>(m_hooks.press));
  into->addWidget(edit);
  b.styleButton = edit;
  connect(edit, &QPushButton::clicked, this, [this] { Press("RegisterStyleBtn"); });
}

// A grid of rules: its popup menu offers the registered styles for the
// Style column of the current row.
void TagDialogView::AddGridStyleMenu(Bound& b) {
  QTableWidget* table = b.table;
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  table->setToolTip(UiText(Msg::StyleGridHint));
  const std::string name = b.name;
  connect(table, &QTableWidget::customContextMenuRequested, this, [this, table, name](const QPoint& at) {
    DialogFields f = m_fields;
    StoreControls(f);
    QMenu menu(table);
    for (const std::string& style : GetItems(f, name))
      if (!style.empty()) menu.addAction(FromDocumentText(style));
    if (menu.isEmpty()) return;
    const QAction* chosen = menu.exec(table->viewport()->mapToGlobal(at));
    const int row = table->currentRow() >= 0 ? table->currentRow() : table->rowAt(at.y());
    if (chosen == nullptr || row < 0) return;
    QTableWidgetItem* item = table->item(row, table->columnCount() - 1);
    if (item == nullptr) table->setItem(row, table->columnCount() - 1, item = new QTableWidgetItem);
    item->setText(chosen->text());
  });
}

// A field's pop-up menu with one item that presses a button of the dialog;
// an editable combo box shows the menu of its line edit.
void TagDialogView::AddPopupItem(Bound& b, const QString& caption, const std::string& button) {
  QWidget* target = b.widget;
  if (auto* combo = qobject_cast<QComboBox*>(b.widget); combo && combo->lineEdit()) target = combo->lineEdit();
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(target, &QWidget::customContextMenuRequested, this, [this, target, caption, button](const QPoint& at) {
    QMenu menu(target);
    QAction* item = menu.addAction(caption);
    item->setObjectName(QString::fromStdString(button) + QStringLiteral("Item"));
    if (menu.exec(target->mapToGlobal(at)) == item) Press(button);
  });
}

void TagDialogView::SetPreviewLabel(const QString& label, const QString& hint) {
  m_previewLabel->setText(label);
  m_previewWidget->setToolTip(hint);
}

void TagDialogView::AddButtons(std::span<const DialogButton> buttons) {
  int at = 0;
  for (const DialogButton& d : buttons) {
    auto* button = new QPushButton(UiText(d.caption), this);
    const std::string name(d.control);
    button->setObjectName(QString::fromStdString(name));
    button->setAutoDefault(false);
    button->setEnabled(static_cast<bool>(m_hooks.press));
    m_buttonRow->insertWidget(at++, button);
    connect(button, &QPushButton::clicked, this, [this, name] { Press(name); });
  }
}

void TagDialogView::AddReferenceButton(Bound& b, QWidget* parent, QLayout* into) {
  auto* ref = new QPushButton(QStringLiteral("(&R)"), parent);
  ref->setObjectName(QStringLiteral("RefBtn"));
  ref->setToolTip(UiText(Msg::ReferenceHint));
  ref->setAutoDefault(false);
  ref->setMaximumWidth(ref->fontMetrics().horizontalAdvance(QStringLiteral("(R)")) + 24);
  into->addWidget(ref);
  b.refButton = ref;
  const std::string name = b.name;
  connect(ref, &QPushButton::clicked, this, [this, name] {
    if (const Bound* found = Find(name)) ReferenceClick(*found);
  });
}

void TagDialogView::WatchField(Bound& b) {
  switch (b.kind) {
    case Widget::Text: {
      auto* edit = static_cast<QLineEdit*>(b.widget);
      connect(edit, &QLineEdit::textChanged, this, &TagDialogView::MarkStale);
      edit->installEventFilter(this);
      break;
    }
    case Widget::Number: {
      auto* number = static_cast<NumberField*>(b.widget);
      const std::string name = b.name;
      const bool count = b.count;
      connect(number, &NumberField::TextEdited, this, [this, name, count] {
        if (count && !m_loading) CountChanged(name);
        MarkStale();
      });
      number->Edit()->installEventFilter(this);
      break;
    }
    case Widget::Combo: {
      auto* combo = static_cast<QComboBox*>(b.widget);
      connect(combo, &QComboBox::currentTextChanged, this, &TagDialogView::MarkStale);
      const std::string name = b.name;
      connect(combo, &QComboBox::currentTextChanged, this, [this, name] {
        if (m_loading || m_dialogClass.empty()) return;
        Act(
            [this, &name](DialogFields& f) {
              if (f.actions) f.actions->Take(DialogStep::SetField(name, f.Get(name)), f);
              else if (m_hooks.fieldChanged) m_hooks.fieldChanged(m_dialogClass, name, f);
            },
            name);
      });
      combo->installEventFilter(this);
      combo->lineEdit()->installEventFilter(this);
      break;
    }
    case Widget::Check:
      connect(static_cast<QCheckBox*>(b.widget), &QCheckBox::toggled, this, &TagDialogView::MarkStale);
      break;
    case Widget::Radio:
      connect(b.radios, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) MarkStale();
      });
      break;
    case Widget::Grid:
    case Widget::FrameGrid: {
      connect(b.table, &QTableWidget::itemChanged, this, &TagDialogView::MarkStale);
      break;
    }
  }
}

}  // namespace mw::gui
