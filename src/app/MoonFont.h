#pragma once
// The moon font of the calendar's moon column: "Moon.ttf" beside the executable (or in
// ../share/orvella/ of an installed program), made known to the
// program for as long as the main window lives. When it is missing the program runs on and the moon
// symbols show in a substitute font.

#include <QString>

namespace orv {

class IUiServices;

inline constexpr char kMoonFontFile[] = "Moon.ttf";

class CMoonFont {
 public:
  CMoonFont(const QString& programDir, IUiServices& ui);
  ~CMoonFont();
  CMoonFont(const CMoonFont&) = delete;
  CMoonFont& operator=(const CMoonFont&) = delete;

  bool IsInstalled() const { return m_FontId >= 0; }
  // The family the font registered, empty when it is not installed.
  QString Family() const { return m_Family; }

 private:
  IUiServices& m_Ui;
  int m_FontId = -1;
  QString m_Family;
};

}  // namespace orv
