// FontColor.dat of any bytes: a file that reads gives fonts whose sizes
// lie in range and that are written back to a file reading the same; fonts
// and custom colours of any values are written to a file that reads back
// exactly; colour texts read back as the values they were written from.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/app/colour_text.h"
#include "core/app/font_file.h"
#include "fuzz_support.h"

namespace {

using mw::fuzz::Check;

bool SameFiles(const mw::FontColorFile& a, const mw::FontColorFile& b) {
  if (a.customColours != b.customColours) return false;
  for (std::size_t i = 0; i < a.fonts.size(); ++i) {
    const mw::DisplayFont &x = a.fonts[i], &y = b.fonts[i];
    if (x.face != y.face || x.points != y.points || x.color != y.color || x.bold != y.bold ||
        x.italic != y.italic || x.underline != y.underline || x.strikeOut != y.strikeOut)
      return false;
  }
  return true;
}

void CheckRead(std::string_view bytes) {
  const auto file = mw::ParseFontColorFile(bytes);
  if (!file) return;
  for (const mw::DisplayFont& f : file->fonts) Check(f.points >= mw::kMinFontPoints && f.points <= mw::kMaxFontPoints);
  const auto again = mw::ParseFontColorFile(mw::SerializeFontColorFile(*file));
  Check(again && SameFiles(*file, *again));
}

void CheckWritten(FuzzedDataProvider& in) {
  mw::FontColorFile file;
  for (mw::DisplayFont& f : file.fonts) {
    f.face = in.ConsumeRandomLengthString(40);
    f.points = in.ConsumeIntegralInRange(mw::kMinFontPoints, mw::kMaxFontPoints);
    f.color = in.ConsumeIntegral<mw::ColorValue>();
    f.bold = in.ConsumeBool();
    f.italic = in.ConsumeBool();
    f.underline = in.ConsumeBool();
    f.strikeOut = in.ConsumeBool();
  }
  for (int n = in.ConsumeIntegralInRange(0, 16); n > 0; --n)
    file.customColours.push_back(in.ConsumeRandomLengthString(255));
  const auto back = mw::ParseFontColorFile(mw::SerializeFontColorFile(file));
  Check(back && SameFiles(file, *back));

  // Heights as stored: any 32-bit value converts without overflow, and a
  // size in range survives the trip through its height.
  const int height = in.ConsumeIntegral<int>();
  const int points = mw::PointsOfFontHeight(height);
  Check(points >= 0);
  const int h = mw::FontHeightOfPoints(points);
  Check(h < 0);
  if (points >= mw::kMinFontPoints && points <= mw::kMaxFontPoints) Check(mw::PointsOfFontHeight(h) == points);

  const mw::ColorValue colour = in.ConsumeIntegral<mw::ColorValue>();
  Check(mw::ParseColourText(mw::ColourText(colour)) == colour);
  (void)mw::ParseColourText(in.ConsumeRemainingBytesAsString());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckRead(std::string_view(reinterpret_cast<const char*>(data), size));
  FuzzedDataProvider in(data, size);
  CheckWritten(in);
  return 0;
}
