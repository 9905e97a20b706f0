// The window opened with options: the picture is the one the command line draws for
// the same options (the boxes and the view hold what it was drawn from).
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "../gui/ShownWindow.h"
#include "app/WindowStart.h"
#include "cli/CommandLine.h"

namespace {

void Open(gui::MainWindow& form, const QStringList& options) {
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(QStringList{"surfplot"} + options);
  ASSERT_EQ(parsed.action, cli::ParsedCommandLine::Action::OpenWindow) << parsed.error;
  app::StartWindowWith(parsed.request, form);
}

const QStringList EveryOption = QString(
                                    "--formula|Sin(X * 3) * Y|--x-min|-2|--x-max|1,5|--y-min|-1|--y-max|2|"
                                    "--resolution|30|--mode|Colors|--theta|40|--phi|120|--scale|85")
                                    .split('|');

// Without options nothing is drawn; what is drawn is the command line's picture for
// the same options; a refusal is the window's own message box.
TEST(WindowWithOptions, DrawsOnlyWhenAskedAsTheCommandLineDoesAndShowsRefusalsAsTheWindowDoes) {
  const std::tuple<const char*, QStringList, bool, std::vector<std::string>> rows[] = {
      {"no options", {}, false, {}},
      {"a view option alone draws", {"--theta", "10"}, true, {}},
      {"every option", EveryOption, true, {}},
      {"refused", {"--x-min", "3"}, false, {" Maximum 'X' Must be Greater than Minimum 'X'"}},
  };
  for (const auto& [name, options, drawn, shown] : rows) {
    SCOPED_TRACE(name);
    const RecordedMessages messages;
    gui::MainWindow form;
    Open(form, options);
    EXPECT_EQ(form.DrawingAreaEnabled(), drawn);
    EXPECT_EQ(messages.texts, shown);
    if (!drawn) continue;
    QTemporaryDir folder;
    QProcess program;
    program.start(SURFPLOT_PROGRAM, QStringList{"--output", folder.filePath("picture.png")} + options);
    program.waitForFinished(60000);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(form.Picture().image().convertToFormat(QImage::Format_RGB32),
              QImage(folder.filePath("picture.png")).convertToFormat(QImage::Format_RGB32));
  }
}

}  // namespace
