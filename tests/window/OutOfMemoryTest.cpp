// A draw that runs short of memory says so and puts back the surface on show, as a
// cancel does. Only seen in-process: the program's exit hides the window's state.
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

#include "PlotWindowFixture.h"

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
constexpr bool Sanitized = __has_feature(address_sanitizer) || __has_feature(thread_sanitizer);
#else
constexpr bool Sanitized = false;
#endif

TEST_F(PlotWindowTest, NoMemoryForTheTableKeepsTheSurfaceOnShow) {
  if (Sanitized) GTEST_SKIP() << "the sanitizer's shadow memory does not fit an address space limit";
  ASSERT_EQ(form.Draw(), window::DrawOutcome::Drawn);
  const surface::CellTable cells = form.Cells();
  const QImage picture = controls.surface.image().copy();
  const std::string zMax = controls.Number(window::NumberBox::ZMax);
  SetInputs({"-2", "2", "-1", "1", "1990"});
  // The address space held to what is used now and 100 MB more; 1990 x 1990 cells of
  // 64 bytes need 250 MB.
  rlimit before{};
  getrlimit(RLIMIT_AS, &before);
  std::size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  rlimit limited = before;
  limited.rlim_cur = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{100} << 20);
  setrlimit(RLIMIT_AS, &limited);
  const window::DrawOutcome outcome = form.Draw();
  setrlimit(RLIMIT_AS, &before);
  EXPECT_EQ(outcome, window::DrawOutcome::Failed);
  EXPECT_EQ(MessageTexts(), Strings{"Run-time error '7':\n\nOut of memory"});
  EXPECT_TRUE(form.Cells() == cells);
  EXPECT_EQ(controls.surface.image(), picture);
  EXPECT_EQ(controls.Number(window::NumberBox::ZMax), zMax);
  EXPECT_EQ(form.Limits().XMin(), -1.0f) << "the limits of the surface on show";
}

}  // namespace
