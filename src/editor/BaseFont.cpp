#include "editor/BaseFont.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

#include "core/Cp1250.h"
#include "core/UiServices.h"
#include "editor/ConfigFile.h"
#include "richtext/FontFamily.h"

namespace orv {

std::vector<std::string> InstalledFaces() {
  std::vector<std::string> faces;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
    std::string face = FontFamily(Cp1250FromUtf16(std::u16string_view(
        reinterpret_cast<const char16_t*>(family.utf16()), static_cast<size_t>(family.size()))));
    if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(std::move(face));
  }
  return faces;
}

const std::vector<std::string>& PreferredBaseFonts() {
  static const std::vector<std::string> faces{"Verdana",       "Arial",       "Times New Roman", "System",
                                              "MS Sans Serif", "DejaVu Sans", "Liberation Sans", "Noto Sans"};
  return faces;
}

SBaseFontChoice ChooseBaseFont(const std::optional<std::string>& configured,
                               const std::vector<std::string>& installed) {
  const auto isInstalled = [&](const std::string& face) {
    return std::find(installed.begin(), installed.end(), face) != installed.end();
  };
  SBaseFontChoice choice;
  if (configured && isInstalled(*configured)) {
    choice.face = *configured;
    choice.keepConfig = true;
    return choice;
  }
  choice.vanished = configured.has_value();
  for (const std::string& face : PreferredBaseFonts())
    if (isInstalled(face)) {
      choice.face = face;
      break;
    }
  return choice;
}

std::string ConfiguredBaseFont(const std::string& configPath, const std::vector<std::string>& installed) {
  return ChooseBaseFont(ReadConfigFile(configPath), installed).face;
}

std::optional<std::string> SetUpBaseFont(const std::string& configPath,
                                         const std::vector<std::string>& installed, IUiServices& ui,
                                         const AskBaseFont& ask) {
  const std::optional<std::string> configured = ReadConfigFile(configPath);
  if (installed.empty()) {
    ui.MessageBox("Ve Windows nejsou nainstalována \n\ržádná písma s českou znakovou sadou !");
    return std::nullopt;
  }
  SBaseFontChoice choice = ChooseBaseFont(configured, installed);
  if (choice.keepConfig) return choice.face;
  if (choice.vanished) ui.MessageBox("Dané písmo již není nainstalováno.");
  if (choice.face.empty()) choice.face = ask(installed);
  if (!WriteConfigFile(configPath, choice.face)) ui.MessageBox("fcon nelze otevřít !");
  return choice.face;
}

}  // namespace orv
