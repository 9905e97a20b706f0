// The options as GNU programs take them, read in-process.
#include <gtest/gtest.h>

#include "cli/CommandLine.h"

namespace {

using Action = cli::ParsedCommandLine::Action;
using surface::ColorMode;

TEST(OptionConventions, ShortOptionsModeCaseNumbersAsValuesAndNumbersNoBoxHolds) {
  const QString huge = "-" + QString("9").repeated(47), tooManyDigits = "1" + QString("0").repeated(39);
  const struct {
    const char* name;
    QStringList options;
    Action action;
    std::string output;
    std::optional<ColorMode> mode;
    std::optional<std::string> xMin;
    std::string error;  // its start
  } rows[] = {
      {"-o names the file", {"-o", "a.png"}, Action::Render, "a.png", {}, {}, ""},
      {"-o joined to its file", {"-oa.png"}, Action::Render, "a.png", {}, {}, ""},
      {"-h", {"-h"}, Action::Help, "", {}, {}, ""},
      {"-V", {"-V"}, Action::Version, "", {}, {}, ""},
      {"mode capitalised",
       {"-o", "a.png", "--mode", "Colors"},
       Action::Render,
       "a.png",
       ColorMode::Colors,
       {},
       ""},
      {"mode in capitals", {"--mode=RND-COLORS"}, Action::OpenWindow, "", ColorMode::RndColors, {}, ""},
      {"a negative number is a value", {"--x-min", "-2", "-o", "-"}, Action::Render, "-", {}, "-2", ""},
      {"an unknown option as typed", {"--bogus"}, Action::UsageError, "", {}, {}, "unknown option '--bogus'"},
      {"x-min beyond a float", {"--x-min", huge}, Action::Refused, "", {}, {}, "--x-min takes"},
      {"x-max beyond a float", {"--x-max", tooManyDigits}, Action::Refused, "", {}, {}, "--x-max takes"},
      {"y-min beyond a float", {"--y-min", huge}, Action::Refused, "", {}, {}, "--y-min takes"},
      {"y-max beyond a float", {"--y-max=" + tooManyDigits}, Action::Refused, "", {}, {}, "--y-max takes"},
      {"resolution beyond a float",
       {"--resolution", tooManyDigits},
       Action::Refused,
       "",
       {},
       {},
       "--resolution takes"},
      {"the largest float",
       {"--x-min", "340282346638528859811704183484516925440"},
       Action::OpenWindow,
       "",
       {},
       "340282346638528859811704183484516925440",
       ""},
      {"a fraction too small is 0",
       {"--x-min", "0," + QString("0").repeated(60) + "1"},
       Action::OpenWindow,
       "",
       {},
       "0," + std::string(60, '0') + "1",
       ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const cli::ParsedCommandLine parsed = cli::ParseCommandLine(QStringList{"surfplot"} + row.options);
    EXPECT_EQ(parsed.action, row.action) << parsed.error;
    EXPECT_EQ(parsed.request.output, row.output);
    EXPECT_EQ(parsed.request.mode, row.mode);
    EXPECT_EQ(parsed.request.inputs[0], row.xMin);
    EXPECT_EQ(parsed.error.substr(0, row.error.size()), row.error);
    // A refusal names the value as given.
    if (row.action == Action::Refused) {
      EXPECT_NE(parsed.error.find(row.options.last().section('=', -1).toStdString()), std::string::npos);
    }
  }
}

}  // namespace
