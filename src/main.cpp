#include <QApplication>
#include <QTimer>
#include <memory>

#include "app/WindowStart.h"
#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"
#include "cli/DisplayGuard.h"
#include "cli/Render.h"
#include "gui/MainWindow.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int k = 0; k < argc; ++k) arguments << cli::ArgumentText(argv[k]);
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(arguments);
  if (parsed.action != cli::ParsedCommandLine::Action::OpenWindow)
    return static_cast<int>(cli::Run(parsed, argc, argv));

  std::unique_ptr<QApplication> application;
  {
    const cli::DisplayGuard guard;
    application = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName("surfplot");
  QGuiApplication::setDesktopFileName("org.surfplot.surfplot");
  // A style that honours the layout's colours on every desktop.
  QApplication::setStyle("Fusion");
  gui::MainWindow window;
  window.show();
  // Once the window is on screen, so that a refusal's box stands over it.
  QTimer::singleShot(0, &window, [&] { app::StartWindowWith(parsed.request, window); });
  return QApplication::exec();
}
