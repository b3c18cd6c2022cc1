// The tag commands that need no dialog of their own: wrapping the selection
// in one element (optionally through the small common-attribute dialog),
// single tags and character references, the comment, the date and time,
// and one attribute or event handler typed in a one-line question.
#pragma once

#include <ctime>
#include <span>
#include <string>
#include <string_view>

#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

// A plain wrapping element: its handler, upper-case name and the title of
// its dialog (Shift-JIS).
struct SimpleTagEntry {
  std::string_view command;
  std::string_view name;
  std::string_view caption;
};
// A list element also puts fixed inner texts around the selection (in the
// dialog only).
struct ListTagEntry {
  std::string_view command;
  std::string_view name;
  std::string_view innerStart;
  std::string_view innerEnd;
  std::string_view caption;
};

// Every plain wrapping element, HTML TITLE HEAD BODY included.
std::span<const SimpleTagEntry> SimpleTagTable();
std::span<const ListTagEntry> ListTagTable();
// The entry for an upper-case name; nullptr when there is none.
const SimpleTagEntry* FindSimpleTag(std::string_view name);

// After automatic pre-selection, wraps the selection in startText/endText:
// directly when the author chose direct insertion, else through the
// simple-tag dialog titled caption (Cancel changes nothing).
void SimpleTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                     std::string_view caption, std::string_view endText);
// As SimpleTagInsert without pre-selection; the inner texts go inside the
// element only through the dialog.
void ListTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                   std::string_view innerEnd, std::string_view innerStart,
                   std::string_view caption, std::string_view endText);

// HTML, TITLE, HEAD, BODY: a document holds one of each (their commands
// belong to the tag dialogs, which re-edit an existing one).
bool IsDocumentTag(const SimpleTagEntry& entry);

// <BR>: the caret always ends after it.
void InsertBreak(EditingContext& ctx);
// <LI>, <DT>, <DD> (tag case applied); the caret follows the policy.
void InsertSingleTag(EditingContext& ctx, std::string_view tag);
// &lt; &gt; &quot; &amp; &nbsp;: caret after it, repeat pair untouched.
void InsertCharacterReference(EditingContext& ctx, std::string_view reference);
// <!-- selection -->, uncoloured in the special-character font.
void InsertComment(EditingContext& ctx);

// yyyy yy, mm m (minutes right after an hour), dd d, hh h, nn n, ss s, any
// letter case; everything else is copied, double-byte characters whole.
std::string FormatDateTime(std::string_view format, const std::tm& t);
void InsertDate(EditingContext& ctx);
void InsertTime(EditingContext& ctx);

// Asks for the value of attribute `caption` (onClick, STYLE...) and inserts
// caption="value" with the caret before the closing quote. STYLE offers
// styleChoices (the registered styles), LANG the language codes.
void InsertAttribute(EditingContext& ctx, std::string_view caption,
                     std::span<const std::string> styleChoices = {});
// The captions that share the attribute command.
std::span<const std::string_view> EventHandlerCaptions();
std::span<const std::string_view> CommonAttributeCaptions();

}  // namespace mw
