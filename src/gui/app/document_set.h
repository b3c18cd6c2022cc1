// The open documents: one tab page of pcMain per document, each page an
// editor with its surface, and the full path of each. Index i addresses
// the same document in the path list, the editor list and the tab order.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QTabWidget;

namespace mw {
class Clipboard;
class ScintillaEditor;
class ScintillaSurface;
}  // namespace mw

namespace mw::gui {

// A path that names an existing file. The untitled name has no folder and
// never names a file, whatever the working folder holds.
bool IsExistingFile(const QString& path);

class TTabAndRichEdit {
 public:
  // Called with every new document's editor and surface.
  using Initialiser = std::function<void(ScintillaEditor&, ScintillaSurface&)>;

  // listPath: OpenFileList.txt, written by WriteList (empty: never written).
  TTabAndRichEdit(QTabWidget& pages, Clipboard& clipboard, std::string listPath, Initialiser init);
  TTabAndRichEdit(const TTabAndRichEdit&) = delete;
  TTabAndRichEdit& operator=(const TTabAndRichEdit&) = delete;
  ~TTabAndRichEdit();

  // The paths in tab order, one per line; throws FileError.
  void WriteList() const;
  const std::string& ListPath() const { return m_listPath; }

  // A new empty document right of the active one (first when none), made
  // active, not modified. Returns its index.
  int AddDocument(const QString& name);
  // Ignored unless 0 <= i < Count().
  void RemoveDocument(int i);

  int Count() const { return static_cast<int>(m_docs.size()); }
  int ActiveIndex() const;
  QString ActiveFileName() const { return FileNameAt(ActiveIndex()); }
  ScintillaEditor* ActiveEditor() const { return EditorAt(ActiveIndex()); }
  ScintillaSurface* ActiveSurface() const { return SurfaceAt(ActiveIndex()); }
  void Activate(int i);

  // The document whose path is name, or whose file name reaches too (by
  // device and inode); -1 when none.
  int IndexOfFile(const QString& name) const;
  int IndexOfEditor(const ScintillaEditor* editor) const;
  QString FileNameAt(int i) const;
  ScintillaEditor* EditorAt(int i) const;
  ScintillaSurface* SurfaceAt(int i) const;
  QStringList FileNames() const;

  // Stores the path and sets the caption: the file-name part, " *" while
  // the document is modified.
  void SetFileName(int i, const QString& name);
  // Refreshes tab i's caption from its modified flag.
  void UpdateCaption(int i);

  void MoveRight(int i);
  void MoveLeft(int i);
  void MoveToRightEnd(int i);
  void MoveToLeftEnd(int i);

 private:
  struct Document {
    QString name;
    ScintillaEditor* editor = nullptr;
    ScintillaSurface* surface = nullptr;
  };
  void Move(int from, int to);

  QTabWidget& m_pages;
  Clipboard& m_clipboard;
  std::string m_listPath;
  Initialiser m_init;
  std::vector<Document> m_docs;
};

}  // namespace mw::gui
