// The command-line renderer through the real program, without a display.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cstdlib>

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

// Every exit status with the message that explains it.
TEST_F(CommandLine, ExitStatusesSayWhatHappened) {
  const struct {
    const char* name;
    QStringList arguments;
    int status;
    QByteArray out, err;
  } rows[] = {
      {"defaults", {"--output", File("a.png")}, 0, "0. < Z < 1.708\n", ""},
      {"a comma and the = form",
       {"--output=" + File("b.png"), "--x-min", "-1,5", "--x-max=2"},
       0,
       "0. < Z < 1.706\n",
       ""},
      {"unknown option",
       {"--output", File("c.png"), "--colour", "red"},
       1,
       "",
       "surfplot: unknown option '--colour'"},
      {"missing value", {"--output"}, 1, "", "missing value after '--output'"},
      {"options without --output", {"--size", "100"}, 1, "", "--output FILE"},
      {"size out of range",
       {"--output", File("d.png"), "--size", "15"},
       1,
       "",
       "--size takes a whole number from 16"},
      {"unknown mode", {"--output", File("d.png"), "--mode", "rainbow"}, 1, "", "--mode takes grid, lines"},
      {"wrong value", {"--output", File("e.png"), "--resolution", "1e3"}, 2, "", "surfplot: Wrong value\n"},
      {"beyond a float",
       {"--output", File("e.png"), "--x-min", "1" + QString(39, '0')},
       2,
       "",
       "--x-min takes"},
      {"no display", {}, 6, "", "surfplot: cannot open a display"},
      {"X range",
       {"--output", File("e.png"), "--x-min", "3"},
       2,
       "",
       " Maximum 'X' Must be Greater than Minimum 'X'\n"},
      {"grid too large",
       {"--output", File("e.png"), "--resolution", "5000"},
       2,
       "",
       "Use a resolution of at most"},
      {"formula too long",
       {"--output", File("e.png"), "--formula", QString("X+").repeated(60) + "X"},
       2,
       "",
       "The formula is too long"},
      {"parse error", {"--output", File("f.png"), "--formula", "(X"}, 3, "", "Parse Error\n"},
      {"unwritable folder", {"--output", File("no/such/folder.png")}, 4, "", "cannot write"},
      {"unknown extension", {"--output", File("g.jpg")}, 4, "", "neither .png nor .svg"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome outcome = Surfplot(row.arguments);
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_EQ(outcome.out, row.out);
    EXPECT_TRUE(outcome.err.contains(row.err)) << outcome.err.toStdString();
    if (row.status != 0) {
      EXPECT_FALSE(QFile::exists(row.arguments.value(1))) << "nothing written";
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

TEST_F(CommandLine, AMinusWritesThePngToStandardOutputAndTheRangeToStandardError) {
  const Outcome toFile = Surfplot({"--output", File("s.png")});
  const Outcome piped = Surfplot({"--output", "-"});
  ASSERT_EQ(piped.status, 0);
  EXPECT_EQ(piped.err, "surfplot: 0. < Z < 1.708\n");
  QFile file(File("s.png"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(piped.out, file.readAll());
}

// A larger picture is the same view drawn sharper: shrunk back, it nearly matches the 326 one.
TEST_F(CommandLine, ALargerSizeIsTheSameViewAndAnSvgIsAVectorPicture) {
  ASSERT_EQ(Surfplot({"--output", File("small.png")}).status, 0);
  ASSERT_EQ(Surfplot({"--output", File("large.png"), "--size", "978"}).status, 0);
  const QImage small = QImage(File("small.png")).convertToFormat(QImage::Format_RGB32);
  const QImage large = QImage(File("large.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(large.size(), QSize(978, 978));
  const QImage shrunk = large.scaled(326, 326, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  int close = 0;
  for (int y = 0; y < 326; ++y)
    for (int x = 0; x < 326; ++x) {
      const QRgb a = small.pixel(x, y), b = shrunk.pixel(x, y);
      close +=
          std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 96;
    }
  EXPECT_GT(close, 326 * 326 * 95 / 100);

  ASSERT_EQ(Surfplot({"--output", File("surface.svg"), "--size", "500", "--mode", "lines"}).status, 0);
  QFile svg(File("surface.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&svg);
  ASSERT_TRUE(xml.readNextStartElement());
  EXPECT_EQ(xml.name(), QString("svg")) << "the extension picks the format; its content is PictureSvg's";
  EXPECT_EQ(xml.attributes().value("width"), QString("500"));
}

TEST_F(CommandLine, HelpAndVersion) {
  const Outcome help = Surfplot({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--output", "--formula", "--x-min", "--resolution", "--mode", "--theta", "--phi",
                             "--scale", "--size", "Examples:"})
    EXPECT_TRUE(help.out.contains(option)) << option;
  const Outcome version = Surfplot({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "surfplot " SURFPLOT_VERSION "\n");
}

}  // namespace
