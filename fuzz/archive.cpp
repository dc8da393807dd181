// The calendar file reader over arbitrary bytes: it must refuse or accept without crashing, hanging or
// allocating beyond what the input justifies, and whatever it accepts must write and read back to the
// same bytes. Records under keys that are no date are never offered to the program, and they survive
// the round trip.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/BatchUiServices.h"
#include "core/CalendarDates.h"
#include "document/CalendarArchive.h"

namespace {

bool OffersOnlyValidKeys(const orv::CRecordMap& records, bool (*valid)(std::string_view)) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (!valid(records.KeyAt(i))) return false;
  return true;
}

bool OffersOnlyValidKeys(const orv::CCalendarContent& c) {
  return OffersOnlyValidKeys(c.m_DataTxt, orv::IsValidDayKey) &&
         OffersOnlyValidKeys(c.m_DataMesice, orv::IsValidMonthKey);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::CBatchUiServices ui;
  orv::CCalendarContent first(ui);
  std::string reason;
  if (!orv::LoadCalendar({reinterpret_cast<const char*>(data), size}, first, ui, reason)) return 0;
  if (!OffersOnlyValidKeys(first)) __builtin_trap();
  const std::string bytes = orv::StoreCalendar(first);
  orv::CCalendarContent second(ui);
  if (!orv::LoadCalendar(bytes, second, ui, reason)) __builtin_trap();
  if (!OffersOnlyValidKeys(second)) __builtin_trap();
  if (second.m_DataTxt.InvalidKeyCount() != first.m_DataTxt.InvalidKeyCount() ||
      second.m_DataMesice.InvalidKeyCount() != first.m_DataMesice.InvalidKeyCount())
    __builtin_trap();
  if (orv::StoreCalendar(second) != bytes) __builtin_trap();
  return 0;
}
