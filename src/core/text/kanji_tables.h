// Lookup tables for the kanji converter, filled once from ICU's own
// mappings (code page 932 for Shift-JIS, ICU's "EUC-JP" for EUC-JP and, by
// way of it, JIS) so that converting a 10 MB page costs a table look-up per
// character instead of a converter call per run of text.
#pragma once

#include <array>
#include <cstdint>

namespace mw::kanji {

// A JIS X 0208 position: row (ku) and cell (ten), both 1-based. Shift-JIS,
// EUC-JP and JIS are three byte forms of the same rows; rows above 94 exist
// only in Shift-JIS (the user-defined area and the IBM extensions).
struct RowCell {
  int row = 0;
  int cell = 0;
};

// Shift-JIS double byte (lead 0x81-0x9F or 0xE0-0xFC, trail 0x40-0x7E or
// 0x80-0xFC) to its row and cell, and back (rows 1-120).
inline RowCell SjisToRowCell(unsigned lead, unsigned trail) {
  const int pair = static_cast<int>(lead < 0xA0 ? lead - 0x81 : lead - 0xC1);
  if (trail >= 0x9F) return {pair * 2 + 2, static_cast<int>(trail) - 0x9E};
  return {pair * 2 + 1, static_cast<int>(trail) - 0x3F - (trail >= 0x80 ? 1 : 0)};
}

inline std::uint16_t RowCellToSjis(RowCell rc) {
  const unsigned lead = static_cast<unsigned>((rc.row + 1) / 2 + (rc.row <= 62 ? 0x80 : 0xC0));
  unsigned trail;
  if (rc.row % 2 == 0)
    trail = static_cast<unsigned>(rc.cell + 0x9E);
  else
    trail = static_cast<unsigned>(rc.cell + 0x3F + (rc.cell >= 64 ? 1 : 0));
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

// How much a character in this row speaks for Japanese text: kana most,
// then punctuation and the common kanji, then symbols and the rarer kanji;
// unassigned, user-defined and vendor rows not at all. Detection adds these
// up for each candidate code.
inline int RowWeight(int row) {
  if (row == 4 || row == 5) return 3;
  if (row == 1 || (row >= 16 && row <= 47)) return 2;
  if (row <= 8 || row == 13 || (row >= 48 && row <= 84)) return 1;
  return 0;
}

inline constexpr char32_t kHalfKanaFirst = 0xFF61;  // ｡
inline constexpr char32_t kHalfKanaLast = 0xFF9F;   // ﾟ
inline constexpr int kHalfKanaCount = 0x3F;

struct Tables {
  // Shift-JIS to Unicode, indexed by the byte (single bytes) or by
  // lead << 8 | trail; 0 where code page 932 assigns nothing.
  std::array<char16_t, 0x10000> fromSjis{};
  // EUC-JP to Unicode by (row - 1) * 94 + (cell - 1): the two-byte set, and
  // the JIS X 0212 set that follows 0x8F. 0 where nothing is assigned.
  std::array<char16_t, 94 * 94> fromEuc{};
  std::array<char16_t, 94 * 94> fromEucSupp{};
  // Unicode (BMP) to Shift-JIS: a byte below 0x100 or lead << 8 | trail;
  // 0 when code page 932 cannot hold the character.
  std::array<std::uint16_t, 0x10000> toSjis{};
  // Unicode (BMP) to EUC-JP: 0xAAAA for two bytes, 0x8FAAAA for JIS X 0212;
  // 0 when EUC-JP cannot hold the character.
  std::array<std::uint32_t, 0x10000> toEuc{};
  // Half-width katakana U+FF61 + i to full width, and the single character
  // it forms with a following voiced (ﾞ) or semi-voiced (ﾟ) mark, 0 when
  // there is none in JIS X 0208 (ﾜﾞ stays ワ゛, as nkf writes it).
  std::array<char16_t, kHalfKanaCount> wideKana{};
  std::array<char16_t, kHalfKanaCount> voiced{};
  std::array<char16_t, kHalfKanaCount> semiVoiced{};
  // Shift-JIS double byte to the ASCII byte of its half-width form, 0 when
  // it has none (full-width ASCII forms and the ideographic space only).
  std::array<char, 0x10000> narrowSjis{};
};

// The tables, built on first use; nullptr when ICU cannot open the
// converters (the converter is then unavailable).
const Tables* GetTables();

// What code page 932's converter writes for code point u when it may not
// fall back to a best fit (the command line's rule for typed text): the
// byte or lead << 8 | trail in *code, and how many bytes in *length, 0 for
// a default-ignorable character it cannot hold, which it drops. False when
// it cannot write u, or ICU cannot open the converter. Asked of the
// converter once per character and remembered.
bool StrictSjisOf(char32_t u, std::uint16_t* code, int* length);

}  // namespace mw::kanji
