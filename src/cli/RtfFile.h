#pragma once
// Reading an RTF file a command brings in (orv rtf2txt, orv commentary --rtf): a regular file only,
// so that a FIFO or a device is refused instead of waited on or read without end, and no longer
// than a commentary may be ("Výklad je příliš velký"). Messages go to the error output.

#include <optional>
#include <string>

#include "cli/CliCommand.h"

namespace orv::cli {

std::optional<std::string> ReadRtfFile(const std::string& path, CliContext& ctx);

}  // namespace orv::cli
