#pragma once
// The main window over a new calendar on 15 March 2005, for the tests that drive the window and its
// dialogs: keys where the focus is, typed Czech text, and a helper that works the next modal dialog.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>

#include "FakeUiServices.h"
#include "TestWindow.h"
#include "WindowKeys.h"
#include "app/CalendarWindow.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "document/TedDoc.h"
#include "ui/CalendarView.h"
#include "view/CalendarViewModel.h"

namespace orv::test {

class DialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseEmptyTestSettings();
    recent = std::make_unique<CRecentFileList>();
    ASSERT_TRUE(doc.OnNewDocument());
    window = OpenTestWindow(doc, ui, *recent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Table()->hasFocus(); }));
    ui.Clear();
  }
  void TearDown() override {
    window.reset();
    QSettings().clear();
  }

  CCalendarViewModel& Model() const { return window->Model(); }
  QTextEdit* Table() const { return window->View().Table(); }
  QLineEdit* Note() const { return window->View().NoteField(); }
  QString Row(int day) const { return Table()->document()->findBlockByNumber(day - 1).text(); }

  // Helpers that need no window, usable from inside a dialog's callback as well (keys and typed
  // text: WindowKeys.h).
 public:
  // Works the next modal dialog once it is shown; `work` must close it.
  static void WhenDialogOpens(std::function<void(QWidget*)> work) {
    QTimer::singleShot(0, [work = std::move(work)] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      work(dialog);
    });
  }
  static void Click(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
      if (button->text() == text) {
        button->click();
        return;
      }
    ADD_FAILURE() << "no button " << text.toStdString();
  }

 protected:
  FakeUiServices ui;
  CTedDoc doc{ui};
  std::unique_ptr<CRecentFileList> recent;
  std::unique_ptr<CCalendarWindow> window;
};

}  // namespace orv::test
