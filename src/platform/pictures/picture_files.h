// Picture files read through Qt's image reader and its format plug-ins:
// a picture's size from its header alone, the whole picture for a dialog
// to show, and the formats the installed plug-ins read. Needs no window,
// so the command-line tool reads pictures the same way.
#pragma once

#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

#include "core/editing/picture_reader.h"

namespace mw::platform {

class QtPictureReader : public PictureReader {
 public:
  PictureSize ReadSize(const std::string& path) override;
  // Keeps the decoded picture for Picture().
  PictureProblem Decode(const std::string& path) override;
  std::vector<PictureFormat> Formats() const override;

  // The picture at path, decoded: the one Decode kept when it is that
  // file, else read now. A null image when it cannot be read.
  QImage Picture(const std::string& path);

 private:
  std::string m_lastPath;
  QImage m_last;
};

// The names of the formats read (QImageReader::supportedImageFormats).
QStringList ReadableFormats();

}  // namespace mw::platform
