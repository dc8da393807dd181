#include "document/merge/AppendSnapshot.h"

#include "document/TedDoc.h"

namespace orv {

CAppendSnapshot::CAppendSnapshot(const CTedDoc& doc)
    : m_Content(doc),
      m_PathName(doc.GetPathName()),
      m_DiskFile(doc.GetDiskFile()),
      m_bModified(doc.IsModified()),
      m_bReadOnly(doc.m_bReadOnly),
      m_Key(doc.EncryptionKey()) {}

void CAppendSnapshot::Restore(CTedDoc& doc) {
  static_cast<CCalendarContent&>(doc) = std::move(m_Content);
  doc.RestoreFile(std::move(m_PathName), m_DiskFile);
  doc.m_bReadOnly = m_bReadOnly;
  // An encrypted source stays encrypted: the target's open replaced the key.
  doc.SetEncryptionKey(m_Key);
  doc.SetModifiedFlag(m_bModified);
}

}  // namespace orv
