#pragma once
// The conflict copies that sync tools leave beside a calendar when two computers changed it at
// once. Only the exact names the tools write count, and only with the calendar's own name stem and
// extension: a copy of another calendar is never taken for one of this calendar.
//
//   denik.sync-conflict-20261211-101500-ABCDEF1.orv
//   denik (conflicted copy 2026-12-11 101500).orv
//   denik_conflict-20261211-101500.orv
//   denik (Jana's conflicted copy 2026-12-11).orv

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// True when `candidate` (a file name) is a conflict copy of the calendar named `calendar`.
bool IsConflictCopyName(std::string_view calendar, std::string_view candidate);

// The conflict copies in the calendar's folder (regular files), as paths, sorted by name.
std::vector<std::string> FindConflictCopies(const std::string& calendarPath);

}  // namespace orv
