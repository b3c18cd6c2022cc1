#include "gui/editing/qt_dialog_host.h"

namespace mw::gui {

void QtDialogHost::Register(std::string dialogClass, ViewFactory factory) {
  m_views[std::move(dialogClass)] = std::move(factory);
}

bool QtDialogHost::Knows(std::string_view dialogClass) const { return m_views.find(dialogClass) != m_views.end(); }

bool QtDialogHost::Run(std::string_view dialogClass, DialogFields& fields) {
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

}  // namespace mw::gui
