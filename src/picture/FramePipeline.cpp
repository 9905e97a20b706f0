#include "picture/FramePipeline.h"

#include <array>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "picture/DrawingAreaImage.h"

namespace picture {
namespace {

// A new thread starts with the vector register state of the one that made it, which
// Qt leaves dirty; on some x86 processors every SSE instruction (the encoders are
// full of them) then runs many times slower until it is cleared.
void ClearUpperVectorHalves() {
#if defined(__x86_64__)
  if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
}

// Where the drawing and the taking threads meet. A frame is handed over once drawn;
// its picture is drawn into again only once it has been taken.
class Handoff {
 public:
  // Waits until picture `frame` may be drawn into, the frame two before it taken;
  // false when the taking has stopped.
  bool WaitToDraw(int frame) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || taken_ >= frame - 2; });
    return !stopped_;
  }
  void Drawn(int frame) {
    Update([&] { drawn_ = frame; });
  }
  // No more frames come: those handed over are taken, then the taking ends.
  void Close() {
    Update([&] { closed_ = true; });
  }
  // Waits for frame `frame` to be handed over; false when none comes.
  bool WaitToTake(int frame) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopped_ || closed_ || drawn_ >= frame; });
    return !stopped_ && drawn_ >= frame;
  }
  void Taken(int frame) {
    Update([&] { taken_ = frame; });
  }
  void Stop(std::exception_ptr failure = nullptr) {
    Update([&] {
      stopped_ = true;
      failure_ = failure;
    });
  }
  bool Stopped() {
    const std::lock_guard lock(mutex_);
    return stopped_;
  }
  std::exception_ptr Failure() {
    const std::lock_guard lock(mutex_);
    return failure_;
  }

 private:
  template <class Change>
  void Update(Change change) {
    {
      const std::lock_guard lock(mutex_);
      change();
    }
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  int drawn_ = -1;
  int taken_ = -1;
  bool closed_ = false;
  bool stopped_ = false;
  std::exception_ptr failure_;
};

void TakeFrames(Handoff& handoff, const std::array<ImageSurface, 2>& pictures, const FrameTake& take) {
  ClearUpperVectorHalves();
  for (int frame = 0; handoff.WaitToTake(frame); ++frame) {
    try {
      if (!take(frame, pictures[static_cast<std::size_t>(frame % 2)].image())) return handoff.Stop();
    } catch (...) {
      return handoff.Stop(std::current_exception());
    }
    handoff.Taken(frame);
  }
}

// Closes the handoff and waits for the taking thread, however the drawing ends.
class TakerJoin {
 public:
  TakerJoin(Handoff& handoff, std::thread& taker) : handoff_(handoff), taker_(taker) {}
  ~TakerJoin() {
    handoff_.Close();
    taker_.join();
  }
  TakerJoin(const TakerJoin&) = delete;
  TakerJoin& operator=(const TakerJoin&) = delete;

 private:
  Handoff& handoff_;
  std::thread& taker_;
};

bool DrawAndTakeInTurn(ImageSurface& picture, int frames, const FrameDraw& draw, const FrameTake& take) {
  for (int frame = 0; frame < frames; ++frame)
    if (!draw(frame, picture) || !take(frame, picture.image())) return false;
  return true;
}

}  // namespace

bool DrawAndTakeFrames(int size, int frames, const FrameDraw& draw, const FrameTake& take) {
  std::array<ImageSurface, 2> pictures{MakePictureImage(size), MakePictureImage(size)};
  Handoff handoff;
  std::thread taker;
  try {
    taker = std::thread([&] { TakeFrames(handoff, pictures, take); });
  } catch (const std::system_error&) {
    return DrawAndTakeInTurn(pictures[0], frames, draw, take);
  }
  bool drawn = true;
  {
    const TakerJoin join(handoff, taker);
    for (int frame = 0; drawn && frame < frames; ++frame) {
      drawn = handoff.WaitToDraw(frame) && draw(frame, pictures[static_cast<std::size_t>(frame % 2)]);
      if (drawn) handoff.Drawn(frame);
    }
  }
  if (const std::exception_ptr failure = handoff.Failure()) std::rethrow_exception(failure);
  return drawn && !handoff.Stopped();
}

}  // namespace picture
