// orv month [FILE.orv] [YYYY-MM] [--no-moon] [--hide CATEGORIES] [--no-notes] [--color]: the month
// table of a calendar (a new one when no file is given) as the calendar view builds it: the caption,
// then one row a day with its tabs. --color draws the rows' formats with terminal colours.
#include <cctype>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "view/MonthRows.h"

namespace orv::cli {
namespace {

constexpr const char* kCategoryWords[5] = {"jmenne", "statni", "ostatni", "soukrome", "vyznamne"};

constexpr const char* kUsage =
    "Použití: orv month [SOUBOR.orv] [RRRR-MM] [--no-moon] [--hide KATEGORIE] [--no-notes] [--color]";

// A calendar is named by the last three letters "orv", in any case, as the program opens files.
bool LooksLikeCalendarFile(const std::string& word) {
  if (word.size() < 3) return false;
  std::string tail = word.substr(word.size() - 3);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == "orv";
}

std::optional<std::pair<int, int>> ParseYearMonth(const std::string& text) {
  int year = 0, month = 0;
  char end = 0;
  if (text.size() != 7 || std::sscanf(text.c_str(), "%4d-%2d%c", &year, &month, &end) != 2 ||
      text[4] != '-' || month < 1 || month > 12)
    return std::nullopt;
  return std::pair{year, month};
}

bool HideCategories(const std::string& list, CDisplaySwitches& switches, CliContext& ctx) {
  std::istringstream words(list);
  for (std::string word; std::getline(words, word, ',');) {
    bool known = false;
    for (int category = 0; category < 5; ++category)
      if (word == kCategoryWords[category]) switches.categories[category] = known = true;
    if (!known) {
      ctx.err << "Neznámá kategorie \"" << word
              << "\": zadejte jmenne, statni, ostatni, soukrome nebo vyznamne (oddělené čárkou).\n";
      return false;
    }
  }
  return true;
}

// The SGR sequence of a span's colour and weight; members outside its mask keep the row's look.
std::string Sgr(const CharFormat& format) {
  std::string sgr = "\x1b[";
  sgr += (format.mask & CFM_BOLD) && (format.effects & CFE_BOLD) ? "1" : "22";
  if (format.mask & CFM_COLOR) {
    char rgb[32];
    std::snprintf(rgb, sizeof rgb, ";38;2;%u;%u;%u", format.colour & 0xFF, (format.colour >> 8) & 0xFF,
                  (format.colour >> 16) & 0xFF);
    sgr += rgb;
  }
  return sgr + "m";
}

std::string Coloured(const CMonthRow& row) {
  std::string out;
  size_t at = 0;
  for (const CRowSpan& span : row.spans) {
    out += row.text.substr(at, span.start - at);
    out += Sgr(span.format) + row.text.substr(span.start, span.length) + "\x1b[0m";
    at = span.start + span.length;
  }
  return out + row.text.substr(at);
}

}  // namespace

int CmdMonth(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const std::optional<CliArgs> args =
      CliArgs::Parse(words, {"--hide"}, {"--no-moon", "--no-notes", "--color"}, error);
  if (!args) {
    ctx.err << error << '\n';
    return kExitError;
  }
  // [FILE.orv] [YYYY-MM]: without a month, the month the calendar starts on.
  std::vector<std::string> positional = args->Positional();
  std::optional<std::string> file;
  if (!positional.empty() && (positional.size() == 2 || LooksLikeCalendarFile(positional.front()))) {
    file = positional.front();
    positional.erase(positional.begin());
  }
  if (positional.size() > 1) {
    ctx.err << kUsage << '\n';
    return kExitError;
  }
  CDisplaySwitches switches;
  switches.moon = !args->Has("--no-moon");
  switches.notes = !args->Has("--no-notes");
  if (const std::optional<std::string> hide = args->Value("--hide")) {
    CDisplaySwitches hidden;
    hidden.categories.fill(false);
    if (!HideCategories(*hide, hidden, ctx)) return kExitError;
    for (int category = 0; category < 5; ++category)
      switches.categories[category] = !hidden.categories[category];
  }

  CCliCalendar calendar(ctx);
  if (!file)
    calendar.Doc().OnNewDocument();
  else if (!calendar.Open(*file))
    return kExitError;
  // The month is checked against the years the opened calendar's records widened.
  const Date start = StartDateFor(Today());
  const std::optional<std::pair<int, int>> month =
      positional.empty() ? std::optional(std::pair{start.year, start.month}) : ParseYearMonth(positional[0]);
  if (!month || !IsYearInRange(month->first)) {
    ctx.err << "Neplatný měsíc \"" << positional[0] << "\": zadejte RRRR-MM z let " << MinYear() << "–"
            << MaxYear() << ".\n";
    return kExitError;
  }
  CMoonMap moons;
  BuildMoonMap(moons);
  const std::vector<CMonthRow> rows =
      BuildMonthRows(calendar.Doc(), moons, switches, month->first, month->second);
  ctx.out << Cp1250ToUtf8(MonthCaption(month->first, month->second)) << '\n';
  const bool colour = args->Has("--color");
  for (const CMonthRow& row : rows) ctx.out << Cp1250ToUtf8(colour ? Coloured(row) : row.text) << '\n';
  return kExitOk;
}

}  // namespace orv::cli
