#include "view/PeriodRecords.h"

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

bool CheckPeriod(const Date& from, const Date& to, IUiServices& ui) {
  if (DayKey(to) >= DayKey(from)) return true;
  ui.MessageBox(kReversedPeriod);
  return false;
}

// DayKeys sort in date order.
std::vector<std::string> KeysInPeriod(const CTedDoc& doc, const Date& from, const Date& to) {
  const std::string first = DayKey(from);
  const std::string last = DayKey(to);
  std::vector<std::string> keys;
  for (const auto& [key, record] : doc.m_DataTxt)
    if (key >= first && key <= last) keys.push_back(key);
  return keys;
}

int RemoveDayRecords(CTedDoc& doc, const std::vector<std::string>& keys, IUiServices* ui) {
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

std::string DeletedDaysText(int count) {
  return "Počet vymazaných dnů : " + std::to_string(count);
}

std::string RecordCountText(const CTedDoc& doc) {
  return "Počet záznamů v kalendáři: " + std::to_string(doc.GetRecordCount());
}

}  // namespace orv
