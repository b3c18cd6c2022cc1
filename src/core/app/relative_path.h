// Relative links between files, as a page links to its neighbours: the path
// of a target seen from the folder of the page. POSIX paths ('/').
#pragma once

#include <string>
#include <string_view>

namespace mw {

// target as written in a link of the page `fromFile`: "img/a.gif",
// "../b.html". When fromFile has no folder (an untitled page) or either
// path is not absolute, target comes back unchanged.
std::string MakeRelativePath(std::string_view fromFile, std::string_view target);

}  // namespace mw
