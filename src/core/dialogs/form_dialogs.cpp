// Form, input, text area and option list dialogs.
#include <cstdint>

#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

// --- TFormDlg --------------------------------------------------------------------

constexpr Binding kFormRows[] = {
    Combo("cbEncType", "ENCTYPE", "&ENCTYPE", "multipart/form-data"),
    // POST is what a new form starts with; a re-edited one keeps its method.
    Combo("cbMethod", "METHOD", "&METHOD", "POST\nGET").NewTag("POST"),
    Text("edAction", "ACTION", "&ACTION").Starts("mailto:").Ref(Msg::HtmlFileFilter),
    Text("edName", "NAME", "&NAME"),
    Handler("cbOnSubmit", "onSubmit"),
    Handler("cbOnReset", "onReset"),
};

TagBuild BuildForm(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "FORM")).Attributes(f, kFormRows).Raw(">\r\n");
  return WrapBuild(f, w.Text(), ApplyTagCase("</FORM>\r\n", o));
}

constexpr ReEditSpec kFormReEdits[] = {{"FORM", "FORM"}};

// --- TInputDlg -------------------------------------------------------------------

#define MW_INPUT_HANDLER_ROWS                                                              \
  Handler("cbOnFocus", "onFocus"), Handler("cbOnBlur", "onBlur"),          \
      Handler("cbOnSelect", "onSelect"), Handler("cbOnChange", "onChange")

constexpr Binding kInputRows[] = {
    // TYPE is written even when empty: an input always says what it is.
    Combo("cbType", "TYPE", "&TYPE (機能)", "text\npassword\ncheckbox\nradio\nimage\nhidden\nsubmit\nreset\nbutton\nfile")
        .Starts("text")
        .Always()
        ,
    Text("edImageFile", "SRC", "&URL (イメージファイルの設定)　").Ref(Msg::ImageFileFilter),
    Text("edName", "NAME", "&NAME (フィールド名) "),
    Text("edValue", "VALUE", "&VALUE (初期値/ボタン名)"),
    Number("edSize", "SIZE", "&SIZE (文字数)", 0),
    Number("edMaxLength", "MAXLENGTH", "&MAXLENGTH (最大文字数)　", 0),
    Keyword("ckChecked", "CHECKED", "&CHECKED"),
    MW_COMMON_ROWS,
    MW_INPUT_HANDLER_ROWS,
};

TagBuild BuildInput(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "INPUT")).Attributes(f, kInputRows).Raw(">\r\n");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kInputReEdits[] = {{"INPUT", "INPUT"}};

// --- TTextAreaDlg ----------------------------------------------------------------

constexpr Binding kTextAreaRows[] = {
    Text("edName", "NAME", "&NAME (ボックス名) "),
    Number("edRows", "ROWS", "&ROWS (行数)", 0),
    Number("edCols", "COLS", "&COLS (ボックスの幅)", 0),
    // WRAP is one of the list's items or nothing: other text is not written.
    Combo("cbWrap", "WRAP", "&WRAP (改行方法)", "off\nsoft\nhard").Listed(),
    MW_COMMON_ROWS,
    MW_INPUT_HANDLER_ROWS,
};

TagBuild BuildTextArea(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TEXTAREA");
  TagWriter w(o);
  w.Open(element).Attributes(f, kTextAreaRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr ReEditSpec kTextAreaReEdits[] = {{"TEXTAREA", "TEXTAREA"}};

// --- TSelectDlg ------------------------------------------------------------------

constexpr Binding kSelectRows[] = {
    Text("edName", "NAME", "&NAME (リスト名)"),
    Number("edSize", "SIZE", "リストの行数(&L)", 0),
    Keyword("ckMultiple", "MULTIPLE", "&MULTIPLE (複数選択)"),
    MW_COMMON_ROWS,
    Handler("cbOnFocus", "onFocus"),
    Handler("cbOnBlur", "onBlur"),
    Handler("cbOnChange", "onChange"),
    Grid("sgOption", "<OPTION>項目の設定(&O)", "VALUE\nリスト項目", "edRowCount"),
    Count("edRowCount", "行数(&R)"),
};

// The options' values are written bare when they are numbers.
TagBuild BuildSelect(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "SELECT")).Attributes(f, kSelectRows).Raw(">\r\n");
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

const TagDialogModel kFormDlg{"TFormDlg", {Msg::FormDlgCaption}, InsertWay::Wrap, kFormRows, BuildForm, nullptr,
                              nullptr, kFormReEdits};
const TagDialogModel kInputDlg{"TInputDlg", {Msg::InputDlgCaption}, InsertWay::Single, kInputRows, BuildInput,
                               nullptr, nullptr, kInputReEdits};
const TagDialogModel kTextAreaDlg{"TTextAreaDlg", {Msg::TextAreaDlgCaption}, InsertWay::Wrap, kTextAreaRows,
                                  BuildTextArea, nullptr, nullptr, kTextAreaReEdits};
const TagDialogModel kSelectDlg{"TSelectDlg", {Msg::SelectDlgCaption}, InsertWay::Single, kSelectRows, BuildSelect};

}  // namespace mw
