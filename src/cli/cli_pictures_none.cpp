#include "cli/cli_pictures.h"

namespace mw::cli {

PictureReader* CliPictureReader() { return nullptr; }

}  // namespace mw::cli
