#include "app/CrashRecovery.h"

#include <QGuiApplication>

#include "document/RecoveryStore.h"
#include "document/TedDoc.h"

namespace orv {

int RecoveryInterval() {
  bool ok = false;
  const int interval = qEnvironmentVariableIntValue("ORV_RECOVERY_INTERVAL_MS", &ok);
  return ok && interval > 0 ? interval : 60000;
}

CCrashRecovery::CCrashRecovery(CTedDoc& doc, CRecoveryStore& store, std::function<void()> storeOpenTexts,
                               int intervalMs)
    : m_Doc(doc), m_Store(store), m_StoreOpenTexts(std::move(storeOpenTexts)) {
  m_Timer.setInterval(intervalMs);
  QObject::connect(&m_Timer, &QTimer::timeout, this, [this] { WriteNow(); });
  m_Timer.start();
}

// Long work shows the wait cursor and may let the main loop run meanwhile (a progress dialog); the
// document can then be halfway through it, holding another calendar while appending. Its last copy
// stays until the work is done.
void CCrashRecovery::WriteNow() {
  if (!m_Doc.IsModified() || QGuiApplication::overrideCursor()) return;
  if (m_StoreOpenTexts) m_StoreOpenTexts();
  const std::string failure = m_Store.Write(m_Doc);
  if (!failure.empty() && !m_Failing && m_OnFailure)
    m_OnFailure(QStringLiteral("Záložní kopii neuložených změn nelze zapsat do %1: %2.")
                    .arg(QString::fromStdString(m_Store.Folder()), QString::fromStdString(failure)));
  m_Failing = !failure.empty();
}

}  // namespace orv
