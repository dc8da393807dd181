// Reads arbitrary bytes as RTF, into the plain reader and into the control; what the writer makes of
// the result must read back to the same bytes, and the control's document must be the content the
// reader gives. Run with -rss_limit_mb=512 -timeout=5: reading is bounded in memory and linear.
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "richtext/RichEditCtrl.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string written = orv::WriteRtf(orv::ReadRtf(input));
  if (orv::WriteRtf(orv::ReadRtf(written)) != written) std::abort();

  orv::CRichEditCtrl ctrl;
  if (!ctrl.StreamIn(input)) return 0;  // too large or too dense a document: refused whole
  const std::string rtf = ctrl.StreamOut();
  // Building the document while reading gives what inserting the whole content gives.
  const orv::RichContent content = orv::ReadRtf(input);
  if (!content.paragraphs.empty()) {
    orv::CRichEditCtrl inserted;
    inserted.InsertAtCaret(content);
    if (inserted.StreamOut() != rtf) std::abort();
  }
  if (static_cast<int>(ctrl.GetText().size()) != ctrl.GetTextLength()) std::abort();
  orv::CRichEditCtrl again;
  again.StreamIn(rtf);
  if (again.StreamOut() != rtf) std::abort();
  return 0;
}
