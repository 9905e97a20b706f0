#include "cli/Render.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>

#include "cli/EnterInputs.h"
#include "cli/HeadlessControls.h"
#include "picture/AnimationFile.h"
#include "picture/DecimalSeparator.h"
#include "picture/DrawingAreaImage.h"
#include "picture/NumberedFrames.h"
#include "picture/PictureFile.h"
#include "runtime/RuntimeError.h"
#include "window/PlotWindow.h"

namespace cli {
namespace {

using window::NumberBox;
using Action = ParsedCommandLine::Action;

ExitStatus ReportUsageError(const std::string& error) {
  std::cerr << "surfplot: " << error << "; 'surfplot --help' lists the options\n";
  return ExitStatus::Usage;
}

ExitStatus ReportRefused(const std::string& error) {
  std::cerr << "surfplot: " << error << "\n";
  return ExitStatus::Refused;
}

// `target` as the message names it: a file's name in quotes, or standard output.
ExitStatus ReportNotWritten(const std::string& target, const std::string& reason) {
  std::cerr << "surfplot: cannot write " << target << ": " << reason << "\n";
  return ExitStatus::NotWritten;
}

ExitStatus StatusOf(window::DrawOutcome outcome) {
  switch (outcome) {
    case window::DrawOutcome::Drawn:
      return ExitStatus::Drawn;
    case window::DrawOutcome::Refused:
      return ExitStatus::Refused;
    case window::DrawOutcome::ParseError:
      return ExitStatus::ParseError;
    case window::DrawOutcome::Failed:
    case window::DrawOutcome::Cancelled:  // nothing cancels a draw without a window
      break;
  }
  return ExitStatus::Failed;
}

ExitStatus ReportOutOfMemory() {
  std::cerr << "surfplot: " << runtime::ErrorReport(runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory))
            << "\n";
  return ExitStatus::Failed;
}

// The window's logic without a window, drawing as its Draw Function does onto `area`.
class HeadlessPlot {
 public:
  HeadlessPlot(const RenderRequest& request, render::DrawingSurface& area)
      : controls_(area, picture::DecimalSeparatorOf(QLocale::system())), logic_(controls_) {
    logic_.Load();
    EnterInputs(request, controls_, logic_);
    logic_.ShowValues(request.values);
  }

  // Draws, and reports the messages of the draw.
  ExitStatus Draw() {
    const ExitStatus status = StatusOf(logic_.Draw());
    for (const std::string& message : controls_.messages) std::cerr << "surfplot: " << message << "\n";
    return status;
  }
  std::string ZRange() const {
    return controls_.NumberText(NumberBox::ZMin) + " < Z < " + controls_.NumberText(NumberBox::ZMax);
  }
  window::PlotWindow& Logic() { return logic_; }

 private:
  HeadlessControls controls_;
  window::PlotWindow logic_;
};

ExitStatus ReportDrawn(const std::string& zRange, bool toStandardOutput) {
  if (toStandardOutput)
    std::cerr << "surfplot: " << zRange << std::endl;
  else
    std::cout << zRange << std::endl;
  return ExitStatus::Drawn;
}

ExitStatus RenderPicture(const RenderRequest& request) {
  const bool toStandardOutput = request.output == "-";
  const QString file = QString::fromStdString(request.output);
  const auto format = toStandardOutput ? picture::PictureFormat::Png : picture::FormatOfFileName(file);
  if (!format) return ReportNotWritten("'" + request.output + "'", "the name ends in neither .png nor .svg");

  // The draw paints the picture once, at its size; the file takes it as drawn.
  ExitStatus status = ExitStatus::Failed;
  std::string zRange;
  const int size = request.size.value_or(window::DrawingAreaPixels());
  const auto draw = [&](render::DrawingSurface& area) {
    HeadlessPlot plot(request, area);
    status = plot.Draw();
    zRange = plot.ZRange();
    return status == ExitStatus::Drawn;
  };
  try {
    if (const auto failure = picture::WritePicture(*format, size, draw, request.output))
      return ReportNotWritten(toStandardOutput ? "standard output" : "'" + request.output + "'", *failure);
  } catch (const std::bad_alloc&) {
    return ReportOutOfMemory();
  }
  if (status != ExitStatus::Drawn) return status;
  return ReportDrawn(zRange, toStandardOutput);
}

// One scan and one cell table, drawn as a turning picture: each frame is the table
// turned to the frame's angle, never scanned or built again. The first frame's
// angle is the draw's own, so the draw itself paints the first frame, exactly as
// it paints a single picture.
ExitStatus RenderTurntable(const RenderRequest& request) {
  const Turntable& turntable = *request.turntable;
  const int size = request.size.value_or(window::DrawingAreaPixels());
  const int frames = static_cast<int>(turntable.thetas.size());
  std::optional<HeadlessPlot> plot;
  ExitStatus status = ExitStatus::Drawn;
  const auto drawFrame = [&](int frame, render::DrawingSurface& area) {
    if (frame == 0) {
      status = plot.emplace(request, area).Draw();
      return status == ExitStatus::Drawn;
    }
    plot->Logic().DrawTurnedOn(turntable.thetas[static_cast<std::size_t>(frame)], area);
    return true;
  };
  try {
    const QString name = QString::fromStdString(request.output);
    if (const auto format = picture::AnimationFormatOfFileName(name);
        format && picture::NumberFieldsIn(request.output) == 0) {
      if (const auto failure =
              picture::WriteAnimation(*format, size, frames, turntable.fps, drawFrame, request.output))
        return ReportNotWritten("'" + request.output + "'", *failure);
    } else {
      if (const auto failure = picture::WriteNumberedFrames(*picture::FormatOfFileName(name), size, frames,
                                                            drawFrame, request.output))
        return ReportNotWritten("'" + failure->name + "'", failure->reason);
    }
  } catch (const runtime::RuntimeError& error) {
    std::cerr << "surfplot: " << runtime::ErrorReport(error) << "\n";
    return ExitStatus::Failed;
  }
  if (status != ExitStatus::Drawn) return status;
  return ReportDrawn(plot->ZRange(), false);
}

// Standard output closed when the program starts: a file opened later would take
// its place and receive what is meant for it. /dev/null holds the place, and
// "-" is refused.
bool HoldStandardOutput() {
  if (fcntl(STDOUT_FILENO, F_GETFD) != -1) return true;
  const int placeholder = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (placeholder >= 0 && placeholder != STDOUT_FILENO) close(placeholder);
  return false;
}

}  // namespace

ExitStatus Run(const ParsedCommandLine& parsed, int argc, char** argv) {
  switch (parsed.action) {
    case Action::Help:
      std::cout << HelpText();
      return ExitStatus::Drawn;
    case Action::Version:
      std::cout << "surfplot " << SURFPLOT_VERSION << "\n";
      return ExitStatus::Drawn;
    case Action::UsageError:
      return ReportUsageError(parsed.error);
    case Action::Refused:
      return ReportRefused(parsed.error);
    case Action::OpenWindow:
    case Action::Render:
      break;
  }
  // No display is needed: the picture is drawn into an image, and fonts come from
  // fontconfig whatever the platform. Qt's notes about its environment would only
  // bury the program's own messages on standard error.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::cerr << "surfplot: " << message.toStdString() << "\n";
  });
  // A reader that goes away is a write error to report, not a reason to die.
  std::signal(SIGPIPE, SIG_IGN);
  if (!HoldStandardOutput() && parsed.request.output == "-")
    return ReportNotWritten("standard output", "it is closed");
  QGuiApplication application(argc, argv);
  try {
    return parsed.request.turntable ? RenderTurntable(parsed.request) : RenderPicture(parsed.request);
  } catch (const std::bad_alloc&) {
    return ReportOutOfMemory();
  }
}

}  // namespace cli
