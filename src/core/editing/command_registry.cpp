#include "core/editing/command_registry.h"


namespace mw {

void CommandRegistry::Add(EditCommand command) {
  for (auto& c : m_commands) {
    if (c.name == command.name) {
      c = std::move(command);
      return;
    }
  }
  m_commands.push_back(std::move(command));
}

const EditCommand* CommandRegistry::Find(std::string_view name) const {
  for (const auto& c : m_commands)
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace mw
