// Writes the benchmarks' written page of N MB to a file, for the timing of
// the whole program (window_settle.sh). Usage: written_page MB PATH
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "ten_megabyte_page.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::atol(argv[1]) <= 0) {
    std::cerr << "usage: written_page MB PATH\n";
    return 2;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << mw::bench::WrittenPage(static_cast<std::size_t>(std::atol(argv[1])));
  out.close();
  if (!out) {
    std::cerr << "written_page: cannot write " << argv[2] << "\n";
    return 2;
  }
  return 0;
}
