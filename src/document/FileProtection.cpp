#include "document/FileProtection.h"

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

void SetOpenPassword(CTedDoc& doc, std::string_view password) {
  doc.m_Heslo = password;
  doc.SetModifiedFlag();
}

CAuthorDataModel::CAuthorDataModel(const CTedDoc& doc)
    : m_Fields{doc.m_NazevKalendare, doc.m_CisloVerze, doc.m_Autor, doc.m_Firma, doc.m_Datum},
      m_Password(doc.m_HesloAutora),
      m_Locked(!doc.m_HesloAutora.empty()) {}

bool CAuthorDataModel::Unlock(std::string_view password) {
  if (m_Locked && password == m_Password) m_Locked = false;
  return !m_Locked;
}

bool CAuthorDataModel::SetNewPassword(std::string_view first, std::string_view second, IUiServices& ui) {
  if (m_Locked) return false;
  if (first != second) {
    ui.MessageDialog(kPasswordsDiffer);
    return false;
  }
  m_NewPassword = std::string(first);
  return true;
}

void CAuthorDataModel::Apply(CTedDoc& doc) const {
  doc.m_NazevKalendare = m_Fields[kAuthorTitle];
  doc.m_CisloVerze = m_Fields[kAuthorVersion];
  doc.m_Autor = m_Fields[kAuthorName];
  doc.m_Firma = m_Fields[kAuthorCompany];
  doc.m_Datum = m_Fields[kAuthorDate];
  if (m_NewPassword) doc.m_HesloAutora = *m_NewPassword;
  doc.SetModifiedFlag();
}

std::array<std::string, 5> FileInfoTexts(const CTedDoc& doc) {
  static const std::array<std::string, 5> kUnstated = {Cp1250FromUtf8("název neuveden"), "neuvedena",
                                                       "neuveden", "neuvedena", "neuvedeno"};
  std::array<std::string, 5> texts = CAuthorDataModel(doc).Fields();
  for (size_t i = 0; i < texts.size(); ++i)
    if (texts[i].empty()) texts[i] = kUnstated[i];
  return texts;
}

}  // namespace orv
