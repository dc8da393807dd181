#pragma once
// "Tento den v minulých letech": the records of one day and month in every other year of the
// calendar, newest first, as the window and `orv on-this-day` list them.
//
//   for (const SOnThisDay& item : OnThisDay(doc, {7, 14}, 2026)) ...   every year but 2026
//   OnThisDayDateText({2019, 7, 14}) -> "14. 7. 2019, neděle"
//
// 29 February is found only in leap years; texts are Windows-1250, like the records.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CalendarDates.h"

namespace orv {

class CTedDoc;

// What the list shows of one year's record.
struct SOnThisDay {
  Date date;
  std::string note;
  std::string commentary;  // the start of the day's commentary on one line
};

// How much of a commentary the list shows, in characters.
inline constexpr std::size_t kOnThisDayCommentaryChars = 200;
// The window's text for an empty list (UTF-8).
inline constexpr char kNoOtherYear[] = "Žádný jiný rok nemá k tomuto dni záznam.";

// The records of `day` in the years of the range, newest first, leaving out `exceptYear`.
std::vector<SOnThisDay> OnThisDay(const CTedDoc& doc, const MonthDay& day,
                                  std::optional<int> exceptYear = std::nullopt);
// The start of a commentary's plain text on one line: each run of paragraph breaks, tabs, other
// control characters and spaces becomes one space, and at most `chars` characters are kept.
std::string CommentaryStart(std::string_view text, std::size_t chars = kOnThisDayCommentaryChars);
// "14. 7. 2019, neděle".
std::string OnThisDayDateText(const Date& date);

}  // namespace orv
