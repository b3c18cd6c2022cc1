#include "gui/app/window_settings.h"

#include "gui/display/display_refresh.h"

#include <QAction>
#include <QColorDialog>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "core/app/data_file.h"
#include "core/app/document_file.h"
#include "core/app/font_file.h"
#include "core/app/data_folder.h"
#include "core/app/ini_file.h"
#include "gui/app/command_table.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/app/screen_geometry.h"
#include "gui/display/scintilla_surface.h"

namespace mw::gui {

namespace {

// The tag toolbar page positions, in the default page order of TagPages().
constexpr std::array<std::string_view, 13> kPageKeys = {
    "iPageSetSheet",    "iParagraphSheet",   "iLinkSheet",        "iStyleSheet",   "iLogicStyleSheet",
    "iListSheet",       "iTableSheet",       "iFrameSheet",       "iFormSheett",   "iInteractiveSheet",
    "iSpecialCharSheet", "iStyleSheet1",     "iRegisteredSheet"};

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

int PageIndexOf(const QTabWidget* pages, std::string_view component) {
  for (int i = 0; i < pages->count(); ++i)
    if (pages->widget(i)->property("component").toString() == Utf8(component)) return i;
  return -1;
}

// The stored positions when they are a permutation of the page indexes;
// otherwise the default order, so a damaged file never loses a page.
std::vector<int> PagePositions(const FormSettings& s, std::size_t count) {
  std::vector<int> pos(count);
  std::vector<bool> used(count, false);
  for (std::size_t i = 0; i < count; ++i) {
    const int p = s.Int(kPageKeys[i]);
    if (p < 0 || static_cast<std::size_t>(p) >= count || used[static_cast<std::size_t>(p)]) {
      for (std::size_t j = 0; j < count; ++j) pos[j] = static_cast<int>(j);
      return pos;
    }
    used[static_cast<std::size_t>(p)] = true;
    pos[i] = p;
  }
  return pos;
}

void ApplyPageOrder(TMainForm& w, const FormSettings& s) {
  QTabWidget* pages = w.TagPageControl();
  const auto table = TagPages();
  const std::size_t count = std::min(table.size(), kPageKeys.size());
  const std::vector<int> pos = PagePositions(s, count);
  for (int target = 0; target < static_cast<int>(count); ++target) {
    for (std::size_t i = 0; i < count; ++i) {
      if (pos[i] != target) continue;
      const int at = PageIndexOf(pages, table[i].component);
      if (at >= 0 && at != target) pages->tabBar()->moveTab(at, target);
    }
  }
}

// The file-name part of a tool path, whichever separator it uses.
std::string FileNamePart(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The colour dialog keeps its custom colours as "ColorA=BBGGRR" ...
// "ColorP=BBGGRR" (hexadecimal colour values, red in the low byte).
void ApplyCustomColours(const std::vector<std::string>& entries) {
  for (const auto& e : entries) {
    if (e.size() < 8 || e.compare(0, 5, "Color") != 0 || e[6] != '=') continue;
    const int index = e[5] - 'A';
    if (index < 0 || index >= QColorDialog::customCount()) continue;
    char* end = nullptr;
    const unsigned long v = std::strtoul(e.c_str() + 7, &end, 16);
    if (*end != '\0' || v > 0xFFFFFF) continue;
    QColorDialog::setCustomColor(index, QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                                               static_cast<int>((v >> 16) & 0xFF)));
  }
}

std::vector<std::string> CustomColourEntries() {
  std::vector<std::string> entries;
  for (int i = 0; i < QColorDialog::customCount() && i < 26; ++i) {
    const QColor c = QColorDialog::customColor(i);
    const unsigned v = static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
                       static_cast<unsigned>(c.blue()) << 16;
    char buf[24];
    std::snprintf(buf, sizeof buf, "Color%c=%06X", 'A' + i, v);
    entries.emplace_back(buf);
  }
  return entries;
}

// A missing, unreadable or damaged file gives the design fonts; a damaged
// one stays on disk as it is (see SaveFonts).
void LoadFonts(TMainForm& w, const std::string& dataFolder) {
  w.Context().fonts = DesignFonts();
  DataFileState state;
  if (const auto file = ReadFontColorFile(DataFilePath(dataFolder, kFontFileName), state)) {
    w.Context().fonts = file->fonts;
    ApplyCustomColours(file->customColours);
  }
}

// FontColor.dat anew, except over a damaged file while the fonts and custom
// colours are still the defaults a damaged file gives: the user may mend
// that file, and nothing would be gained. Once something is to be kept the
// damaged file moves aside as FontColor.dat.bak.
void SaveFonts(const TMainForm& w, const std::string& dataFolder) {
  FontColorFile fonts;
  fonts.fonts = w.Context().fonts;
  fonts.customColours = CustomColourEntries();
  FontColorFile defaults;
  for (int i = 0; i < QColorDialog::customCount() && i < 26; ++i)
    defaults.customColours.push_back(std::string("Color") + static_cast<char>('A' + i) + "=FFFFFF");
  const std::string path = DataFilePath(dataFolder, kFontFileName);
  DataFileState state;
  ReadFontColorFile(path, state);
  ReplaceDataFile(path, SerializeFontColorFile(fonts), SerializeFontColorFile(defaults), state);
}

// The four bounds keys as a window would open with them.
QRect FittedBounds(const FormSettings& s) {
  return FitToScreens(s.Int("iFormLeft"), s.Int("iFormTop"), s.Int("iFormWidth"), s.Int("iFormHeight"));
}

void SetBounds(FormSettings& s, const QRect& r) {
  s.SetInt("iFormTop", r.y());
  s.SetInt("iFormLeft", r.x());
  s.SetInt("iFormHeight", r.height());
  s.SetInt("iFormWidth", r.width());
}

void ApplyLayout(TMainForm& w, const FormSettings& s, bool hasBandBreak) {
  // The normal bounds first, so a maximised window restores to them.
  // Fitted to the screens: settings from another monitor stay reachable.
  const QRect bounds = FittedBounds(s);
  w.move(bounds.topLeft());
  w.resize(bounds.size());
  switch (s.Int("iWindowState")) {
    case 1: w.setWindowState(Qt::WindowMinimized); break;
    case 2: w.setWindowState(Qt::WindowMaximized); break;
    default: w.setWindowState(Qt::WindowNoState); break;
  }

  w.MainToolBar()->setVisible(s.Bool("bShowSpeedBar"));
  w.TagToolBar()->setVisible(s.Bool("bShowTagToolBar"));
  const bool flat = s.Bool("bFlatBtn");
  for (auto* button : w.MainToolBar()->findChildren<QToolButton*>()) button->setAutoRaise(flat);

  // The window's design puts the tag toolbar on a row of its own; a stored
  // value moves it back beside the main toolbar.
  if (hasBandBreak) {
    const bool wantBreak = s.Bool("bBand1Break");
    if (wantBreak && !w.toolBarBreak(w.TagToolBar())) w.insertToolBarBreak(w.TagToolBar());
    else if (!wantBreak && w.toolBarBreak(w.TagToolBar())) w.removeToolBarBreak(w.TagToolBar());
  }

  ApplyPageOrder(w, s);
  QTabWidget* pages = w.TagPageControl();
  const int active = s.Int("iInitialState") == 1 ? s.Int("iActivePage") : 0;
  pages->setCurrentIndex(active >= 0 && active < pages->count() ? active : 0);

  w.Documents()->setTabPosition(s.Bool("bTabBottom") ? QTabWidget::South : QTabWidget::North);
}

}  // namespace

EditorLook WindowEditorLook(const TMainForm& w) {
  const FormSettings& s = w.Settings();
  EditorLook look;
  look.fonts = w.Context().fonts;
  look.wordWrap = s.Bool("bWordWrap");
  look.background = s.Colour("asRichEditColor");
  look.tabStop = w.Context().options.tabStop;
  look.showLineNumbers = s.Bool("bShowLineNumber");
  look.gutterWidth = GutterWidthFor(look.showLineNumbers);
  look.textLimit = s.Int("iMaxFileSize");
  look.imeColor = s.Int("iImeColor");
  return look;
}

void ApplyEditorLook(TMainForm& w) {
  const EditorLook look = WindowEditorLook(w);
  QTabWidget* docs = w.Documents();
  for (int i = 0; i < docs->count(); ++i) {
    QWidget* page = docs->widget(i);
    auto* view = qobject_cast<ScintillaEditor*>(page);
    if (view == nullptr) view = page->findChild<ScintillaEditor*>();
    if (view == nullptr) continue;
    if (auto* surface = view->findChild<ScintillaSurface*>()) ConfigureEditor(*surface, look);
  }
}

void ApplyToolCaptions(TMainForm& w) {
  static constexpr const char* kAccelerators[] = {"(&A)", "(&B)", "(&C)", "(&D)", "(&E)"};
  for (int i = 0; i < 5; ++i) {
    const std::string name = FileNamePart(w.Settings().Text("asToolFullPath" + std::to_string(i)));
    QString caption = FromDocumentText(name);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (QAction* a = w.Action("ExecTool" + std::to_string(i))) a->setText(caption + QLatin1String(kAccelerators[i]));
    if (i == 0)
      if (auto* button = w.MainToolBar()->findChild<QToolButton*>(QStringLiteral("Tool1Btn"))) {
        const QString hint = UiText(Msg::ToolButtonHint).arg(FromDocumentText(name));
        button->setToolTip(hint);
        button->setStatusTip(hint);
      }
  }
}

void LoadWindowSettings(TMainForm& w, const std::string& dataFolder) {
  IniFile ini;
  if (!dataFolder.empty()) {
    try {
      ini = IniFile::Load(DataFilePath(dataFolder, kSettingsFileName));
    } catch (const FileError&) {
      // Unreadable settings start the window with its defaults.
    }
  }
  FormSettings& s = w.Settings();
  s.Load(ini);
  // The active document of the last exit only counts when those documents
  // are restored.
  if (s.Int("iInitialState") != 1) s.SetText("asCurFileName", "");

  w.Context().options = OptionsFromSettings(s);
  ApplyLayout(w, s, ini.Get(kFormSection, "bBand1Break").has_value());
  ApplyToolCaptions(w);
  if (!dataFolder.empty()) LoadFonts(w, dataFolder);
  ApplyEditorLook(w);
}

FormSettings CollectWindowSettings(const TMainForm& w) {
  FormSettings s = w.Settings();

  const Qt::WindowStates state = w.windowState();
  const int stateValue = (state & Qt::WindowMinimized) ? 1
                         : (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) ? 2
                                                                                    : 0;
  s.SetInt("iWindowState", stateValue);
  // Fitted to the screens on the way out as on the way in, so bounds that
  // could not open as they are (30000 x 30000) are never stored again.
  if (stateValue == 0) SetBounds(s, FitToScreens(w.pos().x(), w.pos().y(), w.width(), w.height()));
  else SetBounds(s, FittedBounds(s));

  StoreOptions(w.Context().options, s);
  s.SetBool("bBand1Break", w.toolBarBreak(w.TagToolBar()));
  s.SetBool("bTabBottom", w.Documents()->tabPosition() == QTabWidget::South);

  const auto table = TagPages();
  const std::size_t count = std::min(table.size(), kPageKeys.size());
  const std::vector<std::string> order = w.TagPageOrder();
  for (std::size_t i = 0; i < count; ++i) {
    const auto at = std::find(order.begin(), order.end(), table[i].component);
    s.SetInt(kPageKeys[i], at == order.end() ? static_cast<int>(i) : static_cast<int>(at - order.begin()));
  }
  s.SetInt("iActivePage", std::max(0, w.TagPageControl()->currentIndex()));
  return s;
}

bool SaveWindowSettings(const TMainForm& w, const std::string& dataFolder, std::string* error) {
  if (dataFolder.empty()) return true;
  const FormSettings s = CollectWindowSettings(w);
  try {
    const std::string path = DataFilePath(dataFolder, kSettingsFileName);
    IniFile ini = IniFile::Load(path);
    const bool normal = s.Int("iWindowState") == 0;
    s.Save(ini, normal);
    // A maximised or minimised window keeps the file's normal bounds, but
    // not ones it could not open with: those are written fitted.
    if (!normal)
      for (const char* key : {"iFormTop", "iFormLeft", "iFormHeight", "iFormWidth"})
        if (ini.Get(kFormSection, key) != std::to_string(s.Int(key))) ini.SetInt(kFormSection, key, s.Int(key));
    ini.Save(path);
    SaveFonts(w, dataFolder);
  } catch (const FileError& e) {
    if (error != nullptr) *error = e.what();
    return false;
  }
  return true;
}

bool WriteFormInt(const std::string& dataFolder, std::string_view key, int value) {
  if (dataFolder.empty()) return true;
  try {
    const std::string path = DataFilePath(dataFolder, kSettingsFileName);
    IniFile ini = IniFile::Load(path);
    ini.SetInt(kFormSection, key, value);
    ini.Save(path);
  } catch (const FileError&) {
    return false;
  }
  return true;
}

}  // namespace mw::gui
