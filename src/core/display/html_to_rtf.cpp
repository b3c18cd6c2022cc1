#include "core/display/html_to_rtf.h"

#include <algorithm>

#include "core/display/html_scanner.h"

namespace mw {

std::string RtfClassString(const DisplayFont& font, int colourIndex) {
  std::string s = "\\plain\\fs" + std::to_string(font.points * 2);
  if (font.bold) s += "\\b";
  if (font.italic) s += "\\i";
  if (font.underline) s += "\\ul";
  if (font.strikeOut) s += "\\strike";
  s += "\\cf" + std::to_string(colourIndex) + " ";
  return s;
}

std::string RtfColourEntry(ColorValue colour) {
  // A system colour is not resolved: its low bytes are taken as they are.
  return "\\red" + std::to_string(colour & 0xFF) + "\\green" + std::to_string((colour >> 8) & 0xFF) +
         "\\blue" + std::to_string((colour >> 16) & 0xFF) + ";";
}

THTMLtoRTFConverter::THTMLtoRTFConverter(std::string_view input, std::string& output)
    : m_input(input), m_output(output) {}

void THTMLtoRTFConverter::SetTextFont(const DisplayFont& f) {
  m_class[static_cast<int>(FontClass::Text)] = RtfClassString(f, static_cast<int>(FontClass::Text));
}
void THTMLtoRTFConverter::SetTagFont(const DisplayFont& f) {
  m_class[static_cast<int>(FontClass::Tag)] = RtfClassString(f, static_cast<int>(FontClass::Tag));
}
void THTMLtoRTFConverter::SetSpecialFont(const DisplayFont& f) {
  m_class[static_cast<int>(FontClass::Special)] = RtfClassString(f, static_cast<int>(FontClass::Special));
}
void THTMLtoRTFConverter::SetParameterFont(const DisplayFont& f) {
  m_class[static_cast<int>(FontClass::Parameter)] =
      RtfClassString(f, static_cast<int>(FontClass::Parameter));
}

void THTMLtoRTFConverter::BuildColourTable(const DisplayFonts& fonts) {
  m_colourTable = "{\\colortbl";
  for (const DisplayFont& f : fonts) m_colourTable += RtfColourEntry(f.color);
  m_colourTable += "}";
}

void THTMLtoRTFConverter::Convert() {
  // One growing block: the output itself. Markup-dense pages switch class
  // every few bytes and need up to four times their source; reserving
  // that costs nothing until it is touched and saves copying tens of
  // megabytes while the block doubles.
  std::string& rtf = m_output;
  rtf.reserve(rtf.size() + kInitialOutput + 4 * m_input.size());
  rtf += "{\\rtf1\\ansi";
  rtf += m_colourTable;
  rtf += m_class[static_cast<int>(FontClass::Text)];

  const char* const source = m_input.data();
  HtmlScanner scanner(m_input);
  HtmlPainter painter;
  std::size_t outputLine = 1;
  // Tokens written unchanged with no switch around them are copied in one
  // piece when something else has to be written.
  Offset unwritten = 0;
  for (;;) {
    const HtmlToken token = scanner.Next();
    if (token.kind == HtmlTokenKind::End) break;
    const TokenPaint paint = painter.Paint(token, m_input);
    const char first = source[static_cast<std::size_t>(token.start)];
    const bool escaped =
        token.kind == HtmlTokenKind::SingleByte && (first == '\\' || first == '{' || first == '}');
    if (outputLine == scanner.SourceLine() && paint.before == TokenPaint::kNone &&
        paint.after == TokenPaint::kNone && !escaped)
      continue;
    rtf.append(source + unwritten, static_cast<std::size_t>(token.start - unwritten));
    unwritten = token.start + token.length;
    // Line structure comes only from \par; the raw CR and LF bytes that
    // follow are ignored by the reader.
    while (outputLine < scanner.SourceLine()) {
      rtf += "\n\\par";
      ++outputLine;
    }
    if (paint.before != TokenPaint::kNone) rtf += m_class[paint.before];
    if (escaped) {
      // Also a trail byte: the reader then gets the same byte back.
      rtf += '\\';
      rtf += first;
    } else {
      rtf.append(source + token.start, static_cast<std::size_t>(token.length));
    }
    if (paint.after != TokenPaint::kNone) rtf += m_class[paint.after];
  }
  rtf.append(source + unwritten, static_cast<std::size_t>(scanner.StopOffset() - unwritten));
  rtf += "\\par}";
}

std::string HtmlToRtf(std::string_view html, const DisplayFonts& fonts) {
  std::string rtf;
  THTMLtoRTFConverter converter(html, rtf);
  converter.SetTextFont(fonts[static_cast<int>(FontClass::Text)]);
  converter.SetTagFont(fonts[static_cast<int>(FontClass::Tag)]);
  converter.SetSpecialFont(fonts[static_cast<int>(FontClass::Special)]);
  converter.SetParameterFont(fonts[static_cast<int>(FontClass::Parameter)]);
  converter.BuildColourTable(fonts);
  converter.Convert();
  return rtf;
}

std::vector<ColourRun> ColourHtml(std::string_view html) {
  std::vector<ColourRun> runs;
  runs.reserve(html.size() / 4 + 1);  // markup-dense text switches every 6 bytes or so
  auto add = [&runs](Offset start, Offset length, FontClass cls) {
    if (!runs.empty() && runs.back().cls == cls) {
      runs.back().length += length;
      return;
    }
    runs.push_back({start, length, cls});
  };

  HtmlScanner scanner(html);
  HtmlPainter painter;
  for (;;) {
    const HtmlToken token = scanner.Next();
    if (token.kind == HtmlTokenKind::End) break;
    add(token.start, token.length, painter.Paint(token, html).draw);
  }
  // The RTF ends at a NUL, but the editor still shows what follows it.
  const auto size = static_cast<Offset>(html.size());
  if (scanner.StopOffset() < size) add(scanner.StopOffset(), size - scanner.StopOffset(), FontClass::Text);
  return runs;
}

}  // namespace mw
