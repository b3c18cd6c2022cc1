#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mw
