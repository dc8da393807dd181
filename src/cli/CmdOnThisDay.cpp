// orv on-this-day FILE.orv [MM-DD]: the records of one day and month (today's without an argument) in
// every year of the calendar, newest first, one line each: "RRRR-MM-DD<TAB>note<TAB>start of the
// commentary". Exit 1 when no year has one.
#include <cstdio>
#include <limits>
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "view/OnThisDay.h"

namespace orv::cli {
namespace {

// "MM-DD" of a day that exists in some year (02-29 included).
std::optional<MonthDay> ParseMonthDay(const std::string& text, CliContext& ctx) {
  int month = 0, day = 0;
  char end = 0;
  if (text.size() == 5 && text[2] == '-' && std::sscanf(text.c_str(), "%2d-%2d%c", &month, &day, &end) == 2 &&
      month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(2000, month))
    return MonthDay{month, day};
  ctx.err << "Neplatný den \"" << text << "\": zadejte měsíc a den ve tvaru MM-DD, například 07-14.\n";
  return std::nullopt;
}

}  // namespace

int CmdOnThisDay(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "on-this-day", 1, 2, ctx);
  if (!args) return kExitError;
  const Date today = Today();
  const std::optional<MonthDay> day =
      args->size() == 2 ? ParseMonthDay((*args)[1], ctx) : MonthDay{today.month, today.day};
  if (!day) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  const std::vector<SOnThisDay> list = OnThisDay(calendar.Doc(), *day);
  for (const SOnThisDay& item : list)
    ctx.out << DateArgumentText(item.date) << '\t'
            << Cp1250ToUtf8(CommentaryStart(item.note, std::numeric_limits<std::size_t>::max())) << '\t'
            << Cp1250ToUtf8(item.commentary) << '\n';
  return list.empty() ? kExitNotFound : kExitOk;
}

}  // namespace orv::cli
