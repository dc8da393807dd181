#include "view/YearRangeDialogModel.h"

#include "core/UiServices.h"

namespace orv {

std::optional<SYearRange> CYearRangeDialogModel::Accept(IUiServices& ui) const {
  const SYearRange range{m_From, m_To};
  if (m_From > m_To) {
    ui.MessageBox(kYearsTurnedAbout);
    return std::nullopt;
  }
  // The spin boxes keep to 1900-2100; a model given other years says so all the same.
  if (const std::string problem = YearRangeProblem(range); !problem.empty()) {
    ui.MessageBox(problem);
    return std::nullopt;
  }
  return range;
}

}  // namespace orv
