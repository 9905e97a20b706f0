// Fuzz target for the command line: the bytes are the arguments after the program's
// name, separated by NUL bytes. Reading them must end in one of the parser's actions,
// never in a crash, and a drawing request holds only values within their ranges. An
// argument's text gives back its bytes, so that any file name names the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"
#include "gui/DrawingAreaImage.h"
#include "window/WindowLayout.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& argument) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, argument.c_str());
  std::abort();
}

void CheckRequest(const cli::RenderRequest& request) {
  if (request.size && (*request.size < gui::SmallestPictureSize || *request.size > gui::LargestPictureSize))
    Fail("a size out of range was taken", std::to_string(*request.size));
  if (request.scale &&
      (*request.scale < window::ScaleSettings.min || *request.scale > window::ScaleSettings.max))
    Fail("a scale out of range was taken", std::to_string(*request.scale));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> arguments{"surfplot"};
  std::string current;
  for (size_t k = 0; k < size; ++k) {
    if (data[k] == 0) {
      arguments.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[k]);
    }
  }
  if (!current.empty()) arguments.push_back(current);

  QStringList texts;
  for (const std::string& argument : arguments) {
    const QString text = cli::ArgumentText(argument.c_str());
    if (cli::ArgumentBytes(text) != argument) Fail("an argument's bytes did not come back", argument);
    texts << text;
  }
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(texts);
  if (parsed.action == cli::ParsedCommandLine::Action::Render) CheckRequest(parsed.request);
  if (parsed.action == cli::ParsedCommandLine::Action::UsageError && parsed.error.empty())
    Fail("a usage error without its reason", arguments.back());
  return 0;
}
