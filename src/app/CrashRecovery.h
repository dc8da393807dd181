#pragma once
// CCrashRecovery: the window's side of the recovery copies. While the calendar has unsaved changes
// it stores the open texts into the document and writes a copy (CRecoveryStore) every interval, and
// at once when asked (a termination signal), but never while long work runs under the wait cursor.
// A copy that cannot be written is reported once in the status bar until writing works again.
//
//   CCrashRecovery recovery(doc, store, [&] { ...commit the open day... }, 60000);
//   recovery.WriteNow();                        on SIGTERM
//   recovery.Store().Saved(path);  recovery.Store().Discard();

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace orv {

class CRecoveryStore;
class CTedDoc;

// The interval between two copies: ORV_RECOVERY_INTERVAL_MS when set (tests), else 60 seconds.
int RecoveryInterval();

class CCrashRecovery : public QObject {
 public:
  CCrashRecovery(CTedDoc& doc, CRecoveryStore& store, std::function<void()> storeOpenTexts, int intervalMs);

  void SetOnFailure(std::function<void(const QString& message)> onFailure) {
    m_OnFailure = std::move(onFailure);
  }
  void WriteNow();
  CRecoveryStore& Store() const { return m_Store; }

 private:
  CTedDoc& m_Doc;
  CRecoveryStore& m_Store;
  std::function<void()> m_StoreOpenTexts;
  std::function<void(const QString&)> m_OnFailure;
  QTimer m_Timer;
  bool m_Failing = false;
};

}  // namespace orv
