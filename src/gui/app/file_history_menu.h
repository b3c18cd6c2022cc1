// A most-recently-used list shown as the subitems of a menu: recent files
// ("最近開いたファイル(&R)") and the favourite folders. Choosing an item runs
// the action with the entry. The list file is read on creation and written
// by Close (at program exit).
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/app/file_history.h"

class QMenu;

namespace mw {
class UserPrompts;
}

namespace mw::gui {

class TFileHistory {
 public:
  using Action = std::function<void(const QString& entry, bool askReopen)>;

  // path empty: nothing is read or written.
  TFileHistory(int capacity, std::string path, QMenu* menu, Action action);

  void SetCurrent(const QString& path);
  void Add(const QString& path);
  void Replace(const QString& oldPath, const QString& newPath);
  void SetCapacity(int n) { m_list.SetCapacity(n); }
  // Trims to the capacity and makes the menu's items anew.
  void Rebuild();
  // Clears current (it becomes the top entry) and writes the file; a file
  // that cannot be written is reported and the program goes on.
  void Close(UserPrompts* prompts);

  const FileHistoryList& List() const { return m_list; }
  QStringList Entries() const;

 private:
  FileHistoryList m_list;
  std::string m_path;
  QMenu* m_menu;
  Action m_action;
};

}  // namespace mw::gui
