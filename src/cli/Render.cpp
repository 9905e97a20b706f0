#include "cli/Render.h"

#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <iostream>

#include "cli/EnterInputs.h"
#include "cli/HeadlessControls.h"
#include "gui/DecimalSeparator.h"
#include "gui/PictureFile.h"
#include "window/PlotWindow.h"

namespace cli {
namespace {

using window::NumberBox;

ExitStatus ReportUsageError(const std::string& error) {
  std::cerr << "surfplot: " << error << "; 'surfplot --help' lists the options\n";
  return ExitStatus::Usage;
}

ExitStatus ReportRefused(const std::string& error) {
  std::cerr << "surfplot: " << error << "\n";
  return ExitStatus::Refused;
}

ExitStatus ReportNotWritten(const std::string& file, const std::string& reason) {
  std::cerr << "surfplot: cannot write '" << file << "': " << reason << "\n";
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

bool WriteToStandardOutput(const QByteArray& bytes) {
  QFile out;
  return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
}

ExitStatus RenderPicture(const RenderRequest& request) {
  const bool toStandardOutput = request.output == "-";
  const QString file = QString::fromStdString(request.output);
  const auto format = toStandardOutput ? gui::PictureFormat::Png : gui::FormatOfFileName(file);
  if (!format) return ReportNotWritten(request.output, "the name ends in neither .png nor .svg");

  // The draw paints the picture once, at its size; the file takes it as drawn.
  ExitStatus status = ExitStatus::Failed;
  std::string zRange;
  const int size = request.size.value_or(window::DrawingAreaPixels());
  const QByteArray bytes = gui::PictureBytes(*format, size, [&](render::DrawingSurface& picture) {
    HeadlessControls controls(picture, gui::DecimalSeparatorOf(QLocale::system()));
    window::PlotWindow logic(controls);
    logic.Load();
    EnterInputs(request, controls, logic);
    logic.ShowValues(request.values);
    status = StatusOf(logic.Draw());
    for (const std::string& message : controls.messages) std::cerr << "surfplot: " << message << "\n";
    zRange = controls.NumberText(NumberBox::ZMin) + " < Z < " + controls.NumberText(NumberBox::ZMax);
  });
  if (status != ExitStatus::Drawn) return status;

  if (toStandardOutput) {
    if (!WriteToStandardOutput(bytes)) return ReportNotWritten("-", "standard output is closed");
  } else if (const auto failure = gui::WriteFileAtomically(file, bytes)) {
    return ReportNotWritten(request.output, *failure);
  }
  if (toStandardOutput)
    std::cerr << "surfplot: " << zRange << std::endl;
  else
    std::cout << zRange << std::endl;
  return ExitStatus::Drawn;
}

}  // namespace

ExitStatus Run(const ParsedCommandLine& parsed, int argc, char** argv) {
  using Action = ParsedCommandLine::Action;
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
  QGuiApplication application(argc, argv);
  return RenderPicture(parsed.request);
}

}  // namespace cli
