// An author played from a list of steps: the command line's --field,
// --press and --mouse, in the order given. Every dialog a command opens
// takes the steps from the first; a dialog a button opens (the style
// editor of a STYLE field's 編集(&E), the colour-name window of a colour
// field's (N)) takes the steps after that press, up to its OkBtn or
// CancelBtn, and the dialog that opened it goes on after them.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "core/editing/dialog_host.h"

namespace mw {

class DialogScript : public DialogHost {
 public:
  // Takes a step in a dialog whose fields bring no model of their own;
  // false when the dialog has no such control.
  using Fallback = std::function<bool(std::string_view dialogClass, const DialogStep& step, DialogFields& f)>;
  // A step the dialog refused (the host reports it, or stops).
  using Refused = std::function<void(std::string_view dialogClass, const DialogStep& step)>;

  explicit DialogScript(std::vector<DialogStep> steps) : m_steps(std::move(steps)) {}

  void SetFallback(Fallback fallback) { m_fallback = std::move(fallback); }
  void SetRefused(Refused refused) { m_refused = std::move(refused); }

  // Plays the steps in the dialog; false when its CancelBtn ended them.
  bool Play(std::string_view dialogClass, DialogFields& fields);
  bool Run(std::string_view dialogClass, DialogFields& fields) override { return Play(dialogClass, fields); }

  const std::vector<DialogStep>& Steps() const { return m_steps; }

 private:
  bool Take(std::string_view dialogClass, const DialogStep& step, DialogFields& f);

  std::vector<DialogStep> m_steps;
  Fallback m_fallback;
  Refused m_refused;
  int m_depth = 0;
  std::size_t m_cursor = 0;  // the next step of a dialog a button opened
};

}  // namespace mw
