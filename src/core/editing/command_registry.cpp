#include "core/editing/command_registry.h"


namespace mw {

void CommandRegistry::Add(EditCommand command, std::string_view before) {
  for (auto& c : m_commands) {
    if (c.name == command.name) {
      c = std::move(command);
      return;
    }
  }
  auto at = m_commands.end();
  if (!before.empty())
    for (auto it = m_commands.begin(); it != m_commands.end(); ++it)
      if (it->name == before) {
        at = it;
        break;
      }
  m_commands.insert(at, std::move(command));
}

const EditCommand* CommandRegistry::Find(std::string_view name) const {
  for (const auto& c : m_commands)
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace mw
