#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>

#include "cli/CommandLine.h"

namespace cli {

// Reads --frames, --turn and --fps into the request's turntable, with the turn of
// each frame, once the rest is read; the refusal, naming the option, when a value or
// the output's name does not make a turning picture. Nothing to read without --frames.
std::optional<std::string> ReadTurntable(const QCommandLineParser& parser, RenderRequest& request);

}  // namespace cli
