#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/CalendarWindow.h"
#include "app/CrashRecovery.h"
#include "app/ExternalChanges.h"
#include "app/HandOverQueue.h"
#include "app/MainFrame.h"
#include "app/ProgramOptions.h"
#include "app/QtCzech.h"
#include "app/RecentFileList.h"
#include "app/SettingsLocation.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "app/YearRangeSetting.h"
#include "document/PrereadFile.h"
#include "document/RecoveryStore.h"
#include "document/TedDoc.h"
#include "editor/BaseFont.h"
#include "editor/ConfigFile.h"
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

// The command line: options answered at once, or the calendar to open (empty for a new one).
struct SArguments {
  std::optional<int> exitCode;
  QString file;
};

SArguments ParseArguments(int argc, char** argv) {
  SArguments parsed;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (options && arg == QStringLiteral("--")) {
      options = false;
    } else if (options && (arg == QStringLiteral("--help") || arg == QStringLiteral("-h"))) {
      std::fputs(ProgramUsage().c_str(), stdout);
      return {0, {}};
    } else if (options && arg == QStringLiteral("--version")) {
      std::printf("orvella %s\n", ORV_VERSION);
      return {0, {}};
    } else if (options && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      std::fprintf(stderr, "orvella: neznámá volba %s\n\n%s", argv[i], ProgramUsage().c_str());
      return {2, {}};
    } else if (parsed.file.isEmpty()) {
      parsed.file = QDir::current().absoluteFilePath(arg);
    } else {
      std::fprintf(stderr, "orvella: lze otevřít jen jeden kalendář\n\n%s", ProgramUsage().c_str());
      return {2, {}};
    }
  }
  return parsed;
}

}  // namespace

int RunOrvella(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  const SArguments args = ParseArguments(argc, argv);
  if (args.exitCode) return *args.exitCode;
  QApplication app(argc, argv);
  CSingleInstance instance;
  if (!instance.TryAcquire()) return instance.HandOver(args.file) ? 0 : 1;
  std::setlocale(LC_ALL, "");
  InstallQtCzech(app);
  UseXdgSettings();
  QTemporaryDir settingsFallback;
  const std::string settingsProblem = GuardSettingsFile(settingsFallback.path());
  SetYearRange(LoadYearRangeSetting());
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvella 2"));
  QGuiApplication::setDesktopFileName(QStringLiteral("orvella"));
  QApplication::setWindowIcon(AppIcon());

  const QString programDir = QCoreApplication::applicationDirPath();
  CQtUiServices ui;
  ui.SetNonInteractive(qEnvironmentVariableIntValue("ORV_NONINTERACTIVE") == 1);
  if (!settingsProblem.empty()) ui.MessageBox(settingsProblem, MessageIcon::Warning);
  CTedDoc doc(ui);
  // The calendar is read on a thread of its own while the window is built.
  if (!args.file.isEmpty()) doc.OfferPreread(std::make_shared<CPrereadFile>(args.file.toStdString(), ui));
  CRecentFileList recent;
  CCalendarWindow window(doc, ui, recent, programDir, [](const std::string& question) {
    return AskSaveChanges(QApplication::activeWindow(), question);
  });
  CMainFrame& frame = window.Frame();
  ui.SetParent(&frame);

  if (!args.file.isEmpty()) {
    if (!doc.OnOpenDocument(args.file.toStdString())) return 0;
    recent.Add(args.file);
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

  window.External().KeepBasesIn(CCalendarBases::DefaultFolder());
  window.External().SetAskChangedFile(
      [&frame](const std::string& question) { return AskChangedFileWithMessageBox(&frame, question); });
  window.Start();
  CRecoveryStore recovery(CRecoveryStore::DefaultFolder());
  window.KeepRecoveryCopies(recovery, RecoveryInterval());
  CTerminationSignals terminationSignals([&window] { window.WriteRecoveryCopy(); });
  CFirstPaintProbe probe(clock);
  if (qEnvironmentVariableIntValue("ORV_QUIT_AFTER_SHOW") == 1) frame.installEventFilter(&probe);
  frame.show();
  window.ReadyForTyping();
  CHandOverQueue handOver(frame);
  instance.SetOnHandOver([&handOver](const QString& file) { handOver.Receive(file); });
  window.OfferRecovery();
  return app.exec();
}

}  // namespace orv
