#include "search/ResultListTexts.h"

#include <algorithm>
#include <cstdio>

#include "core/CalendarDates.h"
#include "core/UiServices.h"
#include "search/SortedKeyList.h"

namespace orv {
namespace {

// The month of a key from its two digits; 0 when they are not a month (a key from a damaged file).
int MonthOf(std::string_view digits) {
  if (digits.size() != 2 || digits[0] < '0' || digits[0] > '1' || digits[1] < '0' || digits[1] > '9')
    return 0;
  const int month = (digits[0] - '0') * 10 + (digits[1] - '0');
  return month >= 1 && month <= 12 ? month : 0;
}

std::vector<std::string> FillList(const CSortedKeyList& keys, std::string (*text)(std::string_view),
                                  const char* countFormat, const char* emptyKeyMessage, IUiServices& ui) {
  if (keys.Size() > kFulltextListLimit) {
    char message[128];
    std::snprintf(message, sizeof message, countFormat, static_cast<int>(keys.Size()));
    ui.MessageBox(message);
  }
  std::vector<std::string> entries;
  const std::size_t shown = std::min(keys.Size(), kFulltextListLimit);
  for (std::size_t i = 0; i < shown; ++i) {
    if (keys[i].empty()) {
      ui.MessageBox(emptyKeyMessage);
      break;
    }
    entries.push_back(text(keys[i]));
  }
  return entries;
}

}  // namespace

// A key whose month digits are not a month is shown as it stands rather than with a made-up name.
std::string FoundDayText(std::string_view dayKey) {
  const int month = dayKey.size() == 10 ? MonthOf(dayKey.substr(5, 2)) : 0;
  if (month == 0) return std::string(dayKey);
  std::string text(dayKey.substr(8, 2));
  text += ". ";
  text += MonthNameGenitive(month);
  text += ' ';
  text += dayKey.substr(0, 4);
  return text;
}

std::string FoundMonthText(std::string_view monthKey) {
  const int month = monthKey.size() == 7 ? MonthOf(monthKey.substr(5, 2)) : 0;
  if (month == 0) return std::string(monthKey);
  return MonthName(month) + ' ' + std::string(monthKey.substr(0, 4));
}

std::vector<std::string> NaplnitFulltext(const CSortedKeyList& dayKeys, IUiServices& ui) {
  return FillList(dayKeys, FoundDayText, "Počet vyhledaných dnů : %d\r\nZobrazeno: 50",
                  "chyba NaplnitFulltext", ui);
}

std::vector<std::string> NaplnitFulltextMonth(const CSortedKeyList& monthKeys, IUiServices& ui) {
  return FillList(monthKeys, FoundMonthText, "Počet vyhledaných měsíců : %d\r\nZobrazeno: 50",
                  "chyba NaplnitFulltextMonth", ui);
}

}  // namespace orv
