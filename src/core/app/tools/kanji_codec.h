// The pieces the kanji converter's public functions share: reading each
// source code into characters and writing characters in a target code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/app/tools/kanji_converter.h"
#include "core/text/kanji_tables.h"

namespace mw::kanji {

enum class Target { ShiftJis, EucJp, Jis };

const char* CodeName(KanjiCode code);
const char* TargetName(Target target);

// End of the run of bytes below 0x80 that starts at i.
inline std::size_t AsciiEnd(std::string_view in, std::size_t i) {
  const char* p = in.data();
  const std::size_t n = in.size();
  while (n - i >= 8) {
    std::uint64_t w;
    std::memcpy(&w, p + i, 8);
    if (w & 0x8080808080808080ull) break;
    i += 8;
  }
  while (i < n && !(static_cast<unsigned char>(p[i]) & 0x80)) ++i;
  return i;
}

// Collects the converted text. Half-width katakana are held back one call
// so that a voiced mark after them can join them; every other call writes
// them out first.
class Writer {
 public:
  Writer(const Tables& t, Target target, std::string_view in);

  void Ascii(const char* p, std::size_t n) {
    FlushKana();
    if (m_kanjiMode) {
      Put("\x1B(B", 3);
      m_kanjiMode = false;
    }
    Put(p, n);
  }
  // Bytes already in the target code (conversion into the source's code).
  void Raw(const char* p, std::size_t n) {
    if (n == 0) return;  // nothing between two kana: a voiced mark may still join
    FlushKana();
    Put(p, n);
  }
  // Half-width katakana U+FF61 + index, read at source offset at.
  void Kana(int index, std::size_t at);
  // A character above ASCII, read at source offset at.
  void Char(char32_t u, std::size_t at) {
    FlushKana();
    Wide(u, at);
  }
  [[noreturn]] void Invalid(KanjiCode code, std::size_t at, std::size_t len) const;
  std::string Finish();

 private:
  void FlushKana() {
    if (m_pending >= 0) {
      const int k = m_pending;
      m_pending = -1;
      Wide(m_t.wideKana[static_cast<std::size_t>(k)], m_pendingAt);
    }
  }
  void Wide(char32_t u, std::size_t at);
  [[noreturn]] void Unwritable(char32_t u, std::size_t at) const;
  char* Room(std::size_t n) {
    if (m_out.size() - m_len < n) m_out.resize(m_out.size() * 2 + n);
    char* p = m_out.data() + m_len;
    m_len += n;
    return p;
  }
  void Put(const char* p, std::size_t n) {
    if (n) std::memcpy(Room(n), p, n);
  }
  // The low n bytes of a code value, most significant first.
  void PutCode(std::uint32_t v, std::size_t n) {
    char* p = Room(n);
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<char>(v >> (8 * (n - 1 - i)));
  }

  const Tables& m_t;
  Target m_target;
  std::string_view m_in;
  std::string m_out;
  std::size_t m_len = 0;
  bool m_kanjiMode = false;  // JIS output: inside ESC $ B
  int m_pending = -1;
  std::size_t m_pendingAt = 0;
};

// Readers: each hands every character of its code to the writer. With keep
// set (the target is the source's own code) everything but half-width
// katakana is copied byte for byte, invalid bytes and vendor duplicates
// included; without it an invalid byte is an error.
void ReadSjis(const Tables& t, std::string_view in, Writer& w, bool keep);
void ReadEuc(const Tables& t, std::string_view in, Writer& w, bool keep);
void ReadJis(const Tables& t, std::string_view in, Writer& w);
void ReadUtf8(std::string_view in, Writer& w);

}  // namespace mw::kanji
