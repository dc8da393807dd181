#include "ui/YearRangeDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "view/YearRangeDialogModel.h"

namespace orv {
namespace {

QSpinBox* YearBox(int year, const char* name, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(CYearRangeDialogModel::kLowest, CYearRangeDialogModel::kHighest);
  box->setValue(year);
  return box;
}

}  // namespace

std::optional<SYearRange> AskYearRange(QWidget* parent, IUiServices& ui) {
  CYearRangeDialogModel model;
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("YearRangeDialog"));
  dialog.setWindowTitle(QStringLiteral("Rozsah let"));
  QSpinBox* from = YearBox(model.m_From, "FromYear", &dialog);
  QSpinBox* to = YearBox(model.m_To, "ToYear", &dialog);

  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
  std::optional<SYearRange> range;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    from->interpretText();
    to->interpretText();
    model.m_From = from->value();
    model.m_To = to->value();
    range = model.Accept(ui);
    if (range) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* years = new QFormLayout;
  years->addRow(QStringLiteral("Od roku:"), from);
  years->addRow(QStringLiteral("Do roku:"), to);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(years);
  layout->addWidget(buttons);
  from->setFocus(Qt::OtherFocusReason);
  from->selectAll();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return range;
}

}  // namespace orv
