#pragma once
// The names database as the lists show it: an AnniversaryKey as "07. března", the name days in
// alphabetical order with their dates, any category in calendar order, and finding a name as the
// user types it.

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

// Where typing in a list's edit field leads: the first name equal to the typed text is selected and
// scrolled to the top; otherwise the first name the text is a proper prefix of is scrolled to the top
// with nothing selected; otherwise nothing is selected. Upper-cased comparison, Windows-1250.
struct CTypedMatch {
  int selected = -1;  // line to select, -1 for none
  int top = -1;       // line to scroll to the top, -1 to leave the list where it is
  friend bool operator==(const CTypedMatch&, const CTypedMatch&) = default;
};
CTypedMatch FindTypedName(const std::vector<std::string>& names, std::string_view typed);

}  // namespace orv
