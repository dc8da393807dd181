#pragma once
// The source calendar while appending it to another: a copy of everything it holds, with the file
// it came from (and what that file was on disk), its modified flag and its read-only state. Restoring it
// makes the document the source calendar again in every respect, so a later save writes the source to the
// source's file.

#include <memory>
#include <optional>
#include <string>

#include "core/RegularFile.h"
#include "crypto/SecretKey.h"
#include "document/CalendarContent.h"

namespace orv {

class CTedDoc;

class CAppendSnapshot {
 public:
  explicit CAppendSnapshot(const CTedDoc& doc);

  const CCalendarContent& Content() const { return m_Content; }
  const std::string& PathName() const { return m_PathName; }
  // Gives the snapshot back to the document; the snapshot is empty afterwards.
  void Restore(CTedDoc& doc);

 private:
  CCalendarContent m_Content;
  std::string m_PathName;
  std::optional<SFileIdentity> m_DiskFile;
  bool m_bModified;
  bool m_bReadOnly;
  std::shared_ptr<const crypto::CSecretKey> m_Key;
};

}  // namespace orv
