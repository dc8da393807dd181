// orv commentary FILE.orv YYYY-MM-DD [--month] [--rtf IN.rtf]: prints the day's (or the month's)
// commentary as RTF, or replaces it by the content of an RTF file. The file is read through the
// program's RTF reader and stored as the program stores what its editor holds: the RTF its writer
// produces and the plain text, by the store rules of day and month commentaries.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/RtfFile.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "richtext/RichEditCtrl.h"

namespace orv::cli {
namespace {

constexpr const char* kUsage = "Použití: orv commentary SOUBOR.orv RRRR-MM-DD [--month] [--rtf VSTUP.rtf]";

constexpr const char* kTooLarge = "Výklad je příliš velký\n";

int PrintCommentary(const CEntrTxt* record, CliContext& ctx) {
  if (!record || record->m_Rtf.empty()) {
    ctx.err << "Výklad není zapsán.\n";
    return kExitNotFound;
  }
  ctx.out << record->m_Rtf;
  if (record->m_Rtf.back() != '\n') ctx.out << '\n';
  return kExitOk;
}

}  // namespace

int CmdCommentary(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args = CliArgs::Parse(words, {"--rtf"}, {"--month"}, error);
  if (!args || args->Positional().size() != 2) {
    ctx.err << (args ? std::string(kUsage) : error) << '\n';
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  const auto date = ParseDateArgument(args->Positional()[1], ctx);
  if (!date) return kExitError;
  CTedDoc& doc = calendar.Doc();
  const bool month = args->Has("--month");
  const std::string dayKey = DayKey(*date);
  const std::string monthKey = MonthKey(date->year, date->month);

  const std::optional<std::string> input = args->Value("--rtf");
  if (!input) return PrintCommentary(month ? doc.GetMonthRecord(monthKey) : doc.GetDayRecord(dayKey), ctx);

  const std::optional<std::string> rtf = ReadRtfFile(*input, ctx);
  if (!rtf) return kExitError;
  EnsureGuiApplication();
  CRichEditCtrl editor;
  if (!editor.StreamIn(*rtf)) {
    ctx.err << kTooLarge;
    return kExitError;
  }
  const std::string text = editor.GetText();
  // An empty commentary is stored as nothing at all, as the editor stores one.
  const std::string stored = text.empty() ? std::string() : editor.StreamOut();
  if (month)
    doc.StoreMonthCommentary(monthKey, stored, text);
  else
    doc.StoreDayCommentary(dayKey, stored, text);
  return calendar.SaveIfModified() ? kExitOk : kExitError;
}

}  // namespace orv::cli
