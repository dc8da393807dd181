#include "cli/qt/ExportOptions.h"

#include <ostream>

#include "cli/CliCalendar.h"
#include "cli/CliCommand.h"
#include "cli/qt/GuiApplication.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "export/RtfExportDialogModel.h"

namespace orv::cli {

std::set<std::string> ExportValueOptions() {
  return {"--from", "--to", "--month-style", "--day-style"};
}

std::set<std::string> ExportFlagOptions() {
  return {"--no-notes", "--no-day-commentaries", "--no-month-commentaries", "--all", "--encrypt"};
}

std::optional<SRtfExportChoice> ExportChoiceFromArgs(const CliArgs& args, const CTedDoc& doc,
                                                     CliContext& ctx) {
  CRtfExportDialogModel model(doc);
  for (const char* option : {"--from", "--to"}) {
    const auto value = args.Value(option);
    if (!value) continue;
    const auto date = ParseDateArgument(*value, ctx);
    if (!date) return std::nullopt;
    if (option[2] == 'f')
      model.SetFrom(*date);
    else
      model.SetTo(*date);
  }
  model.SetNotes(!args.Has("--no-notes"));
  model.SetDayCommentaries(!args.Has("--no-day-commentaries"));
  model.SetMonthCommentaries(!args.Has("--no-month-commentaries"));
  model.SetLimited(!args.Has("--all"));
  for (const char* option : {"--month-style", "--day-style"}) {
    const auto value = args.Value(option);
    if (!value) continue;
    const std::string name = Cp1250FromUtf8(*value);
    if (!doc.m_StylesPar.Find(name)) {
      ctx.err << "Styl odstavce \"" << *value << "\" v kalendáři není.\n";
      return std::nullopt;
    }
    if (option[2] == 'm')
      model.SetMonthStyle(name);
    else
      model.SetDayStyle(name);
  }
  return model.Accept(ctx.ui);
}

int RunCalendarExport(const std::vector<std::string>& words, CliContext& ctx, std::string_view usage,
                      CalendarExportWriter write) {
  std::string error;
  const auto args = CliArgs::Parse(words, ExportValueOptions(), ExportFlagOptions(), error);
  if (args && args->Positional().size() != 2) error = "Zadejte soubor kalendáře a soubor exportu.";
  if (!args || !error.empty()) {
    ctx.err << error << "\nPoužití: " << usage << "\n";
    return kExitError;
  }
  CCliCalendar calendar(ctx);
  if (!calendar.Open(args->Positional()[0])) return kExitError;
  if (!SealExportsWhenAsked(args->Has("--encrypt"), calendar.Doc(), ctx)) return kExitError;
  const auto choice = ExportChoiceFromArgs(*args, calendar.Doc(), ctx);
  if (!choice) return kExitError;
  if (!CanExportRtf(calendar.Doc(), ctx.ui)) return kExitNotFound;
  EnsureGuiApplication();
  const RtfExportStatus status =
      write(calendar.Doc(), args->Positional()[1], *choice, ExportBaseFace(calendar.Doc()), ctx.ui, {});
  return status == RtfExportStatus::Written ? kExitOk : kExitError;
}

std::string ExportBaseFace(const CTedDoc& doc) {
  const CCharFormat* standard = doc.m_Styles.Find("Standard1");
  return standard && !standard->m_FaceName.empty() ? standard->m_FaceName : "Arial";
}

}  // namespace orv::cli
