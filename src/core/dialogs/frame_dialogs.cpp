// Frame and frameset dialogs. A frameset's grid lays its frames out as they
// will appear; its fixed row and column hold the column widths and row
// heights in percent.
#include <algorithm>

#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr std::string_view kFrameBorderItems = "yes\nno";
constexpr std::string_view kGrid = "sgFrame";

// --- TFrameDlg -------------------------------------------------------------------

constexpr Binding kFrameRows[] = {
    Combo("cbURL", "SRC", "&URL", {}, ListSource::Urls).Required().Ref(Msg::HtmlFileFilter),
    Text("edName", "NAME", "フレーム名(&F)"),
    Number("edMarginWidth", "MARGINWIDTH", "左右余白(&W)", 0).Lowest(0),
    Number("edMarginHeight", "MARGINHEIGHT", "上下余白(&H)", 0).Lowest(0),
    Radio("rgScrolling", "SCROLLING", "スクロール(&S)", "auto\nyes\nno"),
    Radio("rgFrameBorder", "FRAMEBORDER", "境界線(&B)", kFrameBorderItems),
    Colour("cbColor", "BORDERCOLOR", "境界色(&C)"),
    Keyword("ckNoResize", "NORESIZE", "サイズ変更不可(&X)"),
    // The style field is offered and preset from the tag, so it is written
    // too rather than silently dropped.
    Combo("cbStyle", "STYLE", "スタイル(&Y)", {}, ListSource::Styles),
};

TagBuild BuildFrame(const DialogFields& f, const EditingOptions& o) {
  if (RequiredMissing(f, kFrameRows)) return {};
  TagWriter w(o);
  w.Open(f.Get(kFieldName, "FRAME")).Attributes(f, kFrameRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kFrameReEdits[] = {{"FRAME", "FRAME"}};

// --- TFrameSetDlg ----------------------------------------------------------------

constexpr Binding kFrameSetRows[] = {
    Combo("cbStyle", "STYLE", "スタイル(&Y)", {}, ListSource::Styles),
    Radio("rgFrameBorder", "FRAMEBORDER", "境界線(&L)", kFrameBorderItems),
    Number("edBorder", "BORDER", "境界幅(&BORDER)", 0).Lowest(0),
    Number("edFrameSpacing", "FRAMESPACING", "境界幅(FRAME&SPACING)", 0).Lowest(0),
    Colour("cbColor", "BORDERCOLOR", "境界色(&C)"),
    FrameGrid(kGrid, "edRowCount", "edColCount"),
    Count("edRowCount", "行数(&R)"),
    Count("edColCount", "列数(&C)"),
    Keyword("ckNoFrames", {}, "NOFRAMSタグも挿入(&X)"),
    Handler("cbOnLoad", "onLoad"),
    Handler("cbOnUnload", "onUnload"),
};

// One frame filling the page.
void CreateFrameSet(DialogFields& f) {
  f.Set(CellName(kGrid, 0, 1), "100%");
  f.Set(CellName(kGrid, 1, 0), "100%");
}

// The rows (columns) that carry a size: what the grid holds while its count
// field reads no number.
int SizedCount(const DialogFields& f, bool columns) {
  int n = 0;
  while (n < 100 && !f.Get(columns ? CellName(kGrid, 0, n + 1) : CellName(kGrid, n + 1, 0)).empty()) ++n;
  return n > 0 ? n : 1;
}

TagBuild BuildFrameSet(const DialogFields& f, const EditingOptions& o) {
  const int rows = GridCount(f, "edRowCount", SizedCount(f, false));
  const int cols = GridCount(f, "edColCount", SizedCount(f, true));
  auto joined = [&](bool columns) {
    std::string s;
    const int n = columns ? cols : rows;
    for (int i = 1; i <= n; ++i) {
      if (i > 1) s += ',';
      s += f.Get(columns ? CellName(kGrid, 0, i) : CellName(kGrid, i, 0));
    }
    return s;
  };
  TagWriter w(o);
  w.Open("FRAMESET").Attributes(f, kFrameSetRows, TagWriter::Part::BeforeHandlers);
  if (cols > 1) w.Syntax(" COLS=\"").Raw(joined(true)).Raw("\"");
  if (rows > 1) w.Syntax(" ROWS=\"").Raw(joined(false)).Raw("\"");
  w.Attributes(f, kFrameSetRows, TagWriter::Part::Handlers).Raw(">\r\n");
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      const std::string frame = f.Get(CellName(kGrid, r, c));
      if (!frame.empty()) w.Raw(frame).Raw("\r\n");
    }
  }
  if (f.Checked("ckNoFrames")) w.Syntax("<NOFRAMES>\r\n</NOFRAMES>\r\n");
  w.Syntax("</FRAMESET>");
  TagBuild b;
  b.start = b.preview = w.Text();
  b.innerOffset = static_cast<Offset>(b.preview.size());
  return b;
}

void WriteSizes(DialogFields& f, const std::vector<int>& pixels, bool columns) {
  const auto pct = SizePercentages(pixels);
  for (std::size_t i = 0; i < pct.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    f.Set(columns ? CellName(kGrid, 0, k) : CellName(kGrid, k, 0), std::to_string(pct[i]) + "%");
  }
}

}  // namespace

std::vector<int> SizePercentages(const std::vector<int>& pixels) {
  std::vector<int> out;
  if (pixels.empty()) return out;
  long long total = 0;
  for (const int p : pixels) total += std::max(p, 0);
  int sum = 0;
  for (std::size_t i = 0; i + 1 < pixels.size(); ++i) {
    const int share = total > 0 ? static_cast<int>(std::max(pixels[i], 0) * 100LL / total) : 0;
    out.push_back(share);
    sum += share;
  }
  out.push_back(100 - sum);
  return out;
}

void SetFrameRowHeights(DialogFields& f, const std::vector<int>& pixels) { WriteSizes(f, pixels, false); }
void SetFrameColumnWidths(DialogFields& f, const std::vector<int>& pixels) { WriteSizes(f, pixels, true); }

void SetFrameRowCount(DialogFields& f, int rows) {
  rows = std::clamp(rows, 1, 100);
  f.Set("edRowCount", std::to_string(rows));
  SetFrameRowHeights(f, std::vector<int>(static_cast<std::size_t>(rows), 1));
}

void SetFrameColumnCount(DialogFields& f, int cols) {
  cols = std::clamp(cols, 1, 100);
  f.Set("edColCount", std::to_string(cols));
  SetFrameColumnWidths(f, std::vector<int>(static_cast<std::size_t>(cols), 1));
}

const TagDialogModel kFrameDlg{"TFrameDlg", {Msg::FrameDlgCaption}, InsertWay::ByCommand, kFrameRows, BuildFrame,
                               nullptr, nullptr, kFrameReEdits};
const TagDialogModel kFrameSetDlg{"TFrameSetDlg", {Msg::FrameSetDlgCaption}, InsertWay::ByCommand, kFrameSetRows,
                                  BuildFrameSet, CreateFrameSet};

}  // namespace mw
