// Picture files of every format the plug-ins read, made here in a temp
// folder: sizes from the headers, whole pictures decoded, and the files
// that give none (a truncated PNG, a text file named .gif, a folder).
#include "platform/pictures/picture_files.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <fstream>

#include "platform_test_app.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace mw::platform {
namespace {

struct PictureFiles : ::testing::Test {
  test::TempDir dir;
  QtPictureReader reader;
  PictureFiles() { test::PlatformTestApp(); }

  std::string Written(const std::string& name, const char* format, int w = 120, int h = 80) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const std::string path = dir.Path(name);
    QImageWriter writer(QString::fromStdString(path), format);
    EXPECT_TRUE(writer.write(image)) << name << ": " << writer.errorString().toStdString();
    return path;
  }
};

TEST_F(PictureFiles, EveryFormatGivesItsSizeAndPicture) {
  const std::string svg =
      dir.Write("logo.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\">"
                            "<rect width=\"120\" height=\"80\" fill=\"teal\"/></svg>");
  const std::string paths[] = {
      Written("a.png", "png"),  Written("a.jpg", "jpeg"), Written("a.bmp", "bmp"),  Written("a.tif", "tiff"),
      Written("a.webp", "webp"), dir.Write("a.gif", test::Gif(120, 80)), svg,
      // Formats go by the content, not the name.
      Written("png-named.jpg", "png"),
  };
  for (const std::string& p : paths) {
    SCOPED_TRACE(p);
    const PictureSize s = reader.ReadSize(p);
    EXPECT_EQ(s.problem, PictureProblem::None);
    EXPECT_EQ(s.width, 120);
    EXPECT_EQ(s.height, 80);
    EXPECT_EQ(reader.Decode(p), PictureProblem::None);
    EXPECT_EQ(reader.Picture(p).size(), QSize(120, 80));
  }
  // The GIF's pixels are the colour its table gives.
  EXPECT_EQ(reader.Picture(paths[5]).pixelColor(3, 3), QColor(Qt::blue));
}

TEST_F(PictureFiles, FilesThatGiveNoPicture) {
  const std::string png = Written("whole.png", "png", 300, 200);
  std::ifstream in(png, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::filesystem::create_directory(dir.dir() / "folder.png");
  struct Row {
    std::string path;
    PictureProblem size;    // what the header gives
    PictureProblem decode;  // what the whole picture gives
  } rows[] = {
      {dir.Write("cut.png", bytes.substr(0, bytes.size() / 2)), PictureProblem::None, PictureProblem::Damaged},
      {dir.Write("notes.gif", "GIF is a word in this text, not a picture.\r\n"), PictureProblem::NotPicture,
       PictureProblem::NotPicture},
      {dir.Write("empty.png", ""), PictureProblem::NotPicture, PictureProblem::NotPicture},
      {dir.Path("missing.png"), PictureProblem::Missing, PictureProblem::Missing},
      {dir.Path("folder.png"), PictureProblem::Missing, PictureProblem::Missing},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.path);
    EXPECT_EQ(reader.ReadSize(r.path).problem, r.size);
    EXPECT_EQ(reader.Decode(r.path), r.decode);
    EXPECT_TRUE(reader.Picture(r.path).isNull());
  }
}

TEST_F(PictureFiles, TheFormatsOfTheInstalledPlugIns) {
  std::vector<std::string> patterns;
  for (const PictureFormat& f : reader.Formats())
    for (const std::string& p : f.patterns) patterns.push_back(p);
  for (const char* p : {"*.png", "*.jpg", "*.jpeg", "*.gif", "*.bmp", "*.webp", "*.tif", "*.tiff", "*.svg"})
    EXPECT_NE(std::find(patterns.begin(), patterns.end(), p), patterns.end()) << p;
}

}  // namespace
}  // namespace mw::platform
