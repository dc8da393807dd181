#pragma once
// Commands that lay out rich text need a QGuiApplication; orv starts one on the offscreen platform
// the first time such a command runs, so the commands that do not need it start as fast as before.

namespace orv::cli {

void EnsureGuiApplication();

}  // namespace orv::cli
