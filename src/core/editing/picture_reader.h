// Reading pictures for the image and map dialogs: a picture file's size
// from its header, and whether the whole picture can be shown. The desktop
// implements it over its image library (platform/pictures); a program
// without one has none, and the dialogs then take the file without a size.
#pragma once

#include <string>
#include <vector>

namespace mw {

// Why a chosen file gives no picture.
enum class PictureProblem {
  None,
  Missing,     // no such file, or a folder
  NotPicture,  // no format that is read recognises it
  Damaged,     // recognised, but its data is broken or cut short
  Unreadable,  // the file cannot be opened or read
};

struct PictureSize {
  PictureProblem problem = PictureProblem::None;
  int width = 0;
  int height = 0;
};

// A format that is read, as the file chooser offers it.
struct PictureFormat {
  std::string description;           // "PNG"
  std::vector<std::string> patterns;  // "*.png"
};

class PictureReader {
 public:
  virtual ~PictureReader() = default;
  // The size the picture's header gives; nothing is decoded. path is a
  // file-system path.
  virtual PictureSize ReadSize(const std::string& path) = 0;
  // The whole picture decoded, as the dialog shows it: None, or why not.
  virtual PictureProblem Decode(const std::string& path) = 0;
  // The formats read, in the order the file chooser lists them.
  virtual std::vector<PictureFormat> Formats() const = 0;
};

}  // namespace mw
