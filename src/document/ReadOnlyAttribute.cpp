#include "document/ReadOnlyAttribute.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/UiServices.h"

namespace orv {

bool IsReadOnlyFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

bool MayReplaceFile(const std::string& path, IUiServices& ui) {
  return !IsReadOnlyFile(path) ||
         ui.AskYesNoDefaultNo("Soubor " + path + " má nastaven atribut \"Pouze pro čtení\". Přepsat jej?");
}

}  // namespace orv
