// The picture reader of the command-line tool: the platform's when the
// tool is built with the window layer, else none (the dialogs then take a
// picture file without its size).
#pragma once

#include "core/editing/picture_reader.h"

namespace mw::cli {

PictureReader* CliPictureReader();

}  // namespace mw::cli
