// Fuzz target for the reading of the numeric input boxes: any text is either
// refused or read to a finite number (or a clean overflow error), never a crash.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/RuntimeError.h"
#include "window/NumberReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!IsAcceptedNumberText(text)) return 0;
  try {
    const double value = ReadLenientNumber(text);
    if (!std::isfinite(value)) std::abort();
  } catch (const runtime::RuntimeError&) {
  }
  return 0;
}
