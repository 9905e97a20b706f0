#include "cli/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace cli {
namespace {

constexpr auto QuietTime = std::chrono::milliseconds(500);
constexpr int BarWidth = 30;

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* terminal)
    : terminal_(terminal != nullptr && isatty(fileno(terminal)) ? terminal : nullptr) {}

void TerminalProgress::BeginStage(runtime::Stage stage, uint64_t total) {
  if (!working_) {
    working_ = true;
    started_ = std::chrono::steady_clock::now();
  }
  stage_ = stage;
  done_ = 0;
  total_ = total;
}

void TerminalProgress::Poll() {
  if (terminal_ == nullptr || !working_) return;
  if (!shown_ && std::chrono::steady_clock::now() - started_ < QuietTime) return;
  shown_ = true;
  const uint64_t total = total_;
  const uint64_t done = std::min<uint64_t>(done_, total);
  const int filled = total == 0 ? 0 : static_cast<int>(done * BarWidth / total);
  const int percent = total == 0 ? 0 : static_cast<int>(done * 100 / total);
  std::fprintf(terminal_, "\rsurfplot: %-19s [%s%s] %3d%%", runtime::StageName(stage_),
               std::string(static_cast<std::size_t>(filled), '#').c_str(),
               std::string(static_cast<std::size_t>(BarWidth - filled), '.').c_str(), percent);
  std::fflush(terminal_);
}

void TerminalProgress::Finish() {
  working_ = false;
  if (!shown_) return;
  std::fprintf(terminal_, "\r%*s\r", 80, "");
  std::fflush(terminal_);
  shown_ = false;
}

}  // namespace cli
