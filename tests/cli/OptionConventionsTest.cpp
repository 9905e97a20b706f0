// The options as GNU programs take them, read in-process, and what the real program
// says on standard error.
#include <gtest/gtest.h>

#include <QProcess>

#include "cli/CommandLine.h"

namespace {

using Action = cli::ParsedCommandLine::Action;
using surface::ColorMode;

cli::ParsedCommandLine Parse(const QStringList& options) {
  return cli::ParseCommandLine(QStringList{"surfplot"} + options);
}

TEST(OptionConventions, ShortOptionsModeCaseAndNumbersAsValues) {
  const struct {
    const char* name;
    QStringList options;
    Action action;
    std::string output;
    std::optional<ColorMode> mode;
    std::optional<std::string> xMin;
  } rows[] = {
      {"-o names the file", {"-o", "a.png"}, Action::Render, "a.png", {}, {}},
      {"-o joined to its file", {"-oa.png"}, Action::Render, "a.png", {}, {}},
      {"-h", {"-h"}, Action::Help, "", {}, {}},
      {"-V", {"-V"}, Action::Version, "", {}, {}},
      {"mode capitalised",
       {"-o", "a.png", "--mode", "Colors"},
       Action::Render,
       "a.png",
       ColorMode::Colors,
       {}},
      {"mode in capitals", {"--mode=RND-COLORS"}, Action::OpenWindow, "", ColorMode::RndColors, {}},
      {"a negative number is a value", {"--x-min", "-2", "-o", "-"}, Action::Render, "-", {}, "-2"},
      {"options without --output open the window", {"--x-min", "-2"}, Action::OpenWindow, "", {}, "-2"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const cli::ParsedCommandLine parsed = Parse(row.options);
    EXPECT_EQ(parsed.action, row.action) << parsed.error;
    EXPECT_EQ(parsed.request.output, row.output);
    EXPECT_EQ(parsed.request.mode, row.mode);
    EXPECT_EQ(parsed.request.inputs[0], row.xMin);
  }
}

// A number no box could hold would be passed over by the window and the picture drawn
// as if all were well; the command line refuses it, naming the option and the value.
TEST(OptionConventions, ANumberBeyondTheFloatRangeIsRefused) {
  const QString huge = "-" + QString("9").repeated(47);
  const QString tooManyDigits = "1" + QString("0").repeated(39);
  const QString largestFloat = "340282346638528859811704183484516925440";
  const struct {
    const char* name;
    QStringList options;
    Action action;
    QString named, value;
  } rows[] = {
      {"x-min", {"--x-min", huge}, Action::Refused, "--x-min", huge},
      {"x-max", {"--x-max", tooManyDigits}, Action::Refused, "--x-max", tooManyDigits},
      {"y-min", {"--y-min", huge}, Action::Refused, "--y-min", huge},
      {"y-max", {"--y-max=" + tooManyDigits}, Action::Refused, "--y-max", tooManyDigits},
      {"resolution",
       {"--resolution", tooManyDigits, "-o", "r.png"},
       Action::Refused,
       "--resolution",
       tooManyDigits},
      {"the largest float is a number", {"--x-max", largestFloat}, Action::OpenWindow, "", ""},
      {"tiny fractions are zero",
       {"--x-max", "0," + QString("0").repeated(60) + "1"},
       Action::OpenWindow,
       "",
       ""},
      {"text the box refuses is left to the draw", {"--x-max", "1e99"}, Action::OpenWindow, "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const cli::ParsedCommandLine parsed = Parse(row.options);
    EXPECT_EQ(parsed.action, row.action);
    if (row.action != Action::Refused) continue;
    EXPECT_EQ(parsed.error.rfind(row.named.toStdString() + " ", 0), 0U) << parsed.error;
    EXPECT_NE(parsed.error.find("'" + row.value.toStdString() + "'"), std::string::npos) << parsed.error;
  }
}

struct Outcome {
  int status = -1;
  QByteArray err;
};

Outcome SurfplotWithoutDisplay(const QStringList& arguments) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  program.setProcessEnvironment(environment);
  program.start(SURFPLOT_PROGRAM, arguments);
  program.waitForFinished(60000);
  return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
          program.readAllStandardError()};
}

// Each failure is one line on standard error that starts with the program's name.
TEST(OptionConventions, EveryMessageIsOneLineThatNamesTheProgram) {
  const struct {
    const char* name;
    QStringList arguments;
    int status;
    QByteArray says;
  } rows[] = {
      {"no display", {}, 6, "surfplot --output FILE"},
      {"no display for options either", {"--mode", "lines"}, 6, "cannot open a display"},
      {"unknown option as typed", {"--bogus"}, 1, "'--bogus'"},
      {"number beyond a float", {"-o", "x.png", "--x-min", "1" + QString("0").repeated(39)}, 2, "--x-min"},
      {"the window's own message", {"-o", "x.png", "--x-min", "3"}, 2, "surfplot:  Maximum 'X'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome outcome = SurfplotWithoutDisplay(row.arguments);
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_TRUE(outcome.err.startsWith("surfplot: ")) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(row.says)) << outcome.err.toStdString();
  }
}

}  // namespace
