// The command-line renderer through the real program, without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <tuple>

#include "testkit/RecordingControls.h"
#include "window/PlotWindow.h"

namespace {

struct Outcome {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

Outcome Surfplot(const QStringList& arguments) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  environment.remove("QT_QPA_PLATFORM");
  program.setProcessEnvironment(environment);
  program.start(SURFPLOT_PROGRAM, arguments);
  program.waitForFinished(60000);
  return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
          program.readAllStandardOutput(), program.readAllStandardError()};
}

class CommandLine : public ::testing::Test {
 protected:
  QString File(const QString& name) const { return directory.filePath(name); }
  QTemporaryDir directory;
};

// Every exit status with the message that explains it; "@" stands for a file in a fresh
// folder. The one table of the program's messages.
TEST_F(CommandLine, ExitStatusesSayWhatHappened) {
  const struct {
    const char* name;
    const char* arguments;
    int status;
    QByteArray out, err;
  } rows[] = {
      {"defaults", "--output @a.png", 0, "0. < Z < 1.708\n", ""},
      {"a comma and the = form", "--output=@b.png --x-min -1,5 --x-max=2", 0, "0. < Z < 1.706\n", ""},
      {"an SVG at another size", "--output @h.svg --size 500", 0, "0. < Z < 1.708\n", ""},
      {"unknown option named as typed", "--output @c.png --colour red", 1, "",
       "surfplot: unknown option '--colour'"},
      {"missing value", "--output", 1, "", "missing value after '--output'"},
      {"a size without --output", "--size 100", 1, "", "--output FILE"},
      {"size out of range", "--output @d.png --size 15", 1, "", "--size takes a whole number from 16"},
      {"unknown mode", "--output @d.png --mode rainbow", 1, "", "--mode takes grid, lines"},
      {"wrong value", "--output @e.png --resolution 1e3", 2, "", "surfplot: Wrong value\n"},
      {"beyond a float", "--output @e.png --x-min 1000000000000000000000000000000000000000", 2, "",
       "--x-min takes"},
      {"no display for the window", "", 6, "", "surfplot: cannot open a display"},
      {"X range", "--output @e.png --x-min 3", 2, "", " Maximum 'X' Must be Greater than Minimum 'X'\n"},
      {"grid too large", "--output @e.png --resolution 5000", 2, "", "Use a resolution of at most"},
      {"formula too long",
       "--output @e.png --formula X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X"
       "+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X+X",
       2, "", "The formula is too long"},
      {"parse error", "--output @f.png --formula (X", 3, "", "Parse Error\n"},
      {"unwritable folder", "--output @no/such/folder.png", 4, "", "cannot write"},
      {"unknown extension", "--output @g.jpg", 4, "", "neither .png nor .svg"},
  };
  for (const auto& row : rows) {
    const QString line = QString(row.arguments).replace("@", directory.path() + "/");
    const QStringList arguments = line.isEmpty() ? QStringList() : line.split(' ');
    const Outcome outcome = Surfplot(arguments);
    EXPECT_EQ(std::tuple(outcome.status, outcome.out), std::tuple(row.status, row.out)) << row.name;
    EXPECT_TRUE(outcome.err.contains(row.err)) << row.name << ": " << outcome.err.toStdString();
    if (row.status != 0) {
      EXPECT_FALSE(QFile::exists(arguments.value(1))) << row.name << ": nothing written";
    }
  }
}

// The picture the window shows for the same inputs, view and mode, drawn headless
// through the window's logic.
QImage WindowPicture(const std::string& formula, surface::ColorMode mode, int16_t theta, int16_t phi) {
  testkit::RecordingControls controls;
  window::PlotWindow logic(controls);
  logic.Load();
  controls.formula = formula;
  controls.Number(window::NumberBox::Resolution) = "30";
  logic.ChooseColorMode(mode);
  logic.SetViewAngles(theta, phi);
  logic.Draw();
  return controls.surface.image().convertToFormat(QImage::Format_RGB32);
}

TEST_F(CommandLine, APngAt326IsTheWindowsPicture) {
  const Outcome outcome = Surfplot({"--output", File("p.png"), "--formula", "Sin(X * 3) * Y", "--resolution",
                                    "30", "--mode", "colors", "--theta", "40", "--phi", "120"});
  ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
  const QImage written = QImage(File("p.png")).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(written, WindowPicture("Sin(X * 3) * Y", surface::ColorMode::Colors, 40, 120));
}

// "-" writes the PNG to standard output, byte for byte the file, and the range to standard error.
TEST_F(CommandLine, AMinusWritesThePngToStandardOutput) {
  ASSERT_EQ(Surfplot({"--output", File("s.png")}).status, 0);
  const Outcome piped = Surfplot({"--output", "-"});
  QFile file(File("s.png"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(std::tuple(piped.status, piped.out, piped.err),
            std::tuple(0, file.readAll(), QByteArray("surfplot: 0. < Z < 1.708\n")));
}

TEST_F(CommandLine, TheVersionGoesToStandardOutput) {
  const Outcome version = Surfplot({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "surfplot " SURFPLOT_VERSION "\n");
}

}  // namespace
