// The reader of "Orvinek.cfg" over arbitrary bytes: it must refuse or accept without crashing, hanging
// or allocating beyond what the input justifies, and a face it accepts must encode and decode back to
// itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "editor/ConfigFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<std::string> face =
      orv::DecodeConfigString({reinterpret_cast<const char*>(data), size});
  if (!face) return 0;
  if (orv::DecodeConfigString(orv::EncodeConfigString(*face)) != face) __builtin_trap();
  return 0;
}
