// The image and image map dialogs: field sets to exact tag texts, pointer
// gestures to COORDS, choosing a picture (with a reader that plays the
// image library), the remembered fields and the two commands.
#include "core/dialogs/picture_dialogs.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <tuple>

#include "core/app/ini_file.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"
#include "core/text/unicode_view.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using test::kHyo;
using FieldList = std::initializer_list<std::pair<const char*, std::string>>;

DialogFields NewFields(const TagDialogModel& m, FieldList fields) {
  DialogFields f = CreateFields(m);
  m.show(f, false);
  for (const auto& [name, value] : fields) f.Set(name, value);
  return f;
}

std::string Built(const TagDialogModel& m, FieldList fields, bool lower = false) {
  EditingOptions o;
  o.lowerCaseTag = lower;
  return m.build(NewFields(m, fields), o).preview;
}

TEST(ImageDialog, FieldsToTag) {
  struct Row {
    const char* what;
    FieldList fields;
    bool lower;
    std::string tag;
  } rows[] = {
      {"no file: no tag", {{"edAlt", "x"}}, false, ""},
      {"a new picture has BORDER=\"0\"", {{"cbImageFile", "a.gif"}}, false, "<IMG SRC=\"a.gif\" BORDER=\"0\">"},
      {"120 by 80 in the order written",
       {{"cbImageFile", "img/a.gif"}, {"edWidth", "120"}, {"edHeight", "80"}},
       false,
       "<IMG SRC=\"img/a.gif\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">"},
      {"the map name gets its hash", {{"cbImageFile", "a.gif"}, {"cbNAME", "map1"}, {"edBorder", ""}}, false,
       "<IMG SRC=\"a.gif\" USEMAP=\"#map1\">"},
      {"every field, percent sizes, lower case",
       {{"cbImageFile", kHyo + ".png"},
        {"cbNAME", "m"},
        {"edAlt", "Ab"},
        {"edWidth", "50"},
        {"ckWidth", "1"},
        {"edHeight", "25"},
        {"ckHeight", "1"},
        {"edBorder", "1"},
        {"edVSpace", "2"},
        {"edHSpace", "3"},
        {"rgAlign", "5"}},
       true,
       "<img src=\"" + kHyo + ".png\" usemap=\"#m\" alt=\"Ab\" width=\"50%\" height=\"25%\" border=\"1\" vspace=\"2\" "
       "hspace=\"3\" align=\"right\">"},
      {"a size stepped back to 0 is written", {{"cbImageFile", "a.gif"}, {"edWidth", "0"}, {"edBorder", ""}}, false,
       "<IMG SRC=\"a.gif\" WIDTH=\"0\">"},
      {"the first align item is not set", {{"cbImageFile", "a.gif"}, {"rgAlign", "0"}, {"edBorder", ""}}, false,
       "<IMG SRC=\"a.gif\">"},
  };
  for (const Row& r : rows) EXPECT_EQ(Built(kImageDlg, r.fields, r.lower), r.tag) << r.what;
  // The show step: sizes and spaces blank, BORDER 0.
  const DialogFields f = NewFields(kImageDlg, {});
  EXPECT_EQ(f.Get("edWidth") + "|" + f.Get("edHeight") + "|" + f.Get("edVSpace") + "|" + f.Get("edHSpace") + "|" +
                f.Get("edBorder"),
            "||||0");
}

TEST(AreaDialog, FieldsToTags) {
  struct Row {
    const char* what;
    FieldList fields;
    std::string text;
  } rows[] = {
      {"IMG and MAP around a rectangle",
       {{"ckIMG", "1"}, {"ckMAP", "1"}, {"cbImageFile", "a.gif"}, {"cbNAME", "m1"}, {"cbURL", "b.html"},
        {"edCoords", "10,20,50,40"}},
       "<IMG SRC=\"a.gif\" USEMAP=\"#m1\" BORDER=\"0\">\r\n<MAP NAME=\"m1\">\r\n"
       "<AREA SHAPE=\"rect\" COORDS=\"10,20,50,40\" HREF=\"b.html\">\r\n</MAP>\r\n"},
      {"the AREA alone, with its handlers",
       {{"cbShape", "circle"}, {"edCoords", "5,5,3"}, {"cbURL", "c.html"}, {"cbOnFocus", "f()"}, {"cbOnBlur", "b()"}},
       "<AREA SHAPE=\"circle\" COORDS=\"5,5,3\" HREF=\"c.html\" onFocus=\"f()\" onBlur=\"b()\">"},
      {"no URL: the MAP around an empty line", {{"ckMAP", "1"}, {"cbNAME", "m"}, {"edCoords", "1,2"}},
       "<MAP NAME=\"m\">\r\n\r\n</MAP>\r\n"},
      {"no coordinates: nothing", {{"cbURL", "b.html"}}, ""},
      {"sizes of 0 are blank here; BORDER is not",
       {{"ckIMG", "1"}, {"cbImageFile", "a.gif"}, {"edWidth", "0"}, {"edHeight", "7"}, {"edHSpace", "0"},
        {"rgAlign", "2"}, {"edVSpace", "4"}},
       "<IMG SRC=\"a.gif\" HEIGHT=\"7\" BORDER=\"0\" ALIGN=\"middle\" VSPACE=\"4\">\r\n"},
  };
  for (const Row& r : rows) EXPECT_EQ(Built(kAREADlg, r.fields), r.text) << r.what;
  EXPECT_EQ(Built(kAREADlg, {{"ckMAP", "1"}, {"cbNAME", "m"}, {"cbURL", "b.html"}, {"edCoords", "1,2,3,4"}}, true),
            "<map name=\"m\">\r\n<area shape=\"rect\" coords=\"1,2,3,4\" href=\"b.html\">\r\n</map>\r\n");
}

// Gestures written "d10,20 m11,21 u11,21" (down, move, up; b a double click).
std::string Gestures(std::string_view shape, std::string_view gestures, std::string coords = {},
                     std::string* status = nullptr) {
  DialogFields f = NewFields(kAREADlg, {});
  f.Set("cbShape", std::string(shape));
  f.Set("edCoords", coords);
  std::size_t i = 0;
  while (i < gestures.size()) {
    const char kind = gestures[i];
    const std::size_t end = std::min(gestures.find(' ', i), gestures.size());
    const std::string xy(gestures.substr(i + 1, end - i - 1));
    const int x = std::stoi(xy), y = std::stoi(xy.substr(xy.find(',') + 1));
    const Pointer p = kind == 'd' ? Pointer::Down : kind == 'm' ? Pointer::Move : kind == 'u' ? Pointer::Up
                                                                                              : Pointer::DoubleClick;
    AreaPointer(f, p, x, y);
    i = end + 1;
  }
  if (status) *status = f.Get(kFieldStatus);
  return f.Get("edCoords");
}

TEST(AreaDialog, GesturesToCoords) {
  struct Row {
    std::string_view shape;
    std::string_view gestures;
    std::string before;
    std::string coords;
  } rows[] = {
      {"rect", "d10,20 m30,30 m50,40 u50,40", "", "10,20,50,40"},
      {"rect", "d50,40 m30,30 m10,20 u10,20", "", "10,20,50,40"},
      {"rect", "d50,20 m10,40 u10,40", "", "10,20,50,40"},
      {"rect", "d5,6 m7,8", "", "5,6,7,8"},  // while dragging, as dragged
      {"rect", "d5,6 u5,6", "", "5,6,5,6"},
      {"circle", "d100,100 m103,104 u103,104", "", "100,100,5"},
      {"circle", "d100,100 m101,101 u101,101", "", "100,100,1"},  // sqrt 2 truncated
      {"circle", "d40,30 u40,30", "", "40,30"},                   // a click: the centre alone
      {"polygon", "d0,0 u0,0 d10,0 u10,0 d5,8 u5,8", "", "0,0,10,0,5,8"},
      {"polygon", "d0,0 m9,9 u9,9", "1,1", "1,1,0,0"},  // moves add nothing
      {"polygon", "d3,4 u3,4 b3,4 u3,4", "", "3,4,3,4"},
      {"poly", "d1,2 u1,2", "7,7", "7,7,1,2"},
      {"RECT", "d9,9 m1,1 u1,1", "", "1,1,9,9"},
      // A move or a release with no press on the picture leaves typed ones.
      {"rect", "m5,5 u9,9", "1,2,3,4", "1,2,3,4"},
      {"default", "d5,5 m6,6 u6,6", "", ""},
  };
  for (const Row& r : rows) {
    const std::string gestures(r.gestures);
    EXPECT_EQ(Gestures(r.shape, gestures, r.before), r.coords) << r.shape << " " << gestures;
  }
}

TEST(AreaDialog, StatusBarAndRubberBand) {
  std::string status;
  Gestures("rect", "d1,2 m3,4", {}, &status);
  EXPECT_EQ(SjisToUnicodeView(status), "始点 X=1 ,Y=2  終点 X=3 ,Y=4");
  Gestures("circle", "d100,100 m103,104", {}, &status);
  EXPECT_EQ(SjisToUnicodeView(status), "中心 X=100 ,Y=100  半径=5");
  Gestures("rect", "m7,8", {}, &status);
  EXPECT_EQ(status, "X=7 ,Y=8");

  DialogFields f = NewFields(kAREADlg, {});
  AreaPointer(f, Pointer::Down, 50, 40);
  AreaPointer(f, Pointer::Move, 10, 20);
  const auto band = AreaRubberBand(f);
  ASSERT_TRUE(band);
  EXPECT_EQ((std::array{band->x0, band->y0, band->x1, band->y1}), (std::array{50, 40, 10, 20}));
  AreaPointer(f, Pointer::Up, 10, 20);
  EXPECT_FALSE(AreaRubberBand(f));

  // Another shape starts afresh; back to a rectangle keeps what is there.
  f.Set("edCoords", "1,2,3,4");
  f.Set("cbShape", "rect");
  AreaShapeChanged(f);
  EXPECT_EQ(f.Get("edCoords"), "1,2,3,4");
  f.Set("cbShape", "circle");
  AreaShapeChanged(f);
  EXPECT_EQ(f.Get("edCoords"), "");
}

// Plays the image library: sizes by file name, problems by file name.
class FakeReader : public PictureReader {
 public:
  std::map<std::string, PictureSize> sizes;
  std::map<std::string, PictureProblem> damaged;
  PictureSize ReadSize(const std::string& path) override {
    const auto it = sizes.find(path);
    return it == sizes.end() ? PictureSize{PictureProblem::NotPicture} : it->second;
  }
  PictureProblem Decode(const std::string& path) override {
    const auto it = damaged.find(path);
    return it == damaged.end() ? PictureProblem::None : it->second;
  }
  std::vector<PictureFormat> Formats() const override {
    return {{"PNG", {"*.png"}}, {"JPEG", {"*.jpg", "*.jpeg"}}};
  }
};

struct PictureChoice : ::testing::Test {
  test::TempDir dir;
  FakeReader reader;
  DialogServices services;
  DialogEnv env;
  std::string doc;
  PictureChoice() {
    std::filesystem::create_directories(dir.dir() / "doc" / "img");
    doc = dir.Write("doc/index.html", "x");
    // Relative paths as the real service makes them, for files below the
    // page's folder.
    services.makeRelativePath = [](const std::string& file, const std::string& document) {
      const std::string folder = document.substr(0, document.rfind('/') + 1);
      return file.starts_with(folder) ? file.substr(folder.size()) : file;
    };
    services.resolveRelativePath = [](const std::string& url, const std::string& document) {
      return document.substr(0, document.rfind('/') + 1) + url;
    };
    services.pictures = &reader;
    services.dataFolder = dir.dir().string();
    env.services = &services;
    env.documentPath = doc;
  }
  std::string Picture(const std::string& name, int w, int h) {
    const std::string path = dir.Write("doc/" + name, "p");
    reader.sizes[path] = {PictureProblem::None, w, h};
    return path;
  }
};

TEST_F(PictureChoice, FillsSizeUrlAndList) {
  DialogFields f = NewFields(kImageDlg, {});
  EXPECT_EQ(ChoosePicture(f, Picture("a.gif", 120, 80), env), "");
  EXPECT_EQ(f.Get("edWidth") + "x" + f.Get("edHeight"), "120x80");
  EXPECT_EQ(f.Get("cbImageFile"), "a.gif");
  EXPECT_EQ(kImageDlg.build(f, {}).preview, "<IMG SRC=\"a.gif\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">");
  // Each picture once in the list, in the order chosen; the map dialog's
  // list is sorted.
  ChoosePicture(f, Picture("c.png", 1, 1), env);
  ChoosePicture(f, Picture("a.gif", 120, 80), env);
  EXPECT_EQ(GetItems(f, "cbImageFile"), (std::vector<std::string>{"a.gif", "c.png"}));
  DialogFields area = NewFields(kAREADlg, {});
  ChoosePicture(area, Picture("c.png", 1, 1), env);
  ChoosePicture(area, Picture("b.png", 1, 1), env);
  EXPECT_EQ(GetItems(area, "cbImageFile"), (std::vector<std::string>{"b.png", "c.png"}));
}

TEST_F(PictureChoice, AFileThatGivesNoPictureChangesNothing) {
  const std::string text = dir.Write("doc/notes.gif", "GIF? no, text");
  const std::string cut = Picture("cut.png", 10, 10);
  reader.damaged[cut] = PictureProblem::Damaged;
  struct Row {
    std::string file;
    std::string message;
  } rows[] = {
      {text, text + "\nは画像ファイルではないか、読み込めない形式です。"},
      {cut, cut + "\nは画像のデータが壊れているか、途中で切れています。"},
  };
  for (const Row& r : rows) {
    DialogFields f = NewFields(kImageDlg, {{"cbImageFile", "old.gif"}, {"edWidth", "5"}, {"edHeight", "6"}});
    const DialogFields before = f;
    EXPECT_EQ(SjisToUnicodeView(ChoosePicture(f, r.file, env)), r.message);
    EXPECT_EQ(f.values, before.values) << r.file;
  }
}

TEST_F(PictureChoice, WithoutAReaderTheFileIsTakenWithoutASize) {
  services.pictures = nullptr;
  DialogFields f = NewFields(kImageDlg, {{"edWidth", "5"}, {"edHeight", "6"}});
  EXPECT_EQ(ChoosePicture(f, dir.Write("doc/img/x.gif", "x"), env), "");
  EXPECT_EQ(f.Get("cbImageFile") + "|" + f.Get("edWidth") + "|" + f.Get("edHeight"), "img/x.gif||");
}

TEST_F(PictureChoice, DropsAndListChoices) {
  auto folder = [](const std::string& p) { return p.ends_with("/"); };
  EXPECT_EQ(DroppedPicture({"a.gif", "b.gif"}, folder), "b.gif");
  EXPECT_EQ(DroppedPicture({"a.gif", "sub/"}, folder), std::nullopt);
  EXPECT_EQ(DroppedPicture({}, folder), std::nullopt);

  Picture("a.gif", 3, 4);
  DialogFields f = NewFields(kImageDlg, {{"cbImageFile", "a.gif"}});
  EXPECT_EQ(ChooseListedPicture(f, env), "");
  EXPECT_EQ(f.Get("edWidth"), "3");
  // A typed name of no file loads nothing.
  f = NewFields(kImageDlg, {{"cbImageFile", "none.gif"}, {"edWidth", "9"}});
  EXPECT_EQ(ChooseListedPicture(f, env), "");
  EXPECT_EQ(f.Get("edWidth"), "9");
}

TEST_F(PictureChoice, RememberedAtOkAndReloaded) {
  Picture("a.gif", 30, 40);
  DialogFields f = NewFields(kAREADlg, {{"cbImageFile", "a.gif"}, {"edAlt", kHyo}, {"edWidth", "1"},
                                        {"cbNAME", "m"}, {"rgAlign", "3"}, {"cbShape", "polygon"},
                                        {"edCoords", "1,2,3,4,5,6"}, {"cbURL", "b.html"}, {"cbOnBlur", "x()"}});
  kAREADlg.remember(f, services);
  const IniFile ini = IniFile::Load(dir.Path("PreviousSetting.txt"));
  EXPECT_EQ(ini.GetString("AREA", "ALT", "?"), kHyo);
  EXPECT_EQ(ini.GetInt("AREA", "SHAPE", -1), 2);
  EXPECT_EQ(ini.GetInt("AREA", "ALIGN", -1), 3);

  DialogFields g = NewFields(kAREADlg, {});
  EXPECT_EQ(ReloadPrevious(g, kAREADlg, env), "");
  for (const char* c : {"cbImageFile", "edAlt", "cbNAME", "rgAlign", "cbShape", "edCoords", "cbURL", "cbOnBlur"})
    EXPECT_EQ(g.Get(c), f.Get(c)) << c;
  // The picture's own size replaces the remembered one.
  EXPECT_EQ(g.Get("edWidth") + "x" + g.Get("edHeight"), "30x40");

  // The image dialog's section is its own; without one, the width stays
  // and BORDER is 0.
  DialogFields image = NewFields(kImageDlg, {{"edWidth", "7"}, {"edBorder", "3"}});
  EXPECT_EQ(ReloadPrevious(image, kImageDlg, env), "");
  EXPECT_EQ(image.Get("edWidth") + "|" + image.Get("edBorder") + "|" + image.Get("cbImageFile"), "7|0|");
}

TEST(PictureFilter, EveryFormatInOneEntryThenAllFiles) {
  EXPECT_EQ(SjisToUnicodeView(PictureFileFilter({{"PNG", {"*.png"}}, {"JPEG", {"*.jpg", "*.jpeg"}}})),
            "PNG(*.png),JPEG(*.jpg;*.jpeg),|*.png;*.jpg;*.jpeg;|すべてのファイル(*.*)|*.*");
  EXPECT_EQ(SjisToUnicodeView(PictureFileFilter({})), "||すべてのファイル(*.*)|*.*");
}

// Answers the dialog with fields, after the actions a test gives.
class ActingHost : public DialogHost {
 public:
  std::function<void(DialogFields&)> act;
  std::string shownClass;
  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    shownClass = std::string(dialogClass);
    if (act) act(fields);
    return true;
  }
};

TEST_F(PictureChoice, CommandsInsertAndRemember) {
  test::EditingFixture fx;
  ActingHost host;
  fx.ctx.dialogs = &host;
  fx.ctx.services = services;
  fx.ctx.fileName = doc;
  int linkLists = 0;
  fx.ctx.services.linksChanged = [&] { ++linkLists; };
  CommandRegistry commands;
  RegisterTagDialogCommands(commands);
  const std::string picture = Picture("a.gif", 120, 80);

  fx.Load("x[old]y");
  host.act = [&](DialogFields& f) {
    DialogEnv e = env;
    e.chooseFile = [&](const std::string&, const std::string&) { return std::optional<std::string>(picture); };
    ASSERT_TRUE(kImageDlg.act(f, DialogStep::PressButton("RefBtn"), e));
  };
  commands.Find("IMGClick")->run(fx.ctx, {});
  EXPECT_EQ(host.shownClass, "TImageDlg");
  const std::string img = "<IMG SRC=\"a.gif\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">";
  EXPECT_EQ(fx.editor.GetText(), "x" + img + "y");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{img, ""}));
  EXPECT_EQ(IniFile::Load(dir.Path("PreviousSetting.txt")).GetString("IMAGE", "WIDTH", "?"), "120");

  fx.Load("|");
  host.act = [&](DialogFields& f) {
    f.Set("cbURL", "b.html");
    for (const auto& [event, x, y] : {std::tuple{"down", 50, 40}, {"move", 10, 20}, {"up", 10, 20}})
      ASSERT_TRUE(kAREADlg.act(f, DialogStep::Pointer("Image", event, x, y), env));
  };
  commands.Find("AREAClick")->run(fx.ctx, {});
  const std::string area = "<AREA SHAPE=\"rect\" COORDS=\"10,20,50,40\" HREF=\"b.html\">";
  EXPECT_EQ(fx.editor.GetText(), area);
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{area, ""}));
  EXPECT_EQ(IniFile::Load(dir.Path("PreviousSetting.txt")).GetString("AREA", "COORDS", "?"), "10,20,50,40");
  EXPECT_EQ(linkLists, 2);
}


TEST_F(PictureChoice, ReEditShowsTheTagsPictureAndKeepsItsValues) {
  test::EditingFixture fx;
  ActingHost host;
  fx.ctx.dialogs = &host;
  fx.ctx.services = services;
  fx.ctx.fileName = doc;
  CommandRegistry commands;
  RegisterTagDialogCommands(commands);
  const std::string picture = Picture("img/a.gif", 120, 80);
  const std::string cut = Picture("cut.png", 10, 10);
  reader.damaged[cut] = PictureProblem::Damaged;
  struct Row {
    const char* src;
    std::string shown;  // the picture shown, with its size as hints
  } rows[] = {
      {"img/a.gif", picture + " 120x80"},
      {"none.gif", " x"},
      {"cut.png", " x"},
  };
  for (const Row& r : rows) {
    DialogFields seen;
    host.act = [&](DialogFields& f) { seen = f; };
    fx.Load(std::string("<IMG SRC=\"") + r.src + "\" WIDTH=\"50%\">|");
    commands.Find("EditTagClick")->run(fx.ctx, {});
    EXPECT_EQ(host.shownClass, "TImageDlg");
    EXPECT_EQ(seen.Get(kFieldPicture) + " " + seen.Get(kFieldWidthHint) + "x" + seen.Get(kFieldHeightHint), r.shown)
        << r.src;
    EXPECT_EQ(seen.Get("edWidth") + seen.Get("ckWidth") + "|" + seen.Get("edHeight"), "501|") << r.src;
    EXPECT_EQ(fx.editor.GetText(), std::string("<IMG SRC=\"") + r.src + "\" WIDTH=\"50%\">") << r.src;
  }
}

}  // namespace
}  // namespace mw
