// The editing commands by their handler names (BClick, SelectNextTagClick,
// LFtoBRClick...). Each layer registers its own commands into a registry;
// the engine's full set is EngineCommands(). Items that share a
// handler are told apart by an argument: the item's Tag number or caption.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

struct EditingContext;

struct EditCommand {
  std::string name;  // the handler name
  // arg is what follows ':' on the command line, or the item's Tag/caption;
  // empty when the handler serves one item only.
  std::function<void(EditingContext&, std::string_view arg)> run;
  bool modifiesText = true;  // disabled together on a read-only document
};

class CommandRegistry {
 public:
  // A second command of the same name replaces the first, in its place.
  // A new command goes before the command named `before` when there is
  // one (a higher layer's command listed among the lower layer's group it
  // belongs to), else at the end.
  void Add(EditCommand command, std::string_view before = {});
  const EditCommand* Find(std::string_view name) const;
  const std::vector<EditCommand>& All() const { return m_commands; }

 private:
  std::vector<EditCommand> m_commands;
};

}  // namespace mw
