#include "core/app/tools/kanji_converter.h"

#include "core/app/document_file.h"
#include "core/app/tools/kanji_codec.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {
namespace {

using kanji::Tables;
using kanji::Target;

const Tables& RequireTables() {
  const Tables* t = kanji::GetTables();
  if (!t) throw ConversionError("the kanji converter is not available (ICU cannot open its converters)");
  return *t;
}

Target ParseOption(std::string_view option) {
  const std::string_view code = option.starts_with('-') ? option.substr(1) : option;
  if (code == "s") return Target::ShiftJis;
  if (code == "j") return Target::Jis;
  if (code == "e") return Target::EucJp;
  throw ConversionError("unknown kanji code option \"" + std::string(option) + "\"");
}

}  // namespace

bool KanjiConverterAvailable() { return kanji::GetTables() != nullptr; }

std::string ConvertKanjiCode(std::string_view bytes, std::string_view option) {
  ParseOption(option);  // an unknown option fails before any work
  return ConvertKanjiCode(bytes, DetectKanjiCode(bytes), option);
}

std::string ConvertKanjiCode(std::string_view bytes, KanjiCode from, std::string_view option) {
  const Target target = ParseOption(option);
  const Tables& t = RequireTables();
  kanji::Writer w(t, target, bytes);
  switch (from) {
    case KanjiCode::Ascii: {
      const std::size_t high = kanji::AsciiEnd(bytes, 0);
      if (high != bytes.size()) w.Invalid(KanjiCode::Ascii, high, 1);
      return std::string(bytes);
    }
    case KanjiCode::ShiftJis: kanji::ReadSjis(t, bytes, w, target == Target::ShiftJis); break;
    case KanjiCode::EucJp: kanji::ReadEuc(t, bytes, w, target == Target::EucJp); break;
    case KanjiCode::Jis: kanji::ReadJis(t, bytes, w); break;
    case KanjiCode::Utf8: kanji::ReadUtf8(bytes, w); break;
  }
  return w.Finish();
}

void ConvertFileCode(const std::string& source, const std::string& target, std::string_view option) {
  ParseOption(option);
  // No line end byte is part of a character in any of the codes, so the
  // lines can be put in CR LF form before the code is known.
  const std::string text = NormalizeLineEnds(ReadFileBytes(source));
  WriteFileAtomic(target, ConvertKanjiCode(text, option));
}

std::string ToZenkakuKana(std::string_view sjis) {
  // Exactly a conversion of Shift-JIS into Shift-JIS: only the half-width
  // katakana change.
  const Tables& t = RequireTables();
  kanji::Writer w(t, Target::ShiftJis, sjis);
  kanji::ReadSjis(t, sjis, w, true);
  return w.Finish();
}

std::string ToHankaku(std::string_view sjis) {
  const Tables& t = RequireTables();
  std::string out;
  out.reserve(sjis.size());
  const auto* b = reinterpret_cast<const unsigned char*>(sjis.data());
  std::size_t copied = 0;
  for (std::size_t i = 0; i < sjis.size();) {
    i = kanji::AsciiEnd(sjis, i);
    if (i >= sjis.size()) break;
    const std::size_t len = CharLength(sjis, i);
    const char narrow = len == 2 ? t.narrowSjis[b[i] << 8 | b[i + 1]] : 0;
    if (narrow) {
      out.append(sjis.data() + copied, i - copied);
      out.push_back(narrow);
      copied = i + 2;
    }
    i += len;
  }
  out.append(sjis.data() + copied, sjis.size() - copied);
  return out;
}

std::string BytesToSave(std::string text, SaveConversion conversion) {
  switch (conversion) {
    case SaveConversion::AsItIs: return text;
    // From whatever code the editor text is in: after the editor's own
    // "EUCコードに" it holds EUC-JP, not Shift-JIS.
    case SaveConversion::Jis: return ConvertKanjiCode(text, "j");
    case SaveConversion::Euc: return ConvertKanjiCode(text, "e");
  }
  return text;
}

std::string BytesToShow(std::string bytes, bool toShiftJis) {
  if (!toShiftJis) return bytes;
  try {
    return ConvertKanjiCode(bytes, "s");
  } catch (const ConversionError&) {
    return bytes;
  }
}

}  // namespace mw
