// orv holiday FILE add|remove|rename: changes the calendar's names and holidays with the checks and
// messages of "Změnit svátky", then saves the calendar. A refusal leaves the file as it was.
#include <cctype>
#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "core/Cp1250.h"
#include "core/Cp1250Refusal.h"
#include "names/ChangeHolidaysModel.h"

namespace orv::cli {
namespace {

constexpr const char* kUsage =
    "Použití: orv holiday SOUBOR.orv add KATEGORIE MM/DD JMÉNO\n"
    "        orv holiday SOUBOR.orv remove KATEGORIE JMÉNO\n"
    "        orv holiday SOUBOR.orv rename KATEGORIE STARÉ NOVÉ\n"
    "KATEGORIE: jmenne, statni, ostatni, soukrome nebo vyznamne\n";

// As orv month --hide spells the categories.
constexpr const char* kCategoryWords[5] = {"jmenne", "statni", "ostatni", "soukrome", "vyznamne"};

std::optional<int> ParseCategory(const std::string& word, CliContext& ctx) {
  for (int category = 0; category < 5; ++category)
    if (word == kCategoryWords[category]) return category;
  ctx.err << "Neznámá kategorie \"" << word
          << "\": zadejte jmenne, statni, ostatni, soukrome nebo vyznamne.\n";
  return std::nullopt;
}

// MM/DD of any year: 29 February is a valid day of the names table.
std::optional<MonthDay> ParseMonthDay(const std::string& text, CliContext& ctx) {
  const bool digits =
      text.size() == 5 && text[2] == '/' && std::isdigit(static_cast<unsigned char>(text[0])) &&
      std::isdigit(static_cast<unsigned char>(text[1])) &&
      std::isdigit(static_cast<unsigned char>(text[3])) && std::isdigit(static_cast<unsigned char>(text[4]));
  if (digits) {
    const MonthDay md = ParseAnniversaryKey(text);
    if (md.month >= 1 && md.month <= 12 && md.day >= 1 && md.day <= DaysInMonth(2000, md.month)) return md;
  }
  ctx.err << "Neplatné datum \"" << text << "\": zadejte den v roce jako MM/DD, například 03/16.\n";
  return std::nullopt;
}

}  // namespace

int CmdHoliday(const std::vector<std::string>& words, CliContext& ctx) {
  const std::size_t want = words.size() > 1 && words[1] == "remove" ? 4 : 5;
  const bool known = words.size() > 1 && (words[1] == "add" || words[1] == "remove" || words[1] == "rename");
  if (!known || words.size() != want) {
    ctx.err << kUsage;
    return kExitError;
  }
  const std::string& action = words[1];
  for (std::size_t i = 3; i < words.size(); ++i) {
    if (action == "add" && i == 3) continue;  // the day
    if (const std::string why = Cp1250Refusal(words[i], "do názvu"); !why.empty()) {
      ctx.ui.MessageBox(why);
      return kExitError;
    }
  }
  const std::optional<int> category = ParseCategory(words[2], ctx);
  if (!category) return kExitError;
  std::optional<MonthDay> day{MonthDay{1, 1}};
  if (action == "add" && !(day = ParseMonthDay(words[3], ctx))) return kExitError;

  CCliCalendar calendar(ctx);
  if (!calendar.Open(words[0])) return kExitError;
  CTedDoc& doc = calendar.Doc();
  CChangeHolidaysModel change(doc.m_Names, day->month, day->day);
  change.SetCategory(*category);
  bool done = false;
  if (action == "add") {
    done = change.Add(Cp1250FromUtf8(words[4]));
  } else {
    const std::string name = Cp1250FromUtf8(words[3]);
    if (!change.SelectDayOf(name)) {
      ctx.err << "Položka \"" << words[3] << "\" v kategorii " << words[2] << " není.\n";
      return kExitNotFound;
    }
    done = action == "remove" ? change.RemoveEntry(name) : change.Rename(name, Cp1250FromUtf8(words[4]));
  }
  if (!done) return kExitNotFound;
  change.WriteBack(doc.m_Names);
  doc.SetModifiedFlag();
  return calendar.SaveIfModified() ? kExitOk : kExitError;
}

}  // namespace orv::cli
