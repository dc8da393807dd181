#include "editor/ConfigFile.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdint>

#include "core/Cp1250.h"
#include "core/RegularFile.h"
#include "document/AtomicFile.h"

namespace orv {
namespace {

// No face name comes near this; a larger file is not a configuration file.
constexpr std::size_t kMaxConfigBytes = 64 * 1024;

class CByteReader {
 public:
  explicit CByteReader(std::string_view bytes) : m_Bytes(bytes) {}
  bool Read(std::uint32_t& value, int size) {
    if (m_Bytes.size() - m_Pos < static_cast<std::size_t>(size)) return false;
    value = 0;
    for (int i = 0; i < size; ++i)
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_Bytes[m_Pos + i])) << (8 * i);
    m_Pos += static_cast<std::size_t>(size);
    return true;
  }
  std::size_t Remaining() const { return m_Bytes.size() - m_Pos; }
  std::string_view Take(std::size_t n) {
    const std::string_view part = m_Bytes.substr(m_Pos, n);
    m_Pos += n;
    return part;
  }

 private:
  std::string_view m_Bytes;
  std::size_t m_Pos = 0;
};

// The three length forms: BYTE; 0xFF WORD; 0xFF 0xFFFF DWORD. `utf16` reports the 0xFF 0xFFFE marker
// that precedes a length in UTF-16 code units.
bool ReadLength(CByteReader& in, std::uint32_t& length, bool& utf16) {
  utf16 = false;
  for (;;) {
    if (!in.Read(length, 1)) return false;
    if (length < 0xFF) return true;
    if (!in.Read(length, 2)) return false;
    if (length == 0xFFFE && !utf16) {
      utf16 = true;
      continue;
    }
    if (length < 0xFFFF) return true;
    return in.Read(length, 4);
  }
}

}  // namespace

std::optional<std::string> DecodeConfigString(std::string_view bytes) {
  CByteReader in(bytes);
  std::uint32_t length = 0;
  bool utf16 = false;
  if (!ReadLength(in, length, utf16)) return std::nullopt;
  const std::uint64_t size = utf16 ? std::uint64_t{length} * 2 : length;
  if (size > in.Remaining()) return std::nullopt;
  const std::string_view body = in.Take(static_cast<std::size_t>(size));
  if (!utf16) return std::string(body);
  std::u16string units(length, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(body[2 * i]) |
                                     static_cast<unsigned char>(body[2 * i + 1]) << 8);
  return Cp1250FromUtf16(units);
}

std::string EncodeConfigString(std::string_view face) {
  std::string out;
  const auto put = [&out](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const auto n = static_cast<std::uint32_t>(face.size());
  if (n <= 254) {
    put(n, 1);
  } else if (n <= 65533) {
    put(0xFF, 1);
    put(n, 2);
  } else {
    put(0xFF, 1);
    put(0xFFFF, 2);
    put(n, 4);
  }
  out.append(face);
  return out;
}

std::string ConfigFilePath(const std::string& programDir) {
  const QDir dir(QString::fromStdString(programDir));
  const QString name =
      QString::fromLatin1(kConfigFileName.data(), static_cast<qsizetype>(kConfigFileName.size()));
  if (dir.exists(name) || QFileInfo(dir.path()).isWritable()) return dir.filePath(name).toStdString();
  // The window program's own folder (organisation and application "orvella"), whoever asks.
  const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/orvella/orvella");
  QDir().mkpath(own);
  return QDir(own).filePath(name).toStdString();
}

std::optional<std::string> ReadConfigFile(const std::string& path) {
  const SRegularFile file = OpenRegularFile(path);
  if (file.fd < 0) return std::nullopt;
  std::string bytes(kMaxConfigBytes + 1, '\0');
  int error = 0;
  bytes.resize(ReadFully(file.fd, bytes.data(), bytes.size(), error));
  ::close(file.fd);
  if (error != 0 || bytes.size() > kMaxConfigBytes) return std::nullopt;
  return DecodeConfigString(bytes);
}

// Written atomically, and only over a regular file: a link or a device in its place is left alone.
bool WriteConfigFile(const std::string& path, std::string_view face) {
  return WriteFileKeepingIdentity(path, EncodeConfigString(face), {.followLinks = false}).failure.empty();
}

}  // namespace orv
