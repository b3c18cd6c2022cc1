// Every command the engine has, from every core layer: the editing
// commands, the tag dialogs' commands and the checker's. The main window
// and the command line reach a command by its handler name through this
// one set.
#pragma once

#include "core/editing/command_registry.h"

namespace mw {

const CommandRegistry& EngineCommands();

}  // namespace mw
