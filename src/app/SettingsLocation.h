#pragma once
// Where the per-user settings live: `QSettings()` is `$XDG_CONFIG_HOME/orvella/orvella.conf`
// (~/.config/orvella/). Settings an earlier version kept under "Local AppWizard-Generated
// Applications/Orvella 2.conf" are moved there once, when the new file does not exist yet.

#include <QString>
#include <string>

namespace orv {

// Sets the organisation and application names QSettings uses; call before the first QSettings.
void UseXdgSettings();

// The per-user settings (bar layout, recent files) are a file Qt reads with a blocking open and
// replaces through links. When something other than a regular file stands in its place (a FIFO, a
// device, a folder), the settings of this run go to `fallback`, a private temporary folder, and the
// Czech message to show is returned; otherwise nothing changes and the result is empty. Call it
// once the application's name is set and before the settings are first used.
std::string GuardSettingsFile(const QString& fallback);

}  // namespace orv
