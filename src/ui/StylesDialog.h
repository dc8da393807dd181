#pragma once
// The character styles dialog ("Styly písma") and the paragraph styles dialog ("Styly odstavce"): a
// name field, the list of styles and the buttons "Nový", "Upravit", "Smazat", OK and "Storno". The
// rules are the caller's (editor/StylesDialogModel.h); the dialog passes the typed or chosen name.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace orv {

struct SStylesDialogActions {
  std::function<std::vector<std::string>()> names;  // Windows-1250
  // "Nový" with the typed name, "Upravit" and "Smazat" with the name chosen in the list ("" when
  // none); true when the list changed.
  std::function<bool(const std::string&)> add;
  std::function<bool(const std::string&)> edit;
  std::function<bool(const std::string&)> remove;
};

// True on OK.
bool RunStylesDialog(QWidget* parent, const QString& title, const QString& label,
                     const SStylesDialogActions& actions);

}  // namespace orv
