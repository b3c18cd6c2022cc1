// Entry points and help texts of the subcommands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw::cli {

extern const std::string_view kRtfHelp;
int RunRtf(std::vector<std::string>& args);

extern const std::string_view kEditHelp;
int RunEdit(std::vector<std::string>& args);

extern const std::string_view kConvertHelp;
int RunConvert(std::vector<std::string>& args);
extern const std::string_view kZenkakuHelp;
int RunZenkaku(std::vector<std::string>& args);
extern const std::string_view kHankakuHelp;
int RunHankaku(std::vector<std::string>& args);

}  // namespace mw::cli
