#include "core/dialogs/table_grid.h"

#include <algorithm>

#include "core/text/messages.h"

namespace mw {

namespace {

std::string MergedLabel(int top, int left) {
  return FormatMessage(MessageSjis(Msg::TableMergedLabel), {std::to_string(top), std::to_string(left)});
}

const TCellData& DefaultFormat() {
  static const TCellData d;
  return d;
}

}  // namespace

TableGrid::TableGrid()
    : m_text(static_cast<std::size_t>((kMaxCount + 1) * (kMaxCount + 1))),
      m_formats(static_cast<std::size_t>(kFormatCols * kFormatRows)) {}

void TableGrid::Resize(int cols, int rows) {
  m_cols = std::clamp(cols, 1, kMaxCount);
  m_rows = std::clamp(rows, 1, kMaxCount);
}

const std::string& TableGrid::OwnText(int col, int row) const {
  if (InFormatArea(col, row) && Fmt(col, row).covered) return Fmt(col, row).savedText;
  return Text(col, row);
}

bool TableGrid::SetText(int col, int row, std::string text) {
  if (col < 1 || row < 1 || col > kMaxCount || row > kMaxCount) return false;
  if (InFormatArea(col, row) && Fmt(col, row).covered) return false;
  m_text[Index(col, row)] = std::move(text);
  return true;
}

const TCellData& TableGrid::Format(int col, int row) const {
  return InFormatArea(col, row) ? Fmt(col, row) : DefaultFormat();
}

bool TableGrid::CanMerge(const CellRect& r) const {
  if (r.left < 1 || r.top < 1 || r.right >= kFormatCols || r.bottom >= kFormatRows) return false;
  if (r.right > m_cols || r.bottom > m_rows || r.left > r.right || r.top > r.bottom) return false;
  if (r.Width() * r.Height() < 2) return false;
  for (int row = r.top; row <= r.bottom; ++row)
    for (int col = r.left; col <= r.right; ++col)
      if (Fmt(col, row).covered || Fmt(col, row).HasSpan()) return false;
  return true;
}

bool TableGrid::Merge(const CellRect& r) {
  if (!CanMerge(r)) return false;
  TCellData& owner = Fmt(r.left, r.top);
  owner.extraRows = r.bottom - r.top;
  owner.extraCols = r.right - r.left;
  owner.covered = false;
  const std::string label = MergedLabel(r.top, r.left);
  for (int row = r.top; row <= r.bottom; ++row)
    for (int col = r.left; col <= r.right; ++col) {
      if (col == r.left && row == r.top) continue;
      TCellData& d = Fmt(col, row);
      d.savedText = std::move(m_text[Index(col, row)]);
      d.covered = true;
      m_text[Index(col, row)] = label;
    }
  return true;
}

void TableGrid::OwnerOf(int& col, int& row) const {
  if (!Fmt(col, row).covered) return;
  for (int r = row; r >= 1; --r)
    for (int c = col; c >= 1; --c) {
      const TCellData& d = Fmt(c, r);
      if (!d.covered && d.HasSpan() && c + d.extraCols >= col && r + d.extraRows >= row) {
        col = c;
        row = r;
        return;
      }
    }
}

void TableGrid::Dissolve(int col, int row) {
  if (!InFormatArea(col, row)) return;
  OwnerOf(col, row);
  TCellData& owner = Fmt(col, row);
  const int right = std::min(col + owner.extraCols, kFormatCols - 1);
  const int bottom = std::min(row + owner.extraRows, kFormatRows - 1);
  owner.extraRows = owner.extraCols = 0;
  for (int r = row; r <= bottom; ++r)
    for (int c = col; c <= right; ++c) {
      TCellData& d = Fmt(c, r);
      if (!d.covered) continue;
      d.covered = false;
      m_text[Index(c, r)] = std::move(d.savedText);
      d.savedText.clear();
    }
  // A covered cell whose span was lost (none found) is uncovered alone.
  TCellData& self = Fmt(col, row);
  if (self.covered) {
    self.covered = false;
    m_text[Index(col, row)] = std::move(self.savedText);
    self.savedText.clear();
  }
}

void TableGrid::Unmerge(const CellRect& r) {
  for (int row = std::max(r.top, 1); row <= std::min(r.bottom, kFormatRows - 1); ++row)
    for (int col = std::max(r.left, 1); col <= std::min(r.right, kFormatCols - 1); ++col)
      if (Fmt(col, row).covered || Fmt(col, row).HasSpan()) Dissolve(col, row);
}

namespace {

// The cell's own format from a panel or another cell; its merge and its
// text stay.
template <class Format>
void SetCellFormat(TCellData& d, const Format& s) {
  d.align = s.align;
  d.valign = s.valign;
  d.width = s.width;
  d.height = s.height;
  d.widthPercent = s.widthPercent;
  d.heightPercent = s.heightPercent;
  d.nowrap = s.nowrap;
  d.bgColor = s.bgColor;
}

}  // namespace

void TableGrid::ApplyPanel(const CellRect& r, const CellPanel& p) {
  for (int row = std::max(r.top, 1); row <= std::min(r.bottom, kFormatRows - 1); ++row)
    for (int col = std::max(r.left, 1); col <= std::min(r.right, kFormatCols - 1); ++col) {
      SetCellFormat(Fmt(col, row), p);
    }
}

void TableGrid::ClearData(const CellRect& r) {
  for (int row = std::max(r.top, 1); row <= std::min(r.bottom, kMaxCount); ++row)
    for (int col = std::max(r.left, 1); col <= std::min(r.right, kMaxCount); ++col) {
      // A covered cell keeps showing where it is merged; its own text goes.
      if (InFormatArea(col, row) && Fmt(col, row).covered) Fmt(col, row).savedText.clear();
      else m_text[Index(col, row)].clear();
    }
}

void TableGrid::ClearFormat(const CellRect& r) {
  Unmerge(r);
  for (int row = std::max(r.top, 1); row <= std::min(r.bottom, kFormatRows - 1); ++row)
    for (int col = std::max(r.left, 1); col <= std::min(r.right, kFormatCols - 1); ++col)
      Fmt(col, row) = TCellData::Cleared();
}

void TableGrid::ResetFormats() {
  // Texts under merges come back before the records go.
  Unmerge({1, 1, kFormatCols - 1, kFormatRows - 1});
  std::fill(m_formats.begin(), m_formats.end(), TCellData::Cleared());
}

void TableGrid::ClearAll() {
  std::fill(m_formats.begin(), m_formats.end(), TCellData::Cleared());
  for (std::string& t : m_text) t.clear();
}

void TableGrid::ClearCell(int col, int row) {
  m_text[Index(col, row)].clear();
  if (InFormatArea(col, row)) Fmt(col, row) = TCellData::Cleared();
}

void TableGrid::MoveCell(int fromCol, int fromRow, int toCol, int toRow) {
  m_text[Index(toCol, toRow)] = std::move(m_text[Index(fromCol, fromRow)]);
  m_text[Index(fromCol, fromRow)].clear();
  // A format goes only where formats are kept; a cell coming from outside
  // brings none, so the old one there must not stay.
  const bool fromKept = InFormatArea(fromCol, fromRow), toKept = InFormatArea(toCol, toRow);
  if (toKept) Fmt(toCol, toRow) = fromKept ? std::move(Fmt(fromCol, fromRow)) : TCellData::Cleared();
  if (fromKept) Fmt(fromCol, fromRow) = TCellData::Cleared();
}

// Cells move within the selected columns (or rows); a merge reaching into
// what moves is taken apart first, its texts back in their cells, since a
// part of it moving would tear it.
void TableGrid::DeleteToRow(const CellRect& r) {
  Unmerge({r.left, r.top, r.right, kFormatRows - 1});
  const int h = r.Height();
  for (int col = r.left; col <= r.right; ++col) {
    for (int row = r.top; row + h <= m_rows; ++row) MoveCell(col, row + h, col, row);
    for (int row = std::max(m_rows - h + 1, r.top); row <= m_rows; ++row) ClearCell(col, row);
  }
}

void TableGrid::DeleteToCol(const CellRect& r) {
  Unmerge({r.left, r.top, kFormatCols - 1, r.bottom});
  const int w = r.Width();
  for (int row = r.top; row <= r.bottom; ++row) {
    for (int col = r.left; col + w <= m_cols; ++col) MoveCell(col + w, row, col, row);
    for (int col = std::max(m_cols - w + 1, r.left); col <= m_cols; ++col) ClearCell(col, row);
  }
}

bool TableGrid::InsertToRow(const CellRect& r) {
  const int h = r.Height();
  if (m_rows + h > kMaxCount) return false;
  Unmerge({r.left, r.top, r.right, kFormatRows - 1});
  m_rows += h;
  for (int col = r.left; col <= r.right; ++col) {
    for (int row = m_rows; row - h >= r.top; --row) MoveCell(col, row - h, col, row);
    for (int row = r.top; row <= r.bottom; ++row) ClearCell(col, row);
  }
  return true;
}

bool TableGrid::InsertToCol(const CellRect& r) {
  const int w = r.Width();
  if (m_cols + w > kMaxCount) return false;
  Unmerge({r.left, r.top, kFormatCols - 1, r.bottom});
  m_cols += w;
  for (int row = r.top; row <= r.bottom; ++row) {
    for (int col = m_cols; col - w >= r.left; --col) MoveCell(col - w, row, col, row);
    for (int col = r.left; col <= r.right; ++col) ClearCell(col, row);
  }
  return true;
}

bool TableGrid::MoveRow(int from, int to) {
  if (from < 1 || to < 1 || from > m_rows || to > m_rows) return false;
  if (from == to) return true;
  const int first = std::min(from, to), last = std::max(from, to);
  Unmerge({1, first, kFormatCols - 1, last});
  // The moved row is lifted out, the rows between close up, and it goes in
  // at its new place; formats only where both places have them.
  for (int col = 1; col <= kMaxCount; ++col) {
    std::string text = std::move(m_text[Index(col, from)]);
    TCellData format = TableGrid::Format(col, from);
    const int step = to > from ? 1 : -1;
    for (int row = from; row != to; row += step) MoveCell(col, row + step, col, row);
    m_text[Index(col, to)] = std::move(text);
    if (InFormatArea(col, to)) Fmt(col, to) = InFormatArea(col, from) ? std::move(format) : TCellData::Cleared();
  }
  return true;
}

bool TableGrid::MoveCol(int from, int to) {
  if (from < 1 || to < 1 || from > m_cols || to > m_cols) return false;
  if (from == to) return true;
  const int first = std::min(from, to), last = std::max(from, to);
  Unmerge({first, 1, last, kFormatRows - 1});
  for (int row = 1; row <= kMaxCount; ++row) {
    std::string text = std::move(m_text[Index(from, row)]);
    TCellData format = TableGrid::Format(from, row);
    const int step = to > from ? 1 : -1;
    for (int col = from; col != to; col += step) MoveCell(col + step, row, col, row);
    m_text[Index(to, row)] = std::move(text);
    if (InFormatArea(to, row)) Fmt(to, row) = InFormatArea(from, row) ? std::move(format) : TCellData::Cleared();
  }
  return true;
}

CellBlock TableGrid::Copy(const CellRect& r) const {
  CellBlock b;
  b.width = r.Width();
  b.height = r.Height();
  for (int row = r.top; row <= r.bottom; ++row)
    for (int col = r.left; col <= r.right; ++col) {
      b.texts.push_back(OwnText(col, row));
      TCellData d = InFormatArea(col, row) ? Fmt(col, row) : TCellData{};
      d.savedText.clear();
      b.formats.push_back(std::move(d));
    }
  return b;
}

void TableGrid::Paste(int col, int row, const CellBlock& b, bool data, bool formats) {
  if (b.empty()) return;
  if (data) {
    m_cols = std::clamp(std::max(m_cols, col + b.width - 1), 1, kMaxCount);
    m_rows = std::clamp(std::max(m_rows, row + b.height - 1), 1, kMaxCount);
  }
  for (int y = 0; y < b.height; ++y)
    for (int x = 0; x < b.width; ++x) {
      const int c = col + x, r = row + y;
      if (c > kMaxCount || r > kMaxCount) continue;
      const std::size_t k = static_cast<std::size_t>(y * b.width + x);
      if (data) {
        // Under a merge the text becomes the cell's own, shown when the
        // merge is taken apart.
        if (InFormatArea(c, r) && Fmt(c, r).covered) Fmt(c, r).savedText = b.texts[k];
        else m_text[Index(c, r)] = b.texts[k];
      }
      if (formats && InFormatArea(c, r)) {
        SetCellFormat(Fmt(c, r), b.formats[k]);
      }
    }
}

bool TableGrid::Import(const std::vector<CsvRow>& rows) {
  std::size_t cols = 1;
  for (const CsvRow& r : rows) cols = std::max(cols, r.size());
  if (rows.size() > static_cast<std::size_t>(kMaxCount) || cols > static_cast<std::size_t>(kMaxCount)) return false;
  ClearAll();
  m_rows = std::max(1, static_cast<int>(rows.size()));
  m_cols = static_cast<int>(cols);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      m_text[Index(static_cast<int>(c) + 1, static_cast<int>(r) + 1)] = rows[r][c];
  return true;
}

std::vector<CsvRow> TableGrid::Export() const {
  std::vector<CsvRow> rows;
  for (int row = 1; row <= m_rows; ++row) {
    CsvRow r;
    for (int col = 1; col <= m_cols; ++col) r.push_back(OwnText(col, row));
    rows.push_back(std::move(r));
  }
  return rows;
}

}  // namespace mw
