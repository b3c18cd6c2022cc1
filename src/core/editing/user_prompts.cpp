#include "core/editing/user_prompts.h"

#include "core/text/unicode_view.h"
#include "core/text/utf8.h"

namespace mw {

std::string SjisShowingTheRest(std::string_view utf8) {
  std::string out;
  while (!utf8.empty()) {
    const SjisFromView part = UnicodeViewToSjis(utf8);
    out += part.bytes;
    if (part.badAt == std::string::npos) break;
    out += '?';
    utf8.remove_prefix(part.badAt + DecodeUtf8(utf8, part.badAt).length);
  }
  return out;
}

void UserPrompts::ShowMessageUtf8(std::string_view text, MessageKind kind) {
  ShowMessage(SjisShowingTheRest(text), kind);
}

Reply UserPrompts::AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon) {
  return Ask(SjisShowingTheRest(text), buttons);
}

}  // namespace mw
