#pragma once
// The password prompt "Autentizace": the prompt in a read-only field, a password field, OK and
// "Storno". For the old password OK refuses characters Windows-1250 lacks (the calendar could only
// compare "?" for them) and keeps the dialog open; an encrypted calendar's passphrase is taken as
// typed.

#include <QDialog>
#include <string>

class QLineEdit;

namespace orv {

class IUiServices;

class CPasswordDialog : public QDialog {
 public:
  enum class EKind { Password, Passphrase };
  CPasswordDialog(const QString& prompt, IUiServices& ui, QWidget* parent = nullptr,
                  EKind kind = EKind::Password);
  // As the calendar keeps it: Windows-1250 bytes.
  std::string Password() const;
  // UTF-8, as typed.
  std::string Passphrase() const;

 private:
  void Ok();

  IUiServices& m_Ui;
  EKind m_Kind;
  QLineEdit* m_Password;
};

}  // namespace orv
