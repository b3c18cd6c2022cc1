// A small RTF reader for the converter's tests: it reads text the way a
// rich-edit control does (groups, control words with their delimiter
// space, control symbols, raw CR and LF ignored, \par as a line end) and
// keeps raw 8-bit bytes as they are, which RTF readers for Shift-JIS
// documents do. Each byte read back carries the colour index in force.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace mw::test {

struct ReadBack {
  std::string text;     // \par read as CR LF
  std::string colours;  // per byte of text: '0' + \cf index ('\r', '\n' for line ends)
};

inline ReadBack ReadRtf(std::string_view rtf) {
  ReadBack out;
  char colour = '0';
  int depth = 0;
  int skipDepth = 0;  // inside {\colortbl ...}: not text
  std::size_t i = 0;
  auto emit = [&](char c) {
    if (skipDepth != 0) return;
    out.text += c;
    out.colours += colour;
  };
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '{') {
      ++depth;
      ++i;
    } else if (c == '}') {
      if (depth == skipDepth) skipDepth = 0;
      --depth;
      ++i;
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else if (c != '\\') {
      emit(c);
      ++i;
    } else if (i + 1 < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
      std::size_t j = i + 1;
      while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
      const std::string word(rtf.substr(i + 1, j - i - 1));
      std::size_t k = j;
      if (k < rtf.size() && rtf[k] == '-') ++k;
      while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
      const std::string param(rtf.substr(j, k - j));
      if (k < rtf.size() && rtf[k] == ' ') ++k;  // the delimiter belongs to the word
      i = k;
      if (word == "colortbl") skipDepth = depth;
      if (word == "cf") colour = static_cast<char>('0' + std::stoi(param));
      if (word == "par" && skipDepth == 0) {
        out.text += "\r\n";
        out.colours += "\r\n";
      }
    } else if (i + 1 < rtf.size()) {  // a control symbol: \\ \{ \}
      emit(rtf[i + 1]);
      i += 2;
    } else {
      ++i;
    }
  }
  return out;
}

}  // namespace mw::test
