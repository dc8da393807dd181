#pragma once
// Qt's own texts (file, colour and font dialogs, stock menus and buttons) in Czech whatever the
// user's locale, as the program's own texts are: the Czech catalogues of Qt's translations
// (Debian qt6-translations-l10n) are installed into the application.
//
//   QApplication app(argc, argv);   InstallQtCzech(app);

class QCoreApplication;
class QTranslator;

namespace orv {

// The installed translator (owned by `app`), or nullptr when the catalogues are not installed and
// Qt's texts stay English.
QTranslator* InstallQtCzech(QCoreApplication& app);

}  // namespace orv
