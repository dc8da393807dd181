#pragma once
// The file's protection and author data as its three dialogs change and show them: the open
// password ("Zaheslovat"), the author data locked by the author password ("Změna autorských údajů"
// with "Změnit" and "Nové heslo"), and the read-only "O souboru". Passwords are exact byte strings;
// a wrong one is refused without a word. Everything takes effect in the file at the next save.
//
//   CAuthorDataModel author(doc);
//   if (author.IsLocked()) author.Unlock(typed);     // true with the right password
//   author.Fields()[kAuthorName] = "...";  author.Apply(doc);

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/AtomicFile.h"

namespace orv {

class CTedDoc;
class IUiServices;

inline constexpr const char* kPasswordNotice =
    "Soubor je nutno uložit !\r\n\r\nHeslo můžete kdykoliv změnit.\r\n\r\nVAROVÁNÍ: \r\n\tHeslo si pečlivě "
    "uschovejte !\r\n\r\nPokud jej zapomenete, nebudete moci tento soubor otevřít !";

// "Zaheslovat" on OK: the password exactly as typed; an empty one removes it. Marks the calendar
// modified.
void SetOpenPassword(CTedDoc& doc, std::string_view password);

inline constexpr const char* kOpenPasswordsDiffer = "Zadaná hesla se liší. Heslo nebylo změněno.";
inline constexpr const char* kWrongPassword = "Heslo není správné.";

// The new open password typed twice (UTF-8), as Windows-1250: one typo would lock the user out, so
// two different entries are refused, and so is a character the code page lacks (it would be stored
// as "?", which any such character then matches). Nullopt after the message.
std::optional<std::string> CheckNewPassword(std::string_view first, std::string_view second, IUiServices& ui);
// A password given once (the prompt, orv), as Windows-1250; nullopt after the message.
std::optional<std::string> CheckPassword(std::string_view typed, IUiServices& ui);

// The five author fields, top to bottom.
enum EAuthorField { kAuthorTitle, kAuthorVersion, kAuthorName, kAuthorCompany, kAuthorDate };
inline constexpr std::array<const char*, 5> kAuthorFieldLabels = {
    "Název kalendáře:", "Číslo verze:", "Autor:", "Firma:", "Datum:"};

class CAuthorDataModel {
 public:
  explicit CAuthorDataModel(const CTedDoc& doc);

  // Windows-1250, as the calendar keeps them.
  std::array<std::string, 5>& Fields() { return m_Fields; }
  const std::array<std::string, 5>& Fields() const { return m_Fields; }

  // The fields are read-only while the calendar has an author password and it was not given.
  bool IsLocked() const { return m_Locked; }
  // "Změnit": the author password unlocks the fields for as long as the dialog is open.
  bool Unlock(std::string_view password);
  // "Nové heslo" works on unlocked data only.
  bool CanSetNewPassword() const { return !m_Locked; }
  // The new author password typed twice; two different entries are refused with a message, two
  // empty ones remove the password. Written by Apply.
  bool SetNewPassword(std::string_view first, std::string_view second, IUiServices& ui);

  // OK: the fields (and a new author password) into the calendar, marked modified.
  void Apply(CTedDoc& doc) const;

 private:
  std::array<std::string, 5> m_Fields;
  std::string m_Password;
  std::optional<std::string> m_NewPassword;
  bool m_Locked;
};

inline constexpr const char* kNewPasswordPrompt = "Zadejte nové heslo autora :";
inline constexpr const char* kRepeatPasswordPrompt = "Zadejte nové heslo autora znovu :";
inline constexpr const char* kPasswordsDiffer = "Zadaná hesla se liší. Heslo autora nebylo změněno.";

// A diary is private: a new calendar, a recovery copy and an export of a protected calendar are
// created readable by their owner alone (a file that exists keeps its mode).
inline constexpr mode_t kPrivateFileMode = 0600;
bool IsProtected(const CTedDoc& doc);
// How an export of the calendar writes its file: private when the calendar is protected.
SWriteOptions ExportWriteOptions(const CTedDoc& doc);

// "O souboru": the five author fields, an empty one replaced by its fixed text (Windows-1250).
std::array<std::string, 5> FileInfoTexts(const CTedDoc& doc);

}  // namespace orv
