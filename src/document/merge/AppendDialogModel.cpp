#include "document/merge/AppendDialogModel.h"

#include <tuple>

#include "core/UiServices.h"

namespace orv {

std::optional<SAppendOptions> CAppendDialogModel::Accept(IUiServices& ui) const {
  SAppendOptions options;
  options.wholeCalendar = m_bWholeCalendar;
  options.overwriteStyles = m_bOverwriteStyles;
  if (m_bWholeCalendar) return options;
  if (std::tie(m_From.year, m_From.month, m_From.day) > std::tie(m_To.year, m_To.month, m_To.day)) {
    ui.MessageBox(kRangeTurnedAbout);
    return std::nullopt;
  }
  options.from = m_From;
  options.to = m_To;
  return options;
}

}  // namespace orv
