#include "app/YearRangeSetting.h"

#include <QSettings>

#include "core/YearRangeSetting.h"

namespace orv {

SYearRange LoadYearRangeSetting(int currentYear) {
  QSettings store;
  store.beginGroup(QLatin1String(kYearRangeGroup));
  bool fromOk = false, toOk = false;
  const SYearRange range{store.value(QLatin1String(kYearRangeFromKey)).toInt(&fromOk),
                         store.value(QLatin1String(kYearRangeToKey)).toInt(&toOk)};
  if (!fromOk || !toOk || !YearRangeProblem(range).empty()) return DefaultYearRange(currentYear);
  return range;
}

void SaveYearRangeSetting(const SYearRange& range) {
  QSettings store;
  store.beginGroup(QLatin1String(kYearRangeGroup));
  store.setValue(QLatin1String(kYearRangeFromKey), range.first);
  store.setValue(QLatin1String(kYearRangeToKey), range.last);
}

}  // namespace orv
