#include "ui/OpenFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace orv {
namespace {

class COpenFileDialog : public QFileDialog {
 public:
  COpenFileDialog(QWidget* parent, const QString& title, const QString& filter)
      : QFileDialog(parent, title, {}, filter), m_Extension(SingleFilterExtension(filter)) {
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
  }

  void accept() override {
    const QStringList files = selectedFiles();
    if (!m_Extension.isEmpty() && files.size() == 1) {
      const QFileInfo typed(files.front());
      if (typed.suffix().isEmpty() && !typed.exists()) selectFile(typed.filePath() + u'.' + m_Extension);
    }
    QFileDialog::accept();
  }

 private:
  QString m_Extension;
};

}  // namespace

QString SingleFilterExtension(const QString& filter) {
  static const QRegularExpression onePattern(QStringLiteral("^[^(]*\\(\\s*\\*\\.(\\w+)\\s*\\)\\s*$"));
  const QRegularExpressionMatch match = onePattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& title, const QString& filter) {
  COpenFileDialog dialog(parent, title, filter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace orv
