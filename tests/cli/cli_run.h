// Runs the command-line tool as a user would and collects what it said.
#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace mw::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

CliResult RunCli(const std::vector<std::string>& args);

}  // namespace mw::test
