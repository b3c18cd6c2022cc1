#include "core/dialogs/table_dialog.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app/document_file.h"
#include "core/dialogs/colour_input.h"
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/repeat_tag.h"
#include "core/editing/tag_text.h"
#include "core/text/tag_attributes.h"

namespace mw {

namespace {

constexpr std::string_view kHAlignItems = "\nleft\ncenter\nright";
constexpr std::string_view kVAlignItems = "\ntop\nmiddle\nbottom";
constexpr std::string_view kIndentItems = "なし\nタブ\n半角二つ";
constexpr std::string_view kSection = "TABLE";
constexpr std::string_view kIndentKey = "INDENT";

constexpr Binding kTableRows[] = {
    // The page "設定", in the order the start tag is written.
    Number("edBorder", "BORDER", "枠線の幅(&B)", -1),
    Colour("cbBgColor", "BGCOLOR", "背景色(&G)"),
    Text("edBackGround", "BACKGROUND", "背景画像(&U)").Ref(Msg::ImageFileFilter),
    Colour("cbBorderColor", "BORDERCOLOR", "枠線の色(&C)"),
    Percent("edWidth", "ckWidth", "WIDTH", "テーブルの幅(&W)", -1),
    Percent("edHeight", "ckHeight", "HEIGHT", "テーブルの高さ(&H)", -1),
    Number("edVSpace", "VSPACE", "テキストとの縦間隔(&V)", -1),
    Radio("rgAlign", "ALIGN", "位置合わせ(&D)", kHAlignItems),
    Number("edHSpace", "HSPACE", "テキストとの横間隔(&Y)", -1),
    Number("edCellSpacing", "CELLSPACING", "セル間隔(&S)", -1),
    Number("edCellPadding", "CELLPADDING", "セル内容と枠線の間隔(&J)", -1),
    MW_COMMON_ROWS,
    Text("edCaption", {}, "表のタイトル(&T)"),
    Radio("rgIndent", {}, "インデント(&I)", kIndentItems, 2),
    // The page "セル": counts and the cell panel write no TABLE attribute.
    Count("edRowCount", "行数(&R)"),
    Count("edColCount", "列数(&C)"),
    Keyword("ckTH", {}, "一行目を見出し(&M)"),
    Colour("cbCellColor", {}, "背景色(&C)"),
    Percent("edCellWidth", "ckCellWidthPercent", {}, "幅(&W)", -1),
    Percent("edCellHeight", "ckCellHeightPercent", {}, "高さ(&H)", -1),
    Combo("cbAlign", {}, "水平方向(&T)", kHAlignItems),
    Combo("cbVAlign", {}, "垂直方向(&V)", kVAlignItems),
    Keyword("ckNOWRAP", {}, "NOWRAP(&Q)"),
};

constexpr std::string_view kPanelFields[] = {"cbCellColor", "edCellWidth", "ckCellWidthPercent", "edCellHeight",
                                             "ckCellHeightPercent", "cbAlign", "cbVAlign", "ckNOWRAP"};

// The start tag alone; the grid is written by BuildTable.
TagBuild BuildTableStart(const DialogFields& f, const EditingOptions& o) {
  return BuildTable(f, TableGrid(), o, {});
}

constexpr ReEditSpec kTableReEdits[] = {{"TABLE", "TABLE"}};

bool IsPanelField(std::string_view name) {
  return std::find(std::begin(kPanelFields), std::end(kPanelFields), name) != std::end(kPanelFields);
}

// A decimal number, or nothing.
std::optional<int> ReadNumber(std::string_view v) {
  if (v.empty() || v.size() > 9) return std::nullopt;
  std::size_t i = v[0] == '-' ? 1 : 0;
  if (i == v.size()) return std::nullopt;
  int n = 0;
  for (; i < v.size(); ++i) {
    if (v[i] < '0' || v[i] > '9') return std::nullopt;
    n = n * 10 + (v[i] - '0');
  }
  return v[0] == '-' ? -n : n;
}

// An item of a drop-down list by its text, or by its index.
int ItemIndex(std::span<const std::string_view> items, std::string_view v) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (EqualsNoCase(items[i], v)) return static_cast<int>(i);
  const auto n = ReadNumber(v);
  return n && *n >= 0 && *n < static_cast<int>(items.size()) ? *n : 0;
}

std::optional<CellRect> ParseRect(std::string_view v) {
  std::vector<int> n;
  std::size_t from = 0;
  while (from <= v.size()) {
    const std::size_t comma = std::min(v.find(',', from), v.size());
    const auto x = ReadNumber(v.substr(from, comma - from));
    if (!x) return std::nullopt;
    n.push_back(*x);
    from = comma + 1;
  }
  if (n.size() == 2) return CellRect{n[0], n[1], n[0], n[1]};
  if (n.size() != 4) return std::nullopt;
  return CellRect{std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]), std::max(n[1], n[3])};
}

// "sgTable[COL,ROW]": the column and row.
std::optional<std::pair<int, int>> ParseCell(std::string_view name) {
  const std::string prefix = std::string(kTableGridName) + "[";
  if (!name.starts_with(prefix) || !name.ends_with("]")) return std::nullopt;
  const auto r = ParseRect(name.substr(prefix.size(), name.size() - prefix.size() - 1));
  if (!r || r->left != r->right || r->top != r->bottom) return std::nullopt;
  return std::pair{r->left, r->top};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// CR, LF and CR LF all as CR LF.
std::string CrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

const TagDialogModel kTableDlg{"TTableDlg", {Msg::TableDlgCaption}, InsertWay::Block, kTableRows, BuildTableStart,
                               nullptr, nullptr, kTableReEdits};

std::span<const Binding> TableSettingsRows() { return std::span<const Binding>(kTableRows).first(18); }
std::span<const Binding> TableCellRows() { return std::span<const Binding>(kTableRows).subspan(18); }

// --- Build ------------------------------------------------------------------------

TagBuild BuildTable(const DialogFields& f, const TableGrid& grid, const EditingOptions& o, std::string_view indent) {
  std::string start;
  if (IsReEdit(f) && f.Has(kFieldReEditTag)) {
    start = ReEditedTag(kTableRows, f, o);
  } else {
    TagWriter w(o);
    w.Open("TABLE").Attributes(f, kTableRows).Raw(">");
    start = w.Text();
  }
  const std::string caption = f.Get("edCaption");
  if (!caption.empty()) start += ApplyTagCase("\r\n<CAPTION>", o) + caption + ApplyTagCase("</CAPTION>", o);
  TagBuild b;
  b.innerOffset = static_cast<Offset>(start.size());
  if (IsReEdit(f)) {
    b.preview = b.start = start;
    return b;
  }
  static constexpr std::string_view kUnits[] = {"", "\t", "  "};
  const int choice = f.Index("rgIndent", 2);
  const std::string unit(kUnits[choice >= 0 && choice < 3 ? choice : 0]);
  const std::string B(indent);
  const std::string rowOpen = B + ApplyTagCase(unit + "<TR>\r\n", o) + B + unit + unit;
  const std::string rowClose = "\r\n" + B + unit + ApplyTagCase("</TR>\r\n", o);
  const std::string th = ApplyTagCase("<TH", o), td = ApplyTagCase("<TD", o);
  const std::string thEnd = ApplyTagCase("</TH>", o), tdEnd = ApplyTagCase("</TD>", o);
  const std::string rowSpan = ApplyTagCase(" ROWSPAN=\"", o), colSpan = ApplyTagCase(" COLSPAN=\"", o);
  const std::string align = ApplyTagCase(" ALIGN=\"", o), valign = ApplyTagCase(" VALIGN=\"", o);
  const std::string width = ApplyTagCase(" WIDTH=\"", o), height = ApplyTagCase(" HEIGHT=\"", o);
  const std::string bg = ApplyTagCase(" BGCOLOR=\"", o), nowrap = ApplyTagCase(" NOWRAP", o);
  const bool header = f.Checked("ckTH");

  b.start = start + "\r\n";
  std::string t = b.start;
  t.reserve(t.size() + static_cast<std::size_t>(grid.Rows()) * (rowOpen.size() + rowClose.size()) +
            static_cast<std::size_t>(grid.Rows() * grid.Cols()) * 16);
  for (int r = 1; r <= grid.Rows(); ++r) {
    t += rowOpen;
    const bool isHeader = header && r == 1;
    for (int c = 1; c <= grid.Cols(); ++c) {
      const bool formatted = TableGrid::InFormatArea(c, r);
      const TCellData& d = grid.Format(c, r);
      if (formatted && d.covered) continue;
      t += isHeader ? th : td;
      if (formatted) {
        if (d.extraRows > 0) t += rowSpan + std::to_string(d.extraRows + 1) + '"';
        if (d.extraCols > 0) t += colSpan + std::to_string(d.extraCols + 1) + '"';
        if (d.align > 0 && d.align < 4) t += align + std::string(kCellAlignItems[d.align]) + '"';
        if (d.valign > 0 && d.valign < 4) t += valign + std::string(kCellVAlignItems[d.valign]) + '"';
        if (d.width > 0) t += width + std::to_string(d.width) + (d.widthPercent ? "%\"" : "\"");
        if (d.height > 0) t += height + std::to_string(d.height) + (d.heightPercent ? "%\"" : "\"");
        if (!d.bgColor.empty()) t += bg + d.bgColor + '"';
        if (d.nowrap) t += nowrap;
      }
      t += '>';
      t += grid.Text(c, r);
      t += isHeader ? thEnd : tdEnd;
    }
    t += rowClose;
  }
  b.end = B + ApplyTagCase("</TABLE>\r\n", o);
  t += b.end;
  b.preview = std::move(t);
  return b;
}

// --- Fields and grid ----------------------------------------------------------------

DialogFields CreateTableFields(std::string_view selText) { return CreateFields(kTableDlg, selText); }

bool FillGridFromSelection(TableGrid& grid, std::string_view selText) {
  const auto lines = SplitSelectionLines(selText);
  if (lines.empty()) {
    grid.Resize(1, 1);
    return true;
  }
  bool whole = lines.size() <= static_cast<std::size_t>(TableGrid::kMaxCount);
  int cols = 1;
  const int rows = std::min(static_cast<int>(lines.size()), TableGrid::kMaxCount);
  for (int r = 0; r < rows; ++r) {
    CsvRow fields = SplitGridLine(lines[static_cast<std::size_t>(r)]);
    if (fields.size() > static_cast<std::size_t>(TableGrid::kMaxCount)) whole = false;
    const int n = std::min(static_cast<int>(fields.size()), TableGrid::kMaxCount);
    cols = std::max(cols, n);
    for (int c = 0; c < n; ++c) grid.SetText(c + 1, r + 1, std::move(fields[static_cast<std::size_t>(c)]));
  }
  grid.Resize(cols, rows);
  return whole;
}

TableDialog::TableDialog(DialogFields fields, TableEnvironment env)
    : m_fields(std::move(fields)), m_env(std::move(env)) {
  m_fields.actions = this;
  if (!ReEdit()) m_selectionCut = !FillGridFromSelection(m_grid, m_fields.Get(kFieldSelText));
  SyncCounts();
  ShowCurrentFormat();
}

void TableDialog::SyncCounts() {
  m_fields.Set("edRowCount", std::to_string(m_grid.Rows()));
  m_fields.Set("edColCount", std::to_string(m_grid.Cols()));
  Select(m_selection);
}

void TableDialog::Select(const CellRect& r) {
  CellRect s = r;
  s.left = std::clamp(s.left, 1, m_grid.Cols());
  s.right = std::clamp(s.right, s.left, m_grid.Cols());
  s.top = std::clamp(s.top, 1, m_grid.Rows());
  s.bottom = std::clamp(s.bottom, s.top, m_grid.Rows());
  m_selection = s;
  ShowCurrentFormat();
}

void TableDialog::ShowCurrentFormat() {
  const TCellData& d = m_grid.Format(m_selection.left, m_selection.top);
  m_fields.Set("cbCellColor", d.bgColor);
  m_fields.Set("edCellWidth", d.width > 0 ? std::to_string(d.width) : std::string());
  m_fields.Set("edCellHeight", d.height > 0 ? std::to_string(d.height) : std::string());
  m_fields.SetChecked("ckCellWidthPercent", d.widthPercent);
  m_fields.SetChecked("ckCellHeightPercent", d.heightPercent);
  m_fields.Set("cbAlign", std::string(kCellAlignItems[std::clamp(d.align, 0, 3)]));
  m_fields.Set("cbVAlign", std::string(kCellVAlignItems[std::clamp(d.valign, 0, 3)]));
  m_fields.SetChecked("ckNOWRAP", d.nowrap);
}

void TableDialog::ApplyPanel() {
  CellPanel p;
  p.align = ItemIndex(kCellAlignItems, m_fields.Get("cbAlign"));
  p.valign = ItemIndex(kCellVAlignItems, m_fields.Get("cbVAlign"));
  p.width = ReadNumber(m_fields.Get("edCellWidth")).value_or(-1);
  p.height = ReadNumber(m_fields.Get("edCellHeight")).value_or(-1);
  p.widthPercent = m_fields.Checked("ckCellWidthPercent");
  p.heightPercent = m_fields.Checked("ckCellHeightPercent");
  p.nowrap = m_fields.Checked("ckNOWRAP");
  p.bgColor = m_fields.Get("cbCellColor");
  m_grid.ApplyPanel(m_selection, p);
}

bool TableDialog::Take(const DialogStep& step, DialogFields&) {
  switch (step.kind) {
    case DialogStep::Field: return SetField(step.control, step.value);
    case DialogStep::Press: return Press(step.control);
    case DialogStep::Row:
    case DialogStep::Gesture: break;
  }
  return false;
}

bool TableDialog::SetField(std::string_view name, std::string_view value) {
  if (const auto cell = ParseCell(name)) {
    const auto [col, row] = *cell;
    if (col < 1 || row < 1 || col > m_grid.Cols() || row > m_grid.Rows()) return false;
    m_grid.SetText(col, row, std::string(value));  // a covered cell takes no typing
    return true;
  }
  if (name == kTableSelectionField) {
    const auto r = ParseRect(value);
    if (!r) return false;
    Select(*r);
    return true;
  }
  if (name == kTableMoveRowField || name == kTableMoveColField) {
    const auto r = ParseRect(value);  // FROM,TO
    if (!r || r->left != r->right) return false;
    const bool moved =
        name == kTableMoveRowField ? m_grid.MoveRow(r->left, r->top) : m_grid.MoveCol(r->left, r->top);
    ShowCurrentFormat();
    return moved;
  }
  if (name == "edRowCount" || name == "edColCount") {
    // A count that is no number is taken as 1.
    const int n = std::clamp(ReadNumber(value).value_or(1), 1, TableGrid::kMaxCount);
    if (name == "edRowCount") m_grid.Resize(m_grid.Cols(), n);
    else m_grid.Resize(n, m_grid.Rows());
    SyncCounts();
    return true;
  }
  if (name == kFieldPreview) {
    m_fields.Set(name, std::string(value));
    return true;
  }
  const Binding* b = FindBinding(kTableRows, name);
  bool check = false;
  if (!b)
    for (const Binding& row : kTableRows)
      if (row.check == name) check = true;
  if (!b && !check) return false;
  m_fields.Set(name, std::string(value));
  if (IsPanelField(name)) ApplyPanel();
  return true;
}

bool TableDialog::Confirm(Msg question) {
  if (!m_env.prompts) return true;
  return m_env.prompts->Ask(MessageSjis(question), QuestionButtons::YesNo) == Reply::Yes;
}

void TableDialog::Message(const std::string& text) {
  if (m_env.prompts) m_env.prompts->ShowMessage(text, MessageKind::Error);
}

bool TableDialog::Press(std::string_view button) {
  const CellRect s = m_selection;
  if (button == "SetSpanBtn" || button == "MergeBtn") {
    // A disabled button: nothing happens.
    m_grid.Merge(s);
  } else if (button == "ResetSpanBtn") {
    m_grid.Unmerge(s);
  } else if (button == "OpenCSVBtn") {
    ImportCsv();
  } else if (button == "SaveCSVBtn") {
    ExportCsv();
  } else if (button == "ClearBtn") {
    if (Confirm(Msg::TableClearAllQuestion)) m_grid.ClearAll();
  } else if (button == "UpdateBtn") {
    // The preview is rebuilt from what the grid holds.
  } else if (button == "ImageRefBtn") {
    // Disabled for a page never saved: the picture's URL is relative to it.
    if (m_env.imageTag && m_fields.Get("ImageRefBtn#enabled", "1") != "0" && !m_grid.Format(s.left, s.top).covered)
      if (const auto img = m_env.imageTag()) m_grid.SetText(s.left, s.top, *img);
  } else if (button == "IEBtn" || button == "NNBtn" || button == "BrowseBtn") {
    ShowInBrowser(button);
  } else if (button == "RefBtn") {
    ChooseBackground();
  } else if (button == "ColorPaletteBtn1" || button == "ColorPaletteBtn" || button == "ColorPaletteBtn2") {
    const std::string_view field = button == "ColorPaletteBtn1" ? "cbBgColor"
                                   : button == "ColorPaletteBtn" ? "cbBorderColor"
                                                                 : "cbCellColor";
    PickColour(field);
  } else if (button == "ColorFormBtn1" || button == "ColorFormBtn" || button == "ColorFormBtn2") {
    const std::string_view field = button == "ColorFormBtn1" ? "cbBgColor"
                                   : button == "ColorFormBtn" ? "cbBorderColor"
                                                              : "cbCellColor";
    PickColourName(field);
  } else if (button == "CopyCell") {
    m_copy = m_grid.Copy(s);
  } else if (button == "PasteAll" || button == "PasteData" || button == "PasteFormat") {
    m_grid.Paste(s.left, s.top, m_copy, button != "PasteFormat", button != "PasteData");
    SyncCounts();
  } else if (button == "ClearSelected") {
    if (Confirm(Msg::TableClearSelectedQuestion)) {
      m_grid.ClearData(s);
      m_grid.ClearFormat(s);
    }
  } else if (button == "ClearData") {
    if (Confirm(Msg::TableClearDataQuestion)) m_grid.ClearData(s);
  } else if (button == "ClearFormat") {
    if (Confirm(Msg::TableClearFormatQuestion)) m_grid.ClearFormat(s);
  } else if (button == "DeleteToRow") {
    if (Confirm(Msg::TableDeleteToRowQuestion)) m_grid.DeleteToRow(s);
  } else if (button == "DeleteToCol") {
    if (Confirm(Msg::TableDeleteToColQuestion)) m_grid.DeleteToCol(s);
  } else if (button == "InsertToRow" || button == "InsertToCol") {
    const bool done = button == "InsertToRow" ? m_grid.InsertToRow(s) : m_grid.InsertToCol(s);
    if (!done) Message(MessageSjis(Msg::TableGridFull));
    SyncCounts();
  } else if (button == "SelectAll") {
    Select({1, 1, m_grid.Cols(), m_grid.Rows()});
  } else {
    return false;
  }
  ShowCurrentFormat();
  return true;
}

std::optional<std::string> TableDialog::ChooseFile(std::string_view dialogClass, Msg filter) {
  if (!m_env.files) return std::nullopt;
  DialogFields f;
  f.Set("Title", "");
  f.Set("Filter", MessageSjis(filter));
  f.Set("InitialDir", m_env.startFolder);
  f.Set("FileName", "");
  if (!m_env.files->Run(dialogClass, f)) return std::nullopt;
  std::string path = f.Get("FileName");
  if (path.empty()) return std::nullopt;
  return path;
}

// The palette answers "#RRGGBB"; the program wrote it, so it takes the
// tag case.
void TableDialog::PickColour(std::string_view field) {
  if (!m_env.files) return;
  DialogFields f;
  f.Set("Color", m_fields.Get(field));
  if (!m_env.files->Run("ColorDialog", f)) return;
  const std::string c = f.Get("Color");
  unsigned rgb = 0;
  if (c.size() != 7 || c[0] != '#' || std::sscanf(c.c_str() + 1, "%6x", &rgb) != 1) return;
  SetField(field, PaletteColour(static_cast<unsigned char>(rgb >> 16), static_cast<unsigned char>(rgb >> 8),
                                static_cast<unsigned char>(rgb), m_env.options));
}

// The colour-name window, started from the field's text; a cancelled one
// leaves the field as it was.
void TableDialog::PickColourName(std::string_view field) {
  if (!m_env.files) return;
  static const DialogServices none;
  const std::string name =
      ::mw::PickColourName(*m_env.files, m_env.services ? *m_env.services : none, m_fields.Get(field), m_env.options);
  if (!name.empty()) SetField(field, name);
}

void TableDialog::ImportCsv() {
  const auto path = ChooseFile("OpenDialog", Msg::CsvFilter);
  if (!path) return;
  std::string bytes;
  try {
    bytes = ReadFileBytes(*path);
  } catch (const FileError& e) {
    Message(FormatMessage(MessageSjis(Msg::CsvReadFailed), {*path, e.what()}));
    return;
  }
  const CsvTable t = ReadCsv(bytes);
  if (!t.ok()) {
    const std::string why = FormatMessage(MessageSjis(Msg::CsvUnclosedQuote), {std::to_string(t.errorLine)});
    Message(FormatMessage(MessageSjis(Msg::CsvReadFailed), {*path, why}));
    return;
  }
  if (!m_grid.Import(t.rows)) {
    Message(FormatMessage(MessageSjis(Msg::CsvReadFailed), {*path, MessageSjis(Msg::CsvTooLarge)}));
    return;
  }
  m_selection = {1, 1, 1, 1};
  SyncCounts();
}

void TableDialog::ExportCsv() {
  const auto path = ChooseFile("SaveDialog", Msg::CsvFilter);
  if (!path) return;
  try {
    WriteFileAtomic(*path, WriteCsv(m_grid.Export()));
  } catch (const FileError& e) {
    Message(FormatMessage(MessageSjis(Msg::CsvWriteFailed), {*path, e.what()}));
  }
}

void TableDialog::ChooseBackground() {
  if (!ReferenceButtonEnabled(m_env.documentPath) || !m_env.services) return;
  const auto path = ChooseFile("OpenDialog", Msg::ImageFileFilter);
  if (path) ApplyReferenceChoice(m_fields, "edBackGround", *path, m_env.documentPath, *m_env.services);
}

void TableDialog::ShowInBrowser(std::string_view button) {
  if (!m_env.showInBrowser) return;
  std::string folder = m_env.startFolder;
  if (folder.empty()) folder = FolderOf(m_env.documentPath);
  if (folder.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    folder = tmp && *tmp ? tmp : "/tmp";
  }
  std::string error;
  const auto path = WriteTablePreviewFile(folder, Build().preview, error);
  if (!path) {
    Message(FormatMessage(MessageSjis(Msg::TableBrowserFailed), {error}));
    return;
  }
  if (m_env.registerTempFile) m_env.registerTempFile(*path);
  m_env.showInBrowser(button, *path);
}

TagBuild TableDialog::Build() const { return BuildTable(m_fields, m_grid, m_env.options, m_env.indent); }

std::optional<std::string> WriteTablePreviewFile(const std::string& folder, std::string_view preview,
                                                 std::string& errorText) {
  std::string page = "<HTML>\r\n" + CrLf(preview);
  if (!page.ends_with("\r\n")) page += "\r\n";
  page += "</HTML>\r\n";
  // A name of its own, created here: never a file of the author's.
  std::string name = folder + "/____table_XXXXXX.html";
  const int fd = ::mkstemps(name.data(), 5);
  if (fd < 0) {
    errorText = std::strerror(errno);
    return std::nullopt;
  }
  std::size_t done = 0;
  while (done < page.size()) {
    const ssize_t n = ::write(fd, page.data() + done, page.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      errorText = std::strerror(errno);
      ::close(fd);
      ::unlink(name.c_str());
      return std::nullopt;
    }
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return name;
}

// --- Commands ------------------------------------------------------------------------

TableEnvironment TableEnvironmentOf(EditingContext& ctx) {
  TableEnvironment env;
  env.prompts = ctx.prompts;
  env.files = ctx.dialogs;
  env.services = &ctx.services;
  env.options = ctx.options;
  env.indent = ctx.indentString;
  env.documentPath = ctx.fileName;
  env.startFolder = ctx.services.startFolder ? ctx.services.startFolder() : FolderOf(ctx.fileName);
  env.showInBrowser = ctx.services.showInBrowser;
  env.registerTempFile = ctx.services.registerTempFile;
  env.imageTag = [&ctx] { return CellImageTag(ctx); };
  return env;
}

std::optional<std::string> CellImageTag(EditingContext& ctx) {
  DialogFields f = CreateFields(kImageDlg);
  kImageDlg.show(f, false);
  DialogOutcome r = RunTagDialog(ctx, kImageDlg, std::move(f));
  // A dialog closed without a picture leaves the cell's text as it was.
  if (!r.ok || r.text.empty()) return std::nullopt;
  if (kImageDlg.remember) kImageDlg.remember(r.fields, ctx.services);
  return r.text;
}

namespace {

// Shows the dialog; the text OK inserts (a preview edited by hand as it
// stands), or nothing.
std::optional<std::string> RunTable(EditingContext& ctx, TableDialog& d) {
  const std::string preset = d.Build().preview;
  d.Fields().Set(kFieldPreview, preset);
  const bool ok = ctx.dialogs->Run(kTableDialogClass, d.Fields());
  ctx.Editor().SetFocus();
  if (!ok) return std::nullopt;
  const std::string returned = d.Fields().Get(kFieldPreview, preset);
  // Built again from the grid as it stands, so text typed last is in.
  return returned != preset ? returned : d.Build().preview;
}

void PrepareFields(EditingContext& ctx, DialogFields& f, const TableEnvironment& env) {
  if (!ReferenceButtonEnabled(env.documentPath)) {
    f.Set("RefBtn#enabled", "0");
    f.Set("ImageRefBtn#enabled", "0");
  }
  FillItemLists(f, kTableDlg, ctx.services, ctx.Editor().GetText());
}

}  // namespace

void TableCommand(EditingContext& ctx, TableEnvironment env) {
  if (!ctx.dialogs) return;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  DialogFields f = CreateTableFields(e.GetSelText());
  f.SetIndex("rgIndent", ReadPreviousInt(ctx.services, kSection, kIndentKey, 2));
  kTableDlg.show(f, false);
  PrepareFields(ctx, f, env);
  TableDialog d(std::move(f), std::move(env));
  // The table replaces the selection at OK: the author is told before that
  // it does not all fit.
  if (d.SelectionCut() && ctx.prompts) ctx.prompts->ShowMessage(MessageSjis(Msg::TableSelectionCut), MessageKind::Warning);
  const auto text = RunTable(ctx, d);
  if (!text) return;
  WritePreviousInt(ctx.services, kSection, kIndentKey, d.Fields().Index("rgIndent", 2));
  const TagBuild b = d.Build();
  SetRepeatTag(ctx, b.start, b.end);
  ReplaceSelection(ctx, *text);
}

void TableReEdit(EditingContext& ctx, std::string_view tag, TableEnvironment env) {
  if (!ctx.dialogs) return;
  DialogFields f = PresetFromTag(kTableDlg, kTableReEdits[0], tag, ctx.options);
  const TagText t = ReadTag(tag);
  if (const TagAttribute* caption = FindAttribute(t.attributes, "CAPTION"))
    if (caption->quote == AttributeQuote::Double) f.Set("edCaption", caption->value);
  PrepareFields(ctx, f, env);
  TableDialog d(std::move(f), std::move(env));
  const auto text = RunTable(ctx, d);
  if (!text) return;
  UndoStep step(ctx.Editor());
  ReplaceSelection(ctx, *text);
}

void RegisterTableDialogCommands(CommandRegistry& r) {
  r.Add({"TABLEClick", [](EditingContext& ctx, std::string_view) { TableCommand(ctx, TableEnvironmentOf(ctx)); }});
  SetReEditHandler("TABLE", [](EditingContext& ctx, std::string_view tag) {
    TableReEdit(ctx, tag, TableEnvironmentOf(ctx));
  });
}

}  // namespace mw
