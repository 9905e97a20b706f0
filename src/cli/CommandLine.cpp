#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <charconv>
#include <limits>

#include "cli/ArgumentText.h"
#include "gui/DrawingAreaImage.h"
#include "window/PlotWindow.h"
#include "window/WindowLayout.h"

namespace cli {
namespace {

using Action = ParsedCommandLine::Action;

struct ValueOption {
  const char* name;
  const char* valueName;
  const char* description;
};

// The input boxes' options, in the order of surface::InputLimits.
constexpr std::array<ValueOption, 5> InputOptions{{
    {"x-min", "number", "Least X (default -1)."},
    {"x-max", "number", "Greatest X (default 1)."},
    {"y-min", "number", "Least Y (default -1)."},
    {"y-max", "number", "Greatest Y (default 1)."},
    {"resolution", "number", "Grid steps along each axis, greater than 1 (default 12)."},
}};

constexpr std::array<std::pair<const char*, surface::ColorMode>, 4> ModeNames{{
    {"grid", surface::ColorMode::Grid},
    {"lines", surface::ColorMode::Lines},
    {"colors", surface::ColorMode::Colors},
    {"rnd-colors", surface::ColorMode::RndColors},
}};

QCommandLineOption Option(const char* name, const char* valueName, const QString& description) {
  return QCommandLineOption(name, description, valueName);
}

QString DefaultFormulaText() {
  return QString::fromUtf8(window::DefaultFormula.data(), window::DefaultFormula.size());
}

std::vector<QCommandLineOption> AllOptions() {
  std::vector<QCommandLineOption> options{
      Option("output", "file",
             "Draw without a window and write the picture to file (.png or .svg; - for PNG on standard "
             "output)."),
      Option("formula", "formula", "The formula in X and Y (default " + DefaultFormulaText() + ")."),
  };
  for (const ValueOption& input : InputOptions)
    options.push_back(Option(input.name, input.valueName, input.description));
  options.push_back(Option("mode", "mode", "Colour mode: grid, lines, colors or rnd-colors (default grid)."));
  options.push_back(
      Option("theta", "degrees",
             QString("Turn of the view, as the window shows it (default %1).").arg(window::StartTheta)));
  options.push_back(
      Option("phi", "degrees",
             QString("Tilt of the view, as the window shows it (default %1).").arg(window::StartPhi)));
  options.push_back(Option("scale", "value",
                           QString("The window's scale control, %1 to %2 (default %3).")
                               .arg(window::ScaleSettings.min)
                               .arg(window::ScaleSettings.max)
                               .arg(window::ScaleSettings.value)));
  options.push_back(Option("size", "pixels",
                           QString("Width and height of the picture, %1 to %2 (default %3).")
                               .arg(gui::SmallestPictureSize)
                               .arg(gui::LargestPictureSize)
                               .arg(window::DrawingAreaPixels())));
  options.emplace_back("help", "Show this help and exit.");
  options.emplace_back("version", "Show the program's version and exit.");
  return options;
}

template <class Integer>
std::optional<Integer> WholeNumber(const QString& text, long long least, long long greatest) {
  const std::string digits = text.toStdString();
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < least || value > greatest)
    return std::nullopt;
  return static_cast<Integer>(value);
}

// Reads the value of a whole-number option into `target`; false, with the error set, when
// it is no whole number in the range.
template <class Integer>
bool ReadWhole(const QCommandLineParser& parser, const char* name, long long least, long long greatest,
               std::optional<Integer>& target, std::string& error) {
  if (!parser.isSet(name)) return true;
  target = WholeNumber<Integer>(parser.value(name), least, greatest);
  if (!target)
    error = "--" + std::string(name) + " takes a whole number from " + std::to_string(least) + " to " +
            std::to_string(greatest) + ", not '" + parser.value(name).toStdString() + "'";
  return target.has_value();
}

bool ReadMode(const QCommandLineParser& parser, surface::ColorMode& mode, std::string& error) {
  if (!parser.isSet("mode")) return true;
  const QString name = parser.value("mode");
  for (const auto& [spelling, value] : ModeNames) {
    if (name == spelling) {
      mode = value;
      return true;
    }
  }
  error = "--mode takes grid, lines, colors or rnd-colors, not '" + name.toStdString() + "'";
  return false;
}

ParsedCommandLine WithAction(Action action) {
  ParsedCommandLine parsed;
  parsed.action = action;
  return parsed;
}

ParsedCommandLine UsageError(std::string error) {
  ParsedCommandLine parsed = WithAction(Action::UsageError);
  parsed.error = std::move(error);
  return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  if (arguments.size() <= 1) return {};
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const QCommandLineOption& option : AllOptions()) parser.addOption(option);
  if (!parser.parse(arguments)) return UsageError(parser.errorText().toStdString());
  if (!parser.positionalArguments().isEmpty())
    return UsageError("unexpected argument '" + parser.positionalArguments().first().toStdString() + "'");
  if (parser.isSet("help")) return WithAction(Action::Help);
  if (parser.isSet("version")) return WithAction(Action::Version);
  if (!parser.isSet("output")) return UsageError("the options draw a picture only with --output FILE");

  ParsedCommandLine parsed = WithAction(Action::Render);
  RenderRequest& request = parsed.request;
  request.output = ArgumentBytes(parser.value("output"));
  if (parser.isSet("formula")) request.formula = parser.value("formula").toStdString();
  for (std::size_t k = 0; k < InputOptions.size(); ++k)
    if (parser.isSet(InputOptions[k].name))
      request.inputs[k] = parser.value(InputOptions[k].name).toStdString();
  std::string& error = parsed.error;
  const bool valid =
      ReadMode(parser, request.mode, error) &&
      ReadWhole(parser, "theta", std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
                request.theta, error) &&
      ReadWhole(parser, "phi", std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
                request.phi, error) &&
      ReadWhole(parser, "scale", window::ScaleSettings.min, window::ScaleSettings.max, request.scale,
                error) &&
      ReadWhole(parser, "size", gui::SmallestPictureSize, gui::LargestPictureSize, request.size, error);
  if (!valid) parsed.action = Action::UsageError;
  return parsed;
}

std::string UsageText() {
  return "Usage: surfplot [--output FILE [options]]\n"
         "Try 'surfplot --help' for the options.\n";
}

std::string HelpText() {
  std::string text =
      "Usage: surfplot\n"
      "       surfplot --output FILE [options]\n"
      "\n"
      "Without options, opens the window. With --output, draws the surface as the window's\n"
      "Draw Function would, without any window or display, writes FILE and prints the range\n"
      "of Z. Every option may also be written --name=value; numbers are read as the window's\n"
      "boxes read them (-1,5 is -1.5).\n"
      "\n"
      "Options:\n";
  for (const QCommandLineOption& option : AllOptions()) {
    QString left = "  --" + option.names().first();
    if (!option.valueName().isEmpty()) left += " " + option.valueName().toUpper();
    text += left.leftJustified(24).toStdString() + option.description().toStdString() + "\n";
  }
  text +=
      "\n"
      "Exit status: 0 drawn; 1 usage error; 2 inputs refused; 3 parse error;\n"
      "4 the file could not be written; 5 the draw failed with a run-time error.\n"
      "\n"
      "Examples:\n"
      "  surfplot --output surface.png --size 1000\n"
      "      The default surface as a 1000-pixel PNG.\n"
      "  surfplot --output ripple.svg --formula 'Sin(X * Y) / (X * Y)' --x-min -6 --x-max 6 \\\n"
      "           --y-min -6 --y-max 6 --resolution 60 --mode lines\n"
      "      A ripple in Lines mode as a vector picture.\n"
      "  surfplot --output - --formula 'X ^ 2 - Y ^ 2' --theta 30 --phi 120 | display -\n"
      "      A saddle seen from another side, as PNG piped into an image viewer.\n";
  return text;
}

}  // namespace cli
