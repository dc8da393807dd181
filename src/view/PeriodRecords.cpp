#include "view/PeriodRecords.h"

#include <algorithm>

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

bool CheckPeriod(const Date& from, const Date& to, IUiServices& ui) {
  if (DayKey(to) >= DayKey(from)) return true;
  ui.MessageBox(kReversedPeriod);
  return false;
}

// DayKeys sort in date order; the records themselves are not read.
std::vector<std::string> KeysInPeriod(const CTedDoc& doc, const Date& from, const Date& to) {
  const std::string last = DayKey(to);
  const CRecordMap& records = doc.m_DataTxt;
  std::vector<std::string> keys;
  for (std::size_t i = records.LowerPosition(DayKey(from)); i < records.size() && records.KeyAt(i) <= last;
       ++i)
    keys.emplace_back(records.KeyAt(i));
  return keys;
}

// The keys up to the first that vanished go in one pass over the records.
int RemoveDayRecords(CTedDoc& doc, const std::vector<std::string>& keys, IUiServices* ui) {
  const auto missing = std::find_if(keys.begin(), keys.end(),
                                    [&](const std::string& key) { return !doc.m_DataTxt.Contains(key); });
  if (missing != keys.end() && ui) ui->MessageDialog("Chyba konzistence");
  const int removed = static_cast<int>(doc.m_DataTxt.Erase(std::vector<std::string>(keys.begin(), missing)));
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
