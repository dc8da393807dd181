// orv import-rednotebook FOLDER FILE.orv and orv import-md FOLDER FILE.orv: the days of a RedNotebook
// journal or of Markdown daily notes merged into a calendar by the rules of appending (a second
// import of the same source changes nothing), or into a new calendar when the file does not exist.
// The whole source is read before the calendar is touched; a damaged file refuses the import.
#include <filesystem>
#include <ostream>

#include "cli/CliArgs.h"
#include "cli/CliCalendar.h"
#include "cli/qt/GuiApplication.h"
#include "cli/qt/QtCommands.h"
#include "exchange/CommentaryFormats.h"
#include "exchange/ImportedDays.h"
#include "exchange/MarkdownImport.h"
#include "exchange/RedNotebookJournal.h"

namespace orv::cli {
namespace {

using SourceReader = std::string (*)(const std::string&, const CCommentaryFormats&, CImportedDays&,
                                     const ReadProgress&);

int RunImport(const std::vector<std::string>& words, CliContext& ctx, const char* command,
              SourceReader read) {
  const auto args = PositionalArguments(words, command, 2, 2, ctx);
  if (!args) return kExitError;
  const std::string& folder = (*args)[0];
  const std::string& path = (*args)[1];
  CCliCalendar calendar(ctx);
  std::error_code error;
  const bool exists = std::filesystem::exists(path, error);
  if (exists) {
    if (!calendar.Open(path)) return kExitError;
  } else {
    if (!CheckOrvExtension(path, ctx)) return kExitError;
    calendar.Doc().OnNewDocument();
    calendar.Doc().m_Names.UpdateEasterMonday(StartDateFor(Today()).year);
  }
  EnsureGuiApplication();
  CImportedDays days;
  if (const std::string failure = read(folder, CCommentaryFormats(calendar.Doc()), days, {});
      !failure.empty()) {
    ctx.err << failure << '\n';
    return kExitError;
  }
  const SImportSummary summary = ImportIntoCalendar(calendar.Doc(), days);
  if (!(exists ? calendar.SaveIfModified() : calendar.SaveAs(path))) return kExitError;
  if (!summary.yearsWidened.empty()) ctx.err << summary.yearsWidened << '\n';
  ctx.out << ImportSummaryText(summary) << '\n';
  return kExitOk;
}

}  // namespace

int CmdImportRedNotebook(const std::vector<std::string>& words, CliContext& ctx) {
  return RunImport(words, ctx, "import-rednotebook", ReadRedNotebookJournal);
}

int CmdImportMd(const std::vector<std::string>& words, CliContext& ctx) {
  return RunImport(words, ctx, "import-md", ReadMarkdownFolder);
}

}  // namespace orv::cli
