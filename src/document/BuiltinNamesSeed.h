#pragma once
// Seeds the names-and-holidays database of a new calendar from the built-in tables.

namespace orv {

class CNamesDatabase;

void SeedBuiltinNames(CNamesDatabase& names);

}  // namespace orv
