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
      const QFileInfo withExtension(typed.filePath() + u'.' + m_Extension);
      // Taken here, not through the name field: while the field has the focus, as it has in a real
      // window, selectFile leaves its text alone and the dialog would refuse the name as typed.
      if (typed.suffix().isEmpty() && !typed.exists() && withExtension.isFile()) {
        m_Chosen = withExtension.filePath();
        QDialog::accept();
        return;
      }
    }
    QFileDialog::accept();
  }

  QString Chosen() const { return m_Chosen.isEmpty() ? selectedFiles().value(0) : m_Chosen; }

 private:
  QString m_Extension;
  QString m_Chosen;
};

}  // namespace

QString SingleFilterExtension(const QString& filter) {
  static const QRegularExpression onePattern(QStringLiteral("^[^(]*\\(\\s*\\*\\.(\\w+)\\s*\\)\\s*$"));
  const QRegularExpressionMatch match = onePattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> ChooseFileToOpen(QWidget* parent, const QString& title, const QString& filter) {
  COpenFileDialog dialog(parent, title, filter);
  if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty()) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace orv
