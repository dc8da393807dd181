#pragma once
// The names database as the lists show it: an AnniversaryKey as "07. března", the name days in
// alphabetical order with their dates, and any category in calendar order.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CNamesDatabase;

// "03/07" -> "07. března" (Windows-1250): the day part kept with its leading zero, then the
// genitive month name. A key whose month is not 1-12 comes back as it is.
std::string FormatAnniversary(std::string_view anniversaryKey);

struct CNameListEntry {
  std::string name;            // Windows-1250
  std::string anniversaryKey;  // "MM/DD"
  friend bool operator==(const CNameListEntry&, const CNameListEntry&) = default;
};

// The names of a category in its sorted list order, each with its date. A name without a date is a
// broken database: the name and "CDlgSvatky - OnInit - Chyba konzistence 1" are shown and the list
// ends there.
std::vector<CNameListEntry> AlphabeticalNames(const CNamesDatabase& names, int category);
// The names of a category day by day through a leap year, within a day in the order added.
std::vector<CNameListEntry> ChronologicalNames(const CNamesDatabase& names, int category);

}  // namespace orv
