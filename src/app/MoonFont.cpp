#include "app/MoonFont.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>

#include "core/UiServices.h"

namespace orv {

namespace {

// Beside the executable (a build), else among the installed program's data (../share/orvella).
QString MoonFontPath(const QString& programDir) {
  const QString font = QString::fromLatin1(kMoonFontFile);
  const QString beside = QDir(programDir).filePath(font);
  const QString installed = QDir(programDir).filePath(QStringLiteral("../share/orvella/") + font);
  return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

}  // namespace

CMoonFont::CMoonFont(const QString& programDir, IUiServices& ui) : m_Ui(ui) {
  m_FontId = QFontDatabase::addApplicationFont(MoonFontPath(programDir));
  if (m_FontId < 0) {
    m_Ui.MessageBox("Font nebyl nainstalován !");
    return;
  }
  const QStringList families = QFontDatabase::applicationFontFamilies(m_FontId);
  if (!families.isEmpty()) m_Family = families.front();
}

CMoonFont::~CMoonFont() {
  if (m_FontId >= 0 && !QFontDatabase::removeApplicationFont(m_FontId))
    m_Ui.MessageBox("Font nebyl odstraněn !");
}

}  // namespace orv
