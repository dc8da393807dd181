// The window on a Wayland desktop, natively (the wayland platform under a headless weston; CTest's
// app_wayland entry): the main paths a user takes every day.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "DialogWindowFixture.h"
#include "app/CommandIds.h"
#include "core/Cp1250.h"

namespace orv::test {
namespace {

using WindowUnderWayland = DialogWindowTest;

TEST_F(WindowUnderWayland, MovesADayTypesANoteSavesAndCloses) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("deník.orv")).toStdString();

  Key(Qt::Key_Down);
  EXPECT_EQ(Model().SelectedDate(), (Date{2005, 3, 16}));
  Key(Qt::Key_F2);
  Type(Note(), QStringLiteral("Výlet na Sněžku"));
  ui.fileAnswers.push_back(path);
  window->Frame().Action(cmd::FileSaveAs)->trigger();
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(window->Frame().close());

  FakeUiServices readerUi;
  CTedDoc reader(readerUi);
  ASSERT_TRUE(reader.OnOpenDocument(path));
  const CEntrTxt* record = reader.GetDayRecord("2005/03/16");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(Cp1250ToUtf8(record->m_Poznamka), "Výlet na Sněžku");
}

}  // namespace
}  // namespace orv::test
