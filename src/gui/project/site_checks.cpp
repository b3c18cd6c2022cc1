#include "gui/project/site_checks.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QTabWidget>

#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/check/tag_error_form.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"

namespace mw::gui {

SiteChecks::SiteChecks(TMainForm& w) : QObject(&w), m_main(w) {
  setObjectName(QStringLiteral("SiteChecks"));
  m_links = new TLinkListPanel(w, [this]() -> const MarkerIndex* {
    // Markers of other files are known only while the project is open.
    return m_project != nullptr && m_project->isVisible() ? &m_project->Markers() : nullptr;
  });
  connect(&w, &TMainForm::ActiveDocumentChanged, m_links, [this] {
    if (m_links->IsShown()) m_links->BuildLinkList();
  });
  w.installEventFilter(this);
}

SiteChecks* SiteChecks::Of(TMainForm& w) { return w.findChild<SiteChecks*>(QStringLiteral("SiteChecks")); }

TTagErrorForm* SiteChecks::TagCheck() const { return m_check; }
TPrjForm* SiteChecks::ProjectIfOpen() const { return m_project; }

TTagErrorForm& SiteChecks::ShowTagCheck() {
  // A closed check window is gone; a new one reads the list files again.
  if (m_check == nullptr) {
    m_check = new TTagErrorForm(m_main, m_main.DataFolder());
    m_check->setAttribute(Qt::WA_DeleteOnClose);
  }
  m_check->show();
  m_check->raise();
  return *m_check;
}

TPrjForm& SiteChecks::Project() {
  if (m_project == nullptr) m_project = new TPrjForm(m_main);
  return *m_project;
}

void SiteChecks::ShowProjectFormClick() {
  TPrjForm& form = Project();
  ScintillaSurface* surface = m_main.ActiveSurface();
  if (surface != nullptr && surface->GetSelLength() > 0) {
    form.Pages()->setCurrentIndex(1);
    form.FindBox()->setEditText(
        FromDocumentText(surface->GetTextRange(surface->GetSelStart(), surface->GetSelLength())));
  }
  form.show();
  form.raise();
}

void SiteChecks::ProjetOpenClick() {
  TPrjForm& form = Project();
  form.show();
  form.raise();
  form.FileOpenProjectClick();
}

bool SiteChecks::eventFilter(QObject* watched, QEvent* e) {
  // The program does not end while the project has unsaved changes the
  // user wants to keep, nor while a pass over its files runs.
  if (watched == &m_main && e->type() == QEvent::Close && m_project != nullptr && m_project->isVisible()) {
    if (!m_project->close()) {
      e->ignore();
      return true;
    }
  }
  return QObject::eventFilter(watched, e);
}

void WireSiteChecks(TMainForm& w) {
  if (SiteChecks::Of(w) != nullptr) return;  // one set of windows per main window
  auto* s = new SiteChecks(w);
  w.Handle("CheckTagClick", [s](const CommandRow&) { s->ShowTagCheck(); });
  w.Handle("ShowLinkListClick", [s](const CommandRow&) { s->LinkList().ShowLinkList(); });
  w.Handle("UpdateLinkListClick", [s](const CommandRow&) { s->LinkList().BuildLinkList(); });
  w.Handle("JumpInTextClick", [s](const CommandRow&) { s->LinkList().JumpInText(); });
  w.Handle("JumpToTargetClick", [s](const CommandRow&) { s->LinkList().JumpToTarget(); });
  // No browser automation here: the browser items open the target the
  // same way, where the system's handler takes URLs and pictures.
  w.Handle("ExtractAndJumpClick", [s](const CommandRow&) { s->LinkList().ExtractAndJump(); });
  w.Handle("Copy2Click", [s](const CommandRow&) { s->LinkList().CopyItem(); });
  w.Handle("Paste2Click", [s](const CommandRow&) { s->LinkList().PasteItem(); });
  w.Handle("ShowProjectFormClick", [s](const CommandRow&) { s->ShowProjectFormClick(); });
  w.Handle("ProjetOpenClick", [s](const CommandRow&) { s->ProjetOpenClick(); });
  if (QAction* a = w.Action("ShowLinkList")) a->setCheckable(true);
  // The panel comes back at the width it had when the program last ended.
  if (w.Settings().Int("itvLinkList") > 0) {
    w.Settings().SetInt("iOldtvLinkList", w.Settings().Int("itvLinkList"));
    s->LinkList().ShowLinkList();
  }
}

}  // namespace mw::gui
