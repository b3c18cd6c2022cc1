#include "gui/dialogs/style_editor_view.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/style_editor.h"
#include "core/dialogs/style_text.h"
#include "core/dialogs/tag_dialog.h"
#include "core/project/relative_path.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"

namespace mw::gui {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString Name(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

QPushButton* SmallButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setToolTip(hint);
  b->setAutoDefault(false);
  b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("(N)")) + 24);
  return b;
}

}  // namespace

TRegisterStyleDlg::TRegisterStyleDlg(QWidget* parent, TagDialogViewHooks hooks)
    : FieldsDialog(parent), m_hooks(std::move(hooks)) {
  setObjectName(Name(kRegisterStyleDlgClass));
  setWindowTitle(UiText(Msg::RegisterStyleCaption));
  BuildForm();
}

QWidget* TRegisterStyleDlg::Control(std::string_view name) const {
  const auto it = m_controls.find(name);
  return it == m_controls.end() ? nullptr : it->second;
}

void TRegisterStyleDlg::BuildForm() {
  m_pages = new QTabWidget(this);
  m_pages->addTab(BuildPage(0), UiText(Msg::StyleEditorBasicPage));
  m_pages->addTab(BuildPage(1), UiText(Msg::StyleEditorPositionPage));

  auto* styleLabel = new QLabel(UiText(Msg::StyleEditorTextLabel), this);
  m_style = new QLineEdit(this);
  m_style->setObjectName(Name(kFieldStyleText));
  styleLabel->setBuddy(m_style);
  // Typing in the style text changes it alone: the fields stay.
  connect(m_style, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!m_loading) m_fields.Set(kFieldStyleText, ToDocumentText(text));
  });
  m_style->installEventFilter(this);

  auto* listLabel = new QLabel(UiText(Msg::StyleEditorListLabel), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(Name(kFieldStyleList));
  m_list->setMinimumWidth(220);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  listLabel->setBuddy(m_list);
  connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (m_loading || item == nullptr) return;
    m_fields.SetIndex(kFieldStyleList, m_list->row(item));
    Changed(std::string(kFieldStyleList), {});
  });
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_list, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(m_list);
    QAction* remove = menu.addAction(UiText(Msg::StyleEditorDeleteItem));
    if (menu.exec(m_list->viewport()->mapToGlobal(at)) == remove) Press("DeleteBtn");
  });

  m_upper = new QCheckBox(UiText(Msg::StyleEditorUpperCase), this);
  m_upper->setObjectName(Name(kFieldUpperCase));
  connect(m_upper, &QCheckBox::toggled, this, [this](bool on) {
    if (m_loading) return;
    m_fields.SetChecked(kFieldUpperCase, on);
    Changed(std::string(kFieldUpperCase), {});
  });

  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    Msg caption;
  } kButtons[] = {{"NewBtn", Msg::StyleEditorNew},
                  {"AddBtn", Msg::StyleEditorAdd},
                  {"ReplaceBtn", Msg::StyleEditorReplace},
                  {"DeleteBtn", Msg::StyleEditorDelete}};
  for (const auto& k : kButtons) {
    auto* b = new QPushButton(UiText(k.caption), this);
    b->setObjectName(QString::fromLatin1(k.name));
    b->setAutoDefault(false);
    const std::string name = k.name;
    connect(b, &QPushButton::clicked, this, [this, name] { Press(name); });
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("OkBtn"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] {
    Press("OkBtn");
    accept();
  });
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* side = new QVBoxLayout;
  side->addWidget(listLabel);
  side->addWidget(m_list, 1);
  side->addWidget(m_upper);
  auto* top = new QHBoxLayout;
  top->addWidget(m_pages, 3);
  top->addLayout(side, 2);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top, 1);
  main->addWidget(styleLabel);
  main->addWidget(m_style);
  main->addLayout(buttons);
  resize(820, 560);
}

QWidget* TRegisterStyleDlg::BuildPage(int page) {
  auto* w = new QWidget(m_pages);
  auto* grid = new QGridLayout(w);
  grid->setColumnStretch(1, 1);
  for (const StyleProperty& p : StyleProperties()) {
    if (p.page != page) continue;
    const int row = grid->rowCount();
    auto* label = new QLabel(Utf8(p.label), w);
    grid->addWidget(label, row, 0);
    auto* line = new QHBoxLayout;
    line->setSpacing(2);
    QWidget* field = nullptr;
    const std::string name(p.field);
    switch (p.kind) {
      case StyleKind::Number: {
        auto* number = new NumberField(p.lowest, true, w);
        number->setMinimumWidth(80);
        number->setMaximumWidth(110);
        connect(number, &NumberField::TextEdited, this, [this, name, number] { Changed(name, number->Text()); });
        field = number;
        auto* unit = new QLineEdit(QStringLiteral("pt"), w);
        unit->setObjectName(Name(p.unitField));
        unit->setMaximumWidth(60);
        unit->setContextMenuPolicy(Qt::CustomContextMenu);
        unit->installEventFilter(this);
        const std::string unitName(p.unitField);
        connect(unit, &QLineEdit::textEdited, this, [this, unitName](const QString& t) { Changed(unitName, t); });
        connect(unit, &QLineEdit::customContextMenuRequested, this,
                [this, unit](const QPoint& at) { UnitMenu(unit, at); });
        m_controls[unitName] = unit;
        line->addWidget(number);
        line->addWidget(unit);
        line->addStretch();
        break;
      }
      case StyleKind::Url: {
        auto* edit = new QLineEdit(w);
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& t) { Changed(name, t); });
        field = edit;
        line->addWidget(edit, 1);
        auto* ref = SmallButton(QStringLiteral("(&R)"), UiText(Msg::ReferenceHint), w);
        ref->setObjectName(QStringLiteral("RefBtn"));
        connect(ref, &QPushButton::clicked, this, [this] { ChooseBackground(); });
        m_controls["RefBtn"] = ref;
        line->addWidget(ref);
        break;
      }
      default: {
        auto* combo = new QComboBox(w);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(14);
        connect(combo, &QComboBox::currentTextChanged, this, [this, name](const QString& t) { Changed(name, t); });
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
        field = combo;
        line->addWidget(combo, 1);
        if (p.kind == StyleKind::Colour) {
          auto* form = SmallButton(QStringLiteral("(&N)"), UiText(Msg::ColourNamesHint), w);
          form->setObjectName(QStringLiteral("ColorFormBtn_") + Name(p.field));
          form->setEnabled(static_cast<bool>(m_hooks.pickColourName));
          auto* palette = SmallButton(QStringLiteral("(&P)"), UiText(Msg::ColourPaletteHint), w);
          palette->setObjectName(QStringLiteral("ColorPaletteBtn_") + Name(p.field));
          connect(form, &QPushButton::clicked, this, [this, name] { ColourName(name); });
          connect(palette, &QPushButton::clicked, this, [this, name] { Palette(name); });
          line->addWidget(form);
          line->addWidget(palette);
        }
        break;
      }
    }
    field->setObjectName(Name(p.field));
    label->setBuddy(field);
    m_controls[name] = field;
    grid->addLayout(line, row, 1);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return w;
}

void TRegisterStyleDlg::LoadFields(const DialogFields& fields) {
  m_fields = fields;
  Show();
}

void TRegisterStyleDlg::StoreFields(DialogFields& fields) const { fields = m_fields; }

void TRegisterStyleDlg::Show(std::string_view except) {
  m_loading = true;
  for (const StyleProperty& p : StyleProperties()) {
    const std::string name(p.field);
    if (name != except) {
      QWidget* w = Control(name);
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QString text = FromDocumentText(m_fields.Get(name));
        if (m_fields.Has(ItemsKey(name)) && combo->count() == 0)
          for (const std::string& item : GetItems(m_fields, name)) combo->addItem(FromDocumentText(item));
        if (combo->currentText() != text) combo->setEditText(text);
      } else if (w != nullptr && FieldWidgetText(w) != FromDocumentText(m_fields.Get(name))) {
        SetFieldWidgetText(w, FromDocumentText(m_fields.Get(name)));
      }
    }
    if (!p.unitField.empty() && p.unitField != except)
      SetFieldWidgetText(Control(p.unitField), FromDocumentText(m_fields.Get(p.unitField)));
  }
  m_style->setText(FromDocumentText(m_fields.Get(kFieldStyleText)));
  m_upper->setChecked(m_fields.Checked(kFieldUpperCase));
  m_list->clear();
  for (const std::string& entry : StyleEntries(m_fields)) {
    auto* item = new QListWidgetItem(FromDocumentText(entry), m_list);
    item->setToolTip(item->text());  // the whole entry, however long
  }
  m_list->setCurrentRow(SelectedStyle(m_fields));
  if (QWidget* ref = Control("RefBtn")) {
    const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
    ref->setEnabled(!doc.isEmpty() && QFileInfo(doc).isFile());
  }
  m_loading = false;
}

void TRegisterStyleDlg::Changed(const std::string& field, const QString& text) {
  if (m_loading) return;
  if (field != kFieldStyleList && field != kFieldUpperCase) m_fields.Set(field, ToDocumentText(text));
  if (m_fields.actions) m_fields.actions->Take(DialogStep::SetField(field, m_fields.Get(field)), m_fields);
  else if (m_hooks.fieldChanged) m_hooks.fieldChanged(kRegisterStyleDlgClass, field, m_fields);
  Show(field);
  // A zero typed into a number field is emptied at once.
  if (QWidget* w = Control(field); w != nullptr && m_fields.Get(field).empty() && !FieldWidgetText(w).isEmpty()) {
    m_loading = true;
    SetFieldWidgetText(w, QString());
    m_loading = false;
  }
}

void TRegisterStyleDlg::Press(std::string_view button) {
  if (m_fields.actions) m_fields.actions->Take(DialogStep::PressButton(std::string(button)), m_fields);
  else if (m_hooks.press) m_hooks.press(kRegisterStyleDlgClass, button, m_fields);
  Show();
}

void TRegisterStyleDlg::UnitMenu(QLineEdit* unit, const QPoint& at) {
  QMenu menu(unit);
  for (const std::string& u : SplitItems(kStyleUnits)) menu.addAction(QString::fromStdString(u));
  const QAction* chosen = menu.exec(unit->mapToGlobal(at));
  if (chosen == nullptr) return;
  unit->setText(chosen->text());
  unit->selectAll();
  Changed(unit->objectName().toStdString(), chosen->text());
}

void TRegisterStyleDlg::Palette(const std::string& field) {
  auto* combo = qobject_cast<QComboBox*>(Control(field));
  if (combo == nullptr) return;
  const QColor initial(combo->currentText());
  const QColor chosen = QColorDialog::getColor(initial.isValid() ? initial : QColor(Qt::white), this);
  if (!chosen.isValid()) return;
  std::string text = PaletteColour(static_cast<unsigned char>(chosen.red()), static_cast<unsigned char>(chosen.green()),
                                   static_cast<unsigned char>(chosen.blue()), m_hooks.options ? m_hooks.options() : EditingOptions{});
  // Background and border colours are kept in lower case.
  if (field != "cbColor") text = AsciiLower(text);
  combo->setEditText(FromDocumentText(text));
}

void TRegisterStyleDlg::ColourName(const std::string& field) {
  auto* combo = qobject_cast<QComboBox*>(Control(field));
  if (combo == nullptr || !m_hooks.pickColourName) return;
  // Colour names are kept in lower case; a cancelled picker gives nothing.
  const std::string chosen = m_hooks.pickColourName(ToDocumentText(combo->currentText()));
  if (!chosen.empty()) combo->setEditText(FromDocumentText(AsciiLower(chosen)));
}

void TRegisterStyleDlg::ChooseBackground() {
  auto* edit = qobject_cast<QLineEdit*>(Control("edBgUrl"));
  const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
  if (edit == nullptr || doc.isEmpty()) return;
  QString start = m_hooks.startFolder ? m_hooks.startFolder() : QString();
  const std::string typed = ToDocumentText(edit->text());
  if (!typed.empty()) {
    const QString local =
        QDir::fromNativeSeparators(FromDocumentText(ResolveRelativePath(typed, ToDocumentText(QDir::toNativeSeparators(doc)))));
    if (QFileInfo(local).isFile()) start = local;
  }
  const QString filter = QtFileFilter(MessageUtf8(Msg::ImageFileFilter));
  const QString file = m_hooks.chooseFile ? m_hooks.chooseFile(this, start, filter)
                                          : QFileDialog::getOpenFileName(this, QString(), start, filter);
  if (file.isEmpty()) return;
  DialogFields f;
  if (!ApplyReferenceChoice(f, "edBgUrl", ToDocumentText(QDir::toNativeSeparators(file)),
                            ToDocumentText(QDir::toNativeSeparators(doc)), ServicesOf(m_hooks)))
    return;
  edit->setText(FromDocumentText(f.Get("edBgUrl")));
  Changed("edBgUrl", edit->text());
}

// Enter in the style text inserts no line break; in a colour box Shift
// opens the palette and Ctrl the name picker; in the background field
// either runs its reference button. Entering a unit field, or pressing the
// mouse in it, selects its text.
bool TRegisterStyleDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* unit = qobject_cast<QLineEdit*>(watched);
  if (unit && unit->objectName().endsWith(QStringLiteral("Unit")) &&
      (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease)) {
    QTimer::singleShot(0, unit, [unit] { unit->selectAll(); });
  }
  if (event->type() != QEvent::KeyPress) return FieldsDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return FieldsDialog::eventFilter(watched, event);
  const Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (mods == Qt::NoModifier) return FieldsDialog::eventFilter(watched, event);
  for (QObject* o = watched; o != nullptr && o != this; o = o->parent()) {
    const std::string name = o->objectName().toStdString();
    const StyleProperty* p = FindStyleProperty(name);
    if (p == nullptr) continue;
    if (p->kind == StyleKind::Colour) {
      if (mods & Qt::ShiftModifier) Palette(name);
      else ColourName(name);
      return true;
    }
    if (p->kind == StyleKind::Url) {
      ChooseBackground();
      return true;
    }
  }
  return FieldsDialog::eventFilter(watched, event);
}

void RegisterStyleEditorView(QtDialogHost& host, TagDialogViewHooks hooks) {
  host.Register(std::string(kRegisterStyleDlgClass),
                [hooks](QWidget* parent) { return std::make_unique<TRegisterStyleDlg>(parent, hooks); });
}

}  // namespace mw::gui
