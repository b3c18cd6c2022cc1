#include "core/dialogs/style_text.h"

#include "core/text/encoding.h"

namespace mw {

namespace {

using K = StyleKind;

constexpr StyleProperty Num(std::string_view name, std::string_view field, std::string_view unit,
                            std::string_view label, int page) {
  return {name, field, unit, K::Number, label, {}, page, 0};
}

constexpr StyleProperty kProperties[] = {
    {"font-family", "cbFontFamily", {}, K::FontFamily, "フォント名(&F)"},
    {"font-size", "edFontSize", "edFontSizeUnit", K::Number, "フォントサイズ(&Z)", {}, 0, 1},
    {"font-weight", "cbFontWeight", {}, K::Keyword, "フォントの太さ(&G)",
     "normal\nbold\nlighter\nbolder\n100\n200\n300\n400\n500\n600\n700\n800\n900"},
    {"font-style", "cbFontStyle", {}, K::Keyword, "フォントのスタイル(&S)", "normal\nitalic\noblique"},
    Num("line-height", "edLineHeight", "edLineHeightUnit", "行送りの数値(&H)", 0),
    {"text-align", "cbTextAlign", {}, K::Keyword, "文字列の行揃え(&P)", "left\ncenter\nright"},
    {"text-decoration", "cbTextDecoration", {}, K::Keyword, "文字列の装飾(&E)",
     "none\nunderline\noverline\nline-through\nblink"},
    Num("text-indent", "edTextIndent", "edTextIndentUnit", "文字列のインデント量(&I)", 0),
    {"text-transform", "cbTextTransform", {}, K::Keyword, "大文字・小文字変換(&T)",
     "capitalize\nuppercase\nlowercase\nnone"},
    {"color", "cbColor", {}, K::Colour, "色(&C)"},
    Num("width", "edWidth", "edWidthUnit", "折り返し幅(&W)", 0),
    {"background-color", "cbBgColor", {}, K::Colour, "背景色(&B)"},
    {"background-image", "edBgUrl", {}, K::Url, "背景画像の指定(&U)"},
    {"background-repeat", "cbBgRepeat", {}, K::Keyword, "背景画像の繰り返し方向(&R)",
     "repeat\nno-repeat\nrepeat-x\nrepeat-y"},
    {"list-style-type", "cbListStyleType", {}, K::Keyword, "リストの文字・数値(&L)",
     "disc\ncircle\nsquare\ndecimal\nlower-roman\nupper-roman\nlower-alpha\nupper-alpha\nnone"},
    Num("MARGIN", "edMargin", "edMarginUnit", "（全体）余白 (&M)", 1),
    Num("margin-top", "edMarginTop", "edMarginTopUnit", "上余白", 1),
    Num("margin-bottom", "edMarginBottom", "edMarginBottomUnit", "下余白", 1),
    Num("margin-left", "edMarginLeft", "edMarginLeftUnit", "左余白", 1),
    Num("margin-right", "edMarginRight", "edMarginRightUnit", "右余白", 1),
    {"border-style", "cbBorderStyle", {}, K::Keyword, "ボーダーのスタイル(&S)",
     "none\nhidden\ndotted\ndashed\nsolid\ndouble\ngroove\nridge\ninset\noutset", 1},
    {"border-width", "cbBorderWidth", {}, K::Keyword, "ボーダーの幅（&W）", "thin\nmedium\nthick", 1},
    {"border-color", "cbBorderColor", {}, K::Colour, "ボーダーの色(&C)", {}, 1},
    {"float", "cbFloat", {}, K::Keyword, "回り込み(&F)", "left\nright\nnone", 1},
    {"clear", "cbClear", {}, K::Keyword, "回り込み解除(X)", "left\nright\nboth\nnone", 1},
    Num("PADDING", "edPadding", "edPaddingUnit", "ボーダーまでの距離（&P）", 1),
    Num("padding-top", "edPaddingTop", "edPaddingTopUnit", "上ボーダーまでの距離", 1),
    Num("padding-bottom", "edPaddingBottom", "edPaddingBottomUnit", "下ボーダーまでの距離", 1),
    Num("padding-left", "edPaddingLeft", "edPaddingLeftUnit", "左ボーダーまでの距離", 1),
    Num("padding-right", "edPaddingRight", "edPaddingRightUnit", "右ボーダーまでの距離", 1),
    {"position", "cbPosition", {}, K::Keyword, "位置決め方法(&H)", "absolute\nrelative\nstatic", 1},
    Num("LEFT", "edLeft", "edLeftUnit", "横位置(&L)", 1),
    Num("TOP", "edTop", "edTopUnit", "縦位置(&T)", 1),
};

constexpr std::string_view kUrlOpen = "url(";

// A family name with a blank inside is quoted; one the author already
// quoted is left as typed.
std::string QuotedFamily(const std::string& value) {
  const bool quoted = value.size() >= 2 && value.front() == '\'' && value.back() == '\'';
  if (!quoted && value.find(' ', 1) != std::string::npos) return "'" + value + "'";
  return value;
}

std::string Declaration(const StyleProperty& p, const DialogFields& f, bool upper) {
  const std::string value = f.Get(p.field);
  auto up = [upper](std::string s) { return upper ? AsciiUpper(s) : s; };
  const std::string name = std::string(p.name) + ":";
  switch (p.kind) {
    case K::FontFamily: return up(name) + QuotedFamily(value);
    case K::Number: return up(name + value) + f.Get(p.unitField);
    case K::Keyword:
    case K::Colour: return up(name + value);
    case K::Url: return up(name + std::string(kUrlOpen)) + value + ")";
  }
  return {};
}

bool Written(const StyleProperty& p, const std::string& value) {
  if (value.empty()) return false;
  return !(p.kind == K::Number && value == "0");
}

}  // namespace

std::span<const StyleProperty> StyleProperties() { return kProperties; }

const StyleProperty* FindStyleProperty(std::string_view field) {
  for (const StyleProperty& p : kProperties)
    if (p.field == field) return &p;
  return nullptr;
}

std::string BuildStyleText(const DialogFields& f, bool upper) {
  std::string text;
  for (const StyleProperty& p : kProperties) {
    if (!Written(p, f.Get(p.field))) continue;
    text += Declaration(p, f, upper);
    text += ';';
  }
  if (!text.empty() && text.back() == ';') text.pop_back();
  return std::string(Trim(text));
}

std::string ReadPropertyValue(std::string_view style, std::string_view name) {
  std::size_t start = 0;
  while (start <= style.size()) {
    // A declaration ends at the next ';' (never a byte of a double-byte
    // character: trail bytes start at 0x40).
    std::size_t end = start;
    while (end < style.size() && style[end] != ';') end += static_cast<std::size_t>(CharLength(style, static_cast<Offset>(end)));
    if (end > style.size()) end = style.size();
    const std::string_view decl = style.substr(start, end - start);
    const std::size_t colon = decl.find(':');
    if (colon != std::string_view::npos && EqualsNoCase(Trim(decl.substr(0, colon)), name))
      return std::string(Trim(decl.substr(colon + 1)));
    if (end >= style.size()) break;
    start = end + 1;
  }
  return {};
}

std::string_view LeadingNumber(std::string_view value) {
  std::size_t n = 0;
  while (n < value.size() && value[n] >= '0' && value[n] <= '9') ++n;
  return value.substr(0, n);
}

void StyleToFields(std::string_view style, DialogFields& f) {
  for (const StyleProperty& p : kProperties) {
    std::string value = ReadPropertyValue(style, p.name);
    switch (p.kind) {
      case K::FontFamily:
        if (!value.empty() && value.front() == '\'') value.erase(0, 1);
        if (!value.empty() && value.back() == '\'') value.pop_back();
        f.Set(p.field, value);
        break;
      case K::Number: {
        const std::string_view number = LeadingNumber(value);
        f.Set(p.field, number == "0" ? std::string() : std::string(number));
        if (!value.empty()) f.Set(p.unitField, value.substr(number.size()));
        break;
      }
      case K::Colour: f.Set(p.field, AsciiLower(value)); break;
      case K::Url: {
        std::string address;
        if (value.size() >= kUrlOpen.size() && EqualsNoCase(std::string_view(value).substr(0, kUrlOpen.size()), kUrlOpen)) {
          address = value.substr(kUrlOpen.size());
          if (!address.empty() && address.back() == ')') address.pop_back();
        }
        f.Set(p.field, address);
        break;
      }
      case K::Keyword: f.Set(p.field, value); break;
    }
  }
}

}  // namespace mw
