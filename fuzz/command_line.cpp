// Fuzz target for the command line: the bytes are the arguments after the program's
// name, separated by NUL bytes. Reading them must end in one of the parser's actions,
// never in a crash, a usage error gives its reason, and a drawing request holds only
// values within their ranges. An argument's text gives back its bytes, so that any
// file name names the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"
#include "picture/DrawingAreaImage.h"
#include "window/WindowLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  QStringList texts{"surfplot"};
  for (size_t start = 0; start < size;) {
    const std::string argument = bytes.substr(start, bytes.find('\0', start) - start);
    start += argument.size() + 1;
    texts << cli::ArgumentText(argument.c_str());
    if (cli::ArgumentBytes(texts.back()) != argument) {
      std::fprintf(stderr, "the bytes of \"%s\" did not come back\n", argument.c_str());
      std::abort();
    }
  }
  using Action = cli::ParsedCommandLine::Action;
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(texts);
  const auto& pictureSize = parsed.request.size;
  const auto& scale = parsed.request.scale;
  if ((parsed.action == Action::UsageError && parsed.error.empty()) ||
      (parsed.action == Action::Render &&
       ((pictureSize &&
         (*pictureSize < picture::SmallestPictureSize || *pictureSize > picture::LargestPictureSize)) ||
        (scale && (*scale < window::ScaleSettings.min || *scale > window::ScaleSettings.max)))))
    std::abort();
  return 0;
}
