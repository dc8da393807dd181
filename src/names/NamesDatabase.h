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
  kNameDays = 0,         // "jmenné svátky"
  kStateHolidays = 1,    // "státní svátky"
  kOtherHolidays = 2,    // "ostatní svátky" (Easter Monday included)
  kPrivateHolidays = 3,  // "soukromé svátky"
  kSignificantDays = 4,  // "významné dny"
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
  // The first two steps of AddName, for the change-holidays dialog that reports each on its own.
  // AddNameToDate appends the trimmed name to the day's list unless it is there; SetDateOfName
  // points the name at the date (a name on a second date stays in the first date's list too).
  bool AddNameToDate(int category, std::string_view name, std::string_view anniversaryKey);
  bool SetDateOfName(int category, std::string_view name, std::string_view anniversaryKey);
  // Removes a name with everything that refers to it; consistency failures are reported.
  bool RemoveName(int category, std::string_view name);
  // Inserts a name into a sorted list by halving search in Czech collation order.
  bool InsToStrList(std::vector<std::string>& list, std::string_view name, bool categoryList = false);
  // The names of a category on a day (empty when none).
  const std::vector<std::string>& NamesOn(int category, std::string_view anniversaryKey) const;
  // Empties every saved container (the built-in lists and the Easter map stay).
  void Clear();
  // Replaces the eighteen saved containers by copies of the source's, each entry filed as the
  // program files a new one; the change-holidays dialog edits such a copy and copies it back on OK.
  void CopyNamesFrom(const CNamesDatabase& source);

  // Seeding a new calendar: the built-in name-day lists, then every built-in entry through AddName
  // (false after a consistency failure, keeping what was added before it).
  void FillBuiltinNameDays();
  bool LoadKonstSabl();
  // Re-enters "Velikonoční pondělí" in category 2 on the Easter Monday of the year; none for a
  // year outside the year range. Called whenever the displayed year may have changed.
  void UpdateEasterMonday(int year);

  IUiServices& Ui() const { return *m_Ui; }

 private:
  IUiServices* m_Ui;
};

// A name as the database files it: white space trimmed from both ends.
std::string_view TrimName(std::string_view name);

// Seeds the names database of a new calendar for the displayed year: FillBuiltinNameDays,
// LoadKonstSabl, UpdateEasterMonday. False after a consistency failure.
bool SeedNewCalendarNames(CNamesDatabase& names, int year);

}  // namespace orv
