#pragma once
// The progress of appending a large calendar: a modal dialog "Připojuji záznamy: N z M" that keeps
// the window painting while the records are merged, with the wait cursor. Small merges show nothing.

#include <memory>

class QProgressDialog;
class QWidget;

namespace orv {

class CAppendProgress {
 public:
  explicit CAppendProgress(QWidget* parent);
  CAppendProgress(const CAppendProgress&) = delete;
  CAppendProgress& operator=(const CAppendProgress&) = delete;
  ~CAppendProgress();

  void Show(int done, int total);
  void End();

 private:
  QWidget* m_Parent;
  std::unique_ptr<QProgressDialog> m_Dialog;
};

}  // namespace orv
