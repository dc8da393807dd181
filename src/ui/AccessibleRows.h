#pragma once
// What a screen reader gets of a widget that shows one line a day: a table of one column whose cells
// read as whole sentences ("pondělí 14. července 2025, Bonaventura, poznámka: …"), the current line
// selected and focused, instead of the lines' raw text and tab columns.
//
//   class CMonthTable : public QTextEdit, public IAccessibleRows { ... };
//   InstallAccessibleRows();              once; widgets that are IAccessibleRows get the table
//   AnnounceCurrentRow(table);            after the current line moved

#include <QRect>
#include <QString>

class QObject;
class QWidget;

namespace orv {

class IAccessibleRows {
 public:
  virtual ~IAccessibleRows() = default;
  virtual int AccessibleRowCount() const = 0;
  virtual QString SpokenRow(int row) const = 0;
  virtual int CurrentRow() const = 0;
  // A screen reader's request to make a line current; false when the widget refuses it.
  virtual bool MakeRowCurrent(int row) = 0;
  // Where the line stands, in the widget's coordinates.
  virtual QRect RowRect(int row) const = 0;
};

void InstallAccessibleRows();
// Tells a listening screen reader that the current line, and so the focused cell, changed.
void AnnounceCurrentRow(QWidget* widget);

}  // namespace orv
