// The find and replace dialogs: modeless, like the desktop's own, always
// searching down through the active document. They hold the texts and
// flags; each button hands them to the editing core (FindNext, Replace) and
// the dialog then moves back just below the caret line.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "core/editing/editing_context.h"
#include "core/editing/find_replace.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QsciScintilla;

namespace mw::gui {

// Top-left corner for a find or replace dialog: 30 pixels below the caret
// line's screen y; when that line is above the window, 100 pixels below the
// window's top; when below it, 200 pixels above the window's bottom. The
// left edge is 20 pixels right of anchorLeft (the document tabs' left
// screen edge).
QPoint FindDialogPosition(int caretLineY, const QRect& windowFrame, int anchorLeft);

// The caret line of an editor view in screen coordinates; a null rectangle
// for no view.
QRect CaretLineScreenRect(const QsciScintilla* view);

// One dialog class for both: the replace dialog adds the replace text and
// the two replace buttons.
class FindReplaceDialog : public QDialog {
  Q_OBJECT
 public:
  FindReplaceDialog(bool replace, QWidget* parent);

  bool IsReplace() const { return m_replace; }
  // The texts in document bytes (Shift-JIS).
  std::string FindText() const;
  std::string ReplaceText() const;
  void SetFindText(std::string_view sjis);
  FindFlags Flags() const;
  FindRequest Request(bool replaceAll) const;
  // A find text is there and every character of it (and of the replace
  // text) can be in a document.
  bool CanSearch() const;
  bool CanReplace() const;

  QLineEdit* FindEdit() const { return m_findEdit; }
  QLineEdit* ReplaceEdit() const { return m_replaceEdit; }  // null in the find dialog
  QCheckBox* WholeWordBox() const { return m_wholeWord; }
  QCheckBox* MatchCaseBox() const { return m_matchCase; }
  QPushButton* FindNextButton() const { return m_findNext; }
  QPushButton* ReplaceButton() const { return m_replaceBtn; }        // null in the find dialog
  QPushButton* ReplaceAllButton() const { return m_replaceAllBtn; }  // null in the find dialog
  QPushButton* CancelButton() const { return m_cancel; }

 signals:
  void findNextRequested();
  void replaceRequested(bool all);

 private:
  void UpdateButtons();

  bool m_replace;
  QLineEdit* m_findEdit = nullptr;
  QLineEdit* m_replaceEdit = nullptr;
  QCheckBox* m_wholeWord = nullptr;
  QCheckBox* m_matchCase = nullptr;
  QPushButton* m_findNext = nullptr;
  QPushButton* m_replaceBtn = nullptr;
  QPushButton* m_replaceAllBtn = nullptr;
  QPushButton* m_cancel = nullptr;
};

// The main window's pair of dialogs, created once and kept for the window's
// life (hidden, not destroyed, when closed, so their texts stay).
class FindReplaceDialogs : public QObject {
  Q_OBJECT
 public:
  // ctx: the window's editing state; while a dialog acts, its editor is
  //   the active document's and the dialog's texts and flags are stored in
  //   it (findText, replaceText, findFlags; statusText after replace all).
  // activeEditor: the active document, or null when none is open; asked
  //   at each action.
  // caretLineScreenRect: the active document's caret line on screen.
  // anchorWidget: the document tab control, whose left edge the dialogs
  //   follow.
  // showStatus: the status bar's last panel, for the replace-all count.
  FindReplaceDialogs(QWidget* window, EditingContext& ctx, std::function<EditorSurface*()> activeEditor,
                     std::function<QRect()> caretLineScreenRect, std::function<QWidget*()> anchorWidget,
                     std::function<void(const QString&)> showStatus);

  // EditFind / EditReplace: the selection (if any) becomes the find text;
  // the dialog is placed and shown.
  void ShowFind();
  void ShowReplace();
  // FindNext1 (F3): the find dialog's search step, without opening it
  // while its find text is empty.
  void FindNext();

  FindReplaceDialog* FindDialog() const { return m_find; }
  FindReplaceDialog* ReplaceDialog() const { return m_replace; }

 private:
  void Show(FindReplaceDialog* dialog);
  void Place(FindReplaceDialog* dialog);
  void Search(FindReplaceDialog* dialog);
  void Replace(bool all);
  // Stores the dialog's texts and flags in the context; false without a
  // document.
  bool TakeRequest(const FindReplaceDialog& dialog);

  QWidget* m_window;
  EditingContext& m_ctx;
  std::function<EditorSurface*()> m_activeEditor;
  std::function<QRect()> m_caretLine;
  std::function<QWidget*()> m_anchor;
  std::function<void(const QString&)> m_showStatus;
  FindReplaceDialog* m_find;
  FindReplaceDialog* m_replace;
};

}  // namespace mw::gui
