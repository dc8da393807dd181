#pragma once
// What the window does with a calendar that a later start hands over: it comes to the front and
// opens the file, but never underneath a dialog, a progress or a command still at work on the
// calendar open now (their OK would write into the other file). Until they are over the file waits,
// and the status bar says so.
//
//   CHandOverQueue handOver(frame);
//   instance.SetOnHandOver([&](const QString& file) { handOver.Receive(file); });

#include <QObject>
#include <QString>
#include <QTimer>

namespace orv {

class CMainFrame;

class CHandOverQueue : public QObject {
 public:
  explicit CHandOverQueue(CMainFrame& frame);
  // `file` empty: only come to the front. A later file takes the place of one still waiting.
  void Receive(const QString& file);

 private:
  bool Busy() const;
  void OpenWhenFree();

  CMainFrame& m_Frame;
  QString m_Waiting;
  bool m_Opening = false;
  QTimer m_Poll;
};

}  // namespace orv
