#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "surface/ColorMode.h"

namespace cli {

// What `surfplot --output FILE [options]` is asked to draw. An input left out keeps
// the value the window starts with.
struct RenderRequest {
  std::string output;  // "-": PNG to standard output
  std::optional<std::string> formula;
  // The texts of the five input boxes, XMin to Resolution, read by the boxes' rules.
  std::array<std::optional<std::string>, 5> inputs;
  surface::ColorMode mode = surface::ColorMode::Grid;
  std::optional<int16_t> theta, phi;
  std::optional<int32_t> scale;
  std::optional<int> size;
  bool values = false;
};

struct ParsedCommandLine {
  enum class Action { OpenWindow, Render, Help, Version, UsageError };
  Action action = Action::OpenWindow;
  RenderRequest request;
  std::string error;  // for UsageError: what was wrong
};

// Reads the program's arguments (the first is the program's name). No arguments
// open the window.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The text of --help, and the short reminder printed after a usage error.
std::string HelpText();
std::string UsageText();

}  // namespace cli
