#include "ui/AppendProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace orv {
namespace {

// Below this many records a merge is over before a dialog could be read.
constexpr int kShownFrom = 500;

}  // namespace

CAppendProgress::CAppendProgress(QWidget* parent) : m_Parent(parent) {}

CAppendProgress::~CAppendProgress() {
  End();
}

void CAppendProgress::Show(int done, int total) {
  if (!m_Dialog) {
    if (total < kShownFrom) return;
    m_Dialog = std::make_unique<QProgressDialog>(m_Parent);
    m_Dialog->setObjectName(QStringLiteral("AppendProgress"));
    m_Dialog->setWindowTitle(QStringLiteral("Připojit ke kalendáři"));
    m_Dialog->setWindowModality(Qt::WindowModal);
    m_Dialog->setCancelButton(nullptr);
    m_Dialog->setMinimumDuration(0);
    m_Dialog->setRange(0, total);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  m_Dialog->setLabelText(QStringLiteral("Připojuji záznamy: %1 z %2").arg(done).arg(total));
  m_Dialog->setValue(done);  // a modal progress dialog lets the window paint here
}

void CAppendProgress::End() {
  if (!m_Dialog) return;
  m_Dialog.reset();
  QApplication::restoreOverrideCursor();
}

}  // namespace orv
