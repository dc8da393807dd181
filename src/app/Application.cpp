#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <optional>

#include "app/BaseFont.h"
#include "app/CalendarWindow.h"
#include "app/ConfigFile.h"
#include "app/CrashRecovery.h"
#include "app/MainFrame.h"
#include "app/QtCzech.h"
#include "app/RecentFileList.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"
#include "ui/BaseFontDialog.h"
#include "ui/QtText.h"
#include "ui/QtUiServices.h"
#include "ui/ToolIcons.h"

namespace orv {
namespace {

SaveAnswer AskSaveChanges(QWidget* parent, const std::string& question) {
  switch (AskQuestion(parent, MessageText(question), true)) {
    case QuestionAnswer::Yes:
      return SaveAnswer::Yes;
    case QuestionAnswer::No:
      return SaveAnswer::No;
    case QuestionAnswer::Cancel:
      break;
  }
  return SaveAnswer::Cancel;
}

// Quits once the window has been painted for the first time, and says how long that took.
class CFirstPaintProbe : public QObject {
 public:
  explicit CFirstPaintProbe(const QElapsedTimer& clock) : m_Clock(clock) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, qApp, [this] {
        std::printf("%lld\n", static_cast<long long>(m_Clock.elapsed()));
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  const QElapsedTimer& m_Clock;
};

}  // namespace

int RunOrvella(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  CSingleInstance instance;
  if (!instance.TryAcquire()) return 0;
  std::setlocale(LC_ALL, "");
  InstallQtCzech(app);
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvella 2"));
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvella 2"));
  QGuiApplication::setDesktopFileName(QStringLiteral("orvella"));
  QApplication::setWindowIcon(AppIcon());

  const QString programDir = QCoreApplication::applicationDirPath();
  CQtUiServices ui;
  ui.SetNonInteractive(qEnvironmentVariableIntValue("ORV_NONINTERACTIVE") == 1);
  CTedDoc doc(ui);
  CRecentFileList recent;
  CCalendarWindow window(doc, ui, recent, programDir, [](const std::string& question) {
    return AskSaveChanges(QApplication::activeWindow(), question);
  });
  CMainFrame& frame = window.Frame();
  ui.SetParent(&frame);

  const QStringList args = QCoreApplication::arguments();
  if (args.size() > 1) {
    if (!doc.OnOpenDocument(args[1].toStdString())) return 0;
    recent.Add(args[1]);
  } else if (!doc.OnNewDocument()) {
    return 0;
  }

  const std::vector<std::string> faces = InstalledFaces();
  const std::optional<std::string> baseFont = SetUpBaseFont(
      ConfigFilePath(programDir.toStdString()), faces, ui, [&ui](const std::vector<std::string>& installed) {
        CBaseFontDialog dialog(installed, ui);
        dialog.exec();
        return dialog.Face();
      });
  if (!baseFont) return 0;
  frame.SetBaseFont(*baseFont);

  window.Start();
  CRecoveryStore recovery(CRecoveryStore::DefaultFolder());
  window.KeepRecoveryCopies(recovery, RecoveryInterval());
  CTerminationSignals terminationSignals([&window] { window.WriteRecoveryCopy(); });
  CFirstPaintProbe probe(clock);
  if (qEnvironmentVariableIntValue("ORV_QUIT_AFTER_SHOW") == 1) frame.installEventFilter(&probe);
  frame.show();
  window.OfferRecovery();
  return app.exec();
}

}  // namespace orv
