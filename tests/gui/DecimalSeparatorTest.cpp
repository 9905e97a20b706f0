#include <gtest/gtest.h>

#include <QLocale>

#include "picture/DecimalSeparator.h"

namespace {

// The number boxes read a full stop or a comma; a locale with another separator shows
// its Z range with a full stop, which they can read back.
TEST(DecimalSeparator, TheLocalesOwnWhenASCIIElseAFullStop) {
  const std::tuple<const char*, QLocale, char> rows[] = {
      {"English", QLocale(QLocale::English, QLocale::UnitedStates), '.'},
      {"German", QLocale(QLocale::German, QLocale::Germany), ','},
      {"Arabic (Egypt), U+066B", QLocale(QLocale::Arabic, QLocale::Egypt), '.'},
  };
  for (const auto& [name, locale, separator] : rows)
    EXPECT_EQ(picture::DecimalSeparatorOf(locale), separator) << name;
}

}  // namespace
