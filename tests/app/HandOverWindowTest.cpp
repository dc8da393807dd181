// A calendar handed over by a second start while a dialog works on the open one: it waits for the
// dialog, so that the dialog's OK goes into the calendar it was opened for.
#include <QComboBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <thread>

#include "DialogWindowFixture.h"
#include "app/HandOverQueue.h"
#include "app/SingleInstance.h"
#include "core/Cp1250.h"

namespace orv::test {
namespace {

class HandOverUnderWm : public ::testing::Test {
 protected:
  void SetUp() override {
    UseEmptyTestSettings();
    for (const auto& [name, note] : {std::pair{"h1.orv", "první"}, std::pair{"h2.orv", "druhý"}}) {
      CTedDoc file(ui);
      ASSERT_TRUE(file.OnNewDocument());
      file.StoreDay("2005/03/15", Cp1250FromUtf8(note), {}, {});
      ASSERT_TRUE(file.OnSaveDocument(Path(name)));
    }
    ASSERT_TRUE(doc.OnOpenDocument(Path("h1.orv")));
    window = OpenTestWindow(doc, ui, recent, SaveAnswer::Yes);
    handOver = std::make_unique<CHandOverQueue>(window->Frame());
    ASSERT_TRUE(instance.TryAcquire());
    instance.SetOnHandOver([this](const QString& file) { handOver->Receive(file); });
  }
  void TearDown() override {
    handOver.reset();
    window.reset();
    QSettings().clear();
  }
  std::string Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }
  // A second start, as `orvella h2.orv` from a shell.
  std::thread SecondStart(const char* name) const {
    return std::thread([this, path = QString::fromStdString(Path(name))] {
      EXPECT_TRUE(CSingleInstance(folder.path()).HandOver(path));
    });
  }
  QString StatusText() const { return window->Frame().statusBar()->currentMessage(); }

  QTemporaryDir folder;
  FakeUiServices ui;
  CTedDoc doc{ui};
  CRecentFileList recent;
  std::unique_ptr<CCalendarWindow> window;
  CSingleInstance instance{folder.path()};
  std::unique_ptr<CHandOverQueue> handOver;
};

TEST_F(HandOverUnderWm, FileHandedOverWhileChangeHolidaysIsOpenWaitsForItsOk) {
  std::thread second;
  DialogWindowTest::WhenDialogOpens([&](QWidget* dialog) {
    second = SecondStart("h2.orv");
    EXPECT_TRUE(QTest::qWaitFor([&] {
      return StatusText() == QStringLiteral("Soubor h2.orv bude otevřen po zavření dialogu.");
    }, 5000)) << StatusText().toStdString();
    QTest::qWait(300);  // long enough for an open that does not wait
    EXPECT_EQ(doc.GetPathName(), Path("h1.orv"));
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    dialog->findChild<QComboBox*>(QStringLiteral("Category"))->setCurrentIndex(kPrivateHolidays);
    auto* entry = dialog->findChild<QLineEdit*>(QStringLiteral("NewEntry"));
    entry->setFocus();
    Type(entry, QStringLiteral("Teta Věra"));
    DialogWindowTest::Click(dialog, QStringLiteral("Přidat"));
    DialogWindowTest::Click(dialog, QStringLiteral("OK"));
  });
  Key(Qt::Key_F12);
  EXPECT_TRUE(QTest::qWaitFor([&] { return doc.GetPathName() == Path("h2.orv"); }, 5000));
  second.join();
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("druhý"));
  EXPECT_TRUE(doc.m_Names.NamesOn(kPrivateHolidays, "03/15").empty());
  // The holiday went into h1, which the question before the open saved.
  FakeUiServices quiet;
  CTedDoc h1(quiet);
  ASSERT_TRUE(h1.OnOpenDocument(Path("h1.orv")));
  EXPECT_EQ(h1.m_Names.NamesOn(kPrivateHolidays, "03/15"), std::vector<std::string>{Cp1250FromUtf8("Teta Věra")});
  EXPECT_TRUE(window->Frame().isActiveWindow());
}

TEST_F(HandOverUnderWm, FileHandedOverWithNoDialogOpensAtOnce) {
  std::thread second = SecondStart("h2.orv");
  EXPECT_TRUE(QTest::qWaitFor([&] { return doc.GetPathName() == Path("h2.orv"); }, 5000));
  second.join();
  EXPECT_EQ(doc.GetDayRecord("2005/03/15")->m_Poznamka, Cp1250FromUtf8("druhý"));
}

}  // namespace
}  // namespace orv::test
