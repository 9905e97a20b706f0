// The options as GNU programs take them, read in-process.
#include <gtest/gtest.h>

#include "cli/CommandLine.h"

namespace {

using Action = cli::ParsedCommandLine::Action;
using surface::ColorMode;

TEST(OptionConventions, ShortOptionsModeCaseNumbersAsValuesAndNumbersNoBoxHolds) {
  using enum cli::ParsedCommandLine::Action;
  const QString huge = "-" + QString("9").repeated(47), big = "1" + QString("0").repeated(39);
  const QString largest = "340282346638528859811704183484516925440", tiny = "0," + QString(60, '0') + "1";
  // The options, what they ask for, the file, the mode, X minimum, and the error's start.
  const std::tuple<const char*, QStringList, Action, std::string, std::optional<ColorMode>,
                   std::optional<std::string>, std::string>
      rows[] = {
          {"-o joined to its file", {"-oa.png"}, Render, "a.png", {}, {}, ""},
          {"-h", {"-h"}, Help, "", {}, {}, ""},
          {"-V", {"-V"}, Version, "", {}, {}, ""},
          {"mode in capitals", {"--mode=RND-COLORS"}, OpenWindow, "", ColorMode::RndColors, {}, ""},
          {"a negative number is a value", {"--x-min", "-2", "-o", "-"}, Render, "-", {}, "-2", ""},
          {"x-min beyond a float", {"--x-min", huge}, Refused, "", {}, {}, "--x-min takes"},
          {"y-max beyond a float", {"--y-max=" + big}, Refused, "", {}, {}, "--y-max takes"},
          {"the largest float", {"--x-min", largest}, OpenWindow, "", {}, largest.toStdString(), ""},
          {"a fraction too small is 0", {"--x-min", tiny}, OpenWindow, "", {}, tiny.toStdString(), ""},
      };
  for (const auto& [name, options, action, output, mode, xMin, error] : rows) {
    SCOPED_TRACE(name);
    const cli::ParsedCommandLine parsed = cli::ParseCommandLine(QStringList{"surfplot"} + options);
    EXPECT_EQ(parsed.action, action) << parsed.error;
    EXPECT_EQ(parsed.request.output, output);
    EXPECT_EQ(parsed.request.mode, mode);
    EXPECT_EQ(parsed.request.inputs[0], xMin);
    EXPECT_EQ(parsed.error.substr(0, error.size()), error);
    // A refusal names the value as given.
    if (action == Refused) {
      EXPECT_NE(parsed.error.find(options.last().section('=', -1).toStdString()), std::string::npos);
    }
  }
}

}  // namespace
