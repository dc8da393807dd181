#include "view/DayDeletion.h"

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "view/CalendarPanes.h"
#include "view/CalendarViewModel.h"

namespace orv {

bool DeleteSelectedDay(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc) {
  const CCommentaryText commentary = panes.StoreDayCommentary();
  if (!commentary.kept && commentary.text.empty() && panes.GetNote().empty()) return false;
  if (!doc.Ui().AskYesNo(kDeleteDayQuestion)) return false;
  panes.SetNote({});
  panes.LoadDayCommentary({});
  view.CommitDay();
  doc.SetModifiedFlag();
  return true;
}

int DeletePeriod(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc, const Date& from,
                 const Date& to) {
  IUiServices& ui = doc.Ui();
  view.CommitDay();
  panes.SetNote({});
  CWaitCursor wait(ui);
  const std::vector<std::string> keys = KeysInPeriod(doc, from, to);
  const int removed = RemoveDayRecords(doc, keys, &ui);
  view.DoMonth(view.SelectedDay(), view.DisplayedMonth(), view.DisplayedYear());
  if (keys.empty())
    ui.MessageBox(kEmptyPeriod, MessageIcon::Information);
  else
    ui.MessageBox(DeletedDaysText(removed), MessageIcon::Information);
  return removed;
}

}  // namespace orv
