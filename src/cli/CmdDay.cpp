#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"

namespace orv::cli {
namespace {

// Commentary paragraphs are separated by "\r"; a terminal wants lines.
std::string AsLines(const std::string& text) {
  std::string lines = Cp1250ToUtf8(text);
  for (char& c : lines)
    if (c == '\r') c = '\n';
  return lines;
}

}  // namespace

// Prints what the calendar holds for a day (today without a date): its note, its commentary and its
// month's commentary.
int CmdDay(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "day", 1, 2, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  const auto date = ParseDateArgumentOrToday(*args, 1, ctx);
  if (!date) return kExitError;
  const CEntrTxt* day = calendar.Doc().GetDayRecord(DayKey(*date));
  const CEntrTxt* month = calendar.Doc().GetMonthRecord(MonthKey(date->year, date->month));
  if (!day && !month) {
    ctx.err << "Pro den " << DateArgumentText(*date) << " není v kalendáři nic zapsáno.\n";
    return kExitNotFound;
  }
  if (day && !day->m_Poznamka.empty()) ctx.out << "Poznámka: " << Cp1250ToUtf8(day->m_Poznamka) << '\n';
  if (day && !day->m_Text.empty()) ctx.out << "Výklad dne:\n" << AsLines(day->m_Text) << '\n';
  if (month && !month->m_Text.empty()) ctx.out << "Výklad měsíce:\n" << AsLines(month->m_Text) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
