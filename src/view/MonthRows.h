#pragma once
// The text of the month table, one row a day, and the formats of each row's pieces. The rows are
// built once and carry where each piece stands, so colouring a row never has to find its pieces in
// the text again; the view and `orv month` draw from the same rows.
//
//   " 1\t 1\tSo\tU\tDen obnovy ... \t  Nový rok  Ivo" week, day, weekday, moon, categories, note
//
// Text is Windows-1250, like every text the calendar shows.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/MoonPhases.h"
#include "richtext/RichFormats.h"

namespace orv {

class CTedDoc;
class CNamesDatabase;

struct CDisplaySwitches {
  std::array<bool, 5> categories{true, true, true, true, true};  // indexed by category
  bool moon = true;
  bool notes = true;
  bool operator==(const CDisplaySwitches&) const = default;
};

// A piece of a row and the members of its character format that differ from the table's base format.
struct CRowSpan {
  int start = 0;
  int length = 0;
  CharFormat format;
  bool operator==(const CRowSpan&) const = default;
};

struct CMonthRow {
  std::string text;
  std::vector<CRowSpan> spans;
  bool operator==(const CMonthRow&) const = default;
};

// Fixed positions in a row: the day number, the weekday, the moon glyph and the first text column.
inline constexpr int kDayColumn = 3;
inline constexpr int kWeekdayColumn = 6;
inline constexpr int kMoonColumn = 9;
inline constexpr int kTextColumnWithMoon = 11;
inline constexpr int kTextColumnWithoutMoon = 9;

// The names of one category on one AnniversaryKey, joined by spaces, "Pavel" and "Eva" left out (they
// stand in the joint name days "Petr a Pavel" and "Adam a Eva"). A text after an earlier one of the
// same row is prefixed by two spaces, and by " \t" before them when exactly one text precedes it, so
// the first text keeps its own tab column. `flag` tells whether a text stands in the row already;
// `filled` counts the non-empty texts so far.
void NaplnSvstr(const CNamesDatabase& names, std::string_view key, int category, std::string& text,
                bool& flag, int filled);

// One row of the month table, with its pieces' formats. The names database must carry Easter Monday
// of `year` (UpdateEasterMonday).
CMonthRow BuildMonthRow(const CTedDoc& doc, const CMoonMap& moons, const CDisplaySwitches& switches, int year,
                        int month, int day);

// The rows of a whole month, after UpdateEasterMonday for its year.
std::vector<CMonthRow> BuildMonthRows(CTedDoc& doc, const CMoonMap& moons, const CDisplaySwitches& switches,
                                      int year, int month);

// "Březen  2005": the nominative month name, two spaces and the year.
std::string MonthCaption(int year, int month);

}  // namespace orv
