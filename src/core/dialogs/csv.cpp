#include "core/dialogs/csv.h"

#include "core/text/encoding.h"

namespace mw {

namespace {

bool IsLowByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u <= 0x20;  // a NUL as well, so that no byte stops the scan
}

bool NeedsQuotes(std::string_view field) {
  for (const char c : field)
    if (static_cast<unsigned char>(c) <= 0x20 || c == '"' || c == ',') return true;
  return false;
}

// The length of the character at i, by the one rule of the document's
// bytes: a lead byte before a quote, comma or line break is a character of
// its own, so a stray byte at a field's end never takes its delimiter.
std::size_t CharLength(std::string_view s, std::size_t i) {
  return static_cast<std::size_t>(mw::CharLength(s, static_cast<Offset>(i)));
}

// The quoted field opening at s[i] (a double quote), to the next quote
// that is not doubled; a doubled quote inside stands for one. i ends past
// the closing quote, or at the end when none closes it (false). lines
// counts the line breaks inside, as a file's records may hold them.
bool ReadQuoted(std::string_view s, std::size_t& i, std::string& field, int& lines) {
  ++i;
  while (i < s.size()) {
    if (s[i] == '"') {
      if (i + 1 < s.size() && s[i + 1] == '"') {
        field += '"';
        i += 2;
        continue;
      }
      ++i;
      return true;
    }
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n'))) ++lines;
    const std::size_t n = CharLength(s, i);
    field.append(s.substr(i, n));
    i += n;
  }
  return false;
}

}  // namespace

CsvTable ReadCsv(std::string_view s) {
  CsvTable t;
  std::size_t i = 0;
  int line = 1;
  while (i < s.size()) {
    CsvRow row;
    std::string field;
    bool endOfRecord = false;
    while (!endOfRecord) {
      if (i < s.size() && s[i] == '"') {
        const int opened = line;
        if (!ReadQuoted(s, i, field, line)) {
          t.rows.clear();
          t.error = CsvError::UnclosedQuote;
          t.errorLine = opened;
          return t;
        }
      }
      // Unquoted text, or what follows a closing quote, up to a comma or
      // the end of the record.
      while (i < s.size() && s[i] != ',' && s[i] != '\r' && s[i] != '\n') {
        const std::size_t n = CharLength(s, i);
        field.append(s.substr(i, n));
        i += n;
      }
      row.push_back(std::move(field));
      field.clear();
      if (i < s.size() && s[i] == ',') {
        ++i;
        continue;
      }
      endOfRecord = true;
      if (i < s.size()) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        ++i;
        ++line;
      }
    }
    t.rows.push_back(std::move(row));
  }
  return t;
}

std::string WriteCsvLine(const CsvRow& fields) {
  if (fields.size() == 1 && fields[0].empty()) return "\"\"";
  std::string out;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) out += ',';
    const std::string& f = fields[k];
    if (!NeedsQuotes(f)) {
      out += f;
      continue;
    }
    out += '"';
    for (const char c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

std::string WriteCsv(const std::vector<CsvRow>& rows) {
  std::string out;
  for (const CsvRow& r : rows) {
    out += WriteCsvLine(r);
    out += "\r\n";
  }
  return out;
}

CsvRow SplitGridLine(std::string_view s) {
  CsvRow row;
  std::size_t i = 0;
  auto skipLow = [&] {
    while (i < s.size() && IsLowByte(s[i])) ++i;
  };
  skipLow();
  while (i < s.size()) {
    std::string field;
    if (s[i] == '"') {
      // A quote left open runs to the line's end: a selection has no errors.
      int lines = 0;
      ReadQuoted(s, i, field, lines);
    } else {
      while (i < s.size() && static_cast<unsigned char>(s[i]) > 0x20 && s[i] != ',') {
        const std::size_t n = CharLength(s, i);
        field.append(s.substr(i, n));
        i += n;
      }
    }
    row.push_back(std::move(field));
    skipLow();
    if (i < s.size() && s[i] == ',') {
      ++i;
      skipLow();
    }
  }
  return row;
}

std::vector<std::string_view> SplitSelectionLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find_first_of("\r\n", from);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(from, end - from));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    from = end + 1;
  }
  return lines;
}

}  // namespace mw
