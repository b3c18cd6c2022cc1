// The Shift-JIS pages the window and editor benchmarks open, and the
// process's resident memory to weigh what opening one costs.
//
// TenMegabytePage repeats one table row. WrittenPage reads like a real
// page: table rows and paragraphs whose words differ from line to line
// (kanji, kana, katakana with ASCII trail bytes, half-width kana, ASCII),
// so what the widget measures for wrapping cannot all come from its cache
// of short repeated runs.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace mw::bench {

inline std::string TenMegabytePage() {
  std::string page = "<HTML><HEAD><TITLE>\x83\x65\x83\x58\x83\x67</TITLE></HEAD><BODY>\r\n";
  const std::string block =
      "<TR><TD CLASS=\"name\">\x95\x5C\x8E\xA6\x82\xCC\x83\x5C\x81\x5B\x83\x58</TD>"
      "<TD><A HREF=\"page.html#top\"><B>\x83\x67\x83\x62\x83\x76\x82\xD6</B></A> &amp; "
      "\xB1\xB2\xB3 text <!-- note --></TD></TR>\r\n";
  while (page.size() < 10 * 1024 * 1024) page += block;
  return page + "</BODY></HTML>\r\n";
}

namespace detail {

// A fixed sequence, so every run opens the same page.
class Words {
 public:
  unsigned Next(unsigned n) {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 7;
    m_state ^= m_state << 17;
    return static_cast<unsigned>(m_state % n);
  }
  // Level-1 kanji (lead bytes 89-97, any trail byte) and hiragana.
  void Japanese(std::string& out, unsigned chars) {
    for (unsigned i = 0; i < chars; ++i) {
      if (Next(3) == 0) {
        out += static_cast<char>(0x82);
        out += static_cast<char>(0x9F + Next(0x53));
      } else {
        out += static_cast<char>(0x89 + Next(15));
        const unsigned t = Next(0xBC);
        out += static_cast<char>(t < 0x3F ? 0x40 + t : 0x41 + t);  // 40-7E, 80-FC
      }
    }
  }
  // Katakana (83 40-83 96, not 83 7F): many trail bytes are ASCII letters.
  void Katakana(std::string& out, unsigned chars) {
    for (unsigned i = 0; i < chars; ++i) {
      unsigned t = 0x40 + Next(0x56);
      if (t >= 0x7F) ++t;
      out += static_cast<char>(0x83);
      out += static_cast<char>(t);
    }
  }
  void HalfWidthKana(std::string& out, unsigned chars) {
    for (unsigned i = 0; i < chars; ++i) out += static_cast<char>(0xA6 + Next(0x3A));
  }
  void Ascii(std::string& out, unsigned words) {
    static const char* const kWords[] = {"text", "page", "index", "news", "link", "table", "2026", "web", "top"};
    for (unsigned i = 0; i < words; ++i) {
      if (i > 0) out += ' ';
      out += kWords[Next(9)];
      out += std::to_string(Next(1000));
    }
  }

 private:
  std::uint64_t m_state = 0x9E3779B97F4A7C15ull;
};

}  // namespace detail

inline std::string WrittenPage(std::size_t megabytes) {
  detail::Words w;
  std::string page = "<HTML><HEAD><TITLE>\x83\x65\x83\x58\x83\x67</TITLE></HEAD><BODY>\r\n";
  const std::size_t size = megabytes * 1024 * 1024;
  page.reserve(size + 1024);
  while (page.size() < size) {
    if (w.Next(3) == 0) {
      // A paragraph: one long line that wraps several times.
      page += "<P>";
      for (unsigned s = 1 + w.Next(4); s > 0; --s) {
        w.Japanese(page, 10 + w.Next(40));
        page += "\x81\x42";  // 。
        if (w.Next(2) == 0) {
          page += "<B>";
          w.Katakana(page, 2 + w.Next(6));
          page += "</B>";
        }
      }
      page += "</P>\r\n";
      continue;
    }
    page += "<TR><TD CLASS=\"c" + std::to_string(w.Next(7)) + "\">";
    w.Japanese(page, 2 + w.Next(10));
    page += "</TD><TD><A HREF=\"page" + std::to_string(w.Next(500)) + ".html#s" + std::to_string(w.Next(50)) + "\"><B>";
    w.Katakana(page, 2 + w.Next(8));
    page += "</B></A> &amp; ";
    w.HalfWidthKana(page, 1 + w.Next(5));
    page += ' ';
    w.Ascii(page, 1 + w.Next(4));
    page += " <!-- ";
    w.Ascii(page, 1);
    page += " --></TD></TR>\r\n";
  }
  return page + "</BODY></HTML>\r\n";
}

inline long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

}  // namespace mw::bench
