// The command line of markupwright-cli: the escapes of its texts, the
// argument reader every subcommand uses, and the edit subcommand run with
// any arguments on a page of any bytes.
//
// A text shown escaped and typed back gives the text again. The argument
// reader takes options, values and operands as the usage lines say, "--"
// ending the options. edit either runs or refuses its arguments; it never
// fails otherwise.
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "core/app/document_file.h"
#include "core/engine_commands.h"
#include "fuzz_support.h"

namespace {

using namespace mw::cli;
using mw::fuzz::Check;

void CheckEscapes(const std::string& text) {
  std::string typed;
  try {
    if (TerminalToDocument(DocumentToTerminal(text)) != text) return;
    typed = TerminalToDocument(Unescape(DocumentToTerminal(Escape(text))));
  } catch (const UsageError&) {
    return;  // a character the terminal shows but Shift-JIS cannot take back
  }
  Check(typed == text);
  const std::string line = OneLine(text);
  Check(line.find_first_of("\t\r\n") == std::string::npos);
}

struct Option {
  const char* name;
  bool wantsValue;
};
constexpr Option kOptions[] = {{"--out", true}, {"--sel", true}, {"-r", false}, {"--list", false}, {"-i", false}};

struct Parsed {
  std::vector<std::string> taken;  // "name" or "name=value"
  std::vector<std::string> operands;
  bool refused = false;
  friend bool operator==(const Parsed&, const Parsed&) = default;
};

// The reader as a subcommand's loop uses it.
Parsed Read(const std::vector<std::string>& args) {
  Parsed p;
  ArgReader in(args);
  try {
    while (!in.done()) {
      if (!in.atOption()) {
        p.operands.push_back(in.next());
        continue;
      }
      bool matched = false;
      for (const Option& o : kOptions) {
        std::string value;
        if (o.wantsValue ? in.take(o.name, value) : in.take(o.name)) {
          p.taken.push_back(o.wantsValue ? std::string(o.name) + "=" + value : o.name);
          matched = true;
          break;
        }
      }
      if (matched) continue;
      if (!in.take("--")) throw UsageError("unknown option " + in.current());
      for (auto& rest : in.operands()) p.operands.push_back(rest);
    }
  } catch (const UsageError&) {
    return Parsed{{}, {}, true};
  }
  return p;
}

// The same rules written out plainly.
Parsed Expected(const std::vector<std::string>& args) {
  Parsed p;
  bool ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (ended || a.size() < 2 || a[0] != '-') {
      p.operands.push_back(a);
      continue;
    }
    if (a == "--") {
      ended = true;
      continue;
    }
    const Option* found = nullptr;
    std::string value;
    for (const Option& o : kOptions) {
      const std::string n = o.name;
      if (a == n) {
        if (o.wantsValue) {
          if (i + 1 == args.size()) return Parsed{{}, {}, true};
          value = args[++i];
        }
        found = &o;
        break;
      }
      if (o.wantsValue && a.starts_with(n + "=")) {
        value = a.substr(n.size() + 1);
        found = &o;
        break;
      }
    }
    if (!found) return Parsed{{}, {}, true};
    p.taken.push_back(found->wantsValue ? std::string(found->name) + "=" + value : found->name);
  }
  return p;
}

const std::string& Folder() {
  static const bool quiet = [] {
    // The reports go nowhere: only whether edit copes matters here.
    const int null = ::open("/dev/null", O_WRONLY);
    return null >= 0 && ::dup2(null, STDOUT_FILENO) >= 0;
  }();
  (void)quiet;
  return mw::fuzz::ScratchFolder();
}

void RunEditWith(FuzzedDataProvider& in) {
  static const char* const kWords[] = {
      "--sel", "--set", "--answer", "--clipboard", "--field", "--out", "--", "-", "yes", "no", "cancel", "0",
      "3,2", "-1", "1,-1", "99999999999999999999", "9223372036854775807,1", "2,9223372036854775807",
      "iTabStop=100", "iTabStop=2147483647", "iNofColumn=1", "iNofColumn=0", "iNofColumn=-5", "bAutoIndent=1",
      "bLowerCaseTag=x", "asDateTimeFormatStr=yyyy\\t\xe8\xa1\xa8", "edTitle=\\\"x\\\"", "rgAlign=2",
      "sgOption[1,0]=a", "=x", "\xe8\xa1\xa8\\n\\\\", "\xef\xbf\xbd", "\\x83", "--list",
  };
  static const std::vector<std::string> commands = [] {
    std::vector<std::string> names;
    for (const auto& c : mw::EngineCommands().All()) names.push_back(c.name);
    return names;
  }();
  const std::string page = Folder() + "/page.html";
  std::vector<std::string> args{page};
  for (int n = in.ConsumeIntegralInRange(0, 12); n > 0; --n) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
      case 0: args.push_back(kWords[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)]); break;
      case 1: args.push_back(commands[in.ConsumeIntegralInRange<std::size_t>(0, commands.size() - 1)]); break;
      case 2:
        args.push_back(commands[in.ConsumeIntegralInRange<std::size_t>(0, commands.size() - 1)] + ":" +
                       in.ConsumeRandomLengthString(4));
        break;
      case 3: args.push_back(in.ConsumeRandomLengthString(12)); break;
    }
    if (args.back() == "--out") args.push_back(Folder() + "/out.html");
  }
  std::ofstream(page, std::ios::binary) << in.ConsumeRemainingBytesAsString();
  try {
    (void)RunEdit(args);
  } catch (const UsageError&) {
  } catch (const mw::FileError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)Folder();
  FuzzedDataProvider in(data, size);
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckEscapes(in.ConsumeRemainingBytesAsString()); break;
    case 1: {
      static const char* const kArgs[] = {"--out", "--out=a", "--sel", "-r", "--list", "-i", "--", "-", "x",
                                          "--list=1", "--outx", "-ri", "--sel="};
      std::vector<std::string> args;
      while (in.remaining_bytes() > 0 && args.size() < 12)
        args.push_back(in.ConsumeBool() ? kArgs[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kArgs) - 1)]
                                        : in.ConsumeRandomLengthString(6));
      Check(Read(args) == Expected(args));
      break;
    }
    case 2: RunEditWith(in); break;
  }
  return 0;
}
