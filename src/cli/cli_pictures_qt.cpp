#include "cli/cli_pictures.h"
#include "platform/pictures/picture_files.h"

namespace mw::cli {

PictureReader* CliPictureReader() {
  static platform::QtPictureReader reader;
  return &reader;
}

}  // namespace mw::cli
