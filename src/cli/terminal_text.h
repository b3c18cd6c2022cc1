// Text between the terminal (UTF-8) and documents (Shift-JIS), and the
// backslash escapes of command-line texts: \r \n \t \" \\.
#pragma once

#include <string>
#include <string_view>

namespace mw::cli {

// UTF-8 typed on the command line to Shift-JIS (code page 932). Throws
// UsageError for text that Shift-JIS cannot hold.
std::string TerminalToDocument(std::string_view utf8);

// Shift-JIS to UTF-8 for printing. Bytes that are no character are shown
// as \xHH, so nothing is lost or hidden.
std::string DocumentToTerminal(std::string_view sjis);

// A text as one field of one output line (the tab-separated rows of
// check, links, grep and replace): tab, CR and LF are written \t, \r and
// \n, everything else is shown as DocumentToTerminal shows it.
std::string OneLine(std::string_view sjis);
// The same, appended to out.
void AppendOneLine(std::string& out, std::string_view sjis);

// Resolves \r \n \t \" \\ (any other backslash stays as it is).
std::string Unescape(std::string_view text);
// The reverse on Shift-JIS text, for printing one text on one line;
// trail bytes of double-byte characters are never escaped.
std::string Escape(std::string_view text);

}  // namespace mw::cli
