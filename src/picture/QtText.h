#pragma once

#include <QString>
#include <string_view>

namespace picture {

// The program's texts are UTF-8 ("Θ: "); Qt's are UTF-16.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace picture
