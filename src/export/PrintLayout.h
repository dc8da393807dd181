#pragma once
// Laying an export out on pages: the assembled content (RtfAssembly.h) painted on a paged device
// (a printer, a PDF writer), page after page, with the calendar's name and "Strana n z m" in the
// footer of every page. Print, print preview and the PDF export all go through here, so they show the
// same content in the same formats as the RTF export.

#include <QString>
#include <cstddef>
#include <functional>

#include "richtext/RichContent.h"

class QPagedPaintDevice;

namespace orv {

// The largest commentary (its RTF) laid out on pages: about two thousand pages of text, laid out in
// some hundreds of megabytes. Larger ones are left out with "Výklad je příliš velký".
inline constexpr std::size_t kMaxLaidOutCommentary = std::size_t{4} << 20;

// Told after each page painted (pages painted, pages in all); false stops the painting. Painting a
// whole calendar takes seconds: a window shows this and keeps painting itself meanwhile.
using PageProgress = std::function<bool(int painted, int pages)>;

// The number of pages painted; 0 when the device could not be painted on, -1 when `progress` stopped
// it. Paper size and margins are the device's (A4 unless the user chose otherwise).
int PrintExportContent(const RichContent& content, QPagedPaintDevice& device, const QString& footerName,
                       const PageProgress& progress = {});

}  // namespace orv
