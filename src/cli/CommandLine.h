#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "surface/ColorMode.h"
#include "window/TurntableAngles.h"

namespace cli {

// With --frames: a turning picture instead of a single one.
struct Turntable {
  // The turn Θ of each frame, from --theta on.
  std::vector<int16_t> thetas;
  int fps = window::TurntableFps;
};

// What the options ask the window to show, and, with `--output FILE`, to draw into
// FILE without a window. An input left out keeps the value the window starts with.
struct RenderRequest {
  std::string output;  // "-": PNG to standard output
  std::optional<std::string> formula;
  // The texts of the five input boxes, XMin to Resolution, read by the boxes' rules.
  std::array<std::optional<std::string>, 5> inputs;
  std::optional<surface::ColorMode> mode;
  std::optional<int16_t> theta, phi;
  std::optional<int32_t> scale;
  std::optional<int> size;
  bool values = false;
  std::optional<Turntable> turntable;

  // True when no option sets anything the window shows.
  bool LeavesWindowAsItStarts() const;
};

struct ParsedCommandLine {
  // Refused: an input that the boxes could never hold (a number beyond the 32-bit
  // float range), which the window would silently ignore.
  enum class Action { OpenWindow, Render, Help, Version, UsageError, Refused };
  Action action = Action::OpenWindow;
  RenderRequest request;
  std::string error;  // for UsageError and Refused: what was wrong, as one sentence
};

// Reads the program's arguments (the first is the program's name). Without
// --output, the window opens with whatever the options set.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The text of --help.
std::string HelpText();

}  // namespace cli
