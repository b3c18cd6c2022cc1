// The check window's command rows: the buttons of its toolbar.
#pragma once

#include <span>

#include "gui/app/command_table.h"

namespace mw::gui {

std::span<const CommandRow> CheckWindowRows();
std::span<const ToolButtonRow> CheckToolbar();

}  // namespace mw::gui
