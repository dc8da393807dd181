#include "app/ExchangeWithDiaries.h"

#include <QApplication>

#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "exchange/CommentaryFormats.h"
#include "exchange/ImportedDays.h"
#include "exchange/MarkdownExport.h"
#include "exchange/MarkdownImport.h"
#include "exchange/RedNotebookJournal.h"
#include "ui/AppendProgress.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

using SourceReader = std::string (*)(const std::string&, const CCommentaryFormats&, CImportedDays&,
                                     const ReadProgress&);

// The note being typed is refused as for the other dialogs; otherwise the panes are stored first.
bool StoreViews(CCalendarWindow& window, IUiServices& ui, const char* title) {
  if (!window.Model().IsViewOnly() && window.View().IsNoteBeingEdited()) {
    ui.MessageBox(std::string("Před otevřením dialogu \"") + title +
                  "\" je nejprve\r\n\r\nnutno ukončit editování poznámky !");
    return false;
  }
  window.Model().CommitDay();
  return true;
}

void Import(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui, const char* title, SourceReader read) {
  if (!StoreViews(window, ui, title)) return;
  const std::optional<std::string> folder = ui.ChooseFolder(title);
  if (!folder) return;
  CImportedDays days;
  std::string failure;
  SImportSummary summary;
  {
    CAppendProgress progress(&window.Frame());
    const auto show = [&progress](int done, int total) { progress.Show(done, total); };
    failure = read(*folder, CCommentaryFormats(doc), days, show);
    if (failure.empty()) summary = ImportIntoCalendar(doc, days, show);
    progress.End();
  }
  if (!failure.empty()) {
    ui.MessageBox(failure);
    return;
  }
  // The panes still hold the day as it was before the merge: they are loaded afresh, without storing
  // them, or leaving the day would write the old texts over the merged ones.
  const Date shown = window.Model().SelectedDate();
  if (!summary.yearsWidened.empty()) window.Model().ApplyYearRange();
  window.Model().DoMonth(shown.day, shown.month, shown.year);
  window.View().Refresh();
  std::string text = ImportSummaryText(summary);
  if (!summary.yearsWidened.empty()) text += "\n" + summary.yearsWidened;
  ui.MessageBox(text, MessageIcon::Information);
}

}  // namespace

void ImportRedNotebook(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui) {
  Import(window, doc, ui, kRedNotebookChooserTitle, ReadRedNotebookJournal);
}

void ImportMarkdown(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui) {
  Import(window, doc, ui, kMarkdownChooserTitle, ReadMarkdownFolder);
}

void ExportMarkdownFolder(CCalendarWindow& window, CTedDoc& doc, IUiServices& ui) {
  if (!StoreViews(window, ui, kMarkdownExportChooserTitle)) return;
  const std::optional<std::string> folder = ui.ChooseFolder(kMarkdownExportChooserTitle);
  if (!folder) return;
  SMarkdownExport result;
  {
    CAppendProgress progress(&window.Frame());
    result = ExportMarkdown(doc, *folder, {1, 1, 1}, {9999, 12, 31}, ui,
                            [&progress](int done, int total) { progress.Show(done, total); });
    progress.End();
  }
  if (result.completed) ui.MessageBox(MarkdownExportText(result), MessageIcon::Information);
}

}  // namespace orv
