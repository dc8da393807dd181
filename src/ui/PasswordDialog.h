#pragma once
// The password prompt "Autentizace": the prompt in a read-only field, a password field, OK and
// "Storno". The password comes back as Windows-1250 bytes, as the calendar keeps it.

#include <QDialog>
#include <string>

class QLineEdit;

namespace orv {

class CPasswordDialog : public QDialog {
 public:
  explicit CPasswordDialog(const QString& prompt, QWidget* parent = nullptr);
  std::string Password() const;

 private:
  QLineEdit* m_Password;
};

}  // namespace orv
