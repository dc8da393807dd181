#include "view/DayDeletion.h"

#include <vector>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "view/CalendarPanes.h"
#include "view/CalendarViewModel.h"

namespace orv {
namespace {

// The keys of the day records from `from` to `to`; DayKeys sort in date order.
std::vector<std::string> KeysInPeriod(const CTedDoc& doc, const Date& from, const Date& to) {
  const std::string first = DayKey(from);
  const std::string last = DayKey(to);
  std::vector<std::string> keys;
  for (const auto& [key, record] : doc.m_DataTxt)
    if (key >= first && key <= last) keys.push_back(key);
  return keys;
}

// Removes collected records; a key that vanished meanwhile stops the deletion there.
int RemoveRecords(CTedDoc& doc, const std::vector<std::string>& keys, IUiServices* ui) {
  int removed = 0;
  for (const std::string& key : keys) {
    if (!doc.GetDayRecord(key)) {
      if (ui) ui->MessageDialog("Chyba konzistence");
      break;
    }
    doc.DelEmptyDate(key);
    ++removed;
  }
  if (removed > 0) doc.SetModifiedFlag();
  return removed;
}

}  // namespace

bool DeleteSelectedDay(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc) {
  const std::string text = panes.StoreDayCommentary().text;
  if (text.empty() && panes.GetNote().empty()) return false;
  if (!doc.Ui().AskYesNo(kDeleteDayQuestion)) return false;
  panes.SetNote({});
  panes.LoadDayCommentary({});
  view.CommitDay();
  doc.SetModifiedFlag();
  return true;
}

bool CheckPeriod(const Date& from, const Date& to, IUiServices& ui) {
  if (DayKey(to) >= DayKey(from)) return true;
  ui.MessageBox(kReversedPeriod);
  return false;
}

int DeletePeriod(CCalendarViewModel& view, ICalendarPanes& panes, CTedDoc& doc, const Date& from,
                 const Date& to) {
  IUiServices& ui = doc.Ui();
  view.CommitDay();
  panes.SetNote({});
  CWaitCursor wait(ui);
  const std::vector<std::string> keys = KeysInPeriod(doc, from, to);
  if (keys.empty()) {
    view.DoMonth(view.SelectedDay(), view.DisplayedMonth(), view.DisplayedYear());
    ui.MessageBox(kEmptyPeriod, MessageIcon::Information);
    return 0;
  }
  const int removed = RemoveRecords(doc, keys, &ui);
  view.DoMonth(view.SelectedDay(), view.DisplayedMonth(), view.DisplayedYear());
  ui.MessageBox("Počet vymazaných dnů : " + std::to_string(removed), MessageIcon::Information);
  return removed;
}

int DeletePeriodRecords(CTedDoc& doc, const Date& from, const Date& to) {
  return RemoveRecords(doc, KeysInPeriod(doc, from, to), nullptr);
}

std::string RecordCountText(const CTedDoc& doc) {
  return "Počet záznamů v kalendáři: " + std::to_string(doc.GetRecordCount());
}

}  // namespace orv
