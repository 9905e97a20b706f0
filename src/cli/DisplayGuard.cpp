#include "cli/DisplayGuard.h"

#include <cstdio>
#include <cstdlib>

#include "cli/Render.h"

namespace cli {
namespace {

struct HeldMessage {
  QtMsgType type;
  QString category, text;
};
std::vector<HeldMessage> held;

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    held.push_back({type, context.category, text});
    return;
  }
  std::fputs(
      "surfplot: cannot open a display for the window; without one, 'surfplot --output FILE' draws "
      "into a file\n",
      stderr);
  std::fflush(stderr);
  std::_Exit(static_cast<int>(ExitStatus::NoDisplay));
}

}  // namespace

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(HoldOrGiveUp)) {}

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(previous_);
  for (const HeldMessage& message : held) {
    const QByteArray category = message.category.toUtf8();
    const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
    qt_message_output(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace cli
