// The window opened with options: the boxes show them, and the picture is the one
// the command line draws for the same options.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/CommandLine.h"
#include "cli/WindowStart.h"
#include "gui/MessageBox.h"

namespace {

class WindowWithOptions : public ::testing::Test {
 protected:
  WindowWithOptions() {
    previous_ = gui::ReplaceMessageBoxPresenter(
        [this](QWidget*, const std::string& text, window::MessageIcon) { messages.push_back(text); });
  }
  ~WindowWithOptions() override { gui::ReplaceMessageBoxPresenter(previous_); }

  // The picture the command line writes for the options.
  QImage CommandLinePicture(const QStringList& options) {
    const QString file = folder.filePath("picture.png");
    QProcess program;
    program.start(SURFPLOT_PROGRAM, QStringList{"--output", file} + options);
    program.waitForFinished(60000);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return QImage(file).convertToFormat(QImage::Format_RGB32);
  }

  static void Open(gui::MainWindow& form, const QStringList& options) {
    const cli::ParsedCommandLine parsed = cli::ParseCommandLine(QStringList{"surfplot"} + options);
    ASSERT_EQ(parsed.action, cli::ParsedCommandLine::Action::OpenWindow) << parsed.error;
    cli::StartWindowWith(parsed.request, form);
  }

  std::vector<std::string> messages;
  QTemporaryDir folder;

 private:
  gui::MessageBoxPresenter previous_;
};

TEST_F(WindowWithOptions, ShowsTheValuesAndThePictureOfTheCommandLine) {
  const QStringList options{"--formula",    "Sin(X * 3) * Y",
                            "--x-min",      "-2",
                            "--x-max",      "1,5",
                            "--y-min",      "-1",
                            "--y-max",      "2",
                            "--resolution", "30",
                            "--mode",       "Colors",
                            "--theta",      "40",
                            "--phi",        "120",
                            "--scale",      "85"};
  gui::MainWindow form;
  Open(form, options);
  using window::NumberBox;
  EXPECT_EQ(form.FormulaText(), "Sin(X * 3) * Y");
  const std::vector<std::string> boxes{form.NumberText(NumberBox::XMin), form.NumberText(NumberBox::XMax),
                                       form.NumberText(NumberBox::YMin), form.NumberText(NumberBox::YMax),
                                       form.NumberText(NumberBox::Resolution)};
  EXPECT_EQ(boxes, (std::vector<std::string>{"-2", "1,5", "-1", "2", "30"}));
  EXPECT_TRUE(form.ColorModeChecked(surface::ColorMode::Colors));
  EXPECT_EQ(form.ScaleValue(), 85);
  EXPECT_EQ(form.Logic().Theta(), 40);
  EXPECT_EQ(form.Logic().Phi(), 120);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(form.Picture().image().convertToFormat(QImage::Format_RGB32), CommandLinePicture(options));
}

// Without options nothing is drawn; a refusal is the window's own message box.
TEST_F(WindowWithOptions, DrawsOnlyWhenAskedAndShowsRefusalsAsTheWindowDoes) {
  const struct {
    const char* name;
    QStringList options;
    bool enabled;
    std::vector<std::string> messages;
  } rows[] = {
      {"no options", {}, false, {}},
      {"a view option alone draws", {"--theta", "10"}, true, {}},
      {"refused", {"--x-min", "3"}, false, {" Maximum 'X' Must be Greater than Minimum 'X'"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    messages.clear();
    gui::MainWindow form;
    Open(form, row.options);
    EXPECT_EQ(form.DrawingAreaEnabled(), row.enabled);
    EXPECT_EQ(messages, row.messages);
  }
}

}  // namespace
