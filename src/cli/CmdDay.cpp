#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "cli/TerminalText.h"
#include "core/Cp1250.h"
#include "richtext/CommentaryText.h"

namespace orv::cli {
namespace {

// Commentary paragraphs are separated by "\r"; a terminal wants lines. Characters the stored plain
// text lacks come from the commentary's RTF.
std::string AsLines(const CEntrTxt& record) {
  std::string lines = CommentaryTextUtf8(record.m_Text, record.m_Rtf);
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
  if (day && !day->m_Poznamka.empty())
    ctx.out << "Poznámka: " << ShownText(Cp1250ToUtf8(day->m_Poznamka), ctx) << '\n';
  if (day && !day->m_Text.empty()) ctx.out << "Výklad dne:\n" << ShownText(AsLines(*day), ctx) << '\n';
  if (month && !month->m_Text.empty()) ctx.out << "Výklad měsíce:\n" << ShownText(AsLines(*month), ctx) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
