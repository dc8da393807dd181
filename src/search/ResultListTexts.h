#pragma once
// What the search dialogs' lists show for a found key, in Windows-1250 like the rest of the calendar's
// text:
//
//   FoundDayText("2004/03/05")   "05. března 2004"   (day digits, genitive month in lower case, year)
//   FoundMonthText("2004/03")    "Březen 2004"       (nominative month, capitalised, year)
//
// The full-text dialog shows at most kFulltextListLimit entries per list and says how many there were.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CSortedKeyList;
class IUiServices;

inline constexpr std::size_t kFulltextListLimit = 50;

std::string FoundDayText(std::string_view dayKey);
std::string FoundMonthText(std::string_view monthKey);

// The entries of the days list (and of the months list): the first 50 keys' texts in key order. With
// more than 50 keys the count message comes first; an empty key ends the list with "chyba
// NaplnitFulltext" ("chyba NaplnitFulltextMonth").
std::vector<std::string> NaplnitFulltext(const CSortedKeyList& dayKeys, IUiServices& ui);
std::vector<std::string> NaplnitFulltextMonth(const CSortedKeyList& monthKeys, IUiServices& ui);

}  // namespace orv
