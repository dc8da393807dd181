#pragma once
// The "Rozsah let" dialog without its widgets: "Od roku:" and "Do roku:", each within 1900-2100,
// preset to the range in force. OK with "Od roku:" after "Do roku:" tells the user so and keeps the
// dialog open.
//
//   CYearRangeDialogModel model;  model.m_From = 1990;  model.m_To = 2040;
//   if (auto range = model.Accept(ui)) { SetYearRange(*range); remember it; view.ApplyYearRange(); }

#include <optional>

#include "core/YearRange.h"

namespace orv {

class IUiServices;

inline constexpr char kYearsTurnedAbout[] = "Rok \"Od roku:\" je pozdější než rok \"Do roku:\".";

class CYearRangeDialogModel {
 public:
  static constexpr int kLowest = kEarliestYear;
  static constexpr int kHighest = kLatestYear;

  int m_From = MinYear();
  int m_To = MaxYear();

  // The chosen range, or nullopt after the message.
  std::optional<SYearRange> Accept(IUiServices& ui) const;
};

}  // namespace orv
