#include "document/NewCalendarNames.h"

#include "names/NamesDatabase.h"

namespace orv {

// The built-in name days and holidays come from the names layer (its LoadKonstSabl); until that is
// available a new calendar starts with an empty names database.
void SeedNewCalendarNames(CNamesDatabase&) {}

}  // namespace orv
