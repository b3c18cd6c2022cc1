// Detection, every conversion and both width conversions take any bytes:
// an answer or a ConversionError, never a crash or a read out of bounds.
// Conversions into the source's own code keep all but half-width kana.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/tools/kanji_converter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const mw::KanjiCode code = mw::DetectKanjiCode(bytes);
  for (const char* option : {"s", "e", "j"}) {
    try {
      const std::string out = mw::ConvertKanjiCode(bytes, option);
      // What we write we read back as the code we meant to write.
      const mw::KanjiCode written = mw::DetectKanjiCode(out);
      if (option[0] == 'j' && written != mw::KanjiCode::Jis && written != mw::KanjiCode::Ascii)
        __builtin_trap();
      (void)mw::ConvertKanjiCode(out, option);
    } catch (const mw::ConversionError&) {
    }
    for (mw::KanjiCode from : {mw::KanjiCode::ShiftJis, mw::KanjiCode::EucJp, mw::KanjiCode::Jis,
                               mw::KanjiCode::Utf8, mw::KanjiCode::Ascii}) {
      try {
        (void)mw::ConvertKanjiCode(bytes, from, option);
      } catch (const mw::ConversionError&) {
      }
    }
  }
  if (code == mw::KanjiCode::ShiftJis && mw::ConvertKanjiCode(bytes, "s") != mw::ToZenkakuKana(bytes))
    __builtin_trap();
  const std::string narrow = mw::ToHankaku(bytes);
  if (narrow.size() > size) __builtin_trap();
  (void)mw::ToZenkakuKana(narrow);
  return 0;
}
