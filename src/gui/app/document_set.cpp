#include "gui/app/document_set.h"

#include <QFileInfo>
#include <QTabBar>
#include <QTabWidget>

#include "core/app/file_history.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "platform/app/native_path.h"

namespace mw::gui {

bool IsExistingFile(const QString& path) {
  // By the name's own bytes, which Qt's file functions would not find.
  return QFileInfo(path).isAbsolute() && platform::IsNativeFile(path);
}

TTabAndRichEdit::TTabAndRichEdit(QTabWidget& pages, Clipboard& clipboard, std::string listPath,
                                 Initialiser init)
    : m_pages(pages), m_clipboard(clipboard), m_listPath(std::move(listPath)), m_init(std::move(init)) {}

TTabAndRichEdit::~TTabAndRichEdit() = default;

void TTabAndRichEdit::WriteList() const {
  if (m_listPath.empty()) return;
  std::vector<std::string> paths;
  for (const auto& d : m_docs) paths.push_back(platform::NativePathString(d.name));
  WritePathList(m_listPath, paths);
}

int TTabAndRichEdit::ActiveIndex() const {
  const int i = m_pages.currentIndex();
  return i >= 0 && i < Count() ? i : -1;
}

void TTabAndRichEdit::Activate(int i) {
  if (i >= 0 && i < Count()) m_pages.setCurrentIndex(i);
}

int TTabAndRichEdit::AddDocument(const QString& name) {
  const int at = Count() == 0 ? 0 : ActiveIndex() + 1;
  auto* editor = new ScintillaEditor(&m_pages);
  auto* surface = new ScintillaSurface(*editor, m_clipboard);
  surface->setParent(editor);  // the surface goes with its page
  m_docs.insert(m_docs.begin() + at, Document{name, editor, surface});
  m_pages.insertTab(at, editor, QFileInfo(platform::ShownPath(name)).fileName());
  m_pages.setCurrentIndex(at);
  surface->SetModifiedFlag(false);
  if (m_init) m_init(*editor, *surface);
  return at;
}

void TTabAndRichEdit::RemoveDocument(int i) {
  if (i < 0 || i >= Count()) return;
  ScintillaEditor* editor = m_docs[static_cast<std::size_t>(i)].editor;
  m_docs.erase(m_docs.begin() + i);
  m_pages.removeTab(i);
  delete editor;
}

int TTabAndRichEdit::IndexOfFile(const QString& name) const {
  for (int i = 0; i < Count(); ++i)
    if (m_docs[static_cast<std::size_t>(i)].name == name) return i;
  // Any other name of an open file (a symlink, a hard link, another letter
  // case on a case-blind volume) is that document: two tabs on one file
  // would save over each other. On a case-sensitive volume a.html and
  // A.html are two files, so two documents.
  if (!IsExistingFile(name)) return -1;
  for (int i = 0; i < Count(); ++i)
    if (platform::IsSameNativeFile(m_docs[static_cast<std::size_t>(i)].name, name)) return i;
  return -1;
}

int TTabAndRichEdit::IndexOfEditor(const ScintillaEditor* editor) const {
  for (int i = 0; i < Count(); ++i)
    if (m_docs[static_cast<std::size_t>(i)].editor == editor) return i;
  return -1;
}

QString TTabAndRichEdit::FileNameAt(int i) const {
  return i >= 0 && i < Count() ? m_docs[static_cast<std::size_t>(i)].name : QString();
}

ScintillaEditor* TTabAndRichEdit::EditorAt(int i) const {
  return i >= 0 && i < Count() ? m_docs[static_cast<std::size_t>(i)].editor : nullptr;
}

ScintillaSurface* TTabAndRichEdit::SurfaceAt(int i) const {
  return i >= 0 && i < Count() ? m_docs[static_cast<std::size_t>(i)].surface : nullptr;
}

QStringList TTabAndRichEdit::FileNames() const {
  QStringList names;
  for (const auto& d : m_docs) names << d.name;
  return names;
}

void TTabAndRichEdit::SetFileName(int i, const QString& name) {
  if (i < 0 || i >= Count()) return;
  m_docs[static_cast<std::size_t>(i)].name = name;
  UpdateCaption(i);
}

void TTabAndRichEdit::UpdateCaption(int i) {
  if (i < 0 || i >= Count()) return;
  const auto& d = m_docs[static_cast<std::size_t>(i)];
  QString caption = QFileInfo(platform::ShownPath(d.name)).fileName();
  if (d.surface->IsModified()) caption += QStringLiteral(" *");
  if (m_pages.tabText(i) != caption) m_pages.setTabText(i, caption);
}

void TTabAndRichEdit::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  const Document d = m_docs[static_cast<std::size_t>(from)];
  m_docs.erase(m_docs.begin() + from);
  m_docs.insert(m_docs.begin() + to, d);
  m_pages.tabBar()->moveTab(from, to);
}

void TTabAndRichEdit::MoveRight(int i) { Move(i, i + 1); }
void TTabAndRichEdit::MoveLeft(int i) { Move(i, i - 1); }
void TTabAndRichEdit::MoveToRightEnd(int i) { Move(i, Count() - 1); }
void TTabAndRichEdit::MoveToLeftEnd(int i) { Move(i, 0); }

}  // namespace mw::gui
