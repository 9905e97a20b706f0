#pragma once

#include <QLocale>

namespace gui {

// The locale's decimal separator; '.' when the locale uses one that is not a
// single ASCII character, which the number reader could not take anyway.
char DecimalSeparatorOf(const QLocale& locale);

}  // namespace gui
