// The tag checker's result window: a small tool window that stays on top
// of the main window, lists what the scan of the active document found,
// and selects a message's place in the editor when a line is chosen.
#pragma once

#include <QWidget>
#include <string>

#include "core/check/tag_check.h"
#include "core/check/tag_lists.h"

class QComboBox;
class QListWidget;
class QToolButton;
class QFrame;

namespace mw::gui {

class CommandActions;
class TMainForm;

class TTagErrorForm : public QWidget {
  Q_OBJECT
 public:
  // listFolder holds the three tag list files; empty keeps the built-in
  // lists and writes nothing.
  TTagErrorForm(TMainForm& main, std::string listFolder);

  // Scans the active document again; the button of the running mode greys.
  void RunTagCheck(bool checkOmissible);
  // Selects the chosen line's range in the editor, centres it and moves
  // this window just below it. The summary line selects nothing.
  void JumpToCheckMessage();
  // The main window's next document, then the scan again in this mode.
  void CheckNextFile();
  void ToggleOptions();

  // "保存": adds the box's text to its list when new, then writes the list.
  void SaveList(TagListKind kind);
  // "削除": removes the box's text from the list (the file keeps it until
  // the next save of that list).
  void DeleteFromList(TagListKind kind);

  bool CheckOmissible() const { return m_checkOmissible; }
  const CheckResult& Result() const { return m_result; }
  const TagLists& Lists() const { return m_lists; }
  QListWidget* ResultList() const { return m_list; }
  QComboBox* ListBox(TagListKind kind) const;
  QWidget* OptionPanel() const { return m_options; }

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void FillBox(TagListKind kind);

  TMainForm& m_main;
  std::string m_folder;
  TagLists m_lists;
  CheckResult m_result;
  bool m_checkOmissible = true;
  bool m_scanning = false;
  QListWidget* m_list = nullptr;
  QWidget* m_options = nullptr;
  QComboBox* m_boxes[3] = {};
  CommandActions* m_commands = nullptr;  // the toolbar's rows; a child
};

}  // namespace mw::gui
