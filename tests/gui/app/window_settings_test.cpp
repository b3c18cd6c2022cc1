#include "gui/app/window_settings.h"

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <filesystem>

#include "core/app/document_file.h"
#include "core/app/font_file.h"
#include "core/app/ini_file.h"
#include "core/editing/scripted_prompts.h"
#include "gui/app/command_table.h"
#include "gui/app/main_window.h"
#include "gui/app/screen_geometry.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

class WindowSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::TestApp();
    // As a program starts: the colour dialog's own custom colours.
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
  }
  std::string Folder() const { return m_dir.dir().string(); }
  IniFile Ini() const { return IniFile::Load(m_dir.Path("Markupwright.ini")); }
  bool Checked(const TMainForm& w, std::string_view id) const { return w.Action(id)->isChecked(); }
  void Trigger(TMainForm& w, std::string_view id) const {
    ASSERT_TRUE(w.Action(id)->isEnabled()) << id;
    w.Action(id)->trigger();
  }
  test::TempDir m_dir;
};

std::vector<std::string> DefaultPageOrder() {
  std::vector<std::string> order;
  for (const auto& p : TagPages()) order.emplace_back(p.component);
  return order;
}

TEST_F(WindowSettingsTest, FirstStartShowsTheDesignAndEveryChangeComesBack) {
  ScriptedPrompts prompts;
  TMainForm w(Folder());
  w.SetPrompts(&prompts);
  LoadWindowSettings(w, Folder());
  // No data file: the design layout and the default option items.
  EXPECT_EQ(w.pos(), QPoint(3, 3));
  EXPECT_EQ(w.size(), QSize(772, 491));
  for (auto id : {"ShowSpeedBar", "ShowTagToolBar", "FlatBtn", "SelectEditedEnd", "DropThenOpen", "SaveAsItIs"})
    EXPECT_TRUE(Checked(w, id)) << id;
  for (auto id : {"AutoSelect", "DirectTagInsert", "LowerCaseTag", "AutoIndent", "OpenToShiftJIS"})
    EXPECT_FALSE(Checked(w, id)) << id;
  EXPECT_EQ(w.TagPageOrder(), DefaultPageOrder());
  EXPECT_EQ(w.Documents()->tabPosition(), QTabWidget::North);

  // Options through their menu items.
  for (auto id : {"AutoSelect", "LowerCaseTag", "AutoIndent", "SelectEditedAll", "DropThenInsert", "FlatBtn",
                  "ShowTagToolBar"})
    Trigger(w, id);
  // The kanji items change the options the window keeps.
  Trigger(w, "OpenToShiftJIS");
  Trigger(w, "SaveToEUC");
  // The first tag page to the right end, the third page active.
  w.TagPageControl()->setCurrentIndex(0);
  w.ShiftTagPage("rightEdge");
  w.TagPageControl()->setCurrentIndex(2);
  w.move(40, 50);
  w.resize(700, 600);
  w.Documents()->setTabPosition(QTabWidget::South);
  w.Context().fonts[1].points = 14;
  w.Settings().SetText("asOpenDir", "/home/author/site");
  w.Settings().SetInt("iInitialState", 1);
  w.Settings().SetText("asCurFileName", "/home/author/site/index.html");
  QColorDialog::setCustomColor(3, QColor(1, 2, 3));
  const std::vector<std::string> order = w.TagPageOrder();
  ASSERT_EQ(order.back(), "PageSetSheet");

  std::string error;
  ASSERT_TRUE(SaveWindowSettings(w, Folder(), &error)) << error;
  const IniFile ini = Ini();
  for (const auto& k : FormSettingKeys()) EXPECT_TRUE(ini.Get("FORM", k.key).has_value()) << k.key;
  const std::pair<const char*, const char*> expected[] = {
      {"iFormLeft", "40"},       {"iFormTop", "50"},         {"iFormWidth", "700"},         {"iFormHeight", "600"},
      {"iWindowState", "0"},     {"bAutoSelect", "1"},       {"bDirectTagInsert", "0"},     {"bLowerCaseTag", "1"},
      {"bAutoIndent", "1"},      {"bSelectEditedEnd", "0"},  {"bSelectEditedAll", "1"},     {"bSelectPreviousSelection", "0"},
      {"bDropThenInsert", "1"},  {"bOpenToShiftJIS", "1"},   {"bSaveToJIS", "0"},           {"bSaveToEUC", "1"},
      {"bFlatBtn", "0"},         {"bShowSpeedBar", "1"},     {"bShowTagToolBar", "0"},      {"bTabBottom", "1"},
      {"iPageSetSheet", "12"},   {"iParagraphSheet", "0"},   {"iRegisteredSheet", "11"},    {"iActivePage", "2"},
      {"asOpenDir", "/home/author/site"}, {"asRichEditColor", "clWhite"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(ini.Get("FORM", key), value) << key;
  ASSERT_TRUE(ParseFontColorFile(ReadFileBytes(m_dir.Path("FontColor.dat"))).has_value());

  QColorDialog::setCustomColor(3, Qt::white);
  TMainForm w2(Folder());
  w2.SetPrompts(&prompts);
  LoadWindowSettings(w2, Folder());
  EXPECT_EQ(w2.pos(), QPoint(40, 50));
  EXPECT_EQ(w2.size(), QSize(700, 600));
  for (auto id : {"AutoSelect", "LowerCaseTag", "AutoIndent", "SelectEditedAll", "DropThenInsert", "OpenToShiftJIS",
                  "SaveToEUC", "ShowSpeedBar"})
    EXPECT_TRUE(Checked(w2, id)) << id;
  for (auto id : {"DirectTagInsert", "SelectEditedEnd", "DropThenOpen", "SaveAsItIs", "FlatBtn", "ShowTagToolBar"})
    EXPECT_FALSE(Checked(w2, id)) << id;
  EXPECT_TRUE(w2.Context().options.autoSelect);
  EXPECT_TRUE(w2.Context().options.lowerCaseTag);
  EXPECT_EQ(w2.Context().options.caretPolicy, CaretPolicy::SelectEdited);
  EXPECT_TRUE(w2.TagToolBar()->isHidden());
  EXPECT_FALSE(w2.MainToolBar()->isHidden());
  EXPECT_EQ(w2.TagPageOrder(), order);
  EXPECT_EQ(w2.TagPageControl()->currentIndex(), 2);
  EXPECT_EQ(w2.Documents()->tabPosition(), QTabWidget::South);
  EXPECT_EQ(w2.Context().fonts[1].points, 14);
  EXPECT_EQ(w2.Settings().Text("asOpenDir"), "/home/author/site");
  EXPECT_EQ(w2.Settings().Text("asCurFileName"), "/home/author/site/index.html");
  EXPECT_EQ(QColorDialog::customColor(3), QColor(1, 2, 3));
  // A check mark is never read back: set by hand it changes no option,
  // and the next command puts it back.
  w2.Action("SaveAsItIs")->setChecked(true);
  EXPECT_EQ(w2.Context().options.saveConversion, SaveConversion::Euc);
  Trigger(w2, "AutoSelect");
  EXPECT_TRUE(Checked(w2, "SaveToEUC"));
  Trigger(w2, "SaveAsItIs");
  EXPECT_EQ(w2.Context().options.saveConversion, SaveConversion::AsItIs);
  EXPECT_FALSE(CollectWindowSettings(w2).Bool("bSaveToEUC"));
}

// Bounds stored on a larger or a second monitor, or absurd ones, open
// within the screen (2147483647 x 2147483647 must not become a window of
// gigabytes: numbers no screen has give the design bounds).
TEST_F(WindowSettingsTest, StoredBoundsAreFittedToTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const struct {
    const char* ini;
    QRect expected;
  } cases[] = {
      {"iFormTop=2147483647\r\niFormLeft=2147483647\r\niFormHeight=2147483647\r\niFormWidth=2147483647\r\n",
       FitToScreens(3, 3, 772, 491)},
      {"iFormTop=0\r\niFormLeft=0\r\niFormHeight=30000\r\niFormWidth=30000\r\n", area},
      {"iFormTop=-3000\r\niFormLeft=5000\r\niFormHeight=300\r\niFormWidth=400\r\n",
       QRect(area.right() + 1 - 400, area.top(), 400, 300)},
  };
  for (const auto& c : cases) {
    m_dir.Write("Markupwright.ini", std::string("[FORM]\r\n") + c.ini);
    TMainForm w(Folder());
    LoadWindowSettings(w, Folder());
    EXPECT_EQ(QRect(w.pos(), w.size()), c.expected) << c.ini;
  }
}

TEST_F(WindowSettingsTest, MaximisedWindowKeepsTheNormalBounds) {
  m_dir.Write("Markupwright.ini", "[FORM]\r\niFormTop=10\r\niFormLeft=20\r\niFormHeight=500\r\niFormWidth=700\r\n"
                                  "iWindowState=2\r\n");
  TMainForm w(Folder());
  LoadWindowSettings(w, Folder());
  EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(w.pos(), QPoint(20, 10));
  ASSERT_TRUE(SaveWindowSettings(w, Folder()));
  const IniFile ini = Ini();
  EXPECT_EQ(ini.Get("FORM", "iWindowState"), "2");
  EXPECT_EQ(ini.Get("FORM", "iFormTop"), "10");
  EXPECT_EQ(ini.Get("FORM", "iFormWidth"), "700");

  w.setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(SaveWindowSettings(w, Folder()));
  EXPECT_EQ(Ini().Get("FORM", "iWindowState"), "1");
  EXPECT_EQ(Ini().Get("FORM", "iFormHeight"), "500");
}

TEST_F(WindowSettingsTest, HandWrittenFileKeepsWhatItDoesNotKnowAndDefaultsWhatIsBad) {
  m_dir.Write("Markupwright.ini",
              "; kept by hand\r\n[Other]\r\nfoo=bar\r\n\r\n[FORM]\r\nzzz=1\r\niTabStop=x4\r\n"
              "asRichEditColor=clSilver\r\nbAutoSelect=7\r\niInitialState=0\r\niActivePage=3\r\n"
              "asCurFileName=C:\\old.html\r\niPageSetSheet=1\r\niParagraphSheet=1\r\nbBand1Break=0\r\n"
              "bSelectEditedAll=1\r\nbSelectPreviousSelection=1\r\nasToolFullPath0=C:\\tools\\edit&run.exe\r\n"
              "asToolFullPath4=/usr/bin/tidy\r\n\r\n[PrjFORM]\r\niProjectFormTop=5\r\n");
  const std::string page = m_dir.Write("page.html", "<P>text</P>\r\n");
  TMainForm w(Folder());
  ASSERT_TRUE(w.OpenDocument(QString::fromStdString(page)));
  LoadWindowSettings(w, Folder());
  EXPECT_EQ(w.Context().options.tabStop, 4);
  EXPECT_TRUE(w.Context().options.autoSelect);  // any non-zero integer
  // Two radio items stored as checked: the later one wins.
  EXPECT_EQ(w.Context().options.caretPolicy, CaretPolicy::KeepPrevious);
  EXPECT_TRUE(Checked(w, "SelectPreviousSelection"));
  // Two pages claiming one place: the default order, no page lost.
  EXPECT_EQ(w.TagPageOrder(), DefaultPageOrder());
  // Without restoring the last documents the tag toolbar opens on its first page.
  EXPECT_EQ(w.TagPageControl()->currentIndex(), 0);
  EXPECT_EQ(w.Settings().Text("asCurFileName"), "");
  EXPECT_FALSE(w.toolBarBreak(w.TagToolBar()));
  EXPECT_EQ(w.ActiveView()->paper(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(WindowEditorLook(w).background, 0xC0C0C0u);
  // The tool items are named after their programs.
  EXPECT_EQ(w.Action("ExecTool0")->text(), "edit&&run.exe(&A)");
  EXPECT_EQ(w.Action("ExecTool1")->text(), "tool2(&B)");
  EXPECT_EQ(w.Action("ExecTool4")->text(), "tidy(&E)");
  EXPECT_EQ(w.MainToolBar()->findChild<QWidget*>("Tool1Btn")->toolTip(), "edit&run.exeを起動");

  ASSERT_TRUE(SaveWindowSettings(w, Folder()));
  const std::string text = ReadFileBytes(m_dir.Path("Markupwright.ini"));
  for (auto kept : {"; kept by hand\r\n", "[Other]\r\nfoo=bar\r\n", "zzz=1\r\n", "[PrjFORM]\r\niProjectFormTop=5\r\n",
                    "iTabStop=4\r\n", "asRichEditColor=clSilver\r\n", "bBand1Break=0\r\n", "iPageSetSheet=0\r\n"})
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
}

TEST_F(WindowSettingsTest, DamagedFontFileGivesTheDesignFonts) {
  FontColorFile custom;
  custom.fonts[0].points = 16;
  const std::string good = SerializeFontColorFile(custom);
  const std::string damaged[] = {good.substr(0, good.size() / 2), "TPF0garbage", std::string(300, '\xff')};
  for (const auto& bytes : damaged) {
    m_dir.Write("FontColor.dat", bytes);
    TMainForm w(Folder());
    w.Context().fonts[0].points = 16;  // nothing of what the window held stays
    LoadWindowSettings(w, Folder());
    const DisplayFonts design = DesignFonts();
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(w.Context().fonts[i].face, design[i].face);
      EXPECT_EQ(w.Context().fonts[i].points, design[i].points);
      EXPECT_EQ(w.Context().fonts[i].color, design[i].color);
    }
  }
  // The damaged file is the user's: saving with nothing but the design
  // fonts leaves it as it is, as many times as the window closes.
  const std::string path = m_dir.Path("FontColor.dat");
  for (int run = 0; run < 2; ++run) {
    TMainForm w(Folder());
    LoadWindowSettings(w, Folder());
    ASSERT_TRUE(SaveWindowSettings(w, Folder()));
    EXPECT_EQ(ReadFileBytes(path), damaged[2]);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
  }
  // Once a font is chosen it must be written: the damaged file is kept
  // beside it, and the new one reads back.
  {
    TMainForm w(Folder());
    LoadWindowSettings(w, Folder());
    w.Context().fonts[0].points = 14;
    ASSERT_TRUE(SaveWindowSettings(w, Folder()));
    EXPECT_EQ(ReadFileBytes(path + ".bak"), damaged[2]);
    const auto back = ParseFontColorFile(ReadFileBytes(path));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->fonts[0].points, 14);
  }
  // A good file is written anew as before, with no backup of it.
  std::filesystem::remove(path + ".bak");
  {
    TMainForm w(Folder());
    LoadWindowSettings(w, Folder());
    EXPECT_EQ(w.Context().fonts[0].points, 14);
    w.Context().fonts[0].points = 10;
    ASSERT_TRUE(SaveWindowSettings(w, Folder()));
    EXPECT_EQ(ParseFontColorFile(ReadFileBytes(path))->fonts[0].points, 10);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
  }

  // A font file that is no file at all (a folder of that name) cannot be
  // read: design fonts; it is left alone while they are the design fonts,
  // and a save that would replace it says it failed.
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  TMainForm w3(Folder());
  LoadWindowSettings(w3, Folder());
  EXPECT_EQ(w3.Context().fonts[0].points, DesignFonts()[0].points);
  EXPECT_TRUE(SaveWindowSettings(w3, Folder()));
  w3.Context().fonts[0].points = 12;
  std::string error;
  EXPECT_FALSE(SaveWindowSettings(w3, Folder(), &error));
  EXPECT_NE(error.find("FontColor.dat"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

// Bounds that could not open as they are never reach the file again: a
// normal window is stored as fitted, and a maximised one, which keeps the
// file's normal bounds, has absurd ones replaced by the fitted ones.
TEST_F(WindowSettingsTest, BoundsAreStoredFittedToTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  for (const char* state : {"0", "2"}) {
    m_dir.Write("Markupwright.ini", std::string("[FORM]\r\niFormTop=0\r\niFormLeft=0\r\niFormHeight=30000\r\n"
                                                "iFormWidth=2147483647\r\niWindowState=") + state + "\r\n");
    TMainForm w(Folder());
    LoadWindowSettings(w, Folder());
    ASSERT_TRUE(SaveWindowSettings(w, Folder()));
    const IniFile ini = Ini();
    EXPECT_EQ(ini.GetInt("FORM", "iFormHeight", 0), area.height()) << state;
    EXPECT_EQ(ini.GetInt("FORM", "iFormWidth", 0), std::min(772, area.width())) << state;
    EXPECT_EQ(ini.Get("FORM", "iWindowState"), state);
  }
  // A normal window grown past the screen meanwhile.
  TMainForm w(Folder());
  LoadWindowSettings(w, Folder());
  w.setWindowState(Qt::WindowNoState);
  w.resize(30000, 30000);
  ASSERT_TRUE(SaveWindowSettings(w, Folder()));
  EXPECT_LE(Ini().GetInt("FORM", "iFormWidth", 0), area.width());
  EXPECT_LE(Ini().GetInt("FORM", "iFormHeight", 0), area.height());
}

}  // namespace
}  // namespace mw::gui
