#include "view/MonthRows.h"

#include <cstdio>

#include "core/CalendarDates.h"
#include "document/TedDoc.h"
#include "view/MonthColours.h"

namespace orv {
namespace {

CharFormat Coloured(uint32_t colour, bool bold) {
  CharFormat format;
  format.mask = CFM_COLOR | CFM_BOLD;
  format.colour = colour;
  format.effects = bold ? CFE_BOLD : 0;
  return format;
}

CharFormat MoonFormat() {
  CharFormat format = Coloured(kMoonColour, false);
  format.mask |= CFM_FACE | CFM_CHARSET;
  format.face = kMoonFace;
  format.charset = kCharsetSymbol;
  return format;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%2d", value);
  return buffer;
}

// A row is one line of the table whatever the calendar holds: a line break or another control
// character in a note or a name (tabs are the row's own columns) shows as a space.
void KeepOnOneLine(std::string& text) {
  for (char& c : text)
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) c = ' ';
}

}  // namespace

void NaplnSvstr(const CNamesDatabase& names, std::string_view key, int category, std::string& text,
                bool& flag, int filled) {
  text.clear();
  for (const std::string& name : names.NamesOn(category, key)) {
    if (name == "Pavel" || name == "Eva") continue;
    if (!text.empty()) text += ' ';
    text += name;
  }
  // A category whose only entries are the left-out names adds nothing, not even a separator.
  if (text.empty()) return;
  if (flag) text.insert(0, filled == 1 ? " \t  " : "  ");
  flag = true;
}

CMonthRow BuildMonthRow(const CTedDoc& doc, const CMoonMap& moons, const CDisplaySwitches& switches, int year,
                        int month, int day) {
  CMonthRow row;
  std::string& text = row.text;
  const int weekday = WeekdayIndex(year, month, day);
  if (month == 1 && day == 1)
    text = TwoDigits(1) + '\t';
  else if (weekday == 0)
    text = TwoDigits(WeekNumber(year, month, day)) + '\t';
  else
    text = "  \t";
  text += TwoDigits(day) + '\t' + WeekdayAbbrev(weekday) + '\t';
  if (switches.moon) text += MoonGlyph(moons, year, month, day) + '\t';

  bool redDay = weekday == 6;
  bool flag = false;
  int filled = 0;
  const std::string key = AnniversaryKey(month, day);
  for (int category : kRowCategoryOrder) {
    if (!switches.categories[category]) continue;
    std::string piece;
    NaplnSvstr(doc.m_Names, key, category, piece, flag, filled);
    if (piece.empty()) continue;
    const size_t prefix = piece.find_first_not_of(" \t");
    const CCategoryLook& look = kCategoryLooks[category];
    row.spans.push_back({static_cast<int>(text.size() + prefix), static_cast<int>(piece.size() - prefix),
                         Coloured(look.colour, look.bold)});
    text += piece;
    redDay = redDay || look.redDay;
    ++filled;
  }

  const CEntrTxt* record = doc.GetDayRecord(DayKey(year, month, day));
  if (switches.notes && record && !record->m_Poznamka.empty()) {
    if (filled > 0) text += filled == 1 ? " \t  " : "  ";
    row.spans.push_back({static_cast<int>(text.size()), static_cast<int>(record->m_Poznamka.size()),
                         Coloured(kNoteColour, false)});
    text += record->m_Poznamka;
  }

  KeepOnOneLine(text);

  // An ordinary day keeps the base colour; only the weight of its number may change.
  const bool hasCommentary = record && !record->m_Text.empty();
  CharFormat dayFormat = Coloured(kSundayColour, hasCommentary);
  if (!redDay) dayFormat.mask = CFM_BOLD;
  std::vector<CRowSpan> fixed = {{kDayColumn, 2, dayFormat}};
  if (redDay) fixed.push_back({kWeekdayColumn, 2, Coloured(kSundayColour, false)});
  if (switches.moon) fixed.push_back({kMoonColumn, 1, MoonFormat()});
  row.spans.insert(row.spans.begin(), fixed.begin(), fixed.end());
  return row;
}

std::vector<CMonthRow> BuildMonthRows(CTedDoc& doc, const CMoonMap& moons, const CDisplaySwitches& switches,
                                      int year, int month) {
  doc.m_Names.UpdateEasterMonday(year);
  std::vector<CMonthRow> rows;
  const int days = DaysInMonth(year, month);
  rows.reserve(days);
  for (int day = 1; day <= days; ++day) rows.push_back(BuildMonthRow(doc, moons, switches, year, month, day));
  return rows;
}

std::string MonthCaption(int year, int month) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "  %04d", year);
  return MonthName(month) + buffer;
}

}  // namespace orv
