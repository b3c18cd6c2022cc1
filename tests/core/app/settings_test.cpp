#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "core/app/colour_text.h"
#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/app/font_file.h"
#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

TEST(IniFile, ReadsLikePrivateProfiles) {
  const IniFile ini = IniFile::Parse(
      "; comment\r\n[form]\r\n iFormTop = 12 \r\nbFlag=2\r\nbad=12abc\r\nneg=-5\r\n"
      "quoted=\"a b\"\r\nempty=\r\n[Other]\r\niFormTop=99\r\n");
  EXPECT_EQ(ini.GetInt("FORM", "IFORMTOP", 0), 12);  // names ignore case
  EXPECT_TRUE(ini.GetBool("FORM", "bFlag", false));   // any non-zero is true
  EXPECT_EQ(ini.GetInt("FORM", "bad", 7), 7);          // not an integer: the default
  EXPECT_EQ(ini.GetInt("FORM", "neg", 0), -5);
  EXPECT_EQ(ini.GetInt("FORM", "empty", 3), 3);
  EXPECT_EQ(ini.GetInt("FORM", "missing", 4), 4);
  EXPECT_EQ(ini.GetString("FORM", "quoted", ""), "a b");
  EXPECT_EQ(ini.GetInt("NoSection", "iFormTop", 5), 5);
  EXPECT_EQ(ini.GetInt("Other", "iFormTop", 0), 99);
}

TEST(IniFile, WritingKeepsEverythingElse) {
  IniFile ini = IniFile::Parse("; keep me\r\n[FORM]\r\niFormTop=1\r\nunknown=x\r\n\r\n[PrjFORM]\r\na=1\r\n");
  ini.SetInt("form", "IFORMTOP", 5);   // replaced in place, in its own spelling
  ini.SetBool("FORM", "bNew", true);    // added to the section, before the blank line
  ini.Set("ColorFORM", "iColumn", "8");  // a new section at the end
  EXPECT_EQ(ini.Serialize(),
            "; keep me\r\n[FORM]\r\nIFORMTOP=5\r\nunknown=x\r\nbNew=1\r\n\r\n[PrjFORM]\r\na=1\r\n"
            "\r\n[ColorFORM]\r\niColumn=8\r\n");
}

TEST(IniFile, SectionsListedAndErasedWithEverythingInThem) {
  IniFile ini = IniFile::Parse("; top\r\n[a]\r\nx=1\r\n[B]\r\ny=2\r\nodd line\r\n[c]\r\n[b]\r\nz=3\r\n");
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"a", "B", "c"}));
  ini.EraseSection("b");
  EXPECT_EQ(ini.Serialize(), "; top\r\n[a]\r\nx=1\r\n[c]\r\n");
  ini.EraseSection("none");
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"a", "c"}));
}

TEST(IniFile, ValuesReadBackAsWritten) {
  IniFile ini;
  ini.Set("FORM", "asOpenDir", "/site\r\n[FORM]\r\niFormTop=999");  // a folder name with line breaks
  ini.Set("FORM", "asToolFullPath0", " tool with spaces ");
  ini.Set("FORM", "asNNFullPath", "\"quoted\"");
  const IniFile back = IniFile::Parse(ini.Serialize());
  EXPECT_EQ(back.Get("FORM", "asOpenDir"), "/site");
  EXPECT_EQ(back.Get("FORM", "iFormTop"), std::nullopt);
  EXPECT_EQ(back.Get("FORM", "asToolFullPath0"), " tool with spaces ");
  EXPECT_EQ(back.Get("FORM", "asNNFullPath"), "\"quoted\"");

  // Any byte reading trims, at either end, is kept by the quotes.
  const std::string outer[] = {"\x01lead", "trail\x1f", std::string("\0nul", 4), "\x7f\x80", "\x1b[0m\x1b",
                               "\"", "\"\"", "\"a\x01\""};
  IniFile odd;
  for (const auto& v : outer) {
    odd.Set("FORM", "asDateTimeFormatStr", v);
    EXPECT_EQ(IniFile::Parse(odd.Serialize()).Get("FORM", "asDateTimeFormatStr"), v) << odd.Serialize();
  }
  // A file written without quotes reads as it always did.
  EXPECT_EQ(IniFile::Parse("[FORM]\r\na= x\x01 \r\n").Get("FORM", "a"), "x");
}

TEST(ColourText, NamesHexAndDecimal) {
  struct Case { const char* text; ColorValue value; const char* written; };
  const Case cases[] = {
      {"clSilver", 0xC0C0C0, "clSilver"},
      {"clsilver", 0xC0C0C0, "clSilver"},
      {"clWindowText", 0x80000008, "clWindowText"},
      {"clInfoBk", 0x80000018, "clInfoBk"},
      {"clNone", 0x1FFFFFFF, "clNone"},
      {"$00C8D0D4", 0x00C8D0D4, "$00C8D0D4"},
      {"16777215", 0xFFFFFF, "clWhite"},
      {"-2147483643", 0x80000005, "clWindow"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(ParseColourText(c.text), c.value) << c.text;
    EXPECT_EQ(ColourText(c.value), c.written) << c.text;
  }
  for (const char* bad : {"", "clNothing", "$", "$123456789", "12x"})
    EXPECT_EQ(ParseColourText(bad), std::nullopt) << bad;
}

TEST(FormSettings, FirstStartWritesEveryKeyWithItsDefault) {
  FormSettings s;
  IniFile ini;
  s.Save(ini, true);
  for (const auto& k : FormSettingKeys()) EXPECT_TRUE(ini.Get("FORM", k.key).has_value()) << k.key;
  EXPECT_EQ(ini.Get("FORM", "asRichEditColor"), "clWhite");
  EXPECT_EQ(ini.Get("FORM", "bSelectEditedEnd"), "1");
  EXPECT_EQ(ini.Get("FORM", "iRegisteredSheet"), "12");
  EXPECT_EQ(ini.Get("FORM", "asSubBrowserFullPath"), "ielplorer.exe");
}

TEST(FormSettings, LoadKeepsDefaultsForMissingOrBadValues) {
  FormSettings s;
  s.Load(IniFile::Parse("[FORM]\r\niNofColumn=60\r\niTabStop=wide\r\nasRichEditColor=clSilver\r\n"
                        "bWordWrap=0\r\nasOpenDir=/home/a\r\n"));
  EXPECT_EQ(s.Int("iNofColumn"), 60);
  EXPECT_EQ(s.Int("iTabStop"), 4);
  EXPECT_EQ(s.Colour("asRichEditColor"), 0xC0C0C0u);
  EXPECT_FALSE(s.Bool("bWordWrap"));
  EXPECT_EQ(s.Text("asOpenDir"), "/home/a");
  EXPECT_EQ(s.Int("iMaxFileSize"), 65536);
  EXPECT_THROW(s.Int("bWordWrap"), std::out_of_range);
  EXPECT_THROW(s.Int("iNoSuchKey"), std::out_of_range);
}

// Numbers far outside what a window, list or tab width can be (the tab
// width once made tab-to-space conversion allocate gigabytes) give the
// default, and are never written back.
TEST(FormSettings, IntegersOutOfRangeGiveTheDefault) {
  const struct {
    const char* key;
    const char* stored;
    int read;
  } cases[] = {
      {"iTabStop", "2147483647", 4},       {"iTabStop", "0", 4},          {"iTabStop", "100", 100},
      {"iFormWidth", "2147483647", 772},   {"iFormHeight", "0", 491},     {"iFormTop", "-40000", 3},
      {"iFormLeft", "-1200", -1200},       {"iNofFileHistory", "-1", 15}, {"iNofFileHistory", "100", 100},
      {"iNofColumn", "2000000000", 74},    {"iWindowState", "3", 0},      {"iInitialState", "-2", 0},
      {"iPageSetSheet", "13", 0},          {"iActivePage", "12", 12},     {"iLeftPanelWidth", "-5", 135},
      {"iMaxFileSize", "-1", 65536},       {"iMaxFileSize", "2147483647", 2147483647},
      {"iImeColor", "4", 0},
  };
  for (const auto& c : cases) {
    FormSettings s;
    s.Load(IniFile::Parse(std::string("[FORM]\r\n") + c.key + "=" + c.stored + "\r\n"));
    EXPECT_EQ(s.Int(c.key), c.read) << c.key << "=" << c.stored;
  }
  for (const auto& k : FormSettingKeys()) {
    if (k.type != SettingType::Int) continue;
    EXPECT_LE(k.min, k.max) << k.key;
    EXPECT_TRUE(k.min <= std::stoi(std::string(k.defaultValue)) && std::stoi(std::string(k.defaultValue)) <= k.max)
        << k.key;
  }

  FormSettings s;
  s.SetInt("iTabStop", 1 << 30);
  IniFile ini;
  s.Save(ini, true);
  EXPECT_EQ(ini.Get("FORM", "iTabStop"), "4");
}

TEST(FormSettings, MaximisedWindowKeepsTheNormalBounds) {
  IniFile ini = IniFile::Parse("[FORM]\r\niFormTop=40\r\niFormWidth=900\r\n");
  FormSettings s;
  s.Load(ini);
  s.SetInt("iFormTop", 0);
  s.SetInt("iWindowState", 2);
  s.SetColour("asRichEditColor", 0x00C8D0D4);
  s.Save(ini, false);
  EXPECT_EQ(ini.Get("FORM", "iFormTop"), "40");
  EXPECT_EQ(ini.Get("FORM", "iFormWidth"), "900");
  EXPECT_EQ(ini.Get("FORM", "iWindowState"), "2");
  EXPECT_EQ(ini.Get("FORM", "asRichEditColor"), "$00C8D0D4");
}

TEST(FontColorFile, RoundTripAndDesignFonts) {
  FontColorFile f;
  f.fonts[1].points = 12;
  f.fonts[1].italic = true;
  f.fonts[2].color = 0x00C8D0D4;
  f.fonts[3].face = "IPA\x83\x53\x83\x56\x83\x62\x83\x4e";  // IPAゴシック
  f.customColours = {"ColorA=FFFFFF", "ColorB=C0C0C0"};
  const auto back = ParseFontColorFile(SerializeFontColorFile(f));
  ASSERT_TRUE(back);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(back->fonts[i].face, f.fonts[i].face);
    EXPECT_EQ(back->fonts[i].points, f.fonts[i].points);
    EXPECT_EQ(back->fonts[i].color, f.fonts[i].color);
    EXPECT_EQ(back->fonts[i].bold, f.fonts[i].bold);
    EXPECT_EQ(back->fonts[i].italic, f.fonts[i].italic);
  }
  EXPECT_EQ(back->customColours, f.customColours);
  EXPECT_EQ(FontHeightOfPoints(10), -13);
  EXPECT_EQ(PointsOfFontHeight(-13), 10);
}

// The first record's height replaced (the int32 after "Font.Height" and
// its type byte).
std::string WithFirstHeight(std::string bytes, std::int32_t height) {
  const auto at = bytes.find("Font.Height") + std::string("Font.Height").size() + 1;
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(static_cast<std::uint32_t>(height) >> (8 * i));
  return bytes;
}

TEST(FontColorFile, HeightsOutOfRangeMakeTheFileDamaged) {
  const std::string good = SerializeFontColorFile(FontColorFile{});
  ASSERT_EQ(ParseFontColorFile(WithFirstHeight(good, -13))->fonts[0].points, 10);
  ASSERT_EQ(ParseFontColorFile(WithFirstHeight(good, 16))->fonts[0].points, 12);  // a cell height
  EXPECT_EQ(ParseFontColorFile(WithFirstHeight(good, -2184))->fonts[0].points, kMaxFontPoints);
  for (std::int32_t h : {0, -2185, 2185, INT32_MIN, INT32_MAX, -1000000000})
    EXPECT_EQ(ParseFontColorFile(WithFirstHeight(good, h)), std::nullopt) << h;
  // Writing never overflows either: sizes beyond the range are its end.
  EXPECT_EQ(FontHeightOfPoints(INT32_MAX), -2184);
  EXPECT_EQ(FontHeightOfPoints(0), -1);
  EXPECT_GT(PointsOfFontHeight(INT32_MIN), kMaxFontPoints);
}

TEST(FontColorFile, DamagedFilesAreRejectedNotTrusted) {
  const std::string good = SerializeFontColorFile(FontColorFile{});
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_EQ(ParseFontColorFile(good.substr(0, n)), std::nullopt) << n;
  std::string flipped = good;
  flipped[0] = 'X';
  EXPECT_EQ(ParseFontColorFile(flipped), std::nullopt);
  EXPECT_EQ(ParseFontColorFile(good + "x"), std::nullopt);
}

TEST(DataFolder, ProgramFolderWhenWritableElseUserConfig) {
  test::TempDir dir;
  EXPECT_EQ(ChooseDataFolder(dir.Path("")), dir.Path(""));
  ::setenv("XDG_CONFIG_HOME", dir.Path("config").c_str(), 1);
  EXPECT_EQ(ChooseDataFolder(dir.Path("no/such/folder")), dir.Path("config/markupwright"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("config/markupwright")));
  ::unsetenv("XDG_CONFIG_HOME");
}

TEST(DataFolder, ColouredExtensions) {
  test::TempDir dir;
  EXPECT_EQ(LoadColouredExtensions(dir.Path("")), DefaultColouredExtensions());
  dir.Write("FileExtList.txt", "HTML\r\n.php\r\n\r\n  css \n");
  EXPECT_EQ(LoadColouredExtensions(dir.Path("")), (std::vector<std::string>{"html", "php", "css"}));
  SaveColouredExtensions(dir.Path(""), {"htm", "asp"});
  EXPECT_EQ(ReadFileBytes(dir.Path("FileExtList.txt")), "htm\r\nasp\r\n");
}

TEST(BrowserProgram, EachViewItsOwnBrowserElseTheDefault) {
  FormSettings s;
  s.SetText("asSubBrowserFullPath", "/opt/ie view/browser");
  s.SetText("asNNFullPath", "firefox");
  const struct {
    const char* view;
    const char* program;
  } rows[] = {{"IEBtn", "/opt/ie view/browser"}, {"NNBtn", "firefox"}, {"BrowseBtn", ""}, {"other", ""}};
  for (const auto& r : rows) EXPECT_EQ(BrowserProgram(r.view, s), r.program) << r.view;
  s.SetText("asNNFullPath", "");
  EXPECT_EQ(BrowserProgram("NNBtn", s), "") << "none named: the default browser";
  const FormSettings defaults;
  EXPECT_EQ(BrowserProgram("IEBtn", defaults), "") << "the built-in names are no browsers of this desktop";
  EXPECT_EQ(BrowserProgram("NNBtn", defaults), "");
}

}  // namespace
}  // namespace mw
