// markupwright-cli: the editor's core commands on files, without a window.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/app/document_file.h"
#include "cli/cli_common.h"

namespace {

void PrintToolHelp(std::FILE* to) {
  std::fprintf(to, "usage: markupwright-cli SUBCOMMAND [OPTIONS] ARGS...\n\nSubcommands:\n");
  for (const auto& s : mw::cli::Subcommands())
    std::fprintf(to, "  %-10.*s %.*s\n", static_cast<int>(s.name.size()), s.name.data(),
                 static_cast<int>(s.summary.size()), s.summary.data());
  std::fprintf(to, "\n'markupwright-cli SUBCOMMAND --help' describes one subcommand.\n");
}

void ReportOutputError(std::string_view command, const std::string& reason) {
  std::cerr << "markupwright-cli" << (command.empty() ? "" : " ") << command << ": standard output: " << reason
            << "\n";
}

// Nothing counts as done until standard output holds all of it.
int Finish(int status, std::string_view command) {
  if (const auto lost = mw::cli::FinishStdout()) {
    ReportOutputError(command, *lost);
    return mw::cli::kExitError;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace mw::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintToolHelp(stderr);
    return kExitError;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintToolHelp(stdout);
    return Finish(kExitOk, "");
  }
  for (const auto& sub : Subcommands()) {
    if (sub.name != args[0]) continue;
    std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const auto& a : rest) {
      if (a == "--") break;
      if (a == "--help" || a == "-h") {
        std::cout << sub.help;
        return Finish(kExitOk, sub.name);
      }
    }
    try {
      return Finish(sub.run(rest), sub.name);
    } catch (const OutputError& e) {
      ReportOutputError(sub.name, e.what());
      return kExitError;
    } catch (const UsageError& e) {
      std::cerr << "markupwright-cli " << sub.name << ": " << e.what() << "\n"
                << "Try 'markupwright-cli " << sub.name << " --help'.\n";
      return kExitError;
    } catch (const mw::FileError& e) {
      std::cerr << "markupwright-cli " << sub.name << ": " << e.what() << "\n";
      return kExitError;
    } catch (const std::exception& e) {
      std::cerr << "markupwright-cli " << sub.name << ": " << e.what() << "\n";
      return kExitError;
    }
  }
  std::cerr << "markupwright-cli: unknown subcommand '" << args[0] << "'\n";
  PrintToolHelp(stderr);
  return kExitError;
}
