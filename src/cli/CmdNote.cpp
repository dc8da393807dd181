#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/Commands.h"
#include "cli/TerminalText.h"
#include "core/Cp1250.h"
#include "core/RefusedCharacters.h"

namespace orv::cli {

// Prints the short note of a day (today's without a date), or stores a new one (an empty text
// removes it). The day's commentary stays as it is.
int CmdNote(const std::vector<std::string>& words, CliContext& ctx) {
  const auto args = PositionalArguments(words, "note", 1, 3, ctx);
  if (!args) return kExitError;
  CCliCalendar calendar(ctx);
  if (!calendar.Open((*args)[0])) return kExitError;
  const auto date = ParseDateArgumentOrToday(*args, 1, ctx);
  if (!date) return kExitError;
  CTedDoc& doc = calendar.Doc();
  const std::string key = DayKey(*date);
  const CEntrTxt* record = doc.GetDayRecord(key);

  if (args->size() < 3) {
    if (!record || record->m_Poznamka.empty()) {
      ctx.err << "Den " << DateArgumentText(*date) << " nemá poznámku.\n";
      return kExitNotFound;
    }
    ctx.out << ShownText(Cp1250ToUtf8(record->m_Poznamka), ctx) << '\n';
    return kExitOk;
  }
  const std::optional<std::u32string> refused = Cp1250Unencodable((*args)[2]);
  if (!refused) {
    ctx.err << "Text poznámky není platný text v kódování UTF-8.\n";
    return kExitError;
  }
  if (!refused->empty()) {
    ctx.err << RefusedNoteCharactersText(*refused) << '\n';
    return kExitError;
  }
  const std::string note = Cp1250FromUtf8((*args)[2]);
  if (note.find_first_of("\r\n") != std::string::npos) {
    ctx.err << "Poznámka musí být na jednom řádku.\n";
    return kExitError;
  }
  const std::string rtf = record ? record->m_Rtf : std::string();
  const std::string text = record ? record->m_Text : std::string();
  doc.StoreDay(key, note, rtf, text);
  return calendar.SaveIfModified() ? kExitOk : kExitError;
}

}  // namespace orv::cli
