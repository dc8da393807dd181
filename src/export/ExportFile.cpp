#include "export/ExportFile.h"

#include <filesystem>
#include <system_error>

#include "core/UiServices.h"
#include "document/AtomicFile.h"
#include "document/EncryptedCalendar.h"
#include "document/FileProtection.h"
#include "document/ReadOnlyAttribute.h"
#include "document/TedDoc.h"

namespace orv {

std::string ExportFullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.lexically_normal().string();
}

bool WriteExportFile(const CTedDoc& doc, const std::string& path, std::string_view bytes, IUiServices& ui,
                     bool syncEach) {
  std::error_code error;
  if (!doc.GetPathName().empty() && std::filesystem::equivalent(path, doc.GetPathName(), error)) {
    ui.MessageBox("Export nelze zapsat do souboru otevřeného kalendáře.");
    return false;
  }
  if (!MayReplaceFile(path, ui)) return false;
  SWriteOptions options = ExportWriteOptions(doc);
  options.syncEach = syncEach;
  const std::string sealed = doc.SealsExports() ? SealExportBytes(doc, bytes) : std::string();
  const std::string reason =
      WriteFileAtomically(path, doc.SealsExports() ? std::string_view(sealed) : bytes, options);
  if (reason.empty()) return true;
  ui.MessageBox("Soubor \"" + ExportFullPath(path) + "\" nelze zapsat: " + reason + ".");
  return false;
}

}  // namespace orv
