#include <QApplication>

#include "cli/ArgumentText.h"
#include "cli/CommandLine.h"
#include "cli/Render.h"
#include "gui/MainWindow.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int k = 0; k < argc; ++k) arguments << cli::ArgumentText(argv[k]);
  const cli::ParsedCommandLine parsed = cli::ParseCommandLine(arguments);
  if (parsed.action != cli::ParsedCommandLine::Action::OpenWindow)
    return static_cast<int>(cli::Run(parsed, argc, argv));

  QApplication application(argc, argv);
  QApplication::setApplicationName("surfplot");
  // A style that honours the layout's colours on every desktop.
  QApplication::setStyle("Fusion");
  gui::MainWindow window;
  window.show();
  return application.exec();
}
