#include "cli/ArgumentText.h"

#include <QByteArray>
#include <algorithm>

namespace cli {
namespace {

constexpr char16_t FirstEscape = 0xDC80;
constexpr char16_t LastEscape = 0xDCFF;
constexpr char16_t EscapeBase = 0xDC00;

bool IsEscape(QChar c) { return c.unicode() >= FirstEscape && c.unicode() <= LastEscape; }

}  // namespace

QString ArgumentText(const char* argument) {
  const QByteArray bytes(argument);
  QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() == bytes) return text;
  text.clear();
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    text += value < 0x80 ? QChar(value) : QChar(static_cast<char16_t>(EscapeBase + value));
  }
  return text;
}

std::string ArgumentBytes(const QString& text) {
  if (std::none_of(text.begin(), text.end(), IsEscape)) return text.toStdString();
  std::string bytes;
  for (const QChar c : text) bytes += static_cast<char>(IsEscape(c) ? c.unicode() - EscapeBase : c.unicode());
  return bytes;
}

}  // namespace cli
