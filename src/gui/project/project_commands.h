// The project window's command rows and where they sit: its menus, its
// toolbar and the pop-up menus of its list, trees and results.
#pragma once

#include <span>

#include "gui/app/command_table.h"

namespace mw::gui {

std::span<const CommandRow> ProjectWindowRows();
std::span<const SubmenuRow> ProjectWindowSubmenus();
std::span<const MenuLayout> ProjectMenus();
// pmProjectFileList, pmLinkTrees, pmRelMarker, pmGrepResult.
std::span<const MenuLayout> ProjectPopups();
std::span<const ToolButtonRow> ProjectToolbar();

}  // namespace mw::gui
