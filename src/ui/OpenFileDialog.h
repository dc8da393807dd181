#pragma once
// The chooser of a file to open. A name typed without an extension that names no file means the
// file of the filter's kind: "cil" under the filter "(*.orv)" opens "cil.orv". A file that really has
// no extension can still be chosen.

#include <QString>
#include <optional>

class QWidget;

namespace orv {

// The extension of a filter with one pattern, "Orvella (*.orv)" gives "orv"; empty otherwise.
QString SingleFilterExtension(const QString& filter);

// The chosen path; nullopt when cancelled.
std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& title, const QString& filter);

}  // namespace orv
