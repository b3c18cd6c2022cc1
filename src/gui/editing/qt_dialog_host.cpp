#include "gui/editing/qt_dialog_host.h"

#include <QFile>

#include "gui/app/qt_prompts.h"

namespace mw::gui {

void QtDialogHost::Register(std::string dialogClass, ViewFactory factory) {
  m_views[std::move(dialogClass)] = std::move(factory);
}

bool QtDialogHost::Knows(std::string_view dialogClass) const {
  return m_views.find(dialogClass) != m_views.end() || m_modelViews.find(dialogClass) != m_modelViews.end();
}

bool QtDialogHost::Run(std::string_view dialogClass, DialogFields& fields) {
  if ((dialogClass == "OpenDialog" || dialogClass == "SaveDialog") && m_chooseFile) {
    const auto text = [&](const char* name) { return FromDocumentText(fields.Get(name)); };
    const QString path = m_chooseFile(dialogClass == "SaveDialog", text("Title"),
                                      QString::fromLocal8Bit(fields.Get("InitialDir")), text("Filter"));
    if (path.isEmpty()) return false;
    fields.Set("FileName", QFile::encodeName(path).toStdString());
    return true;
  }
  std::unique_ptr<FieldsDialog> view;
  if (const auto model = m_modelViews.find(dialogClass); model != m_modelViews.end() && model->second) {
    view = model->second(m_parent, fields);
  } else if (const auto found = m_views.find(dialogClass); found != m_views.end() && found->second) {
    view = found->second(m_parent);
  }
  if (!view) return false;
  view->LoadFields(fields);
  const bool ok = view->exec() == QDialog::Accepted;
  view->StoreClosing(fields);
  if (!ok) return false;
  view->StoreFields(fields);
  return true;
}

void QtDialogHost::RegisterModelView(std::string dialogClass, ModelViewFactory factory) {
  m_modelViews[std::move(dialogClass)] = std::move(factory);
}

}  // namespace mw::gui
