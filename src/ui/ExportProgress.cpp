#include "ui/ExportProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>

#include "ui/ArrowOverButton.h"

namespace orv {

CExportProgress::CExportProgress(QWidget* parent, QString title)
    : m_Parent(parent), m_Title(std::move(title)) {}

CExportProgress::~CExportProgress() = default;

ExportProgress CExportProgress::Callback() {
  return
      [this](int done, int total) { return Show(QStringLiteral("Exportováno dnů: %1 z %2"), done, total); };
}

PageProgress CExportProgress::PageCallback() {
  return [this](int painted, int pages) {
    return Show(QStringLiteral("Zpracováno stran: %1 z %2"), painted, pages);
  };
}

bool CExportProgress::Show(const QString& label, int done, int total) {
  if (!m_Dialog) {
    // Made here rather than up front: a file chooser may still come before the work starts.
    m_Dialog = std::make_unique<QProgressDialog>(m_Parent);
    m_Dialog->setWindowTitle(m_Title);
    auto* cancel = new QPushButton(QStringLiteral("Storno"));
    new CArrowOverButton(cancel);
    m_Dialog->setCancelButton(cancel);
    m_Dialog->setWindowModality(Qt::WindowModal);
    m_Dialog->setMinimumDuration(500);
    m_Dialog->setAutoReset(false);
  }
  m_Dialog->setMaximum(total);
  m_Dialog->setLabelText(label.arg(done).arg(total));
  m_Dialog->setValue(done);
  QCoreApplication::processEvents();
  return !m_Dialog->wasCanceled();
}

}  // namespace orv
