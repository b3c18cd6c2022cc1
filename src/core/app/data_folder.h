// Where the settings and data files live, and the small list files kept
// there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mw {

// The program folder when it is writable (a portable install keeps its data
// beside the program), otherwise the per-user configuration folder
// ($XDG_CONFIG_HOME/markupwright, else ~/.config/markupwright), created
// when missing. The one place this is decided.
std::string ChooseDataFolder(const std::string& programFolder);

// folder + "/" + name.
std::string DataFilePath(const std::string& folder, std::string_view name);

inline constexpr std::string_view kFileExtListName = "FileExtList.txt";

// The coloured extensions (lower case, no dot) from FileExtList.txt; the
// six defaults when the file is missing or damaged (unreadable, no regular
// file, holding NUL bytes or far too large). Saving keeps a damaged file as
// FileExtList.txt.bak before it replaces it.
std::vector<std::string> LoadColouredExtensions(const std::string& folder);
void SaveColouredExtensions(const std::string& folder, const std::vector<std::string>& extensions);
std::vector<std::string> DefaultColouredExtensions();

}  // namespace mw
