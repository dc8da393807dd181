#include "ui/ExportCommands.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <filesystem>

#include "core/UiServices.h"
#include "document/TedDoc.h"
#include "export/RtfExport.h"
#include "ui/RtfExportDialog.h"

namespace orv {
namespace {

// The calendar's name with the export's extension, in the calendar's folder.
std::string SuggestedName(const CTedDoc& doc, const char* extension) {
  std::filesystem::path path(doc.GetPathName());
  return path.replace_extension(extension).string();
}

// A name typed without an extension gets the export's.
std::string WithExtension(std::string path, const char* extension) {
  if (std::filesystem::path(path).extension().empty()) path += extension;
  return path;
}

// Keeps the modified flag as it was when the command started.
class CModifiedFlagKeeper {
 public:
  explicit CModifiedFlagKeeper(CTedDoc& doc) : m_Doc(doc), m_WasModified(doc.IsModified()) {}
  ~CModifiedFlagKeeper() {
    if (!m_WasModified) m_Doc.SetModifiedFlag(false);
  }
  CModifiedFlagKeeper(const CModifiedFlagKeeper&) = delete;
  CModifiedFlagKeeper& operator=(const CModifiedFlagKeeper&) = delete;

 private:
  CTedDoc& m_Doc;
  bool m_WasModified;
};

// A progress dialog that shows itself when a walk takes longer than a moment.
class CExportProgress {
 public:
  CExportProgress(QWidget* parent, const QString& title) : m_Dialog(parent) {
    m_Dialog.setWindowTitle(title);
    m_Dialog.setCancelButtonText(QStringLiteral("Storno"));
    m_Dialog.setWindowModality(Qt::WindowModal);
    m_Dialog.setMinimumDuration(500);
    m_Dialog.setAutoReset(false);
  }
  ExportProgress Callback() {
    return [this](int done, int total) {
      m_Dialog.setMaximum(total);
      m_Dialog.setLabelText(QStringLiteral("Exportováno dnů: %1 z %2").arg(done).arg(total));
      m_Dialog.setValue(done);
      QCoreApplication::processEvents();
      return !m_Dialog.wasCanceled();
    };
  }

 private:
  QProgressDialog m_Dialog;
};

}  // namespace

void RunRtfExport(const SExportContext& context) {
  if (!CanExportRtf(context.doc, context.ui)) return;
  const auto path =
      context.ui.ChooseFileToSave(kRtfChooserTitle, kRtfChooserFilter, SuggestedName(context.doc, ".rtf"));
  if (!path) return;
  CModifiedFlagKeeper keeper(context.doc);
  if (context.storeEditors) context.storeEditors();
  const auto choice = AskExportChoice(context.parent, context.doc, context.ui);
  if (!choice) return;
  CExportProgress progress(context.parent, QStringLiteral("Export do rtf"));
  ExportRtf(context.doc, WithExtension(*path, ".rtf"), *choice, context.baseFace, context.ui,
            progress.Callback());
}

}  // namespace orv
