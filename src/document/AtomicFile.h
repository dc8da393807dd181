#pragma once
// Writes a whole file so that a failure never costs the old one: the bytes go to a temporary file in
// the target's folder, are flushed to disk, and the temporary file is renamed over the target. On any
// failure the temporary file is removed and the target is as it was.

#include <string>
#include <string_view>

namespace orv {

// Empty on success, else the reason in Czech ("do složky nelze zapisovat", "disk je plný" ...).
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

// The reason of a failed file operation, in Czech, from its errno.
std::string FileErrorReason(int error);

}  // namespace orv
