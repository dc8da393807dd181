#include "app/MoonFont.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

#include "core/UiServices.h"

namespace orv {

CMoonFont::CMoonFont(const QString& programDir, IUiServices& ui) : m_Ui(ui) {
  m_FontId = QFontDatabase::addApplicationFont(QDir(programDir).filePath(QString::fromLatin1(kMoonFontFile)));
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
