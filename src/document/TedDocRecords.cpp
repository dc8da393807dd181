// The store rules of day and month records: a record is created only with content, removed as soon
// as it is empty, and the calendar is marked modified only when something really changed.

#include <utility>

#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

void CTedDoc::StoreDay(std::string_view dayKey, std::string_view note, std::string_view rtf,
                       std::string_view text) {
  if (const CEntrTxt* record = std::as_const(m_DataTxt).Find(dayKey)) {
    if (note.empty() && text.empty()) {
      if (DelEmptyDate(dayKey)) SetModifiedFlag();
      return;
    }
    if (note == record->m_Poznamka && rtf == record->m_Rtf) return;
    CEntrTxt& changed = *m_DataTxt.Find(dayKey);
    changed.m_Poznamka = note;
    changed.m_Rtf = rtf;
    changed.m_Text = text;
    SetModifiedFlag();
    return;
  }
  if (note.empty() && text.empty()) return;
  m_DataTxt.Insert(std::string(dayKey), CEntrTxt{std::string(note), std::string(rtf), std::string(text), {}});
  SetModifiedFlag();
}

void CTedDoc::StoreDayCommentary(std::string_view dayKey, std::string_view rtf, std::string_view text) {
  StoreCommentary(/*month=*/false, dayKey, rtf, text);
}

void CTedDoc::StoreMonthCommentary(std::string_view monthKey, std::string_view rtf, std::string_view text) {
  StoreCommentary(/*month=*/true, monthKey, rtf, text);
}

// A month record has no note, so only its text keeps it; a day record is also kept by its note.
void CTedDoc::StoreCommentary(bool month, std::string_view key, std::string_view rtf, std::string_view text) {
  CRecordMap& records = RecordsOf(month);
  if (const CEntrTxt* record = std::as_const(records).Find(key)) {
    if (text.empty() && (month || record->m_Poznamka.empty())) {
      if (DelEmptyRecord(records, key)) SetModifiedFlag();
      return;
    }
    if (rtf == record->m_Rtf) return;
    CEntrTxt& changed = *records.Find(key);
    changed.m_Rtf = rtf;
    changed.m_Text = text;
    SetModifiedFlag();
    return;
  }
  if (text.empty()) return;
  records.Insert(std::string(key), CEntrTxt{{}, std::string(rtf), std::string(text), {}});
  SetModifiedFlag();
}

bool CTedDoc::DelEmptyDate(std::string_view dayKey) {
  return DelEmptyRecord(m_DataTxt, dayKey);
}

bool CTedDoc::DelEmptyDate(MonthRecords, std::string_view monthKey) {
  return DelEmptyRecord(m_DataMesice, monthKey);
}

bool CTedDoc::DelEmptyRecord(CRecordMap& records, std::string_view key) {
  if (records.Erase(key)) return true;
  m_Ui.MessageDialog("Chyba: DelEmptyDate 1");
  return false;
}

}  // namespace orv
