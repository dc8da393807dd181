// The calendar file reader over arbitrary bytes: it must refuse or accept without crashing, hanging or
// allocating beyond what the input justifies, and whatever it accepts must write and read back to the
// same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/BatchUiServices.h"
#include "document/CalendarArchive.h"

namespace {}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::CBatchUiServices ui;
  orv::CCalendarContent first(ui);
  std::string reason;
  if (!orv::LoadCalendar({reinterpret_cast<const char*>(data), size}, first, ui, reason)) return 0;
  const std::string bytes = orv::StoreCalendar(first);
  orv::CCalendarContent second(ui);
  if (!orv::LoadCalendar(bytes, second, ui, reason)) __builtin_trap();
  if (orv::StoreCalendar(second) != bytes) __builtin_trap();
  return 0;
}
