#pragma once
// "Orvinek.cfg": one string in the calendar file's string encoding, the face name of the base font.
// Nothing else is stored. The reader trusts nothing in the file: a length that runs past the end, or
// a file far larger than any face name, reads as no configuration.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

inline constexpr std::string_view kConfigFileName = "Orvinek.cfg";

// "Orvinek.cfg" beside the executable. When it is not there and the program's directory cannot be
// written (an installed program), the user's own configuration directory of the window program
// takes its place, so that the base font chosen once is not chosen, and complained about, again at
// every start; orv, beside it, reads the same file.
std::string ConfigFilePath(const std::string& programDir);

// The face (Windows-1250 bytes), or nullopt when the file is missing, unreadable or malformed.
std::optional<std::string> ReadConfigFile(const std::string& path);
// Creates the file anew holding the face; false when it cannot be written.
bool WriteConfigFile(const std::string& path, std::string_view face);

// The string encoding alone, for the reader's and writer's tests.
std::optional<std::string> DecodeConfigString(std::string_view bytes);
std::string EncodeConfigString(std::string_view face);

}  // namespace orv
