#pragma once
// The calendar file as a whole: the sections in their order, the record bodies, the three versions
// that are read (1, 2, 3) and the one that is written (3), and which fields are scrambled. Content is
// held plain in memory; scrambling happens only in the bytes.

#include <functional>
#include <string>
#include <string_view>

#include "document/CalendarContent.h"

namespace orv {

class IUiServices;

// Reads a whole calendar file into `content`, which should be fresh. A version 0 or above 3 is
// reported ("verze - nesmysl", "Neznámá verze !") and leaves only the header read. False, with the
// reason (Czech) in `reason`, when the file is damaged.
// The day and month records stay views into `buffer` until they are first read.
bool LoadCalendar(const CArchiveBuffer& buffer, CCalendarContent& content, IUiServices& ui,
                  std::string& reason);
// The same over a copy of the bytes.
bool LoadCalendar(std::string_view bytes, CCalendarContent& content, IUiServices& ui, std::string& reason);

// Record offsets are 32-bit: a larger file is refused as damaged.
inline constexpr std::size_t kMaxArchiveBytes = 0xFFFFFFFE;

// The bytes of the calendar as version 3; sets m_Verze to 3 first.
std::string StoreCalendar(CCalendarContent& content);
// The same bytes handed to `sink` piece by piece, never all in memory; false when the sink refused one.
bool StoreCalendar(CCalendarContent& content, const std::function<bool(std::string_view)>& sink);

}  // namespace orv
