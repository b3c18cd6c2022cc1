// Picture files the tests make without any image library.
#pragma once

#include <string>

namespace mw::test {

// A GIF of w by h pixels in one colour: each pixel is a clear code and the
// colour's index, so every code stays three bits wide.
inline std::string Gif(int w, int h) {
  std::string g = "GIF89a";
  auto u16 = [&](int v) {
    g += static_cast<char>(v & 0xFF);
    g += static_cast<char>(v >> 8);
  };
  u16(w);
  u16(h);
  g += std::string("\x80\x00\x00", 3);          // two colours in the global table
  g += std::string("\xFF\x00\x00\x00\x00\xFF", 6);  // red, blue
  g += ',';
  u16(0);
  u16(0);
  u16(w);
  u16(h);
  g += '\0';
  g += '\x02';  // the smallest code size
  std::string data;
  unsigned bits = 0, count = 0;
  auto code = [&](unsigned c) {
    bits |= c << count;
    count += 3;
    while (count >= 8) {
      data += static_cast<char>(bits & 0xFF);
      bits >>= 8;
      count -= 8;
    }
  };
  for (int i = 0; i < w * h; ++i) {
    code(4);
    code(1);
  }
  code(5);
  if (count > 0) data += static_cast<char>(bits & 0xFF);
  for (std::size_t i = 0; i < data.size(); i += 255) {
    const std::string block = data.substr(i, 255);
    g += static_cast<char>(block.size());
    g += block;
  }
  g += '\0';
  g += ';';
  return g;
}

}  // namespace mw::test
