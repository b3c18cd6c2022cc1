#include "gui/dialogs/word_list_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dialogs/dialog_lists.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"

namespace mw::gui {

TInsertStrDlg::TInsertStrDlg(QWidget* parent, TagDialogViewHooks hooks)
    : FieldsDialog(parent), m_hooks(std::move(hooks)) {
  setObjectName(QStringLiteral("InsertStrDlg"));
  m_label = new QLabel(UiText(Msg::WordListLabel), this);
  m_combo = new QComboBox(this);
  m_combo->setObjectName(QStringLiteral("cbStr"));
  m_combo->setEditable(true);
  m_combo->setInsertPolicy(QComboBox::NoInsert);
  m_combo->setMinimumContentsLength(32);
  m_combo->lineEdit()->installEventFilter(this);
  m_label->setBuddy(m_combo);

  auto makeButton = [this](const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  m_add = makeButton(UiText(Msg::AddButton), QStringLiteral("AddBtn"));
  m_delete = makeButton(UiText(Msg::DeleteButton), QStringLiteral("DeleteBtn"));
  m_ref = makeButton(QStringLiteral("(&R)"), QStringLiteral("RefBtn"));
  m_ref->setToolTip(UiText(Msg::ReferenceHint));

  auto* grid = new QGridLayout;
  grid->addWidget(m_label, 0, 0, 1, 4);
  grid->addWidget(m_combo, 1, 0);
  grid->addWidget(m_ref, 1, 1);
  grid->addWidget(m_add, 1, 2);
  grid->addWidget(m_delete, 1, 3);
  grid->setColumnStretch(0, 1);

  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel = box->addButton(UiText(Msg::CancelButton), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("OkBtn"));
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  ok->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_add, &QPushButton::clicked, this, &TInsertStrDlg::AddBtnClick);
  connect(m_delete, &QPushButton::clicked, this, &TInsertStrDlg::DeleteBtnClick);
  connect(m_ref, &QPushButton::clicked, this, &TInsertStrDlg::RefBtnClick);

  auto* main = new QVBoxLayout(this);
  main->addLayout(grid);
  main->addStretch();
  main->addWidget(box);
  resize(480, sizeHint().height());
}

TInsertStrDlg::~TInsertStrDlg() = default;

void TInsertStrDlg::LoadFields(const DialogFields& f) {
  setWindowTitle(FromDocumentText(f.Get(kFieldCaption)));
  if (f.Has("lbStr")) m_label->setText(FromDocumentText(f.Get("lbStr")));
  const int mode = f.Index(kFieldMode, 0);
  const auto wordMode = mode == 1 ? WordListMode::PreString : mode == 2 ? WordListMode::BookMark : WordListMode::Single;
  m_list = std::make_unique<WordListDialog>(wordMode, ServicesOf(m_hooks).dataFolder);
  m_list->FromFields(f);
  m_combo->clear();
  for (const std::string& item : GetItems(f, "cbStr")) m_combo->addItem(FromDocumentText(item));
  m_combo->setCurrentIndex(f.Index("cbStr#index", -1));
  m_combo->setEditText(FromDocumentText(f.Get("cbStr")));
  m_add->setVisible(m_list->HasListButtons());
  m_delete->setVisible(m_list->HasListButtons());
  m_ref->setVisible(m_list->HasRefButton());
  const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
  m_ref->setEnabled(!doc.isEmpty() && QFileInfo(doc).isFile());
}

void TInsertStrDlg::StoreFields(DialogFields& f) const {
  f.Set("cbStr", ToDocumentText(m_combo->currentText()));
  // The chosen entry counts only while the text is still the entry's.
  const int i = m_combo->currentIndex();
  f.SetIndex("cbStr#index", i >= 0 && m_combo->itemText(i) == m_combo->currentText() ? i : -1);
  std::vector<std::string> items;
  for (int k = 0; k < m_combo->count(); ++k) items.push_back(ToDocumentText(m_combo->itemText(k)));
  SetItems(f, "cbStr", items);
}

void TInsertStrDlg::TakeChoice() {
  DialogFields f;
  StoreFields(f);
  m_list->text = f.Get("cbStr");
  const int i = f.Index("cbStr#index", -1);
  m_list->chosen = i >= 0 && i < static_cast<int>(m_list->Items().size()) && m_list->Items()[static_cast<std::size_t>(i)] == m_list->text ? i : -1;
}

void TInsertStrDlg::ShowItems() {
  const QString text = FromDocumentText(m_list->text);
  m_combo->clear();
  for (const std::string& item : m_list->Items()) m_combo->addItem(FromDocumentText(item));
  m_combo->setCurrentIndex(m_list->chosen);
  m_combo->setEditText(text);
}

void TInsertStrDlg::AddBtnClick() {
  TakeChoice();
  m_list->Add();
  ShowItems();
}

void TInsertStrDlg::DeleteBtnClick() {
  TakeChoice();
  if (const auto message = m_list->Delete()) {
    QMessageBox::information(this, windowTitle(), FromDocumentText(*message));
    return;
  }
  ShowItems();
}

void TInsertStrDlg::RefBtnClick() {
  const QString doc = m_hooks.documentPath ? m_hooks.documentPath() : QString();
  if (doc.isEmpty()) return;
  const QString start = m_hooks.startFolder ? m_hooks.startFolder() : QString();
  const QString filter = QtFileFilter(MessageUtf8(Msg::HtmlFileFilter));
  const QString file = m_hooks.chooseFile ? m_hooks.chooseFile(this, start, filter)
                                          : QFileDialog::getOpenFileName(this, QString(), start, filter);
  if (file.isEmpty()) return;
  DialogFields f;
  if (ApplyReferenceChoice(f, "cbStr", ToDocumentText(QDir::toNativeSeparators(file)),
                           ToDocumentText(QDir::toNativeSeparators(doc)), ServicesOf(m_hooks)))
    m_combo->setEditText(FromDocumentText(f.Get("cbStr")));
}

bool TInsertStrDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !m_combo->view()->isVisible()) {
      if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (m_ref->isVisible() && m_ref->isEnabled()) RefBtnClick();
      } else {
        accept();
      }
      return true;
    }
  }
  return FieldsDialog::eventFilter(watched, event);
}

}  // namespace mw::gui
