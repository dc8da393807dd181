// Qt's own dialogs speak Czech once the program has installed Qt's Czech catalogues.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include "app/QtCzech.h"

namespace orv {
namespace {

TEST(QtCzech, FileDialogShowsCzechTexts) {
  QTranslator* translator = InstallQtCzech(*qApp);
  ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is not installed";
  QFileDialog dialog(nullptr, QStringLiteral("Otevřít"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QString lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
  const QString fileName = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text();
  const QString cancel = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                             ->button(QDialogButtonBox::Cancel)
                             ->text();
  QCoreApplication::removeTranslator(translator);
  delete translator;
  EXPECT_EQ(lookIn, QStringLiteral("Hledat v:"));
  EXPECT_EQ(fileName, QStringLiteral("Název &souboru:"));
  EXPECT_EQ(cancel, QStringLiteral("Zrušit"));
}

}  // namespace
}  // namespace orv
