#include "view/OnThisDay.h"

#include "core/Cp1250.h"
#include "document/TedDoc.h"

namespace orv {
namespace {

const std::string& WeekdayName(int index) {
  static const std::string names[] = {
      Cp1250FromUtf8("pondělí"), Cp1250FromUtf8("úterý"),  Cp1250FromUtf8("středa"), Cp1250FromUtf8("čtvrtek"),
      Cp1250FromUtf8("pátek"),   Cp1250FromUtf8("sobota"), Cp1250FromUtf8("neděle")};
  return names[index];
}

}  // namespace

std::vector<SOnThisDay> OnThisDay(const CTedDoc& doc, const MonthDay& day, std::optional<int> exceptYear) {
  std::vector<SOnThisDay> list;
  if (day.month < 1 || day.month > 12) return list;
  for (int year = MaxYear(); year >= MinYear(); --year) {
    if (year == exceptYear || day.day < 1 || day.day > DaysInMonth(year, day.month)) continue;
    const CEntrTxt* record = doc.GetDayRecord(DayKey(year, day.month, day.day));
    if (!record) continue;
    list.push_back({{year, day.month, day.day}, record->m_Poznamka, CommentaryStart(record->m_Text)});
  }
  return list;
}

std::string CommentaryStart(std::string_view text, std::size_t chars) {
  std::string start;
  for (const char c : text) {
    if (start.size() == chars) break;
    const bool space = static_cast<unsigned char>(c) <= 0x20 || c == 0x7f;
    if (!space)
      start += c;
    else if (!start.empty() && start.back() != ' ')
      start += ' ';
  }
  while (!start.empty() && start.back() == ' ') start.pop_back();
  return start;
}

std::string OnThisDayDateText(const Date& date) {
  return std::to_string(date.day) + ". " + std::to_string(date.month) + ". " + std::to_string(date.year) +
         ", " + WeekdayName(WeekdayIndex(date.year, date.month, date.day));
}

}  // namespace orv
