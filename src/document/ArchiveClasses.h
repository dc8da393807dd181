#pragma once
// The record classes a calendar file may name, with the class names and the schema written into the
// file before the first object of each class.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

enum class ArchiveClass : std::uint8_t { EntrTxt, Comment, Com, Names, CharFormat, ParFormat };

inline constexpr std::uint16_t kArchiveSchema = 1;
inline constexpr std::size_t kMaxClassNameLength = 63;

std::string_view ArchiveClassName(ArchiveClass cls);
std::optional<ArchiveClass> ArchiveClassFromName(std::string_view name);

}  // namespace orv
