// Frames drawn on one thread and taken (encoded) on another: each frame taken once,
// in order, from a picture that holds that frame throughout the taking.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "picture/FramePipeline.h"
#include "render/Color.h"

namespace {

constexpr int Frames = 6;
constexpr int None = -1;

struct Row {
  const char* name;
  int drawFailsAt = None;
  int takeFailsAt = None;
  int takeRaisesAt = None;
  // What the run gives: whether all frames went through, or that it raised.
  enum { Complete, Stopped, Raised } outcome;
  std::vector<int> taken;  // the frames taken, in the order taken
};

TEST(FramePipeline, EachFrameIsTakenOnceInOrderFromItsOwnPicture) {
  const Row rows[] = {
      {"every frame", None, None, None, Row::Complete, {0, 1, 2, 3, 4, 5}},
      {"a failed draw stops the frames; those drawn are still taken", 3, None, None, Row::Stopped, {0, 1, 2}},
      {"a failed take stops the drawing", None, 2, None, Row::Stopped, {0, 1}},
      {"a failed take of the last frame, after every draw",
       None,
       Frames - 1,
       None,
       Row::Stopped,
       {0, 1, 2, 3, 4}},
      {"a take that raises stops, and raises here", None, None, 1, Row::Raised, {0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<int> drawn, taken;
    const auto draw = [&](int frame, render::DrawingSurface& picture) {
      drawn.push_back(frame);
      if (frame == row.drawFailsAt) return false;
      picture.Line(0, 0, 0, 0, render::Rgb(static_cast<uint32_t>(frame + 1), 0, 0));
      return true;
    };
    const auto take = [&](int frame, const QImage& picture) {
      if (frame == row.takeRaisesAt) throw std::runtime_error("encoder");
      if (frame == row.takeFailsAt) return false;
      const QRgb before = picture.pixel(0, 0);
      // Long enough for a draw that did not wait its turn to paint over the frame.
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      EXPECT_EQ(before, picture.pixel(0, 0)) << "frame " << frame;
      if (qRed(before) == frame + 1) taken.push_back(frame);
      return true;
    };
    auto outcome = Row::Raised;
    try {
      outcome = picture::DrawAndTakeFrames(40, Frames, draw, take) ? Row::Complete : Row::Stopped;
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(taken, row.taken);
    // The drawing keeps at most two frames ahead of the taking.
    EXPECT_LE(drawn.size(), taken.size() + 2);
  }
}

}  // namespace
