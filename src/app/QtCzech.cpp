#include "app/QtCzech.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orv {

QTranslator* InstallQtCzech(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // "qt_cs" names the catalogues of every Qt module installed (qtbase_cs and the others).
  if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qt"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace orv
