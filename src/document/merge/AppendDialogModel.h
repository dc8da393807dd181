#pragma once
// The "Připojit" dialog without its widgets: "Celý kalendář" or "Rozsah" with the days "Od:" and
// "Do:" (limited to the calendar's years and preset to their first and last day), and "Styly v
// cílovém souboru přepsat". With "Celý kalendář" the pickers do not matter.

#include <optional>

#include "core/CalendarDates.h"
#include "document/merge/AppendCalendar.h"

namespace orv {

class IUiServices;

inline constexpr char kRangeTurnedAbout[] = "Datum \"Od:\" je pozdější než datum \"Do:\".";

class CAppendDialogModel {
 public:
  // The first and last day of the year range as it stands when the dialog opens.
  static Date FirstDay() { return {MinYear(), 1, 1}; }
  static Date LastDay() { return {MaxYear(), 12, 31}; }

  bool m_bWholeCalendar = true;
  Date m_From = FirstDay();
  Date m_To = LastDay();
  bool m_bOverwriteStyles = false;

  bool PickersEnabled() const { return !m_bWholeCalendar; }
  // The options of OK; a range that ends before it starts is refused with a message (nullopt).
  std::optional<SAppendOptions> Accept(IUiServices& ui) const;
};

}  // namespace orv
