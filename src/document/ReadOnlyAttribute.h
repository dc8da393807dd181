#pragma once
// The read-only attribute of a file on Linux: no write permission bit for anyone (chmod a-w). It
// holds for root too, who may write any file: as rm and editors warn root before they change such a
// file, the calendar and its exports neither save over it nor replace it unasked. A file this user
// may not write for other reasons is read-only to them as well.

#include <string>

namespace orv {

class IUiServices;

// True for an existing file with the attribute or one this user cannot write; false when there is
// no file at `path`.
bool IsReadOnlyFile(const std::string& path);

// Before a file is written over: a read-only one only when the user agrees ("Ne" is the default).
bool MayReplaceFile(const std::string& path, IUiServices& ui);

}  // namespace orv
