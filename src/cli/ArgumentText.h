#pragma once

#include <QString>
#include <string>

namespace cli {

// An argument of the program as text that gives back its bytes: a file name need
// not be valid UTF-8, and must still name the same file. An argument that is not
// UTF-8 keeps each of its bytes beyond ASCII as a lone surrogate, U+DC80 to U+DCFF.
QString ArgumentText(const char* argument);
// The bytes of an argument, or of part of one, taken by ArgumentText.
std::string ArgumentBytes(const QString& text);

}  // namespace cli
