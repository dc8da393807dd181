#include "app/JoinedDaysDialog.h"

#include <QDialog>
#include <QVBoxLayout>

namespace orv {

QListWidget* ShowJoinedDays(QWidget* parent, const CJoinedDays& joined,
                            std::function<void(const Date&)> goTo) {
  if (joined.Empty()) return nullptr;
  auto* dialog = new QDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Sloučené dny"));
  auto* list = new QListWidget(dialog);
  list->setObjectName(QStringLiteral("JoinedDays"));
  std::vector<std::optional<Date>> days;
  for (const CJoinedDays::SRow& row : joined.Rows()) {
    list->addItem(QString::fromStdString(row.text));
    days.push_back(row.day);
  }
  QObject::connect(list, &QListWidget::itemActivated, dialog,
                   [list, days = std::move(days), goTo = std::move(goTo)](QListWidgetItem* item) {
                     if (const std::optional<Date>& day = days[static_cast<std::size_t>(list->row(item))])
                       goTo(*day);
                   });
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(list);
  list->setCurrentRow(0);
  // The merge comes from outside while the user may be typing: the keys stay where they were going.
  dialog->setAttribute(Qt::WA_ShowWithoutActivating);
  dialog->show();
  return list;
}

}  // namespace orv
