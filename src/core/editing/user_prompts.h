// Messages, questions and the one-line input dialog, as the editing
// commands ask for them. The main window answers with real message boxes
// and the input dialog; tests and the command-line tool answer from a
// script (scripted_prompts.h). Texts are passed exactly as shown to the
// user (Shift-JIS).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

enum class MessageKind { Information, Warning, Error };

enum class QuestionButtons { YesNo, YesNoCancel };
enum class Reply { Yes, No, Cancel };
// The icon of a question box.
enum class QuestionIcon { Question, Warning };

// The one-line input dialog's modes: which remembered word list it shows.
enum class InputMode {
  Plain = 0,      // no list; commands asking for one value
  PhraseList = 1, // the prefix strings remembered for line starts
  Bookmarks = 2,  // the favourite words and URLs
};

struct StringRequest {
  InputMode mode = InputMode::Plain;
  std::string title;
  std::string label;
  std::string text;                  // initial text of the field
  std::vector<std::string> choices;  // drop-down entries (Plain mode)
};

// Shift-JIS for a box that can show no more: a character Shift-JIS cannot
// hold becomes "?", and the rest of the text still follows.
std::string SjisShowingTheRest(std::string_view utf8);

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // An empty caption means the application title ("Markupwright - " and the
  // active file name), which most boxes carry.
  virtual void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Information,
                           std::string_view caption = {}) = 0;
  virtual Reply Ask(std::string_view text, QuestionButtons buttons = QuestionButtons::YesNoCancel,
                    std::string_view caption = {}) = 0;
  // The entered text, or nullopt when the user cancelled.
  virtual std::optional<std::string> AskString(const StringRequest& request) = 0;

  // The window's own messages and questions, in UTF-8 with the application
  // title as caption: they carry file names, which may hold characters
  // Shift-JIS cannot. By default they go on in Shift-JIS, a character it
  // cannot hold shown as "?".
  virtual void ShowMessageUtf8(std::string_view text, MessageKind kind = MessageKind::Information);
  virtual Reply AskUtf8(std::string_view text, QuestionButtons buttons = QuestionButtons::YesNoCancel,
                        QuestionIcon icon = QuestionIcon::Question);
};

}  // namespace mw
