#include "gui/dialogs/colour_form_view.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "core/dialogs/gradation.h"
#include "gui/app/qt_prompts.h"

namespace mw::gui {

namespace {

constexpr int kRowHeight = 16;

QColor ColourOf(std::string_view code) {
  const Rgb c = ReadColourText(code);
  return QColor(c.red, c.green, c.blue);
}

// Rows drawn as the window has always drawn them: black, the name or code
// in bold white beside a swatch, the chosen row filled with its colour.
class ColourRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    p->save();
    p->fillRect(r, Qt::black);
    const std::string_view code = ColourTable()[static_cast<std::size_t>(index.row())].code;
    int textLeft = r.left() + 1;
    if (!code.empty()) {
      const QColor colour = ColourOf(code);
      if (option.state & QStyle::State_Selected) p->fillRect(QRect(QPoint(r.left() + 1, r.top()), QPoint(r.right() - 1, r.bottom())), colour);
      p->fillRect(QRect(QPoint(r.left() + 1, r.top() + 1), QPoint(r.left() + 20, r.bottom() - 1)), colour);
      textLeft = r.left() + 26;
    }
    p->setPen(Qt::white);
    p->setFont(option.font);
    p->drawText(QRect(textLeft, r.top() + 1, r.right() - textLeft, r.height() - 1), Qt::AlignLeft | Qt::AlignVCenter,
                index.data().toString());
    p->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width() + 26, kRowHeight};
  }
};

}  // namespace

TInputColorForm::TInputColorForm(QWidget* parent) : FieldsDialog(parent) {
  setObjectName(QStringLiteral("TInputColorForm"));
  setWindowTitle(UiText(Msg::ColourFormCaption));
  setSizeGripEnabled(true);

  auto* panel = new QGridLayout;
  auto* currentLabel = new QLabel(UiText(Msg::ColourFormCurrent), this);
  m_edColor = new QLineEdit(this);
  m_edColor->setObjectName(QStringLiteral("edColor"));
  currentLabel->setBuddy(m_edColor);
  m_swatch = new QLineEdit(this);
  m_swatch->setObjectName(QStringLiteral("edColor1"));
  m_swatch->setReadOnly(true);
  m_swatch->setFocusPolicy(Qt::NoFocus);
  m_swatch->setMaximumWidth(40);
  m_switch = new QPushButton(UiText(Msg::ColourFormSwitch), this);
  m_switch->setObjectName(QStringLiteral("SwitchBtn"));
  m_switch->setToolTip(UiText(Msg::ColourFormSwitchHint));
  m_switch->setAutoDefault(false);
  auto* columnsLabel = new QLabel(UiText(Msg::ColourFormColumns), this);
  m_columns = new QSpinBox(this);
  m_columns->setObjectName(QStringLiteral("edColumn"));
  m_columns->setRange(0, 10);
  columnsLabel->setBuddy(m_columns);
  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = box->addButton(UiText(Msg::CancelButton), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("OkBtn"));
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  ok->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  panel->addWidget(currentLabel, 0, 0, 1, 2);
  panel->addWidget(m_edColor, 1, 0);
  panel->addWidget(m_swatch, 1, 1);
  panel->addWidget(m_switch, 2, 0, 1, 2);
  panel->addWidget(columnsLabel, 3, 0);
  panel->addWidget(m_columns, 3, 1);
  panel->addWidget(box, 4, 0, 1, 2);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lbColor"));
  m_list->setItemDelegate(new ColourRowDelegate(m_list));
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setUniformItemSizes(true);
  QPalette pal = m_list->palette();
  pal.setColor(QPalette::Base, Qt::black);
  m_list->setPalette(pal);
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("monospace")});
  font.setBold(true);
  font.setPixelSize(12);
  m_list->setFont(font);
  for (const ColourRow& row : ColourTable()) m_list->addItem(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
  m_list->installEventFilter(this);
  m_list->viewport()->installEventFilter(this);

  auto* main = new QVBoxLayout(this);
  main->setContentsMargins(4, 4, 4, 4);
  main->addLayout(panel);
  main->addWidget(m_list, 1);

  connect(m_edColor, &QLineEdit::textEdited, this, [this](const QString& text) {
    const DialogStep typed = DialogStep::SetField("edColor", ToDocumentText(text));
    if (m_fields.actions) m_fields.actions->Take(typed, m_fields);
    else m_fields.Set(typed.control, typed.value);
    Show();
  });
  connect(m_switch, &QPushButton::clicked, this, [this] {
    if (m_fields.actions) m_fields.actions->Take(DialogStep::PressButton("SwitchBtn"), m_fields);
    Show();
  });
  connect(m_columns, &QSpinBox::valueChanged, this, [this](int) { LayOut(); });
  resize(144, 630);
}

TInputColorForm::~TInputColorForm() = default;

void TInputColorForm::Chosen(int row) {
  if (m_fields.actions) m_fields.actions->Take(DialogStep::ClickRow("lbColor", std::to_string(row)), m_fields);
  Show();
}

bool TInputColorForm::eventFilter(QObject* watched, QEvent* event) {
  // A row is chosen when the mouse button or a key is released over the
  // list, as it has been chosen by then.
  if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex at = m_list->indexAt(mouse->position().toPoint());
    if (at.isValid()) m_list->setCurrentRow(at.row());
    QMetaObject::invokeMethod(this, [this] { Chosen(m_list->currentRow()); }, Qt::QueuedConnection);
  } else if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // A double click on a row returns it at once.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex at = m_list->indexAt(mouse->position().toPoint());
    if (at.isValid()) {
      m_list->setCurrentRow(at.row());
      Chosen(at.row());
      accept();
      return true;
    }
  } else if (watched == m_list && event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
      Chosen(m_list->currentRow());
  }
  return FieldsDialog::eventFilter(watched, event);
}

void TInputColorForm::resizeEvent(QResizeEvent* event) {
  FieldsDialog::resizeEvent(event);
  LayOut();
}

void TInputColorForm::LayOut() {
  const int n = m_columns->value();
  if (n == 0) {
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(false);
    m_list->setGridSize(QSize());
  } else {
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setGridSize(QSize(std::max(30, m_list->viewport()->width() / n), kRowHeight));
  }
  m_list->viewport()->update();
}

void TInputColorForm::LoadFields(const DialogFields& fields) {
  m_fields = fields;
  if (fields.Has("iColorFormWidth")) resize(fields.Index("iColorFormWidth", 144), fields.Index("iColorFormHeight", 630));
  if (fields.Has("iColorFormLeft") && parentWidget())
    move(fields.Index("iColorFormLeft", 1), fields.Index("iColorFormTop", 0));
  m_columns->setValue(std::clamp(fields.Index("edColumn", 0), 0, 10));
  Show();
}

void TInputColorForm::Show() {
  m_showing = true;
  const ColourNameForm m = ColourNameForm::FromFields(m_fields);
  const QString text = FromDocumentText(m.Current());
  if (m_edColor->text() != text) m_edColor->setText(text);
  if (const int caret = m_fields.Index("edColor#caret", -1); caret >= 0) m_edColor->setCursorPosition(caret);
  const Rgb s = m.Swatch();
  QPalette pal = m_swatch->palette();
  pal.setColor(QPalette::Base, QColor(s.red, s.green, s.blue));
  m_swatch->setPalette(pal);
  for (int i = 0; i < m_list->count(); ++i) m_list->item(i)->setText(QString::fromStdString(m.RowLabel(i)));
  if (m.Selected() >= 0) {
    m_list->setCurrentRow(m.Selected());
    m_list->scrollToItem(m_list->item(m.Selected()));
  } else {
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
  }
  m_list->viewport()->update();
  m_showing = false;
}

void TInputColorForm::StoreFields(DialogFields& fields) const {
  for (const char* key : {"edColor", "lbColor", "iInputMethod", "edColor1"}) fields.Set(key, m_fields.Get(key));
}

void TInputColorForm::StoreClosing(DialogFields& fields) const {
  fields.Set("iInputMethod", m_fields.Get("iInputMethod"));
  fields.Set("edColumn", std::to_string(m_columns->value()));
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
  fields.Set("#normal", normal ? "1" : "0");
  fields.SetIndex("iColorFormHeight", height());
  fields.SetIndex("iColorFormWidth", width());
  fields.SetIndex("iColorFormTop", y());
  fields.SetIndex("iColorFormLeft", x());
}

namespace {

// The system colour dialog, as the engine asks for it: Color in and out.
class SystemColourDialog : public FieldsDialog {
 public:
  explicit SystemColourDialog(QWidget* parent) : FieldsDialog(parent) {
    setObjectName(QStringLiteral("TColorDialog"));
    m_dialog = new QColorDialog(this);
    m_dialog->setWindowFlags(Qt::Widget);
    m_dialog->setOption(QColorDialog::DontUseNativeDialog);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dialog);
    setWindowTitle(m_dialog->windowTitle());
    connect(m_dialog, &QColorDialog::accepted, this, &QDialog::accept);
    connect(m_dialog, &QColorDialog::rejected, this, &QDialog::reject);
  }
  void LoadFields(const DialogFields& f) override { m_dialog->setCurrentColor(ColourOf(f.Get("Color", "#FFFFFF"))); }
  void StoreFields(DialogFields& f) const override {
    const QColor c = m_dialog->currentColor();
    f.Set("Color", ColourTextOf({static_cast<unsigned char>(c.red()), static_cast<unsigned char>(c.green()),
                                 static_cast<unsigned char>(c.blue())}));
  }

 private:
  QColorDialog* m_dialog;
};

constexpr Binding kGradationRows[] = {
    Text("edString", {}, "グラデーション化される文字列(&T)"),
    Combo("cbStyle", {}, "スタイル(&Y)", {}, ListSource::Styles),
};

// The gradation dialog: the text and style as rows, and the two colour
// panels with their buttons.
class TGradationDlg : public TagDialogView {
 public:
  TGradationDlg(QWidget* parent, TagDialogViewHooks hooks)
      : TagDialogView(parent, kGradationRows, GradationPreview, std::move(hooks)) {
    setObjectName(QStringLiteral("TGradationDlg"));
    SetDialogClass(std::string(kGradationDlgClass));
    setWindowTitle(UiText(Msg::GradationDlgCaption));
    OkButton()->setText(QStringLiteral("&OK"));
    CancelButton()->setText(QStringLiteral("Cancel"));
    AddPanel("StartColor", Msg::GradationStartColour);
    AddPanel("EndColor", Msg::GradationEndColour);
    if (auto* style = qobject_cast<QComboBox*>(Control("cbStyle")))
      connect(style, &QComboBox::currentTextChanged, style, [style](const QString& t) { style->setToolTip(t); });
  }

  void LoadFields(const DialogFields& fields) override {
    TagDialogView::LoadFields(fields);
    ShowPanels();
  }
  void StoreFields(DialogFields& fields) const override {
    TagDialogView::StoreFields(fields);
    StoreClosing(fields);
  }
  void StoreClosing(DialogFields& fields) const override {
    for (const char* panel : {"StartColorPanel", "EndColorPanel"}) fields.Set(panel, m_shown.Get(panel));
  }
  QPushButton* PanelButton(int i) const { return m_buttons[i]; }
  QLabel* Panel(int i) const { return m_panels[i]; }

 private:
  void AddPanel(const char* name, Msg caption) {
    const int i = m_count++;
    auto* button = new QPushButton(UiText(caption), this);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Btn"));
    button->setAutoDefault(false);
    auto* panel = new QLabel(this);
    panel->setObjectName(QString::fromLatin1(name) + QStringLiteral("Panel"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setMinimumHeight(24);
    const int row = OwnGrid()->rowCount();
    OwnGrid()->addWidget(button, row, 0);
    OwnGrid()->addWidget(panel, row, 1);
    m_buttons[i] = button;
    m_panels[i] = panel;
    const std::string field = std::string(name) + "Panel";
    connect(button, &QPushButton::clicked, this, [this, field] {
      const QColor chosen = QColorDialog::getColor(ColourOf(ShownFields().Get(field)), this);
      if (chosen.isValid())
        ShownFields().Set(field, ColourTextOf({static_cast<unsigned char>(chosen.red()),
                                               static_cast<unsigned char>(chosen.green()),
                                               static_cast<unsigned char>(chosen.blue())}));
      ShowPanels();
      // Stale whether or not a colour was chosen.
      MarkStale();
    });
  }
  void ShowPanels() {
    m_shown = ShownFields();
    const char* names[] = {"StartColorPanel", "EndColorPanel"};
    for (int i = 0; i < 2; ++i) {
      const std::string text = m_shown.Get(names[i]);
      const QColor c = ColourOf(text);
      m_panels[i]->setText(QString::fromStdString(text));
      QPalette pal = m_panels[i]->palette();
      pal.setColor(QPalette::Window, c);
      pal.setColor(QPalette::WindowText, c.lightness() > 128 ? Qt::black : Qt::white);
      m_panels[i]->setPalette(pal);
    }
  }

  int m_count = 0;
  QPushButton* m_buttons[2] = {};
  QLabel* m_panels[2] = {};
  DialogFields m_shown;
};

}  // namespace

void RegisterColourViews(QtDialogHost& host, TagDialogViewHooks hooks) {
  host.Register(std::string(kColourFormClass), [](QWidget* parent) { return std::make_unique<TInputColorForm>(parent); });
  host.Register(std::string(kColourDialogClass), [](QWidget* parent) { return std::make_unique<SystemColourDialog>(parent); });
  host.Register(std::string(kGradationDlgClass), [hooks](QWidget* parent) { return std::make_unique<TGradationDlg>(parent, hooks); });
}

}  // namespace mw::gui
