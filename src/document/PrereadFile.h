#pragma once
// A calendar file read ahead on a thread of its own while the program builds its window, so that the
// open waits neither for the disk nor for finding the file's records. The open takes what was read
// (CTedDoc::OfferPreread) only when the file it then locks is still the one read here, unchanged;
// otherwise, or when reading ahead met anything the user would be told, it reads the file itself.
//
//   doc.OfferPreread(std::make_shared<CPrereadFile>(path, ui));   reading starts
//   ... the window is built ...
//   doc.OnOpenDocument(path);

#include <optional>
#include <string>
#include <thread>

#include "core/RegularFile.h"
#include "document/CalendarContent.h"

namespace orv {

class IUiServices;

struct SPrereadFile {
  SFileIdentity identity;  // of the file when it was read, under its lock
  CArchiveBuffer bytes;    // the whole file
  std::optional<CCalendarContent> content;  // a plain calendar read from them without a word to say
};

class CPrereadFile {
 public:
  // `ui` is the document's, for the calendar read (it is never called on the thread).
  CPrereadFile(std::string path, IUiServices& ui);
  ~CPrereadFile();
  CPrereadFile(const CPrereadFile&) = delete;
  CPrereadFile& operator=(const CPrereadFile&) = delete;

  // Waits for the reading to end: what was read when it was `path`, whole; else nullopt. Once.
  std::optional<SPrereadFile> Take(const std::string& path);

 private:
  std::string m_Path;
  std::optional<SPrereadFile> m_Read;
  std::thread m_Thread;
};

}  // namespace orv
