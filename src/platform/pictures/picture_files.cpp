#include "platform/pictures/picture_files.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "platform/app/native_path.h"

namespace mw::platform {

namespace {

// What is wrong with the file before any reader looks at it.
PictureProblem FileProblem(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) return PictureProblem::Missing;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return PictureProblem::Unreadable;
  return PictureProblem::None;
}

PictureProblem ReaderProblem(QImageReader::ImageReaderError e) {
  switch (e) {
    case QImageReader::FileNotFoundError: return PictureProblem::Missing;
    case QImageReader::DeviceError: return PictureProblem::Unreadable;
    case QImageReader::InvalidDataError: return PictureProblem::Damaged;
    case QImageReader::UnsupportedFormatError:
    case QImageReader::UnknownError: break;
  }
  return PictureProblem::NotPicture;
}

// A reader that goes by the file's content: a text file named .gif is no
// GIF, and a PNG named .jpg is still read.
void ByContent(QImageReader& r) { r.setDecideFormatFromContent(true); }

}  // namespace

PictureSize QtPictureReader::ReadSize(const std::string& path) {
  const QString name = PathFromNative(path);
  if (const PictureProblem p = FileProblem(name); p != PictureProblem::None) return {p};
  QImageReader r(name);
  ByContent(r);
  if (!r.canRead()) return {ReaderProblem(r.error())};
  QSize size = r.size();
  // A format whose reader cannot tell the size without decoding.
  if (!size.isValid()) {
    const PictureProblem p = Decode(path);
    if (p != PictureProblem::None) return {p};
    size = m_last.size();
  }
  return {PictureProblem::None, size.width(), size.height()};
}

PictureProblem QtPictureReader::Decode(const std::string& path) {
  m_lastPath.clear();
  m_last = QImage();
  const QString name = PathFromNative(path);
  if (const PictureProblem p = FileProblem(name); p != PictureProblem::None) return p;
  QImageReader r(name);
  ByContent(r);
  QImage image;
  if (!r.read(&image) || image.isNull()) {
    const PictureProblem p = ReaderProblem(r.error());
    // A picture whose header was read but whose data is cut short or
    // broken is damaged, not of an unknown format.
    return p == PictureProblem::NotPicture && QImageReader(name).canRead() ? PictureProblem::Damaged : p;
  }
  m_lastPath = path;
  m_last = std::move(image);
  return PictureProblem::None;
}

QImage QtPictureReader::Picture(const std::string& path) {
  if (path.empty()) return {};
  if (path != m_lastPath && Decode(path) != PictureProblem::None) return {};
  return m_last;
}

std::vector<PictureFormat> QtPictureReader::Formats() const {
  std::vector<PictureFormat> out;
  QStringList seen;
  for (const QByteArray& mime : QImageReader::supportedMimeTypes()) {
    PictureFormat f;
    for (const QByteArray& format : QImageReader::imageFormatsForMimeType(mime)) {
      const QString name = QString::fromLatin1(format).toLower();
      if (seen.contains(name)) continue;
      seen << name;
      if (f.description.empty()) f.description = name.toUpper().toStdString();
      f.patterns.push_back("*." + name.toStdString());
    }
    if (!f.patterns.empty()) out.push_back(std::move(f));
  }
  return out;
}

QStringList ReadableFormats() {
  QStringList names;
  for (const QByteArray& f : QImageReader::supportedImageFormats()) names << QString::fromLatin1(f);
  return names;
}

}  // namespace mw::platform
