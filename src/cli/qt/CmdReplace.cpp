// orv replace FILE.orv YYYY-MM-DD FIND REPLACEMENT [--month] [--mask] [--whole] [--case] [--no-accents]:
// replaces every occurrence in the day's (or the month's) commentary as "Zaměnit vše" does, keeping
// the formatting around each replacement, prints how many were replaced and saves the calendar.
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "core/BatchUiServices.h"
#include "core/Cp1250.h"
#include "editor/FindReplace.h"
#include "richtext/RichEditCtrl.h"

namespace orv::cli {

int CmdReplace(const std::vector<std::string>& words, CliContext& ctx) {
  std::string error;
  const auto args =
      CliArgs::Parse(words, {}, {"--month", "--mask", "--whole", "--case", "--no-accents"}, error);
  if (args && args->Positional().size() != 4)
    error = "Zadejte soubor kalendáře, datum, hledaný text a náhradu.";
  if (!args || !error.empty()) {
    ctx.err << error
            << "\nPoužití: orv replace SOUBOR.orv RRRR-MM-DD HLEDANÝ NÁHRADA [--month] [--mask] [--whole] "
               "[--case] [--no-accents]\n";
    return kExitError;
  }
  FindSettings find;
  find.text = Cp1250FromUtf8(args->Positional()[2]);
  find.SetWholeWords(args->Has("--whole"));
  find.SetMask(args->Has("--mask"));
  find.matchCase = args->Has("--case");
  find.ignoreAccents = args->Has("--no-accents");
  if (!find.text.empty()) DropMaskWithoutWildcard(find, ctx.ui);  // as "Záměna výrazů" does
  if (!CheckFindText(find, ctx.ui)) return kExitError;

  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  const auto date = ParseDateArgument(args->Positional()[1], ctx);
  if (!date) return kExitError;
  CTedDoc& doc = calendar.Doc();
  const bool month = args->Has("--month");
  const std::string key = month ? MonthKey(date->year, date->month) : DayKey(*date);
  const CEntrTxt* record = month ? doc.GetMonthRecord(key) : doc.GetDayRecord(key);
  if (!record || record->m_Text.empty()) {
    ctx.out << "0\n";
    return kExitNotFound;
  }
  EnsureGuiApplication();
  CRichEditCtrl editor;
  editor.StreamIn(record->m_Rtf);
  editor.SetSel(0, 0);
  CBatchUiServices quiet;  // the count is printed below instead of the window's two messages
  const int count = ReplaceAll(editor, find, Cp1250FromUtf8(args->Positional()[3]), quiet);
  ctx.out << count << '\n';
  if (count == 0) return kExitNotFound;
  const std::string text = editor.GetText();
  const std::string stored = text.empty() ? std::string() : editor.StreamOut();
  if (month)
    doc.StoreMonthCommentary(key, stored, text);
  else
    doc.StoreDayCommentary(key, stored, text);
  return calendar.SaveIfModified() ? kExitOk : kExitError;
}

}  // namespace orv::cli
