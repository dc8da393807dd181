#pragma once
// Builds calendar content for tests: notes, commentaries, styles, names and author data, in a few
// chained calls. Header-only, for the test programs that link the document layer.

#include <string>

#include "document/CalendarContent.h"

namespace orv::test {

class CalendarBuilder {
 public:
  explicit CalendarBuilder(CCalendarContent& content) : m_C(content) {}

  CalendarBuilder& Day(const std::string& dayKey, const std::string& note, const std::string& text = {},
                       const std::string& rtf = {}) {
    m_C.m_DataTxt.Insert(dayKey, CEntrTxt{note, rtf.empty() && !text.empty() ? Rtf(text) : rtf, text, {}});
    return *this;
  }
  CalendarBuilder& Month(const std::string& monthKey, const std::string& text) {
    m_C.m_DataMesice.Insert(monthKey, CEntrTxt{{}, Rtf(text), text, {}});
    return *this;
  }
  CalendarBuilder& CharStyle(const std::string& name, const CCharFormat& format = {}) {
    m_C.m_Styles.Insert(name, format);
    return *this;
  }
  CalendarBuilder& ParStyle(const std::string& name, const CParFormat& format = {}) {
    m_C.m_StylesPar.Insert(name, format);
    return *this;
  }
  // Enters a name in a category the way the names database keeps it (without sorting the list).
  CalendarBuilder& Name(int category, const std::string& anniversaryKey, const std::string& name) {
    CNameCategory& slot = m_C.m_Names.m_Slots[category];
    if (CNames* names = slot.m_JmenaPodleData.Find(anniversaryKey))
      names->m_List.push_back(name);
    else
      slot.m_JmenaPodleData.Insert(anniversaryKey, CNames{{name}});
    slot.m_DatumPodleJmena.Insert(name, CComment{anniversaryKey});
    slot.m_SeznamJmen.push_back(name);
    return *this;
  }
  CalendarBuilder& Author(const std::string& title, const std::string& author) {
    m_C.m_NazevKalendare = title;
    m_C.m_CisloVerze = "1.0";
    m_C.m_Autor = author;
    m_C.m_Firma = "Firma";
    m_C.m_Datum = "1. 1. 2005";
    return *this;
  }
  CalendarBuilder& Passwords(const std::string& open, const std::string& author = {}) {
    m_C.m_Heslo = open;
    m_C.m_HesloAutora = author;
    return *this;
  }

  // A calendar with every kind of record the file holds, and bytes that need scrambling care.
  CalendarBuilder& EveryKindOfRecord() {
    CParFormat heading;
    heading.m_CharStyle = "Nadpis1";
    heading.m_SpaceAfter = 200;
    heading.m_LineSpacing = 240;
    heading.m_LineSpacingRule = 3;
    heading.m_TabCount = 2;
    heading.m_Tabs[0] = 567;
    heading.m_Tabs[1] = -1134;
    CCharFormat bold;
    bold.m_FaceName = "Arial";
    bold.m_Effects = 1;
    bold.m_Color = 0x800000;
    return Day("2005/03/07", "Porada \x9a\xe8", "V\xfdklad dne\rdruh\xfd \xf8\xe1\x64\x65k")
        .Day("2005/03/08", "jen pozn\xe1mka")
        .Day("2000/01/01", {}, "jen v\xfdklad")
        .Day("2020/12/31", std::string("nula\0uvnit\xf8\xa7", 12))
        .Month("2005/03", "B\xf8\x65zen")
        .Month("2020/12", "Prosinec")
        .CharStyle("Standard2")
        .CharStyle("Nadpis1", bold)
        .ParStyle("Normal2")
        .ParStyle("Hlavi\xe8ka1", heading)
        .Name(0, "03/07", "Bohuslav")
        .Name(0, "03/07", "Tom\xe1\x9a")
        .Name(1, "05/08", "Den v\xedt\xecz\x73tv\xed")
        .Name(3, "10/10", "Babi\xe8ka")
        .Author("M\xf9j kalend\xe1\xf8", "Jan Nov\xe1k")
        .Passwords("Tajn\xe9\xa7", "autor");
  }

  // Windows-1250 text, as the program writes it.
  static std::string Rtf(const std::string& text) { return "{\\rtf1\\ansi\\ansicpg1250 " + text + "\\par }"; }

 private:
  CCalendarContent& m_C;
};

}  // namespace orv::test
