// Pictures of the running program's windows, filled in as an author would
// fill them: every tag dialog with typical values, the picture dialogs
// with a picture, the word list, and the site-check windows over a sample
// site.
//
//   markupwright-shots FOLDER [SITE]
//
// SITE (default: the samples folder beside the sources) holds sample.html,
// page2.html and sub/notes.html. Runs under any Qt platform; offscreen
// gives pictures without fonts of a desktop, so prefer Xvfb.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/editing/scripted_prompts.h"
#include "gui/app/command_table.h"
#include "gui/app/main_window.h"
#include "gui/check/tag_error_form.h"
#include "gui/dialogs/style_editor_view.h"
#include "gui/dialogs/colour_form_view.h"
#include "gui/dialogs/picture_dialog_view.h"
#include "gui/dialogs/table_dialog_view.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/dialogs/word_list_view.h"
#include "gui/display/scintilla_surface.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_checks.h"

namespace {

using namespace mw;
using namespace mw::gui;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Acts on the modal dialog once it is up; any other dialog is cancelled.
template <typename View>
void WhenShown(std::function<void(View&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* view = qobject_cast<View*>(modal)) act(*view);
    else if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
  });
}

struct DialogCase {
  const char* command;   // handler name
  const char* selected;  // the page is this text, all of it selected
  std::vector<std::pair<std::string, std::string>> set;
};

void RunHandler(TMainForm& w, std::string_view handler) {
  for (const CommandRow& row : CommandTable())
    if (row.handler == handler) return w.RunCommand(row);
}

// Runs the case's command on the page as it stands, fills the dialog's
// fields, and saves it as dialog-COMMAND.png; 1 when written.
int DialogPicture(TMainForm& w, const DialogCase& c, const QString& folder) {
  int written = 0;
  WhenShown<TagDialogView>([&c, &written, folder](TagDialogView& view) {
    for (const auto& [name, value] : c.set) view.SetControlValue(name, Q(value));
    view.RebuildNow();
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/dialog-") + QString::fromLatin1(c.command) +
                                QStringLiteral(".png"));
    view.CancelButton()->click();
  });
  RunHandler(w, c.command);
  return written;
}

int DialogPictures(TMainForm& w, const QString& folder) {
  const DialogCase cases[] = {
      {"HRClick", "", {{"edWidth", "80"}, {"ckWidth", "1"}, {"edSize", "3"}, {"cbColor", "#FF0000"}}},
      {"HREFClick", "\x83\x8A\x83\x93\x83\x4E", {{"cbURL", "index.html#top"}, {"cbTarget", "_blank"}, {"cbLang", "ja"}}},
      {"TRClick", "cell", {{"cbBgColor", "#FFFFCC"}, {"rgAlign", "2"}, {"rgVAlign", "1"}, {"cbCLASS", "row"}}},
      {"TDClick", "cell", {{"edColSpan", "2"}, {"edWidth", "50"}, {"ckWidth", "1"}, {"ckNOWRAP", "1"}}},
      {"INPUTClick", "", {{"cbType", "text"}, {"edName", "q"}, {"edSize", "20"}, {"cbOnFocus", "f()"}}},
      {"FRAMESETClick", "",
       {{"edColCount", "2"}, {"sgFrame[1,1]", "<FRAME SRC=\"menu.html\">"}, {"sgFrame[1,2]", "<FRAME SRC=\"main.html\">"}}},
      {"SELECTClick", "", {{"edName", "s"}, {"edRowCount", "2"}, {"sgOption[1,0]", "1"}, {"sgOption[1,1]", "One"}}},
      {"FORMClick", "f", {{"edAction", "cgi-bin/form.cgi"}}},
      {"BASEFONTClick", "", {{"rgSize", "4"}}},
      {"BClick", "x", {{"cbCLASS", "k"}}},
      {"ULClick", "a\r\nb", {{"rgType", "1"}}},
      {"OLClick", "a", {{"edStart", "3"}, {"rgType", "3"}}},
      {"NAMEClick", "x", {{"cbName", "top"}}},
      {"APPLETClick", "", {{"edCODE", "A.class"}, {"edRowCount", "2"}, {"sgParam[1,0]", "speed"}}},
      {"SCRIPTClick", "f();", {{"cbType", "text/javascript"}}},
      {"TEXTAREAClick", "t", {{"edRows", "4"}, {"edCols", "40"}, {"cbWrap", "soft"}}},
      {"METAClick", "", {{"cbContent", "text/html; charset=SHIFT_JIS"}}},
      {"FRAMEClick", "", {{"cbURL", "main.html"}, {"edName", "main"}, {"rgScrolling", "2"}}},
      {"InitTagSetClick", "",
       {{"edTitle", "\xE3\x83\x88\xE3\x83\x83\xE3\x83\x97"}, {"cbLang", "ja"}, {"cbBgColor", "#FFFFFF"}, {"cbText", "black"},
        {"cbLink", "blue"}, {"rgSize", "3"}, {"cbOnLoad", "init()"}}},
      {"GradationClick", "\x83\x4f\x83\x89\x83\x66\x81\x5b\x83\x56\x83\x87\x83\x93 Text",
       {{"cbStyle", "font-weight:bold"}}},
  };
  int written = 0;
  for (const DialogCase& c : cases) {
    ScintillaSurface& doc = *w.ActiveSurface();
    doc.Load(c.selected, true);
    doc.SelectAll();
    written += DialogPicture(w, c, folder);
  }
  return written;
}

// F2 on a tag of the page: the dialog as it opens, its preview the tag as
// OK writes it.
int ReEditPictures(TMainForm& w, const QString& folder) {
  struct ReEditCase {
    const char* name;  // the picture: dialog-reedit-NAME.png
    const char* page;  // the caret goes just inside the page's first tag
  };
  const ReEditCase cases[] = {
      {"span", "<SPAN CLASS=x onclick=\"f()\">text</SPAN>"},
      {"body", "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"black\" onLoad=\"init()\">text</BODY>"},
  };
  int written = 0;
  for (const ReEditCase& c : cases) {
    ScintillaSurface& doc = *w.ActiveSurface();
    doc.Load(c.page, true);
    doc.SetSelection(1, 1);
    WhenShown<TagDialogView>([&c, &written, folder](TagDialogView& view) {
      QApplication::processEvents();
      written += view.grab().save(folder + QStringLiteral("/dialog-reedit-") + QString::fromLatin1(c.name) +
                                  QStringLiteral(".png"));
      view.CancelButton()->click();
    });
    RunHandler(w, "EditTagClick");
  }
  return written;
}

// The style editor with a style being built (both pages), and the style
// insertion dialogs filled in.
int StylePictures(TMainForm& w, const QString& folder) {
  int written = 0;
  WhenShown<TRegisterStyleDlg>([&written, folder](TRegisterStyleDlg& view) {
    auto set = [&view](const char* name, const char* utf8) {
      QWidget* c = view.Control(name);
      if (auto* combo = qobject_cast<QComboBox*>(c)) combo->setEditText(QString::fromUtf8(utf8));
    };
    auto press = [&view](const char* name) {
      if (auto* b = view.findChild<QPushButton*>(QString::fromLatin1(name))) b->click();
    };
    set("cbColor", "navy");
    press("AddBtn");
    set("cbColor", "#ff0000");
    set("cbFontFamily", "ＭＳ ゴシック");
    set("cbFontWeight", "bold");
    set("cbBgRepeat", "no-repeat");
    set("cbBorderStyle", "solid");
    press("AddBtn");
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/style-editor-basic.png"));
    view.Pages()->setCurrentIndex(1);
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/style-editor-position.png"));
    if (auto* cancel = view.findChild<QPushButton*>(QStringLiteral("CancelBtn"))) cancel->click();
  });
  RunHandler(w, "RegisterStyleClick");
  const DialogCase cases[] = {
      {"STYLEClick", "",
       {{"edRowCount", "2"}, {"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "color:red"}, {"sgStyle[2,0]", "P.note"},
        {"sgStyle[2,1]", "font-size:10pt"}}},
      {"LINKRELClick", "", {{"edURL", "main.css"}}},
      {"TagStyleClick", "", {{"cbTagClass", "P.note"}, {"cbStyle", "font-size:10pt"}}},
      {"InsertStyleClick", "", {{"cbStyle", "color:red"}}},
  };
  for (const DialogCase& c : cases) {
    w.ActiveSurface()->Load("<HTML><HEAD></HEAD></HTML>", true);
    written += DialogPicture(w, c, folder);
  }
  return written;
}

// The colour-name window on a selected name, in both display modes.
int ColourFormPictures(TMainForm& w, const QString& folder) {
  int written = 0;
  for (const char* mode : {"names", "codes"}) {
    ScintillaSurface& doc = *w.ActiveSurface();
    doc.Load("crimson", true);
    doc.SelectAll();
    WhenShown<TInputColorForm>([&written, folder, mode](TInputColorForm& form) {
      // Codes, laid out in two columns.
      if (mode[0] == 'c') {
        form.SwitchButton()->click();
        form.Columns()->setValue(2);
      }
      form.resize(260, 520);
      QApplication::processEvents();
      written += form.grab().save(folder + QStringLiteral("/dialog-ColorForm-") + QString::fromLatin1(mode) +
                                  QStringLiteral(".png"));
      form.reject();
    });
    RunHandler(w, "ColorFormClick");
  }
  return written;
}

// A picture drawn here, on a page saved beside it: the image dialog
// showing it, and the map dialog with a polygon clicked on it.
QImage SamplePicture() {
  QImage image(360, 240, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient sky(0, 0, 0, 240);
  sky.setColorAt(0, QColor(120, 170, 230));
  sky.setColorAt(1, QColor(230, 240, 250));
  p.fillRect(image.rect(), sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 130, 70));
  p.drawPolygon(QPolygon({QPoint(0, 240), QPoint(120, 110), QPoint(220, 200), QPoint(300, 130), QPoint(360, 180),
                          QPoint(360, 240)}));
  p.setBrush(QColor(250, 210, 80));
  p.drawEllipse(QPoint(290, 55), 28, 28);
  return image;
}

void Click(QWidget* on, QEvent::Type type, QPoint at) {
  QMouseEvent e(type, QPointF(at), on->mapToGlobal(QPointF(at)), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on, &e);
}

int PictureDialogPictures(TMainForm& w, const QString& folder) {
  const QString site = QDir::temp().filePath(QStringLiteral("markupwright-shots-pictures"));
  QDir(site).removeRecursively();
  QDir().mkpath(site + QStringLiteral("/img"));
  const QString picture = site + QStringLiteral("/img/hills.png");
  const QString page = site + QStringLiteral("/index.html");
  QFile html(page);
  if (!SamplePicture().save(picture) || !html.open(QIODevice::WriteOnly)) return 0;
  html.write("<P>hills</P>\r\n");
  html.close();
  if (!w.OpenDocument(page)) return 0;
  int written = 0;
  WhenShown<PictureDialogView>([&](PictureDialogView& view) {
    view.ChooseFile(picture);
    view.SetControlValue("edAlt", QStringLiteral("丘と太陽"));
    view.SetControlValue("rgAlign", QStringLiteral("4"));
    view.RebuildNow();
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/dialog-IMGClick.png"));
    view.CancelButton()->click();
  });
  RunHandler(w, "IMGClick");
  WhenShown<PictureDialogView>([&](PictureDialogView& view) {
    view.ChooseFile(picture);
    view.SetControlValue("cbShape", QStringLiteral("polygon"));
    view.SetControlValue("cbNAME", QStringLiteral("hills"));
    view.SetControlValue("cbURL", QStringLiteral("hills.html"));
    view.SetControlValue("ckMAP", QStringLiteral("1"));
    for (const QPoint at : {QPoint(20, 225), QPoint(120, 115), QPoint(215, 195), QPoint(300, 135), QPoint(350, 225)}) {
      Click(view.PictureArea(), QEvent::MouseButtonPress, at);
      Click(view.PictureArea(), QEvent::MouseButtonRelease, at);
    }
    Click(view.PictureArea(), QEvent::MouseMove, QPoint(200, 60));
    view.RebuildNow();
    // The map's page with the polygon's coordinates, then the IMG page.
    auto* pages = view.findChild<QTabWidget*>(QStringLiteral("pcPages"));
    if (pages) pages->setCurrentIndex(1);
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/dialog-AREAClick.png"));
    if (pages) {
      pages->setCurrentIndex(0);
      QApplication::processEvents();
      written += view.grab().save(folder + QStringLiteral("/dialog-AREAClick-img.png"));
    }
    view.CancelButton()->click();
  });
  RunHandler(w, "AREAClick");
  QDir(site).removeRecursively();
  return written;
}

// The table designer on a selection of three lines, with a block of cells
// merged and formats set: both pages.
int TablePictures(TMainForm& w, const QString& folder) {
  ScintillaSurface& doc = *w.ActiveSurface();
  // 名前,都市 / 山田,東京 / 鈴木,大阪 with a third column added.
  doc.Load("\x96\xBC\x91\x4F,\x93\x73\x8E\x73,\x94\xF5\x8D\x6C\r\n"
           "\x8E\x52\x93\x63,\x93\x8C\x8B\x9E,\x83\x5C\x83\x74\x83\x67\r\n"
           "\x97\xE9\x96\xD8,\x91\xE5\x8D\xE3,\r\n",
           true);
  doc.SelectAll();
  int written = 0;
  WhenShown<TableDialogView>([&written, folder](TableDialogView& view) {
    view.SetControlValue("edBorder", QStringLiteral("1"));
    view.SetControlValue("edWidth", QStringLiteral("80"));
    view.SetControlValue("ckWidth", QStringLiteral("1"));
    view.SetControlValue("edCaption", QStringLiteral("名簿"));
    view.SetControlValue("cbBgColor", QStringLiteral("#FFFFEE"));
    view.RebuildNow();
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/dialog-TABLEClick-settings.png"));
    view.Pages()->setCurrentIndex(1);
    static_cast<QAbstractButton*>(view.CellControl("ckTH"))->setChecked(true);
    view.SelectCells({2, 2, 3, 3});
    view.Press("SetSpanBtn");
    view.SelectCells({1, 2, 1, 3});
    static_cast<QComboBox*>(view.CellControl("cbAlign"))->setCurrentText(QStringLiteral("center"));
    static_cast<QComboBox*>(view.CellControl("cbCellColor"))->setEditText(QStringLiteral("#CCFFCC"));
    view.SelectCells({1, 1, 1, 1});
    QApplication::processEvents();
    view.RebuildNow();
    QApplication::processEvents();
    written += view.grab().save(folder + QStringLiteral("/dialog-TABLEClick-cells.png"));
    view.CancelButton()->click();
  });
  RunHandler(w, "TABLEClick");
  return written;
}

int SitePictures(TMainForm& w, const QString& folder, const QString& site) {
  int written = 0;
  const auto save = [&](QWidget& window, const char* name) {
    QApplication::processEvents();
    written += window.grab().save(folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
  };
  const QDir dir(site);
  const QString sample = dir.filePath(QStringLiteral("sample.html"));
  if (!w.OpenDocument(sample)) return written;
  SiteChecks* checks = SiteChecks::Of(w);
  if (checks == nullptr) return written;
  if (!checks->LinkList().IsShown()) RunHandler(w, "ShowLinkListClick");
  save(w, "site_main_link_list");

  TTagErrorForm& check = checks->ShowTagCheck();
  // Shown and activated, the window has scanned once in its own mode; the
  // picture is of the check with omissible tags.
  QApplication::processEvents();
  check.RunTagCheck(true);
  check.ResultList()->setCurrentRow(0);
  check.JumpToCheckMessage();
  save(check, "site_tag_check");
  check.ToggleOptions();
  save(check, "site_tag_check_options");
  check.close();

  // A project of the site's three pages, in a file beside them in a
  // temporary folder.
  const QString wpr = QDir::temp().filePath(QStringLiteral("markupwright-shots.wpr"));
  QFile file(wpr);
  if (!file.open(QIODevice::WriteOnly)) return written;
  for (const char* page : {"sample.html", "page2.html", "sub/notes.html"})
    file.write((dir.filePath(QString::fromLatin1(page)) + QStringLiteral("\r\n")).toLocal8Bit());
  file.close();
  RunHandler(w, "ShowProjectFormClick");
  if (TPrjForm* project = checks->ProjectIfOpen(); project != nullptr && project->OpenProjectFile(wpr, true)) {
    project->UpdateLocalLinkTreeViewClick();
    project->Pages()->setCurrentIndex(0);
    save(*project, "site_project_links");
    project->FindBox()->setEditText(QStringLiteral("HREF"));
    project->SetFindRange(1);
    project->FindBtnClick();
    project->Pages()->setCurrentIndex(1);
    save(*project, "site_project_grep");
  }
  QFile::remove(wpr);
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2 || args[1].startsWith(QLatin1Char('-'))) {
    std::fprintf(stderr, "usage: markupwright-shots FOLDER [SITE]\n");
    return 2;
  }
  const QString folder = args[1];
  const QString site = args.size() > 2 ? args[2] : QStringLiteral(MW_SAMPLE_SITE);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "markupwright-shots: cannot make %s\n", qPrintable(folder));
    return 2;
  }
  TMainForm w;
  ScriptedPrompts prompts;
  w.SetPrompts(&prompts);
  w.resize(1000, 700);
  w.show();
  w.StartUp({});
  int written = DialogPictures(w, folder);
  written += ReEditPictures(w, folder);
  written += StylePictures(w, folder);
  written += ColourFormPictures(w, folder);
  written += PictureDialogPictures(w, folder);
  written += TablePictures(w, folder);
  written += SitePictures(w, folder, site);
  std::printf("%d pictures in %s\n", written, qPrintable(folder));
  return written > 0 ? 0 : 1;
}
