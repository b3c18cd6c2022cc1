// Form, input, text area and option list dialogs.
#include <cstdint>

#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

std::string ElementOf(const DialogFields& f, std::string_view fallback) {
  std::string name = f.Get(kFieldName);
  return name.empty() ? std::string(fallback) : name;
}

TagBuild SingleBuild(std::string text) {
  TagBuild b;
  b.start = text;
  b.innerOffset = static_cast<Offset>(text.size());
  b.preview = std::move(text);
  return b;
}

// --- TFormDlg --------------------------------------------------------------------

constexpr std::string_view kFormHandlers[] = {"onSubmit", "onReset"};

constexpr ControlSpec kFormControls[] = {
    {"cbEncType", "&ENCTYPE", "multipart/form-data"},
    {"cbMethod", "&METHOD", "POST\nGET"},
    {"edAction", "&ACTION"},
    {"edName", "&NAME"},
    {"cbOnSubmit", "onSubmit"},
    {"cbOnReset", "onReset"},
};

void CreateForm(DialogFields& f) {
  f.Set("cbEncType", "");
  f.Set("cbMethod", "");
  f.Set("edAction", "mailto:");
  f.Set("edName", "");
  f.Set("cbOnSubmit", "");
  f.Set("cbOnReset", "");
}

// POST is what a new form starts with; a re-edited one keeps its method.
void ShowForm(DialogFields& f, bool reEdit) {
  if (!reEdit) f.Set("cbMethod", "POST");
}

TagBuild BuildForm(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "FORM"))
      .Attr("ENCTYPE", f.Get("cbEncType"))
      .Attr("METHOD", f.Get("cbMethod"))
      .Attr("ACTION", f.Get("edAction"))
      .Attr("NAME", f.Get("edName"))
      .Handlers(f, kFormHandlers)
      .PassThrough(f)
      .Raw(">\r\n");
  return WrapBuild(f, w.Text(), ApplyTagCase("</FORM>\r\n", o));
}

// --- TInputDlg -------------------------------------------------------------------

constexpr std::string_view kInputHandlers[] = {"onFocus", "onBlur", "onSelect", "onChange"};

constexpr ControlSpec kInputControls[] = {
    {"cbType", "&TYPE (\x8B\x40\x94\x5C)" /* &TYPE (機能) */, "text\npassword\ncheckbox\nradio\nimage\nhidden\nsubmit\nreset\nbutton\nfile"},
    {"edImageFile", "&URL (\x83\x43\x83\x81\x81\x5B\x83\x57\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x90\xDD\x92\xE8)\x81\x40" /* &URL (イメージファイルの設定)　 */},
    {"edName", "&NAME (\x83\x74\x83\x42\x81\x5B\x83\x8B\x83\x68\x96\xBC) " /* &NAME (フィールド名)  */},
    {"edValue", "&VALUE (\x8F\x89\x8A\xFA\x92\x6C/\x83\x7B\x83\x5E\x83\x93\x96\xBC)" /* &VALUE (初期値/ボタン名) */},
    {"edSize", "&SIZE (\x95\xB6\x8E\x9A\x90\x94)" /* &SIZE (文字数) */},
    {"edMaxLength", "&MAXLENGTH (\x8D\xC5\x91\xE5\x95\xB6\x8E\x9A\x90\x94)\x81\x40" /* &MAXLENGTH (最大文字数)　 */},
    {"ckChecked", "&CHECKED"},
    MW_COMMON_CONTROLS,
    {"cbOnFocus", "onFocus"},
    {"cbOnBlur", "onBlur"},
    {"cbOnSelect", "onSelect"},
    {"cbOnChange", "onChange"},
};

void CreateHandlers(DialogFields& f, std::span<const std::string_view> handlers) {
  for (const auto h : handlers) f.Set(HandlerControl(h), "");
}

void CreateInput(DialogFields& f) {
  f.Set("cbType", "text");
  f.Set("edImageFile", "");
  f.Set("edName", "");
  f.Set("edValue", "");
  f.Set("edSize", "0");
  f.Set("edMaxLength", "0");
  f.SetChecked("ckChecked", false);
  CreateCommon(f);
  CreateHandlers(f, kInputHandlers);
}

void ShowInput(DialogFields& f, bool) { BlankUnset(f, {"edSize", "edMaxLength"}, true); }

TagBuild BuildInput(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  // TYPE is written even when empty: an input always says what it is.
  w.Open(ElementOf(f, "INPUT"))
      .Syntax(" TYPE=\"")
      .Raw(f.Get("cbType"))
      .Raw("\"")
      .Attr("SRC", f.Get("edImageFile"))
      .Attr("NAME", f.Get("edName"))
      .Attr("VALUE", f.Get("edValue"))
      .Attr("SIZE", NumberText(f, "edSize"))
      .Attr("MAXLENGTH", NumberText(f, "edMaxLength"))
      .Keyword(" CHECKED", f.Checked("ckChecked"))
      .Common(f)
      .Handlers(f, kInputHandlers)
      .PassThrough(f)
      .Raw(">\r\n");
  return SingleBuild(w.Text());
}

// --- TTextAreaDlg ----------------------------------------------------------------

constexpr std::string_view kWrapItems = "off\nsoft\nhard";

constexpr ControlSpec kTextAreaControls[] = {
    {"edName", "&NAME (\x83\x7B\x83\x62\x83\x4E\x83\x58\x96\xBC) " /* &NAME (ボックス名)  */},
    {"edRows", "&ROWS (\x8D\x73\x90\x94)" /* &ROWS (行数) */},
    {"edCols", "&COLS (\x83\x7B\x83\x62\x83\x4E\x83\x58\x82\xCC\x95\x9D)" /* &COLS (ボックスの幅) */},
    {"cbWrap", "&WRAP (\x89\xFC\x8D\x73\x95\xFB\x96\x40)" /* &WRAP (改行方法) */, kWrapItems},
    MW_COMMON_CONTROLS,
    {"cbOnFocus", "onFocus"},
    {"cbOnBlur", "onBlur"},
    {"cbOnSelect", "onSelect"},
    {"cbOnChange", "onChange"},
};

void CreateTextArea(DialogFields& f) {
  f.Set("edName", "");
  f.Set("edRows", "0");
  f.Set("edCols", "0");
  f.Set("cbWrap", "");
  CreateCommon(f);
  CreateHandlers(f, kInputHandlers);
}

void ShowTextArea(DialogFields& f, bool) { BlankUnset(f, {"edRows", "edCols"}, true); }

// WRAP is one of the list's items or nothing: other text is not written.
std::string WrapChoice(const DialogFields& f) {
  const std::string v = f.Get("cbWrap");
  for (const auto& item : SplitItems(kWrapItems))
    if (item == v) return v;
  return {};
}

TagBuild BuildTextArea(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TEXTAREA");
  TagWriter w(o);
  w.Open(element)
      .Attr("NAME", f.Get("edName"))
      .Attr("ROWS", NumberText(f, "edRows"))
      .Attr("COLS", NumberText(f, "edCols"))
      .Attr("WRAP", WrapChoice(f))
      .Common(f)
      .Handlers(f, kInputHandlers)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TSelectDlg ------------------------------------------------------------------

constexpr std::string_view kSelectHandlers[] = {"onFocus", "onBlur", "onChange"};

constexpr ControlSpec kSelectControls[] = {
    {"edName", "&NAME (\x83\x8A\x83\x58\x83\x67\x96\xBC)" /* &NAME (リスト名) */},
    {"edSize", "\x83\x8A\x83\x58\x83\x67\x82\xCC\x8D\x73\x90\x94(&L)" /* リストの行数(&L) */},
    {"ckMultiple", "&MULTIPLE (\x95\xA1\x90\x94\x91\x49\x91\xF0)" /* &MULTIPLE (複数選択) */},
    MW_COMMON_CONTROLS,
    {"cbOnFocus", "onFocus"},
    {"cbOnBlur", "onBlur"},
    {"cbOnChange", "onChange"},
    {"sgOption", "<OPTION>\x8D\x80\x96\xDA\x82\xCC\x90\xDD\x92\xE8(&O)" /* <OPTION>項目の設定(&O) */, "VALUE\n\x83\x8A\x83\x58\x83\x67\x8D\x80\x96\xDA" /* VALUE\nリスト項目 */},
    {"edRowCount", "\x8D\x73\x90\x94(&R)" /* 行数(&R) */},
};

void CreateSelect(DialogFields& f) {
  f.Set("edName", "");
  f.Set("edSize", "0");
  f.SetChecked("ckMultiple", false);
  CreateCommon(f);
  CreateHandlers(f, kSelectHandlers);
  f.Set("edRowCount", "1");
  f.Set(CellName("sgOption", 0, 0), "VALUE");
  f.Set(CellName("sgOption", 0, 1), "\x83\x8A\x83\x58\x83\x67\x8D\x80\x96\xDA" /* リスト項目 */);
}

void ShowSelect(DialogFields& f, bool) { BlankUnset(f, {"edSize"}, true); }

TagBuild BuildSelect(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "SELECT"))
      .Attr("NAME", f.Get("edName"))
      .Attr("SIZE", NumberText(f, "edSize"))
      .Keyword(" MULTIPLE", f.Checked("ckMultiple"))
      .Common(f)
      .Handlers(f, kSelectHandlers)
      .Raw(">\r\n");
  const int rows = GridCount(f, "edRowCount");
  for (int r = 1; r <= rows; ++r) {
    const std::string value = f.Get(CellName("sgOption", r, 0));
    w.Syntax("<OPTION");
    if (IsBareOptionValue(value)) w.Syntax(" VALUE=").Raw(value);
    else w.Syntax(" VALUE=\"").Raw(value).Raw("\"");
    w.Raw(">").Raw(f.Get(CellName("sgOption", r, 1))).Raw("\r\n");
  }
  w.Syntax("</SELECT>\r\n");
  return SingleBuild(w.Text());
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool IsBareOptionValue(std::string_view v) {
  if (v == "0") return true;
  std::size_t i = 0;
  while (i < v.size() && v[i] == ' ') ++i;
  if (i < v.size() && (v[i] == '+' || v[i] == '-')) ++i;
  const bool hex = i < v.size() && v[i] == '$';
  if (hex) ++i;
  if (i == v.size()) return false;
  std::uint64_t n = 0;
  for (; i < v.size(); ++i) {
    const char c = v[i];
    if (hex ? !IsHexDigit(c) : !(c >= '0' && c <= '9')) return false;
    const unsigned d = c <= '9' ? static_cast<unsigned>(c - '0')
                                : static_cast<unsigned>((c | 0x20) - 'a' + 10);
    n = n * (hex ? 16 : 10) + d;
    // Beyond a 32-bit integer the text is no number and keeps its quotes.
    if (n > 0xFFFFFFFFull) return false;
  }
  return n != 0;
}

const TagDialogModel kFormDlg{"TFormDlg", "\x83\x74\x83\x48\x81\x5B\x83\x80<FORM></FORM>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B" /* フォーム<FORM></FORM>：　ブロックレベル */, InsertWay::Wrap,
                              kFormControls, CreateForm, ShowForm, BuildForm};
const TagDialogModel kInputDlg{"TInputDlg", "\x93\xFC\x97\xCD\x83\x47\x83\x8A\x83\x41\x82\xE2\x83\x7B\x83\x5E\x83\x93\x82\xCC\x95\x5C\x8E\xA6<INPUT>" /* 入力エリアやボタンの表示<INPUT> */, InsertWay::Single,
                               kInputControls, CreateInput, ShowInput, BuildInput};
const TagDialogModel kTextAreaDlg{"TTextAreaDlg",
                                  "\x95\xA1\x90\x94\x8D\x73\x82\xCC\x93\xFC\x97\xCD\x83\x47\x83\x8A\x83\x41<TEXTAREA></TEXTAREA>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* 複数行の入力エリア<TEXTAREA></TEXTAREA>：　インライン */,
                                  InsertWay::Wrap, kTextAreaControls, CreateTextArea, ShowTextArea,
                                  BuildTextArea};
const TagDialogModel kSelectDlg{"TSelectDlg", "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93\x91\x49\x91\xF0<SELECT></SELECT>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* オプション選択<SELECT></SELECT>：　インライン */,
                                InsertWay::Single, kSelectControls, CreateSelect, ShowSelect,
                                BuildSelect};

}  // namespace mw
