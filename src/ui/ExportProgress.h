#pragma once
// The progress dialog of long exports and print: the days walked ("Exportováno dnů: n z m"), then the
// pages painted ("Zpracováno stran: n z m"), with "Storno". It comes into being at the first count and
// shows itself only when the work takes longer than a moment; each count lets the windows paint. Over
// "Storno" the wait cursor of the work is the arrow.
//
//   CExportProgress progress(parent, QStringLiteral("Export do PDF"));
//   ExportPdf(doc, path, choice, face, ui, progress.Callback(), progress.PageCallback());

#include <QString>
#include <memory>

#include "export/PrintLayout.h"
#include "export/RtfCalendarExport.h"

class QProgressDialog;
class QWidget;

namespace orv {

class CExportProgress {
 public:
  CExportProgress(QWidget* parent, QString title);
  ~CExportProgress();
  CExportProgress(const CExportProgress&) = delete;
  CExportProgress& operator=(const CExportProgress&) = delete;

  // The callbacks answer false once "Storno" was pressed.
  ExportProgress Callback();
  PageProgress PageCallback();

 private:
  bool Show(const QString& label, int done, int total);

  QWidget* m_Parent;
  QString m_Title;
  std::unique_ptr<QProgressDialog> m_Dialog;
};

}  // namespace orv
