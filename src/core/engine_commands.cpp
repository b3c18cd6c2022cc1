#include "core/engine_commands.h"

#include "core/check/close_tag.h"
#include "core/dialogs/skeleton_dialog.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_groups.h"

namespace mw {

const CommandRegistry& EngineCommands() {
  static const CommandRegistry registry = [] {
    CommandRegistry r;
    RegisterEditingCommands(r);
    RegisterTagDialogCommands(r);
    RegisterSkeletonAndColourCommands(r);
    RegisterCheckCommands(r);
    return r;
  }();
  return registry;
}

}  // namespace mw
