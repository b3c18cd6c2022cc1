#include "core/app/font_file.h"

#include <algorithm>
#include <cstdint>

#include "core/app/colour_text.h"

namespace mw {

namespace {

enum ValueType : std::uint8_t {
  kList = 0x01,
  kInt32 = 0x04,
  kString = 0x06,
  kIdent = 0x07,
  kSet = 0x0B,
  kLString = 0x0C,
};

constexpr const char* kFontClass = "TFontDialog";
constexpr const char* kFontNames[] = {"FontDialog1", "FontDialog2", "FontDialog3", "FontDialog4"};
constexpr const char* kStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

class Writer {
 public:
  void Short(std::string_view s) {
    m_out += static_cast<char>(s.size() > 255 ? 255 : s.size());
    m_out.append(s.substr(0, 255));
  }
  void Byte(std::uint8_t b) { m_out += static_cast<char>(b); }
  void Int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) m_out += static_cast<char>(u >> (8 * i));
  }
  void LString(std::string_view s) {
    Int32(static_cast<std::int32_t>(s.size()));
    m_out.append(s);
  }
  std::string& Out() { return m_out; }

 private:
  std::string m_out;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : m_in(in) {}
  bool Byte(std::uint8_t& b) {
    if (m_pos >= m_in.size()) return false;
    b = static_cast<std::uint8_t>(m_in[m_pos++]);
    return true;
  }
  bool Short(std::string& s) {
    std::uint8_t n;
    if (!Byte(n) || m_in.size() - m_pos < n) return false;
    s.assign(m_in.substr(m_pos, n));
    m_pos += n;
    return true;
  }
  bool Int32(std::int32_t& v) {
    if (m_in.size() - m_pos < 4) return false;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_in[m_pos + i])) << (8 * i);
    m_pos += 4;
    v = static_cast<std::int32_t>(u);
    return true;
  }
  bool LString(std::string& s) {
    std::int32_t n;
    if (!Int32(n) || n < 0 || m_in.size() - m_pos < static_cast<std::size_t>(n)) return false;
    s.assign(m_in.substr(m_pos, static_cast<std::size_t>(n)));
    m_pos += static_cast<std::size_t>(n);
    return true;
  }
  bool Literal(std::string_view lit) {
    if (m_in.substr(m_pos, lit.size()) != lit) return false;
    m_pos += lit.size();
    return true;
  }
  bool AtEnd() const { return m_pos == m_in.size(); }

 private:
  std::string_view m_in;
  std::size_t m_pos = 0;
};

void WriteFontRecord(Writer& w, const char* name, const DisplayFont& f) {
  w.Out() += "TPF0";
  w.Short(kFontClass);
  w.Short(name);
  w.Short("Font.Charset");
  w.Byte(kIdent);
  w.Short("SHIFTJIS_CHARSET");
  w.Short("Font.Color");
  const std::string colour = ColourText(f.color);
  if (colour[0] == '$') {
    w.Byte(kInt32);
    w.Int32(static_cast<std::int32_t>(f.color));
  } else {
    w.Byte(kIdent);
    w.Short(colour);
  }
  w.Short("Font.Height");
  w.Byte(kInt32);
  w.Int32(FontHeightOfPoints(f.points));
  w.Short("Font.Name");
  w.Byte(kLString);
  w.LString(f.face);
  w.Short("Font.Style");
  w.Byte(kSet);
  const bool on[] = {f.bold, f.italic, f.underline, f.strikeOut};
  for (int i = 0; i < 4; ++i)
    if (on[i]) w.Short(kStyles[i]);
  w.Short("");
  w.Short("");  // end of properties
  w.Byte(0);    // no children
}

// Reads one value of the given type into text or number.
bool ReadValue(Reader& r, std::uint8_t type, std::string& text, std::int32_t& number,
               std::vector<std::string>& items) {
  switch (type) {
    case kInt32: return r.Int32(number);
    case kString:
    case kIdent: return r.Short(text);
    case kLString: return r.LString(text);
    case kSet:
      for (std::string item;;) {
        if (!r.Short(item)) return false;
        if (item.empty()) return true;
        items.push_back(item);
      }
    case kList:
      for (;;) {
        std::uint8_t t;
        if (!r.Byte(t)) return false;
        if (t == 0) return true;
        std::string s;
        std::int32_t n = 0;
        std::vector<std::string> nested;
        if (t != kString && t != kLString) return false;
        if (!ReadValue(r, t, s, n, nested)) return false;
        items.push_back(s);
      }
    default: return false;
  }
}

struct Property {
  std::string name, text;
  std::int32_t number = 0;
  std::uint8_t type = 0;
  std::vector<std::string> items;
};

bool ReadRecord(Reader& r, std::string& cls, std::string& name, std::vector<Property>& props) {
  if (!r.Literal("TPF0") || !r.Short(cls) || !r.Short(name)) return false;
  for (;;) {
    Property p;
    if (!r.Short(p.name)) return false;
    if (p.name.empty()) break;
    if (!r.Byte(p.type) || !ReadValue(r, p.type, p.text, p.number, p.items)) return false;
    props.push_back(std::move(p));
  }
  std::uint8_t children;
  return r.Byte(children) && children == 0;
}

}  // namespace

int FontHeightOfPoints(int points) {
  const int p = std::clamp(points, kMinFontPoints, kMaxFontPoints);
  return -((p * 96 + 36) / 72);
}
int PointsOfFontHeight(int height) {
  // In 64 bits: any stored height, even INT_MIN, converts without overflow
  // (and the result, at most 2^31 * 3 / 4, fits).
  const std::int64_t px = height < 0 ? -static_cast<std::int64_t>(height) : height;
  return static_cast<int>((px * 72 + 48) / 96);
}

std::string SerializeFontColorFile(const FontColorFile& file) {
  Writer w;
  for (int i = 0; i < 4; ++i) WriteFontRecord(w, kFontNames[i], file.fonts[static_cast<std::size_t>(i)]);
  w.Out() += "TPF0";
  w.Short("TColorDialog");
  w.Short("ColorDialog1");
  w.Short("CustomColors");
  w.Byte(kList);
  for (const auto& c : file.customColours) {
    w.Byte(kString);
    w.Short(c);
  }
  w.Byte(0);
  w.Short("");
  w.Byte(0);
  return std::move(w.Out());
}

std::optional<FontColorFile> ParseFontColorFile(std::string_view bytes) {
  Reader r(bytes);
  FontColorFile file;
  for (int i = 0; i < 4; ++i) {
    std::string cls, name;
    std::vector<Property> props;
    if (!ReadRecord(r, cls, name, props) || name != kFontNames[i]) return std::nullopt;
    DisplayFont& f = file.fonts[static_cast<std::size_t>(i)];
    f.bold = f.italic = f.underline = f.strikeOut = false;
    for (const auto& p : props) {
      if (p.name == "Font.Color") {
        if (p.type == kInt32) {
          f.color = static_cast<ColorValue>(p.number);
        } else {
          const auto c = ParseColourText(p.text);
          if (!c) return std::nullopt;
          f.color = *c;
        }
      } else if (p.name == "Font.Height") {
        if (p.type != kInt32) return std::nullopt;
        f.points = PointsOfFontHeight(p.number);
        if (f.points < kMinFontPoints || f.points > kMaxFontPoints) return std::nullopt;
      } else if (p.name == "Font.Name") {
        f.face = p.text;
      } else if (p.name == "Font.Style") {
        for (const auto& s : p.items) {
          if (s == "fsBold") f.bold = true;
          else if (s == "fsItalic") f.italic = true;
          else if (s == "fsUnderline") f.underline = true;
          else if (s == "fsStrikeOut") f.strikeOut = true;
        }
      }
    }
  }
  std::string cls, name;
  std::vector<Property> props;
  if (!ReadRecord(r, cls, name, props) || name != "ColorDialog1" || !r.AtEnd()) return std::nullopt;
  for (const auto& p : props)
    if (p.name == "CustomColors") file.customColours = p.items;
  return file;
}

std::optional<FontColorFile> ReadFontColorFile(const std::string& path, DataFileState& state) {
  // Five records of a few names each: anything near a megabyte is not one.
  const std::string bytes = ReadDataFileBytes(path, 1u << 20, state);
  if (state != DataFileState::Good) return std::nullopt;
  auto file = ParseFontColorFile(bytes);
  if (!file) state = DataFileState::Damaged;
  return file;
}

}  // namespace mw
