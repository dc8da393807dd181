#pragma once
// Commands that lay out rich text need a QGuiApplication; the one that runs starts it on the
// offscreen platform (unless another is chosen) the first time.

namespace orv::cli {

void EnsureGuiApplication();

}  // namespace orv::cli
