// The table designer's grid: cell texts, and the cell formats of the
// format area (data columns 1-31, rows 1-63) with their merges.
// Positions count as the grid does: column and row 1 are the first data
// cell, 0 the fixed header column and row.
//
// A merged block is one spanning cell at its top-left; the other cells of
// the block are covered: they keep their own text (saved text) and show
// where they are merged. Every operation keeps merges whole, so no covered
// cell ever lies outside a span and no text is lost under one.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/dialogs/csv.h"

namespace mw {

// Index 0 of align and valign is "not set".
inline constexpr std::string_view kCellAlignItems[] = {"", "left", "center", "right"};
inline constexpr std::string_view kCellVAlignItems[] = {"", "top", "middle", "bottom"};

struct TCellData {
  int align = 0;
  int valign = 0;
  int extraRows = 0;  // ROWSPAN - 1
  int extraCols = 0;  // COLSPAN - 1
  int width = -1;     // 0 or less: not set
  int height = -1;
  bool widthPercent = false;
  bool heightPercent = false;
  bool nowrap = false;
  bool covered = false;
  std::string bgColor;
  std::string savedText;

  // A format record as a reset of all formats leaves it.
  static TCellData Cleared() {
    TCellData d;
    d.width = d.height = 0;
    return d;
  }
  // Any format the build writes, besides spans.
  bool HasFormat() const {
    return align > 0 || valign > 0 || !bgColor.empty() || nowrap || width > 0 || height > 0;
  }
  bool HasSpan() const { return extraRows > 0 || extraCols > 0; }
  friend bool operator==(const TCellData&, const TCellData&) = default;
};

// A block of cells, inclusive.
struct CellRect {
  int left = 1, top = 1, right = 1, bottom = 1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// What the cell panel applies to the selected cells.
struct CellPanel {
  int align = 0, valign = 0, width = -1, height = -1;
  bool widthPercent = false, heightPercent = false, nowrap = false;
  std::string bgColor;
};

// The copy buffer: each cell's text and format record.
struct CellBlock {
  int width = 0, height = 0;
  std::vector<std::string> texts;  // row by row
  std::vector<TCellData> formats;
  bool empty() const { return width == 0; }
};

class TableGrid {
 public:
  static constexpr int kMaxCount = 100;
  static constexpr int kFormatCols = 32;  // the format store, index 0 unused
  static constexpr int kFormatRows = 64;

  TableGrid();

  int Cols() const { return m_cols; }
  int Rows() const { return m_rows; }
  // 1 to 100 each. Texts of removed rows and columns are kept for a later
  // enlargement, as the format store keeps their formats.
  void Resize(int cols, int rows);

  static bool InFormatArea(int col, int row) {
    return col >= 1 && col < kFormatCols && row >= 1 && row < kFormatRows;
  }
  // The text the grid shows: for a covered cell where it is merged.
  const std::string& Text(int col, int row) const { return m_text[Index(col, row)]; }
  // The cell's own text: a covered cell's saved text.
  const std::string& OwnText(int col, int row) const;
  // Typing: a covered cell takes no text (false).
  bool SetText(int col, int row, std::string text);
  // The format record (cells outside the format area: a default one).
  const TCellData& Format(int col, int row) const;

  // Whether the block can be merged: inside the format area and the grid,
  // more than one cell, no cell covered or spanning already.
  bool CanMerge(const CellRect& r) const;
  bool Merge(const CellRect& r);
  // Takes apart every merge that a selected cell belongs to, whole: each
  // covered cell gets its own text back.
  void Unmerge(const CellRect& r);
  void ApplyPanel(const CellRect& r, const CellPanel& p);
  void ClearData(const CellRect& r);
  // Formats back to unset; merges are taken apart whole first.
  void ClearFormat(const CellRect& r);
  // Every text blank and every format reset.
  void ClearAll();
  void ResetFormats();

  // Shifting (false: the grid would grow past 100, nothing changed).
  void DeleteToRow(const CellRect& r);
  void DeleteToCol(const CellRect& r);
  bool InsertToRow(const CellRect& r);
  bool InsertToCol(const CellRect& r);

  // Dragging a row (column) from one position to another: the rows
  // between close up, texts and formats moving together. Merges over the
  // rows (columns) that move are taken apart first, as the shifts do.
  // False, nothing changed, for a position outside the grid.
  bool MoveRow(int from, int to);
  bool MoveCol(int from, int to);

  // Copy keeps each cell's own text and format; paste puts them with
  // their top-left at `at` (data first growing the grid as needed, up to
  // 100). Pasted formats carry alignment, size, colour and NOWRAP, not
  // merges: the target's merges stay as they are, whole.
  CellBlock Copy(const CellRect& r) const;
  void Paste(int col, int row, const CellBlock& b, bool data, bool formats);

  // The grid from rows of fields: texts and formats replaced, the size
  // that of the rows (at least 1 by 1). False, nothing changed, when they
  // need more than 100 rows or columns.
  bool Import(const std::vector<CsvRow>& rows);
  // Rows 1 to Rows(), columns 1 to Cols(), covered cells with their own text.
  std::vector<CsvRow> Export() const;

 private:
  static int Index(int col, int row) { return row * (kMaxCount + 1) + col; }
  TCellData& Fmt(int col, int row) { return m_formats[static_cast<std::size_t>(row * kFormatCols + col)]; }
  const TCellData& Fmt(int col, int row) const {
    return m_formats[static_cast<std::size_t>(row * kFormatCols + col)];
  }
  // The top-left of the merge that covers the cell, or the cell itself.
  void OwnerOf(int& col, int& row) const;
  void Dissolve(int col, int row);
  // Moves a whole cell (text, and format inside the format area).
  void MoveCell(int fromCol, int fromRow, int toCol, int toRow);
  void ClearCell(int col, int row);

  int m_cols = 1;
  int m_rows = 1;
  std::vector<std::string> m_text;
  std::vector<TCellData> m_formats;
};

}  // namespace mw
