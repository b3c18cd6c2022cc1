// Frame and frameset dialogs. A frameset's grid lays its frames out as they
// will appear; its fixed row and column hold the column widths and row
// heights in percent.
#include <algorithm>

#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr std::string_view kScrollingItems = "auto\nyes\nno";
constexpr std::string_view kFrameBorderItems = "yes\nno";
constexpr std::string_view kFrameSetHandlers[] = {"onLoad", "onUnload"};
constexpr std::string_view kGrid = "sgFrame";

// --- TFrameDlg -------------------------------------------------------------------

constexpr ControlSpec kFrameControls[] = {
    {"cbURL", "&URL", {}, ListSource::Urls},
    {"edName", "\x83\x74\x83\x8C\x81\x5B\x83\x80\x96\xBC(&F)" /* フレーム名(&F) */},
    {"edMarginWidth", "\x8D\xB6\x89\x45\x97\x5D\x94\x92(&W)" /* 左右余白(&W) */},
    {"edMarginHeight", "\x8F\xE3\x89\xBA\x97\x5D\x94\x92(&H)" /* 上下余白(&H) */},
    {"rgScrolling", "\x83\x58\x83\x4E\x83\x8D\x81\x5B\x83\x8B(&S)" /* スクロール(&S) */, kScrollingItems},
    {"rgFrameBorder", "\x8B\xAB\x8A\x45\x90\xFC(&B)" /* 境界線(&B) */, kFrameBorderItems},
    {"cbColor", "\x8B\xAB\x8A\x45\x90\x46(&C)" /* 境界色(&C) */, {}, ListSource::Colours},
    {"ckNoResize", "\x83\x54\x83\x43\x83\x59\x95\xCF\x8D\x58\x95\x73\x89\xC2(&X)" /* サイズ変更不可(&X) */},
    {"cbStyle", "\x83\x58\x83\x5E\x83\x43\x83\x8B(&Y)" /* スタイル(&Y) */, {}, ListSource::Styles},
};

void CreateFrame(DialogFields& f) {
  f.Set("cbURL", "");
  f.Set("edName", "");
  f.Set("edMarginWidth", "0");
  f.Set("edMarginHeight", "0");
  f.SetIndex("rgScrolling", 0);
  f.SetIndex("rgFrameBorder", 0);
  f.Set("cbColor", "");
  f.SetChecked("ckNoResize", false);
  f.Set("cbStyle", "");
}

void ShowFrame(DialogFields& f, bool) { BlankUnset(f, {"edMarginWidth", "edMarginHeight"}, true); }

TagBuild BuildFrame(const DialogFields& f, const EditingOptions& o) {
  TagBuild b;
  const std::string url = f.Get("cbURL");
  if (url.empty()) return b;
  const std::string element = f.Get(kFieldName, "FRAME");
  TagWriter w(o);
  w.Open(element)
      .Syntax(" SRC=\"")
      .Raw(url)
      .Raw("\"")
      .Attr("NAME", f.Get("edName"))
      .Attr("MARGINWIDTH", NumberText(f, "edMarginWidth"))
      .Attr("MARGINHEIGHT", NumberText(f, "edMarginHeight"))
      .Radio("SCROLLING", kScrollingItems, f.Index("rgScrolling", 0))
      .Radio("FRAMEBORDER", kFrameBorderItems, f.Index("rgFrameBorder", 0))
      .Attr("BORDERCOLOR", f.Get("cbColor"))
      .Keyword(" NORESIZE", f.Checked("ckNoResize"))
      // The style field is offered and preset from the tag, so it is
      // written too rather than silently dropped.
      .Attr("STYLE", f.Get("cbStyle"))
      .PassThrough(f)
      .Raw(">");
  b.start = b.preview = w.Text();
  b.innerOffset = static_cast<Offset>(b.preview.size());
  return b;
}

// --- TFrameSetDlg ----------------------------------------------------------------

constexpr ControlSpec kFrameSetControls[] = {
    {"cbStyle", "\x83\x58\x83\x5E\x83\x43\x83\x8B(&Y)" /* スタイル(&Y) */, {}, ListSource::Styles},
    {"rgFrameBorder", "\x8B\xAB\x8A\x45\x90\xFC(&L)" /* 境界線(&L) */, kFrameBorderItems},
    {"edBorder", "\x8B\xAB\x8A\x45\x95\x9D(&BORDER)" /* 境界幅(&BORDER) */},
    {"edFrameSpacing", "\x8B\xAB\x8A\x45\x95\x9D(FRAME&SPACING)" /* 境界幅(FRAME&SPACING) */},
    {"cbColor", "\x8B\xAB\x8A\x45\x90\x46(&C)" /* 境界色(&C) */, {}, ListSource::Colours},
    {"sgFrame", {}},
    {"edRowCount", "\x8D\x73\x90\x94(&R)" /* 行数(&R) */},
    {"edColCount", "\x97\xF1\x90\x94(&C)" /* 列数(&C) */},
    {"ckNoFrames", "NOFRAMS\x83\x5E\x83\x4F\x82\xE0\x91\x7D\x93\xFC(&X)" /* NOFRAMSタグも挿入(&X) */},
    {"cbOnLoad", "onLoad"},
    {"cbOnUnload", "onUnload"},
};

void CreateFrameSet(DialogFields& f) {
  f.Set("cbStyle", "");
  f.SetIndex("rgFrameBorder", 0);
  f.Set("edBorder", "0");
  f.Set("edFrameSpacing", "0");
  f.Set("cbColor", "");
  f.SetChecked("ckNoFrames", false);
  f.Set("cbOnLoad", "");
  f.Set("cbOnUnload", "");
  f.Set("edRowCount", "1");
  f.Set("edColCount", "1");
  f.Set(CellName(kGrid, 0, 1), "100%");
  f.Set(CellName(kGrid, 1, 0), "100%");
}

void ShowFrameSet(DialogFields& f, bool) { BlankUnset(f, {"edBorder", "edFrameSpacing"}, true); }

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
  w.Open("FRAMESET")
      .Attr("STYLE", f.Get("cbStyle"))
      .Radio("FRAMEBORDER", kFrameBorderItems, f.Index("rgFrameBorder", 0))
      .Attr("BORDER", NumberText(f, "edBorder"))
      .Attr("FRAMESPACING", NumberText(f, "edFrameSpacing"))
      .Attr("BORDERCOLOR", f.Get("cbColor"));
  if (cols > 1) w.Syntax(" COLS=\"").Raw(joined(true)).Raw("\"");
  if (rows > 1) w.Syntax(" ROWS=\"").Raw(joined(false)).Raw("\"");
  w.Handlers(f, kFrameSetHandlers).Raw(">\r\n");
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

const TagDialogModel kFrameDlg{"TFrameDlg", "\x83\x74\x83\x8C\x81\x5B\x83\x80\x82\xCC\x90\xDD\x92\xE8 <FRAME>" /* フレームの設定 <FRAME> */, InsertWay::ByCommand,
                               kFrameControls, CreateFrame, ShowFrame, BuildFrame};
const TagDialogModel kFrameSetDlg{"TFrameSetDlg", "\x83\x74\x83\x8C\x81\x5B\x83\x80\x92\xE8\x8B\x60<FRAMESET></FRAMESET>" /* フレーム定義<FRAMESET></FRAMESET> */,
                                  InsertWay::ByCommand, kFrameSetControls, CreateFrameSet, ShowFrameSet,
                                  BuildFrameSet};

}  // namespace mw
