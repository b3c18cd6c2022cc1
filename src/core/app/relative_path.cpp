#include "app/relative_path.h"

#include <vector>

namespace mw {

namespace {
std::vector<std::string_view> Components(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t at = 0;
  while (at <= path.size()) {
    const std::size_t slash = path.find('/', at);
    const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
    if (end > at) parts.push_back(path.substr(at, end - at));
    if (slash == std::string_view::npos) break;
    at = slash + 1;
  }
  return parts;
}
}  // namespace

std::string MakeRelativePath(std::string_view fromFile, std::string_view target) {
  if (!fromFile.starts_with('/') || !target.starts_with('/')) return std::string(target);
  auto base = Components(fromFile);
  base.pop_back();  // the page itself; links start from its folder
  const auto to = Components(target);
  std::size_t common = 0;
  while (common < base.size() && common + 1 < to.size() && base[common] == to[common]) ++common;
  std::string rel;
  for (std::size_t i = common; i < base.size(); ++i) rel += "../";
  for (std::size_t i = common; i < to.size(); ++i) {
    rel += to[i];
    if (i + 1 < to.size()) rel += '/';
  }
  return rel;
}

}  // namespace mw
