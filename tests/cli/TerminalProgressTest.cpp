// The progress bar on a terminal, read from the other side of a pseudo-terminal:
// quiet for the first half second, then the stage and how far it got, wiped at the
// end, and nothing outside the work.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "cli/TerminalProgress.h"

namespace {

// What the terminal received, once nothing more has come for a tenth of a second.
std::string Received(int terminalSide) {
  std::string text;
  pollfd waiting{terminalSide, POLLIN, 0};
  char buffer[256];
  while (poll(&waiting, 1, 100) > 0) {
    const ssize_t read = ::read(terminalSide, buffer, sizeof buffer);
    if (read <= 0) break;
    text.append(buffer, static_cast<std::size_t>(read));
  }
  return text;
}

TEST(TerminalProgress, ShowsTheStageAfterHalfASecondAndWipesItAtTheEnd) {
  const int terminalSide = posix_openpt(O_RDWR | O_NOCTTY);
  if (terminalSide < 0) GTEST_SKIP() << "no pseudo-terminals here";
  ASSERT_TRUE(grantpt(terminalSide) == 0 && unlockpt(terminalSide) == 0);
  std::FILE* programSide = std::fopen(ptsname(terminalSide), "w");
  ASSERT_NE(programSide, nullptr);
  cli::TerminalProgress progress(programSide);
  progress.Poll();
  progress.BeginStage(runtime::Stage::BuildingCells, 60);
  progress.Advance(20);
  progress.Poll();
  EXPECT_EQ(Received(terminalSide), "") << "before the work and within the quiet time";
  std::this_thread::sleep_for(std::chrono::milliseconds(550));
  progress.Poll();
  EXPECT_EQ(Received(terminalSide), "\rsurfplot: Building the cells  [##########....................]  33%");
  progress.Finish();
  progress.Poll();
  progress.BeginStage(runtime::Stage::Drawing, 10);
  progress.Poll();
  EXPECT_EQ(Received(terminalSide), "\r" + std::string(80, ' ') + "\r") << "wiped; the next work quiet again";
  std::fclose(programSide);
  close(terminalSide);
}

}  // namespace
