// The site-check windows of the main window: the tag checker's result
// window, the link list panel and the project window, with the commands
// that open them.
#pragma once

#include <QObject>
#include <QPointer>

namespace mw::gui {

class TMainForm;
class TTagErrorForm;
class TLinkListPanel;
class TPrjForm;

// Creates the link list panel and registers the checker, link list and
// project commands with the window. A second call does nothing.
void WireSiteChecks(TMainForm& w);

// What WireSiteChecks made; a child of the window.
class SiteChecks : public QObject {
  Q_OBJECT
 public:
  explicit SiteChecks(TMainForm& w);
  static SiteChecks* Of(TMainForm& w);

  // The check window, created on first use and shown.
  TTagErrorForm& ShowTagCheck();
  TTagErrorForm* TagCheck() const;
  TLinkListPanel& LinkList() const { return *m_links; }
  // The project window, created when none is open.
  TPrjForm& Project();
  TPrjForm* ProjectIfOpen() const;

  void ShowProjectFormClick();
  void ProjetOpenClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  TMainForm& m_main;
  QPointer<TTagErrorForm> m_check;
  TLinkListPanel* m_links = nullptr;
  QPointer<TPrjForm> m_project;
};

}  // namespace mw::gui
