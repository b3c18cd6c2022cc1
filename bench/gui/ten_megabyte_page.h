// The 10 MB Shift-JIS page the window and editor benchmarks open, and the
// process's resident memory to weigh what opening it costs.
#pragma once

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

inline long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096;
}

}  // namespace mw::bench
