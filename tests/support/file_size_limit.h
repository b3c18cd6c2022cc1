// A write that fails half-way, as on a full disk: while this lives, no
// file of the process can grow past `bytes` (the write fails with EFBIG
// instead of the process being killed).
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace mw::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    m_ok = ::getrlimit(RLIMIT_FSIZE, &m_old) == 0;
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = m_old;
    small.rlim_cur = bytes;
    m_ok = m_ok && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_handler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return m_ok; }

 private:
  struct rlimit m_old {};
  void (*m_handler)(int) = SIG_DFL;
  bool m_ok = false;
};

}  // namespace mw::test
