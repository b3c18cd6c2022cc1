#include "gui/editing/qt_dialog_host.h"

#include <QFile>

#include "gui/app/qt_prompts.h"

namespace mw::gui {

void QtDialogHost::Register(std::string dialogClass, ViewFactory factory) {
  m_views[std::move(dialogClass)] = std::move(factory);
}

bool QtDialogHost::Knows(std::string_view dialogClass) const { return m_views.find(dialogClass) != m_views.end(); }

bool QtDialogHost::Run(std::string_view dialogClass, DialogFields& fields) {
  if ((dialogClass == "OpenDialog" || dialogClass == "SaveDialog") && m_chooseFile) {
    const auto text = [&](const char* name) { return FromDocumentText(fields.Get(name)); };
    const QString path = m_chooseFile(dialogClass == "SaveDialog", text("Title"),
                                      QString::fromLocal8Bit(fields.Get("InitialDir")), text("Filter"));
    if (path.isEmpty()) return false;
    fields.Set("FileName", QFile::encodeName(path).toStdString());
    return true;
  }
  const auto found = m_views.find(dialogClass);
  if (found == m_views.end() || !found->second) return false;
  std::unique_ptr<FieldsDialog> view = found->second(m_parent);
  if (!view) return false;
  view->LoadFields(fields);
  const bool ok = view->exec() == QDialog::Accepted;
  view->StoreClosing(fields);
  if (!ok) return false;
  view->StoreFields(fields);
  return true;
}

void QtDialogHost::RegisterSession(std::string dialogClass, SessionViewFactory factory) {
  m_sessionViews[std::move(dialogClass)] = std::move(factory);
}

bool QtDialogHost::RunSession(std::string_view dialogClass, DialogSession& session) {
  const auto found = m_sessionViews.find(dialogClass);
  if (found == m_sessionViews.end() || !found->second) return Run(dialogClass, session.Fields());
  std::unique_ptr<FieldsDialog> view = found->second(m_parent, session);
  if (!view) return false;
  view->LoadFields(session.Fields());
  if (view->exec() != QDialog::Accepted) return false;
  view->StoreFields(session.Fields());
  return true;
}

}  // namespace mw::gui
