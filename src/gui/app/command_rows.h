// The rows each window brings to the one command table.
#pragma once

#include <span>

#include "gui/app/command_table.h"

namespace mw::gui {

std::span<const CommandRow> MainWindowRows();
std::span<const SubmenuRow> MainWindowSubmenus();

}  // namespace mw::gui
