#pragma once
// The period dialog "Export do rtf" without its window: the range (whole calendar or "Od - do" with
// two dates), the three kinds of content, and the paragraph styles of the month and day headings.
// Changing a date selects "Od - do". OK checks the choice and gives it, or says what is wrong and
// keeps the dialog open:
//
//   CRtfExportDialogModel model(doc);
//   model.SetFrom({2004, 3, 1});  model.SetNotes(false);
//   if (auto choice = model.Accept(ui)) ExportRtf(doc, path, *choice, face, ui);
//
// Print and PDF use the same dialog with the limit of 365 records lifted.

#include <optional>
#include <string>
#include <vector>

#include "export/RtfCalendarExport.h"

namespace orv {

class CTedDoc;
class IUiServices;

class CRtfExportDialogModel {
 public:
  explicit CRtfExportDialogModel(const CTedDoc& doc);

  bool IsWholeCalendar() const { return m_WholeCalendar; }
  void SetWholeCalendar(bool whole) { m_WholeCalendar = whole; }
  // Both pickers keep to 1 January of the first year ... 31 December of the last.
  static Date FirstDate() { return {MinYear(), 1, 1}; }
  static Date LastDate() { return {MaxYear(), 12, 31}; }
  const Date& From() const { return m_Choice.from; }
  const Date& To() const { return m_Choice.to; }
  void SetFrom(const Date& date);
  void SetTo(const Date& date);

  bool Notes() const { return m_Choice.notes; }
  bool DayCommentaries() const { return m_Choice.dayCommentaries; }
  bool MonthCommentaries() const { return m_Choice.monthCommentaries; }
  void SetNotes(bool on) { m_Choice.notes = on; }
  void SetDayCommentaries(bool on) { m_Choice.dayCommentaries = on; }
  void SetMonthCommentaries(bool on) { m_Choice.monthCommentaries = on; }

  // The calendar's paragraph styles, each once (Windows-1250), for both lists; "" = none chosen.
  const std::vector<std::string>& StyleNames() const { return m_StyleNames; }
  const std::string& MonthStyle() const { return m_Choice.monthStyle; }
  const std::string& DayStyle() const { return m_Choice.dayStyle; }
  void SetMonthStyle(std::string name) { m_Choice.monthStyle = std::move(name); }
  void SetDayStyle(std::string name) { m_Choice.dayStyle = std::move(name); }

  // Print and PDF: no limit of records.
  void SetLimited(bool limited) { m_Choice.limited = limited; }

  // OK: "Vyberte obsah výstupního souboru !" without content, "Spodní hranice období nesmí být větší
  // než horní !" for a range that ends before it starts; nullopt then.
  std::optional<SRtfExportChoice> Accept(IUiServices& ui) const;

 private:
  SRtfExportChoice m_Choice;
  bool m_WholeCalendar = true;
  std::vector<std::string> m_StyleNames;
};

}  // namespace orv
