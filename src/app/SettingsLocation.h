#pragma once
// Where the per-user settings live: `QSettings()` is `$XDG_CONFIG_HOME/orvella/orvella.conf`
// (~/.config/orvella/). Settings an earlier version kept under "Local AppWizard-Generated
// Applications/Orvella 2.conf" are moved there once, when the new file does not exist yet.

namespace orv {

// Sets the organisation and application names QSettings uses; call before the first QSettings.
void UseXdgSettings();

}  // namespace orv
