#include "gui/GameText.h"

#include "base/Windows1252.h"

namespace valdren {

namespace {

char ToGameByte(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (unsigned byte = 0x80; byte < 0xA0; ++byte)
    if (Windows1252Char(static_cast<unsigned char>(byte)) == unit) return static_cast<char>(byte);
  return '?';
}

}  // namespace

QString FromGameText(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes) {
    *out++ = QChar(static_cast<char16_t>(Windows1252Char(static_cast<unsigned char>(byte))));
  }
  return text;
}

std::string ToGameText(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    bytes += ToGameByte(unit.unicode());
    // A character outside the basic plane is two units but one character: one "?".
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
  }
  return bytes;
}

}  // namespace valdren
