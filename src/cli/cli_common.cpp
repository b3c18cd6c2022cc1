#include "cli/cli_common.h"

#include <cstdio>

namespace mw::cli {

bool ArgReader::atOption() const {
  if (done() || m_optionsEnded) return false;
  const std::string& a = m_args[m_pos];
  return a.size() > 1 && a[0] == '-';
}

bool ArgReader::take(std::string_view name) {
  if (!atOption()) return false;
  if (m_args[m_pos] == "--") {
    m_optionsEnded = true;
    ++m_pos;
    return false;
  }
  if (m_args[m_pos] != name) return false;
  ++m_pos;
  return true;
}

bool ArgReader::take(std::string_view name, std::string& value) {
  if (!atOption()) return false;
  const std::string& a = m_args[m_pos];
  if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
    value = a.substr(name.size() + 1);
    ++m_pos;
    return true;
  }
  if (a != name) return false;
  if (m_pos + 1 >= m_args.size()) throw UsageError("option " + std::string(name) + " needs a value");
  value = m_args[m_pos + 1];
  m_pos += 2;
  return true;
}

std::vector<std::string> ArgReader::operands() {
  std::vector<std::string> rest;
  for (; m_pos < m_args.size(); ++m_pos) {
    const std::string& a = m_args[m_pos];
    if (!m_optionsEnded && a == "--") {
      m_optionsEnded = true;
      continue;
    }
    if (!m_optionsEnded && a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + a);
    rest.push_back(a);
  }
  return rest;
}

void WriteStdout(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace mw::cli
