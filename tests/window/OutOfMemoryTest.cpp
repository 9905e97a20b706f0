// A draw that runs short of memory says so and leaves the window as a cancel does.
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

// Holds the process's address space to what it uses now and `spare` bytes more.
class AddressSpaceLimit {
 public:
  explicit AddressSpaceLimit(rlim_t spare) {
    getrlimit(RLIMIT_AS, &before_);
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit limited = before_;
    limited.rlim_cur = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + spare;
    setrlimit(RLIMIT_AS, &limited);
  }
  ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &before_); }

 private:
  rlimit before_{};
};

TEST_F(PlotWindowTest, NoMemoryForTheTableKeepsTheSurfaceOnShow) {
  if (Sanitized) GTEST_SKIP() << "the sanitizer's shadow memory does not fit an address space limit";
  ASSERT_EQ(form.Draw(), window::DrawOutcome::Drawn);
  const surface::CellTable cells = form.Cells();
  const QImage picture = controls.surface.image().copy();
  const std::string zMax = controls.Number(window::NumberBox::ZMax);
  SetInputs({"-2", "2", "-1", "1", "1990"});
  window::DrawOutcome outcome;
  {
    // 1990 x 1990 cells of 64 bytes need 250 MB.
    const AddressSpaceLimit limit(rlim_t{100} << 20);
    outcome = form.Draw();
  }
  EXPECT_EQ(outcome, window::DrawOutcome::Failed);
  EXPECT_EQ(MessageTexts(), Strings{"Run-time error '7':\n\nOut of memory"});
  EXPECT_TRUE(form.Cells() == cells);
  EXPECT_EQ(controls.surface.image(), picture);
  EXPECT_EQ(controls.Number(window::NumberBox::ZMax), zMax);
  EXPECT_EQ(form.Limits().XMin(), -1.0f) << "the limits of the surface on show";
}

}  // namespace
