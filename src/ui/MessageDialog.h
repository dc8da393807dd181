#pragma once
// The program's own message dialog: a modal box with a read-only multi-line text and OK. Used where
// a message may be long or worth copying (file refusals, consistency failures).

#include <QDialog>

class QPlainTextEdit;

namespace orv {

class CMessageDialog : public QDialog {
 public:
  explicit CMessageDialog(const QString& text, QWidget* parent = nullptr);
  QString Text() const;

 private:
  QPlainTextEdit* m_Text;
};

}  // namespace orv
