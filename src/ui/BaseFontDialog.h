#pragma once
// The dialog "Základní písmo": the user picks the base font of the commentaries among the installed
// faces. It closes only with a face chosen.

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;

namespace orv {

class IUiServices;

class CBaseFontDialog : public QDialog {
 public:
  // `installed`: Windows-1250 face names.
  CBaseFontDialog(const std::vector<std::string>& installed, IUiServices& ui, QWidget* parent = nullptr);
  std::string Face() const { return m_Face; }

  void accept() override;
  // A base font must be chosen; only an empty list lets the dialog close without one.
  void reject() override;

 private:
  IUiServices& m_Ui;
  QComboBox* m_Faces;
  std::string m_Face;
};

}  // namespace orv
