#include "document/LockWait.h"

#include "core/UiServices.h"

namespace orv {

CLockWaitFeedback::~CLockWaitFeedback() {
  if (m_bShown) m_Status({});
  if (m_bWaiting) m_Ui.EndWait();
}

LockWaitRound CLockWaitFeedback::Round() {
  return [this](std::chrono::milliseconds waited) {
    if (!m_bWaiting) {
      m_Ui.BeginWait();
      m_bWaiting = true;
    }
    if (waited >= kLockWaitNotice && m_Status) {
      m_Status(kLockWaitText);
      m_bShown = true;
    }
  };
}

}  // namespace orv
