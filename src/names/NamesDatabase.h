#pragma once
// The names-and-holidays database of one calendar: for each of six category slots, the names by
// date, the date of each name, and the Czech-sorted list of names. A new calendar is seeded from the
// built-in tables (LoadKonstSabl); a loaded calendar carries exactly what was saved in it, except
// Easter Monday, which UpdateEasterMonday re-enters for the displayed year.
//
// Names and keys are Windows-1250 bytes, compared exactly. Every container here is saved with the
// calendar; the built-in name-day lists and the Easter map are not.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArchiveMap.h"

namespace orv {

class IUiServices;

// Category slots; slot 5 is saved and loaded but never filled.
enum NameCategory : int {
  kNameDays = 0,        // "jmenné svátky"
  kStateHolidays = 1,   // "státní svátky"
  kOtherHolidays = 2,   // "ostatní svátky" (Easter Monday included)
  kPrivateHolidays = 3, // "soukromé svátky"
  kSignificantDays = 4, // "významné dny"
};
inline constexpr int kCategorySlots = 6;

// Value of the date-to-names maps: the names of one day in one category, in the order added.
struct CNames {
  std::vector<std::string> m_List;
  friend bool operator==(const CNames&, const CNames&) = default;
};

// Value of the name-to-date maps: the AnniversaryKey of a name. (Version-1 files also use the same
// layout under the class name "CCom" for their notes.)
struct CComment {
  std::string m_Str;
  friend bool operator==(const CComment&, const CComment&) = default;
};

struct CNameCategory {
  CArchiveMap<CNames> m_JmenaPodleData;     // AnniversaryKey -> names of that day
  CArchiveMap<CComment> m_DatumPodleJmena;  // name -> its AnniversaryKey
  std::vector<std::string> m_SeznamJmen;    // all names, in Czech collation order
};

class CNamesDatabase {
 public:
  explicit CNamesDatabase(IUiServices& ui) : m_Ui(&ui) {}

  std::array<CNameCategory, kCategorySlots> m_Slots;

  // Built-in name-day lists, one pair of parallel lists per month (names, AnniversaryKeys); used
  // only to seed category 0 of a new calendar. Not saved.
  std::array<std::vector<std::string>, 12> m_SvatkyJmena;
  std::array<std::vector<std::string>, 12> m_SvatkyData;
  // Easter Monday of the displayed year: AnniversaryKey -> name. Not saved.
  CArchiveMap<CComment> m_Velikonoce;

  // Enters one name on one date (AddNameToDate, SetDateOfName, InsToStrList); false for a name
  // that is empty after trimming spaces.
  bool AddName(int category, std::string_view name, std::string_view anniversaryKey);
  // Removes a name with everything that refers to it; consistency failures are reported.
  bool RemoveName(int category, std::string_view name);
  // Inserts a name into a sorted list by halving search in Czech collation order.
  bool InsToStrList(std::vector<std::string>& list, std::string_view name, bool categoryList = false);
  // The names of a category on a day (empty when none).
  const std::vector<std::string>& NamesOn(int category, std::string_view anniversaryKey) const;
  // Empties every saved container (the built-in lists and the Easter map stay).
  void Clear();

  IUiServices& Ui() const { return *m_Ui; }

 private:
  IUiServices* m_Ui;
};

}  // namespace orv
