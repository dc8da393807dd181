#pragma once
// CEntrTxt: the record of one day or one month. A day record exists only while its note or its
// commentary's plain text is non-empty, a month record only while its plain text is; emptiness of a
// commentary is always decided on m_Text, never on m_Rtf.

#include <string>

namespace orv {

struct CEntrTxt {
  std::string m_Poznamka;  // the day's short one-line note; always empty in a month record
  std::string m_Rtf;       // the commentary as the editor writes it
  std::string m_Text;      // the same commentary as plain text
  std::string m_Rezerva;   // empty in every record the program makes; kept as read
  friend bool operator==(const CEntrTxt&, const CEntrTxt&) = default;
};

}  // namespace orv
