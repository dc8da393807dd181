#include "document/ArchiveClasses.h"

#include <array>

namespace orv {
namespace {

constexpr std::array<std::string_view, 6> kClassNames = {"CEntrTxt", "CComment",    "CCom",
                                                         "CNames",   "CCharFormat", "CParFormat"};

}  // namespace

std::string_view ArchiveClassName(ArchiveClass cls) {
  return kClassNames[static_cast<std::size_t>(cls)];
}

std::optional<ArchiveClass> ArchiveClassFromName(std::string_view name) {
  for (std::size_t i = 0; i < kClassNames.size(); ++i)
    if (kClassNames[i] == name) return static_cast<ArchiveClass>(i);
  return std::nullopt;
}

}  // namespace orv
