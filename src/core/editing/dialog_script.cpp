#include "core/editing/dialog_script.h"

#include <optional>

namespace mw {

bool DialogScript::Play(std::string_view dialogClass, DialogFields& fields) {
  const bool nested = m_depth > 0;
  std::size_t i = nested ? m_cursor : 0;
  std::optional<bool> closedBy;
  ++m_depth;
  for (; i < m_steps.size(); ++i) {
    const DialogStep& s = m_steps[i];
    if (s.kind == DialogStep::Press && (s.control == "OkBtn" || s.control == "CancelBtn")) {
      closedBy = s.control == "OkBtn";
      ++i;
      break;
    }
    m_cursor = i + 1;
    if (!Take(dialogClass, s, fields) && m_refused) m_refused(dialogClass, s);
    i = m_cursor - 1;  // past the steps a dialog the step opened took
  }
  --m_depth;
  m_cursor = i;
  return closedBy != false;
}

bool DialogScript::Take(std::string_view dialogClass, const DialogStep& step, DialogFields& f) {
  if (f.actions != nullptr) return f.actions->Take(step, f);
  if (m_fallback) return m_fallback(dialogClass, step, f);
  if (step.kind != DialogStep::Field) return false;
  f.Set(step.control, step.value);
  return true;
}

}  // namespace mw
