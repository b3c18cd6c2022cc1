#include <gtest/gtest.h>

#include "core/editing/insertion.h"
#include "editing_fixture.h"

namespace mw {
namespace {

using test::FontLetters;
using test::kHyo;
using test::kSo;
using test::kTsu;

std::string Letters(std::string_view fragment) {
  static constexpr char kLetters[] = {'.', 'T', 'S', 'P'};
  std::string out(fragment.size(), '?');
  for (const auto& r : FragmentRuns(fragment))
    for (Offset i = r.start; i < r.start + r.length; ++i)
      out[static_cast<std::size_t>(i)] = kLetters[static_cast<int>(r.cls)];
  return out;
}

struct FragmentRow {
  std::string fragment;
  std::string letters;
};

TEST(FragmentRuns, ColoursTagsValuesAndTheFiveReferences) {
  const FragmentRow rows[] = {
      {"<b>x</b>", "TTT.TTTT"},
      // Tags separated only by line breaks are one run; a trailing break is text.
      {"<p>\r\n<b>\r\nx", "TTTTTTTT..."},
      {"<a href=\"x\">y", "TTTTTTTTPPPT."},
      {"say \"hi\" <b>", ".........TTT"},
      // An unclosed tag runs to the end, and so does an unclosed value.
      {"x<a", ".TT"},
      {"<a b=\"x>", "TTTTTPPP"},
      // Quotes pair from the fragment's start, so a '>' inside a value
      // ends the tag but the value still runs to its closing quote.
      {"<a t=\"a>b\">", "TTTTTPPPPP."},
      {"&lt;&copy;&amp;&nbsp;&quot;&gt;", "SSSS......" + std::string(21, 'S')},
      {"&LT;&lt", "......."},
      {"<a t=\"&amp;\">", "TTTTTPSSSSSPT"},
      {kHyo + "<b>" + kTsu + "</b>" + kSo, "..TTT..TTTT.."},
      {"", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(Letters(r.fragment), r.letters) << r.fragment;
}

TEST(ColourFragment, ColoursOnlyTheRangeAndLeavesTheCaretAfterIt) {
  test::EditingFixture f;
  f.Load("<i>|");
  const DisplayFonts fonts = DesignFonts();
  f.editor.SetTypingFormat(fonts[0]);
  f.editor.SetSelText("<b>x&amp;</b>");
  f.editor.SetRangeFormat(3, 5, fonts[3]);  // the text byte x keeps it
  ColourFragment(f.editor, 3, 13, fonts);
  EXPECT_EQ(FontLetters(f.editor), "...TTTPSSSSSTTTT");
  EXPECT_EQ(test::Show(f.editor), "<i><b>x&amp;</b>|");
}

TEST(PreparePreview, InsertsInTheTextFontAtTheCaretAndColoursWhenAsked) {
  const DisplayFonts fonts = DesignFonts();
  EditingOptions on;
  EditingOptions off;
  off.autoTagFont = false;
  MemoryEditor preview(fonts[2]);  // whatever format the control had
  preview.Load("ab");
  preview.SetSelection(1, 2);
  PreparePreview(preview, "<b>x", on, fonts);
  EXPECT_EQ(preview.GetText(), "a<b>x");
  EXPECT_EQ(FontLetters(preview), "STTT.");
  EXPECT_EQ(test::Show(preview), "a<b>x|");

  MemoryEditor plain(fonts[2]);
  PreparePreview(plain, "<b>x", off, fonts);
  EXPECT_EQ(FontLetters(plain), "....");
}

TEST(PreviewTabStops, TruncateHalfPoints) {
  DisplayFont f;
  f.points = 9;
  const auto stops = PreviewTabStops(f, 3);
  EXPECT_EQ(stops[0], 13);  // 27 / 2
  EXPECT_EQ(stops[1], 27);
  EXPECT_EQ(stops[31], 432);
}

}  // namespace
}  // namespace mw
