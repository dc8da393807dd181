#include "document/BuiltinNamesSeed.h"

#include "names/NamesDatabase.h"

namespace orv {

// To be: names.FillBuiltinNameDays(); names.LoadKonstSabl(); once the names layer with the built-in
// tables is merged. Until then a new calendar starts with an empty names database.
void SeedBuiltinNames(CNamesDatabase&) {}

}  // namespace orv
