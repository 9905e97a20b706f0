#pragma once

#include <QLocale>

namespace picture {

// The locale's decimal separator; '.' when the locale uses one that is not a
// single ASCII character, which the number reader could not take anyway.
char DecimalSeparatorOf(const QLocale& locale);

}  // namespace picture
