#pragma once
// The main window as the window tests open it: settings of their own that start empty, and the
// calendar shown on 15 March 2005 in a base font every test machine has, active and painted.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "app/CalendarWindow.h"
#include "app/MainFrame.h"

namespace orv::test {

inline constexpr char kTestBaseFace[] = "DejaVu Sans";

inline void UseEmptyTestSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
  QCoreApplication::setApplicationName(QStringLiteral("Orvella 2 test"));
  QSettings().clear();
}

// The window over an open calendar; the save question is always answered `saveAnswer`.
inline std::unique_ptr<CCalendarWindow> OpenTestWindow(CTedDoc& doc, IUiServices& ui, CRecentFileList& recent,
                                                       SaveAnswer saveAnswer = SaveAnswer::No) {
  auto window = std::make_unique<CCalendarWindow>(
      doc, ui, recent, QString(), [saveAnswer](const std::string&) { return saveAnswer; },
      [] {
        return Date{2005, 3, 15};
      });
  window->Frame().SetBaseFont(kTestBaseFace);
  window->Start();
  window->Frame().show();
  window->Frame().activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window->Frame()));
  return window;
}

}  // namespace orv::test
