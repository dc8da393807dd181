#pragma once
// SIGTERM, SIGHUP and SIGINT end the program as they always did, but not before `beforeExit` has run
// on the main loop (the recovery copy of unsaved changes). The handler itself only writes the
// signal's number into a pipe; a socket notifier on the main thread reads it, runs `beforeExit`,
// and raises the signal again with its default action, so the parent sees the signal it sent.
//
//   CTerminationSignals signals([&] { window.WriteRecoveryCopy(); });   one per process

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace orv {

class CTerminationSignals : public QObject {
 public:
  explicit CTerminationSignals(std::function<void()> beforeExit);
  ~CTerminationSignals() override;
  CTerminationSignals(const CTerminationSignals&) = delete;
  CTerminationSignals& operator=(const CTerminationSignals&) = delete;

 private:
  void Received();

  std::function<void()> m_BeforeExit;
  QSocketNotifier* m_Notifier = nullptr;
};

}  // namespace orv
