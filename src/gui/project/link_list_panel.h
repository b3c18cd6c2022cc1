// The link list at the right edge of the main window: what the active page
// links to, embeds and defines, in five groups, each item with an icon
// that says whether its target exists.
#pragma once

#include <QTreeWidget>
#include <functional>
#include <string>

#include "core/project/link_list.h"

class QDockWidget;

namespace mw::gui {

class TMainForm;

// Inserts Shift-JIS text at the active document's selection as a plain
// insertion command does (nothing without a document).
void InsertIntoActiveDocument(TMainForm& main, std::string_view text);

// The icon of each state (painted, so every platform style shows the same).
QIcon LinkStateIcon(LinkItemState state);
// The same for the project window's trees.
QIcon LinkStatusIcon(LinkStatus status);

class TLinkListPanel : public QTreeWidget {
  Q_OBJECT
 public:
  // markers gives the project's marker index while the project window is
  // open, else null.
  TLinkListPanel(TMainForm& main, std::function<const MarkerIndex*()> markers);

  // Rebuilds the whole tree from the active document.
  void BuildLinkList();
  // Selects the value of the selected item's occurrence in the text.
  void JumpInText();
  // Opens the selected item's target (HREF, SRC and url() items only).
  void JumpToTarget();
  // What a link value points to: a URL to the shell, a picture to the
  // system's viewer, a page into the editor, then its marker.
  void OpenLinkTarget(const std::string& target);
  // Opens the link of the tag at the caret (its HREF, else its SRC),
  // selecting the value in the tag first.
  void ExtractAndJump();
  void CopyItem();
  void PasteItem();

  // Shown at its stored width, or hidden with its width stored.
  void ShowLinkList();
  bool IsShown() const;
  QDockWidget* Dock() const { return m_dock; }
  // The style sheet the page links to, as found by the last build.
  const std::string& LinkedStyleSheet() const { return m_linkedStyleSheet; }
  // The state of an item (Group for group nodes).
  static LinkItemState StateOf(const QTreeWidgetItem* item);
  // The width the panel asks for when it is shown.
  QSize sizeHint() const override;

  // Where an opened picture or URL goes (the system's handler by default).
  void SetShellOpener(std::function<void(const QString&)> open) { m_shell = std::move(open); }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void StoreWidth();
  std::string SelectedText() const;

  TMainForm& m_main;
  std::function<const MarkerIndex*()> m_markers;
  std::function<void(const QString&)> m_shell;
  std::string m_linkedStyleSheet;
  int m_width = 135;
  QDockWidget* m_dock = nullptr;
};

}  // namespace mw::gui
