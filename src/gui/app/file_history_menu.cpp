#include "gui/app/file_history_menu.h"

#include <QAction>
#include <QMenu>

#include "core/app/document_file.h"
#include "core/editing/user_prompts.h"
#include "gui/app/qt_prompts.h"
#include "platform/app/native_path.h"

namespace mw::gui {

TFileHistory::TFileHistory(int capacity, std::string path, QMenu* menu, Action action)
    : m_list(capacity), m_path(std::move(path)), m_menu(menu), m_action(std::move(action)) {
  // A damaged history starts empty; the file stays as it is until an entry
  // is to be written, and is then kept as NAME.bak (see WritePathList).
  if (!m_path.empty()) m_list.Load(m_path);
  Rebuild();
}

void TFileHistory::SetCurrent(const QString& path) {
  m_list.SetCurrent(platform::NativePathString(path));
  Rebuild();
}

void TFileHistory::Add(const QString& path) {
  m_list.Add(platform::NativePathString(path));
  Rebuild();
}

void TFileHistory::Replace(const QString& oldPath, const QString& newPath) {
  if (m_list.Replace(platform::NativePathString(oldPath), platform::NativePathString(newPath))) Rebuild();
}

QStringList TFileHistory::Entries() const {
  QStringList entries;
  for (const auto& e : m_list.Entries()) entries << platform::PathFromNative(e);
  return entries;
}

void TFileHistory::Rebuild() {
  m_list.Trim();
  if (m_menu == nullptr) return;
  // Items go later: the one being chosen may be running this rebuild.
  for (QAction* old : m_menu->actions()) {
    m_menu->removeAction(old);
    old->deleteLater();
  }
  const auto captions = m_list.MenuCaptions();
  // An empty submenu, once hovered, would never open again: it is
  // disabled until it holds entries.
  m_menu->menuAction()->setEnabled(!captions.empty());
  for (std::size_t k = 0; k < captions.size(); ++k) {
    // The number is the accelerator; an & in a path must show as itself.
    const QString entry = platform::PathFromNative(m_list.Entries()[k]);
    QString caption = QString::fromStdString(captions[k]);
    const qsizetype space = caption.indexOf(QLatin1Char(' '));
    caption = caption.left(space + 1) + QString(entry).replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = m_menu->addAction(caption);
    QObject::connect(item, &QAction::triggered, m_menu, [this, entry] {
      if (m_action) m_action(entry, false);
    });
  }
}

void TFileHistory::Close(UserPrompts* prompts) {
  m_list.SetCurrent({});
  if (m_path.empty()) return;
  try {
    m_list.Save(m_path);
  } catch (const FileError&) {
    if (prompts != nullptr)
      prompts->ShowMessage(MessageSjis(Msg::HistoryNotSaved), MessageKind::Error, MessageSjis(Msg::ErrorCaption));
  }
}

}  // namespace mw::gui
