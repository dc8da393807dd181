#pragma once
// A calendar view over a new calendar, with panes made of plain rich edit controls and a fixed
// today, for the tests of the view layer.

#include <optional>
#include <string>

#include "FakeUiServices.h"
#include "core/Cp1250.h"
#include "document/TedDoc.h"
#include "richtext/RichEditCtrl.h"
#include "view/CalendarPanes.h"
#include "view/CalendarViewModel.h"

namespace orv::test {

inline std::string Cz(const char* utf8) {
  return Cp1250FromUtf8(utf8);
}

class FakePanes : public ICalendarPanes {
 public:
  std::string note;
  bool noteFocused = false;
  bool readOnly = false;
  bool refuseReadOnly = false;
  std::optional<uint32_t> background;
  CRichEditCtrl day;
  CRichEditCtrl month;

  std::string GetNote() const override { return note; }
  void SetNote(std::string_view text) override { note = text; }
  bool IsNoteBeingEdited() const override { return noteFocused; }
  CCommentaryText StoreDayCommentary() override { return Store(day); }
  void LoadDayCommentary(std::string_view rtf) override { day.StreamIn(rtf); }
  CCommentaryText StoreMonthCommentary() override { return Store(month); }
  void LoadMonthCommentary(std::string_view rtf) override { month.StreamIn(rtf); }
  bool SetReadOnly(bool on) override {
    if (refuseReadOnly) return false;
    readOnly = on;
    return true;
  }
  void SetCommentaryBackground(std::optional<uint32_t> colour) override { background = colour; }

  // Types a commentary into an editor, replacing what it held.
  static void Type(CRichEditCtrl& editor, const std::string& text) {
    editor.SetSel(0, -1);
    editor.ReplaceSel(text);
  }

 private:
  static CCommentaryText Store(const CRichEditCtrl& editor) {
    const std::string text = editor.GetText();
    return {text.empty() ? std::string() : editor.StreamOut(), text};
  }
};

class ViewFixture {
 public:
  explicit ViewFixture(Date today = {2005, 3, 15})
      : view(doc, panes, [this] { return m_Today; }), m_Today(today) {
    doc.OnNewDocument();
  }

  Date Selected() const { return view.SelectedDate(); }
  // The text of one row of the table as the control holds it.
  std::string RowText(int day) {
    CRichEditCtrl& table = view.Table();
    const int start = RowStart(day);
    table.SetSel(start, start + static_cast<int>(view.Rows()[day - 1].text.size()));
    return table.GetSelText();
  }
  int RowStart(int day) const {
    int start = 0;
    for (int i = 0; i < day - 1; ++i) start += static_cast<int>(view.Rows()[i].text.size()) + 1;
    return start;
  }
  // The character format of `length` characters at `column` of a day's row.
  CharFormat FormatAt(int day, int column, int length) {
    const int start = RowStart(day) + column;
    view.Table().SetSel(start, start + length);
    return view.Table().GetSelectionCharFormat();
  }

  FakeUiServices ui;
  CTedDoc doc{ui};
  FakePanes panes;
  CCalendarViewModel view;
  Date m_Today;
};

}  // namespace orv::test
