#include "document/FileProtection.h"

#include "core/Cp1250.h"
#include "core/Cp1250Refusal.h"
#include "core/UiServices.h"
#include "document/TedDoc.h"

namespace orv {

void SetOpenPassword(CTedDoc& doc, std::string_view password) {
  doc.m_Heslo = password;
  doc.SetModifiedFlag();
}

std::optional<std::string> CheckPassword(std::string_view typed, IUiServices& ui) {
  if (const std::string why = Cp1250Refusal(typed, "do hesla"); !why.empty()) {
    ui.MessageBox(why);
    return std::nullopt;
  }
  return Cp1250FromUtf8(typed);
}

std::optional<std::string> CheckNewPassword(std::string_view first, std::string_view second,
                                            IUiServices& ui) {
  if (first != second) {
    ui.MessageBox(kOpenPasswordsDiffer);
    return std::nullopt;
  }
  return CheckPassword(first, ui);
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

bool IsProtected(const CTedDoc& doc) {
  return !doc.m_Heslo.empty() || doc.EncryptionKey();
}

SWriteOptions ExportWriteOptions(const CTedDoc& doc) {
  SWriteOptions options;
  if (IsProtected(doc)) options.newFileMode = kPrivateFileMode;
  return options;
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
