#include "picture/DecimalSeparator.h"

namespace picture {

char DecimalSeparatorOf(const QLocale& locale) {
  const QString separator = locale.decimalPoint();
  if (separator.size() != 1 || separator.front().unicode() >= 0x80) return '.';
  return static_cast<char>(separator.front().unicode());
}

}  // namespace picture
