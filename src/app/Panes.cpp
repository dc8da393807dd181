#include "app/Panes.h"

#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/CalendarDates.h"
#include "ui/QtText.h"

namespace orv {
namespace {

// The displayed month as a list of days: week, day, weekday; today selected.
QWidget* MakeCalendarStandIn(QWidget* parent) {
  auto* pane = new QWidget(parent);
  pane->setObjectName(QStringLiteral("CalendarPane"));
  const QDate today = QDate::currentDate();
  auto* title = new QLabel(
      FromCp1250(MonthName(today.month())) + QLatin1Char(' ') + QString::number(today.year()), pane);
  QFont titleFont = title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
  title->setFont(titleFont);
  title->setContentsMargins(4, 2, 4, 2);

  auto* days = new QTreeWidget(pane);
  days->setObjectName(QStringLiteral("MonthTable"));
  days->setRootIsDecorated(false);
  days->setHeaderHidden(true);
  days->setColumnCount(4);
  days->setAlternatingRowColors(true);
  days->setUniformRowHeights(true);
  for (int day = 1; day <= today.daysInMonth(); ++day) {
    const int weekday = WeekdayIndex(today.year(), today.month(), day);
    auto* item =
        new QTreeWidgetItem(days, {QString::number(WeekNumber(today.year(), today.month(), day)),
                                   QString::number(day), FromCp1250(WeekdayAbbrev(weekday)), QString()});
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setForeground(0, QColor(0x80, 0x80, 0x80));
    if (weekday >= 5) item->setForeground(2, QColor(0xb0, 0x20, 0x20));
    if (day == today.day()) days->setCurrentItem(item);
  }
  days->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  days->header()->setStretchLastSection(true);

  auto* note = new QLineEdit(pane);
  note->setObjectName(QStringLiteral("NoteField"));
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(title);
  layout->addWidget(days, 1);
  layout->addWidget(note);
  return pane;
}

QTextEdit* MakeEditorStandIn(QWidget* parent, const char* name) {
  auto* editor = new QTextEdit(parent);
  editor->setObjectName(QString::fromLatin1(name));
  editor->setAcceptRichText(true);
  return editor;
}

}  // namespace

SPaneFactories DefaultPanes() {
  return {MakeCalendarStandIn, [](QWidget* parent) { return MakeEditorStandIn(parent, "MonthEditor"); },
          [](QWidget* parent) { return MakeEditorStandIn(parent, "DayEditor"); }};
}

}  // namespace orv
