// Comma-separated values for the table designer, in the document's bytes
// (Shift-JIS: a double-byte character is stepped over whole).
//
// Files are read as spreadsheets write them (RFC 4180): fields are
// separated by commas only, blanks belong to the field, and a quoted field
// may hold commas, doubled quotes and line breaks. What WriteCsv writes
// always reads back exactly.
//
// A selection of plain lines is split more loosely (SplitGridLine): blanks
// or commas separate its fields, so "a b" and "a,b" both give two cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw {

using CsvRow = std::vector<std::string>;

enum class CsvError { None, UnclosedQuote };

struct CsvTable {
  std::vector<CsvRow> rows;
  CsvError error = CsvError::None;
  int errorLine = 0;  // from 1: the line where the unclosed quote opens
  bool ok() const { return error == CsvError::None; }
};

// Records end at CR LF, LF or CR outside quotes; a last line end adds no
// record, an empty line is one empty field. Text after a closing quote is
// kept as part of the field.
CsvTable ReadCsv(std::string_view bytes);

// One record: fields joined with ","; a field holding a byte of 0x20 or
// below, a double quote or a comma is quoted with its quotes doubled; a
// record of one empty field is written as "" so that it is not lost.
std::string WriteCsvLine(const CsvRow& fields);
// Every record followed by CR LF.
std::string WriteCsv(const std::vector<CsvRow>& rows);

// The fields of one selected line: leading blanks and control bytes are
// skipped; a field in double quotes runs to the next quote that is not
// doubled (or the line's end), any other to the next blank, control byte
// or comma. Two commas in a row give an empty field, a trailing comma none.
CsvRow SplitGridLine(std::string_view line);

// The lines of a selection (CR LF, CR or LF); a final line end adds none.
std::vector<std::string_view> SplitSelectionLines(std::string_view text);

}  // namespace mw
