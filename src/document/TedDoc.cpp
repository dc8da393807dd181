#include "document/TedDoc.h"

#include <filesystem>
#include <utility>

namespace orv {

CTedDoc::CTedDoc(IUiServices& ui) : CCalendarContent(ui), m_Ui(ui) {}

bool CTedDoc::OnNewDocument() {
  DeleteContents();
  m_Key.reset();
  m_Heslo.clear();
  m_bReadOnly = false;
  m_Ochrana = 0;
  m_Verze = kOrvVersion;
  m_Magic = kOrvMagic;
  m_NazevKalendare.clear();
  m_CisloVerze.clear();
  m_Autor.clear();
  m_Firma.clear();
  m_Datum.clear();
  m_HesloAutora.clear();
  m_Names.FillBuiltinNameDays();
  m_Names.LoadKonstSabl();
  m_PathName.clear();
  m_DiskFile.reset();
  m_Lock.Close();
  SetModifiedFlag(false);
  return true;
}

void CTedDoc::DeleteContents() {
  m_Names.Clear();
  m_DataTxt.clear();
  m_DataMesice.clear();
  m_Styles.clear();
  m_StylesPar.clear();
  m_Heslo.clear();
  m_HesloAutora.clear();
}

void CTedDoc::SetEncryptionKey(std::shared_ptr<const crypto::CSecretKey> key) {
  m_Key = std::move(key);
  SetModifiedFlag();
}

void CTedDoc::SetModifiedFlag(bool modified) {
  if (m_bModified == modified) return;
  m_bModified = modified;
  for (const auto& observer : m_ModifiedObservers) observer(modified);
}

void CTedDoc::AddModifiedObserver(std::function<void(bool)> observer) {
  m_ModifiedObservers.push_back(std::move(observer));
}

void CTedDoc::RestoreFile(std::string path, std::optional<SFileIdentity> diskFile) {
  m_PathName = std::move(path);
  m_DiskFile = diskFile;
  m_Lock.Close();
  m_OpenedBytes = {};  // of the other calendar
}

CArchiveBuffer CTedDoc::TakeOpenedFileBytes() {
  CArchiveBuffer bytes = std::exchange(m_OpenedBytes, {});
  if (!m_DiskFile || *m_DiskFile != m_OpenedFile) return {};
  return bytes;
}

std::string CTedDoc::GetTitle() const {
  if (m_PathName.empty()) return "Nepojmenovaný";
  return std::filesystem::path(m_PathName).filename().string();
}

}  // namespace orv
