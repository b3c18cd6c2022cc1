#include "gui/dialogs/skeleton_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/skeleton_dialog.h"
#include "gui/app/qt_prompts.h"

namespace mw::gui {

namespace {

constexpr ViewPage kPages[] = {{Msg::SkeletonBasicPage, "cbVersion", "BasicSheet"},
                               {Msg::SkeletonBodyPage, "cbStyle", "BodySheet"}};

}  // namespace

TInitTagSetDlg::TInitTagSetDlg(QWidget* parent, TagDialogViewHooks hooks)
    : TagDialogView(parent, kInitTagSetDlg.rows,
                    [](const DialogFields& f, const EditingOptions& o) { return kInitTagSetDlg.build(f, o).preview; },
                    std::move(hooks), kPages) {
  setObjectName(QStringLiteral("TInitTagSetDlg"));
  SetDialogClass(std::string(kInitTagSetDlg.dialogClass));
  auto* line = new QHBoxLayout;
  auto* label = new QLabel(UiText(Msg::ProfileLabel), this);
  m_profile = new QComboBox(this);
  m_profile->setObjectName(QStringLiteral("cbProfile"));
  m_profile->setEditable(true);
  m_profile->setInsertPolicy(QComboBox::NoInsert);
  label->setBuddy(m_profile);
  line->addWidget(label);
  line->addWidget(m_profile, 1);
  const std::pair<const char*, Msg> buttons[] = {{"SaveBtn", Msg::ProfileSave},
                                                 {"DeleteBtn", Msg::ProfileDelete},
                                                 {"NewBtn", Msg::ProfileNew},
                                                 {"FileSaveBtn", Msg::ProfileFileSave}};
  for (const auto& [name, caption] : buttons) {
    auto* b = new QPushButton(UiText(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    line->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, n = name] { Press(n); });
  }
  MainLayout()->insertLayout(0, line);
  connect(m_profile, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (m_showingProfile) return;
    DialogFields f = CurrentFields();
    f.Set("cbProfile", ToDocumentText(text));
    ShownFields().Set("cbProfile", f.Get("cbProfile"));
    if (!f.actions) return;
    const DialogFields before = f;
    f.actions->Take(DialogStep::SetField("cbProfile", f.Get("cbProfile")), f);
    // A known name loads its profile; typing a new name changes nothing else.
    if (f.values != before.values) LoadFields(f);
  });
  resize(640, height() + 40);
}

QPushButton* TInitTagSetDlg::Button(const char* name) const { return findChild<QPushButton*>(QString::fromLatin1(name)); }

void TInitTagSetDlg::Press(const char* button) {
  DialogFields f = CurrentFields();
  if (!f.actions) return;
  f.actions->Take(DialogStep::PressButton(button), f);
  LoadFields(f);
}

void TInitTagSetDlg::LoadFields(const DialogFields& fields) {
  TagDialogView::LoadFields(fields);
  m_showingProfile = true;
  m_profile->clear();
  for (const std::string& item : GetItems(fields, "cbProfile")) m_profile->addItem(FromDocumentText(item));
  m_profile->setEditText(FromDocumentText(fields.Get("cbProfile")));
  m_showingProfile = false;
  if (QPushButton* save = Button("FileSaveBtn")) save->setVisible(fields.Get("FileSaveBtn#visible", "1") != "0");
}

void TInitTagSetDlg::StoreFields(DialogFields& fields) const {
  TagDialogView::StoreFields(fields);
  fields.Set("cbProfile", ToDocumentText(m_profile->currentText()));
}

void RegisterSkeletonView(QtDialogHost& host, TagDialogViewHooks hooks) {
  host.Register(std::string(kInitTagSetDlg.dialogClass),
                [hooks](QWidget* parent) { return std::make_unique<TInitTagSetDlg>(parent, hooks); });
}

}  // namespace mw::gui
