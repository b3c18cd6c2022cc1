// The services the main window lends to dialogs and commands of other
// layers: the dialog host that shows tag dialogs, the modeless find and
// replace dialogs, and the lists and hooks the tag dialogs read.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTabWidget>

#include "core/app/document_file.h"
#include "core/editing/typing.h"
#include "core/dialogs/dialog_actions.h"
#include "core/dialogs/dialog_lists.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/window_settings.h"
#include "platform/app/browsers.h"
#include "platform/app/native_path.h"
#include "platform/pictures/picture_files.h"
#include "gui/check/tag_error_form.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/display_refresh.h"
#include "gui/display/scintilla_surface.h"
#include "gui/editing/find_dialogs.h"
#include "gui/editing/qt_dialog_host.h"
#include "gui/editing/repeat_tag_dialog.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_checks.h"
#include "core/project/link_list.h"
#include "core/project/relative_path.h"

namespace mw::gui {

namespace {

// The link list follows edits that change links, but only while shown.
void RebuildShownLinkList(TMainForm& w) {
  SiteChecks* checks = SiteChecks::Of(w);
  if (checks != nullptr && checks->LinkList().IsShown()) checks->LinkList().BuildLinkList();
}

}  // namespace

void TMainForm::WireParts() {
  m_dialogHost = std::make_unique<QtDialogHost>(this);
  m_ctx.dialogs = m_dialogHost.get();
  RegisterRepeatTagDialog(*m_dialogHost, [this] { return m_ctx.prompts; });
  TagDialogViewHooks views;
  views.options = [this] { return m_ctx.options; };
  views.look = [this] { return WindowEditorLook(*this); };
  views.documentPath = [this] { return m_currentFileName; };
  views.startFolder = [this] { return QFileInfo(m_currentFileName).absolutePath(); };
  views.services = &m_ctx.services;
  views.keyPress = [this](EditorSurface& preview, char key) {
    return KeyPress(m_ctx, preview, key, IsColoured(m_currentFileName));
  };
  views.fieldChanged = [this](std::string_view dialogClass, std::string_view control, DialogFields& f) {
    DialogFieldChanged(m_ctx, dialogClass, control, f);
  };
  views.press = [this](std::string_view dialogClass, std::string_view button, DialogFields& f) {
    return PressDialogButton(m_ctx, dialogClass, button, f);
  };
  views.runCommand = [this](std::string_view id) {
    if (QAction* a = Action(id); a != nullptr && a->isEnabled()) a->trigger();
  };
  RegisterTagDialogViews(*m_dialogHost, views);
  m_dialogHost->SetFileChooser([this](bool save, const QString& title, const QString& folder, const QString& filter) {
    FileChoice c;
    c.save = save;
    c.title = title;
    c.folder = folder;
    c.filter = QtFileFilter(filter);
    return ChooseFile(c);
  });

  m_findDialogs = new FindReplaceDialogs(
      this, m_ctx, [this]() -> EditorSurface* { return ActiveSurface(); },
      [this] { return CaretLineScreenRect(ActiveEditor()); }, [this]() -> QWidget* { return m_pcMain; },
      [this](const QString& text) { SetStatusText(5, text); });
  Handle("EditFindClick", [this](const CommandRow&) { m_findDialogs->ShowFind(); });
  Handle("EditReplaceClick", [this](const CommandRow&) { m_findDialogs->ShowReplace(); });
  Handle("FindDialog1Find", [this](const CommandRow&) { m_findDialogs->FindNext(); });

  // The display refresh recolours the bytes the editor holds; it never
  // reloads them from disk, where a save may have converted them.
  // A document never saved has no file to refresh from.
  Handle("UpdateRichEdit1Click", [this](const CommandRow&) {
    ScintillaSurface* surface = ActiveSurface();
    if (surface == nullptr) return;
    if (m_currentFileName.isEmpty() || m_currentFileName == UntitledName()) {
      ShowMessage(UiText(Msg::NoValidFile), MessageKind::Warning);
      return;
    }
    const bool recolour = m_ctx.options.autoTagFont;
    if (recolour) {
      SetStatusText(5, UiText(Msg::DisplayRefreshing).arg(m_currentFileName));
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    RefreshDisplay(*surface, WindowEditorLook(*this), recolour, IsColoured(m_currentFileName));
    if (recolour) {
      QGuiApplication::restoreOverrideCursor();
      SetStatusText(5, UiText(Msg::DisplayRefreshed).arg(m_currentFileName));
    }
    RebuildShownLinkList(*this);
  });

  DialogServices& r = m_ctx.services;
  r.dataFolder = m_dataFolder;
  r.makeRelativePath = [](const std::string& file, const std::string& document) {
    return MakeRelativePath(file, document);
  };
  r.resolveRelativePath = [](const std::string& url, const std::string& document) {
    return DocumentToFileSystemPath(ResolveRelativePath(url, FileSystemToDocumentPath(document)));
  };
  // One reader for the window's picture dialogs; it keeps the picture it
  // decoded last for the dialog to show.
  static platform::QtPictureReader pictures;
  r.pictures = &pictures;
  // The table designer's page goes beside the document, so that its
  // relative links resolve, and is deleted with the working copies.
  r.startFolder = [this] {
    const QFileInfo document(m_currentFileName);
    return QFile::encodeName(document.isFile() ? document.absolutePath() : QDir::tempPath()).toStdString();
  };
  r.registerTempFile = [this](const std::string& path) { RegisterTempFile(QFile::decodeName(path.c_str())); };
  // The IE and NN views run the browsers the options name; the default
  // browser shows the page when none is named.
  r.showInBrowser = [this](std::string_view view, const std::string& path) {
    const QString why = platform::ShowInBrowser(platform::PathFromNative(BrowserProgram(view, m_settings)),
                                                platform::PathFromNative(path));
    if (!why.isEmpty()) ShowMessage(why, MessageKind::Error);
  };
  // The style sheet the page links to, read from beside the page; a page
  // never saved or a sheet that is missing gives none.
  r.linkedStyleSheet = [this](const std::string& documentText) -> std::string {
    const std::string href = DetectLinkedStyleSheet(documentText);
    if (href == MessageSjis(Msg::NoStyleSheet) || !QFileInfo::exists(m_currentFileName)) return {};
    const std::string path = ResolveRelativePath(href, m_currentFileName.toStdString());
    try {
      return ReadFileBytes(path);
    } catch (const FileError&) {
      return {};
    }
  };
  // Font names the document can hold (a name Shift-JIS cannot write is
  // left out rather than written wrongly).
  r.fontNames = [] {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) {
      const std::string sjis = ToDocumentText(family);
      if (FromDocumentText(sjis) == family) names.push_back(sjis);
    }
    return names;
  };

  // Link candidates are the project's files and markers, each file as a
  // path relative to the active page; the file part is a file name and is
  // made document text here, the markers already are.
  r.urlCandidates = [this]() -> std::vector<std::string> {
    SiteChecks* checks = SiteChecks::Of(*this);
    const TPrjForm* project = checks != nullptr ? checks->ProjectIfOpen() : nullptr;
    if (project == nullptr || !project->isVisible()) return {};
    LinkTree files;
    for (const LinkNode& file : project->Trees().relMarker) {
      const QString name = QString::fromStdString(file.text);
      std::string text = ToDocumentText(name);
      if (FromDocumentText(text) != name) continue;  // a name the page cannot hold
      files.push_back(file);
      files.back().text = std::move(text);
    }
    return UrlCandidates(files);
  };
  r.linksChanged = [this] { RebuildShownLinkList(*this); };
  // The skeleton dialog's save button for a page not yet on disk.
  r.saveDocument = [this] {
    FileSaveClick();
    return QFileInfo(m_currentFileName).isFile();
  };
  WireSiteChecks(*this);
  // The close-tag command finds the open element with the checker's scan,
  // after which the check window is discarded: an open one closes, and the
  // next check reads its lists anew.
  Handle("CloseTagClick", [this](const CommandRow& row) {
    RunEditing(row);
    if (SiteChecks* site = SiteChecks::Of(*this); site != nullptr && site->TagCheck() != nullptr)
      site->TagCheck()->close();
  });
}

}  // namespace mw::gui
