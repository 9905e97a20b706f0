#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <algorithm>
#include <limits>

#include "cli/ArgumentText.h"
#include "cli/TurntableOptions.h"
#include "cli/WholeOption.h"
#include "picture/DrawingAreaImage.h"
#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"
#include "window/NumberReader.h"
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

QCommandLineOption Option(const QStringList& names, const char* valueName, const QString& description) {
  return QCommandLineOption(names, description, valueName);
}

QString DefaultFormulaText() {
  return QString::fromUtf8(window::DefaultFormula.data(), window::DefaultFormula.size());
}

std::vector<QCommandLineOption> AllOptions() {
  std::vector<QCommandLineOption> options{
      Option({"o", "output"}, "file",
             "Draw without a window and write the picture to file (.png or .svg; - for PNG on standard "
             "output)."),
      Option({"formula"}, "formula", "The formula in X and Y (default " + DefaultFormulaText() + ")."),
  };
  for (const ValueOption& input : InputOptions)
    options.push_back(Option({input.name}, input.valueName, input.description));
  options.push_back(Option({"mode"}, "mode",
                           "Colour mode: grid, lines, colors or rnd-colors, in any case (default grid)."));
  options.push_back(
      Option({"theta"}, "degrees",
             QString("Turn of the view, as the window shows it (default %1).").arg(window::StartTheta)));
  options.push_back(
      Option({"phi"}, "degrees",
             QString("Tilt of the view, as the window shows it (default %1).").arg(window::StartPhi)));
  options.push_back(Option({"scale"}, "value",
                           QString("The window's scale control, %1 to %2 (default %3).")
                               .arg(window::ScaleSettings.min)
                               .arg(window::ScaleSettings.max)
                               .arg(window::ScaleSettings.value)));
  options.push_back(Option({"size"}, "pixels",
                           QString("Width and height of the --output picture, %1 to %2 (default %3).")
                               .arg(picture::SmallestPictureSize)
                               .arg(picture::LargestPictureSize)
                               .arg(window::DrawingAreaPixels())));
  options.push_back(Option({"frames"}, "count",
                           "With --output, a turning picture of count frames, 2 to 720: an animated .webp "
                           "or .gif, or numbered files by a name such as frame-%03d.png."));
  options.push_back(
      Option({"turn"}, "degrees",
             "The turn of Theta over all the frames (default 360; negative turns the other way)."));
  options.push_back(Option({"fps"}, "rate", "Frames a second of a .webp or .gif, 1 to 100 (default 24)."));
  options.emplace_back("values",
                       "Write values on the picture: ticks along the axes, a colour key, a caption.");
  options.emplace_back(QStringList{"h", "help"}, "Show this help and exit.");
  options.emplace_back(QStringList{"V", "version"}, "Show the program's version and exit.");
  return options;
}

bool ReadMode(const QCommandLineParser& parser, std::optional<surface::ColorMode>& mode, std::string& error) {
  if (!parser.isSet("mode")) return true;
  const QString name = parser.value("mode");
  for (const auto& [spelling, value] : ModeNames) {
    if (name.compare(spelling, Qt::CaseInsensitive) == 0) {
      mode = value;
      return true;
    }
  }
  error = QString("--mode takes grid, lines, colors or rnd-colors, not '%1'").arg(name).toStdString();
  return false;
}

// The window would keep a box's previous value for a number no 32-bit float holds,
// and draw as if all were well; a script must hear of it. Texts the boxes refuse
// outright are left to the draw, which says "Wrong value".
std::optional<std::string> BeyondFloatRange(const char* name, const std::string& text) {
  if (!IsAcceptedNumberText(text)) return std::nullopt;
  try {
    runtime::ToSingle(ReadLenientNumber(text));
    return std::nullopt;
  } catch (const runtime::RuntimeError&) {
    return QString("--%1 takes a number from -3.4E+38 to 3.4E+38, not '%2'")
        .arg(name, QString::fromStdString(text))
        .toStdString();
  }
}

ParsedCommandLine WithAction(Action action) {
  ParsedCommandLine parsed;
  parsed.action = action;
  return parsed;
}

ParsedCommandLine WithError(Action action, std::string error) {
  ParsedCommandLine parsed = WithAction(action);
  parsed.error = std::move(error);
  return parsed;
}

// The option as the user typed it: "--bogus" or "-x", not Qt's bare "bogus".
QString TypedOption(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments.mid(1)) {
    if (argument == "--") break;
    if (argument == "--" + name || argument.startsWith("--" + name + "=")) return "--" + name;
  }
  return "-" + name;
}

// Qt's own wording ("Missing value after '--output'.") in the style of the others.
std::string ParserError(const QCommandLineParser& parser, const QStringList& arguments) {
  if (!parser.unknownOptionNames().isEmpty())
    return QString("unknown option '%1'")
        .arg(TypedOption(arguments, parser.unknownOptionNames().first()))
        .toStdString();
  QString text = parser.errorText();
  if (text.endsWith('.')) text.chop(1);
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return text.toStdString();
}

}  // namespace

bool RenderRequest::LeavesWindowAsItStarts() const {
  return !formula && std::none_of(inputs.begin(), inputs.end(), [](const auto& input) { return input; }) &&
         !mode && !theta && !phi && !scale && !values;
}

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
  if (arguments.size() <= 1) return {};
  QCommandLineParser parser;
  for (const QCommandLineOption& option : AllOptions()) parser.addOption(option);
  if (!parser.parse(arguments)) return WithError(Action::UsageError, ParserError(parser, arguments));
  if (!parser.positionalArguments().isEmpty())
    return WithError(
        Action::UsageError,
        QString("unexpected argument '%1'").arg(parser.positionalArguments().first()).toStdString());
  if (parser.isSet("help")) return WithAction(Action::Help);
  if (parser.isSet("version")) return WithAction(Action::Version);

  const bool toFile = parser.isSet("output");
  if (!toFile && parser.isSet("size"))
    return WithError(Action::UsageError, "--size sets the size of the picture that --output FILE writes");
  if (!toFile && parser.isSet("frames"))
    return WithError(Action::UsageError,
                     "--frames sets the frames of the turning picture that --output FILE writes");
  for (const char* name : {"turn", "fps"})
    if (!parser.isSet("frames") && parser.isSet(name))
      return WithError(
          Action::UsageError,
          QString("--%1 goes with --frames, which makes the picture turn").arg(name).toStdString());
  ParsedCommandLine parsed = WithAction(toFile ? Action::Render : Action::OpenWindow);
  RenderRequest& request = parsed.request;
  if (toFile) request.output = ArgumentBytes(parser.value("output"));
  request.values = parser.isSet("values");
  if (parser.isSet("formula")) request.formula = parser.value("formula").toStdString();
  std::string& error = parsed.error;
  const bool valid = ReadMode(parser, request.mode, error) &&
                     ReadWhole(parser, "theta", std::numeric_limits<int16_t>::min(),
                               std::numeric_limits<int16_t>::max(), request.theta, error) &&
                     ReadWhole(parser, "phi", std::numeric_limits<int16_t>::min(),
                               std::numeric_limits<int16_t>::max(), request.phi, error) &&
                     ReadWhole(parser, "scale", window::ScaleSettings.min, window::ScaleSettings.max,
                               request.scale, error) &&
                     ReadWhole(parser, "size", picture::SmallestPictureSize, picture::LargestPictureSize,
                               request.size, error);
  if (!valid) return WithError(Action::UsageError, error);
  if (auto refusal = ReadTurntable(parser, request)) return WithError(Action::Refused, std::move(*refusal));
  for (std::size_t k = 0; k < InputOptions.size(); ++k) {
    if (!parser.isSet(InputOptions[k].name)) continue;
    const std::string text = parser.value(InputOptions[k].name).toStdString();
    if (auto refusal = BeyondFloatRange(InputOptions[k].name, text))
      return WithError(Action::Refused, std::move(*refusal));
    request.inputs[k] = text;
  }
  return parsed;
}

std::string HelpText() {
  std::string text =
      "Usage: surfplot [options]\n"
      "       surfplot --output FILE [options]\n"
      "\n"
      "Opens the window; any options fill in its boxes, mode, angles and scale, and\n"
      "draw at once. With --output, draws the surface as the window's Draw Function\n"
      "would, without any window or display, writes FILE and prints the range of Z.\n"
      "Every option may also be written --name=value; numbers are read as the window's\n"
      "boxes read them (-1,5 is -1.5).\n"
      "\n"
      "Options:\n";
  for (const QCommandLineOption& option : AllOptions()) {
    const QStringList names = option.names();
    QString left =
        names.size() > 1 ? "  -" + names.first() + ", --" + names.last() : "      --" + names.first();
    if (!option.valueName().isEmpty()) left += " " + option.valueName().toUpper();
    text += left.leftJustified(28).toStdString() + option.description().toStdString() + "\n";
  }
  text +=
      "\n"
      "Exit status: 0 drawn; 1 usage error; 2 inputs refused; 3 parse error;\n"
      "4 the file could not be written; 5 the draw failed with a run-time error;\n"
      "6 no display to open the window on.\n"
      "\n"
      "Examples:\n"
      "  surfplot --formula 'X * Y' --x-min -2 --x-max 2 --mode colors\n"
      "      Opens the window with a saddle drawn in Colors mode.\n"
      "  surfplot -o surface.png --size 1000\n"
      "      The default surface as a 1000-pixel PNG.\n"
      "  surfplot --output ripple.svg --formula 'Sin(X * Y) / (X * Y)' --x-min -6 --x-max 6 \\\n"
      "           --y-min -6 --y-max 6 --resolution 60 --mode lines\n"
      "      A ripple in Lines mode as a vector picture.\n"
      "  surfplot --output - --formula 'X ^ 2 - Y ^ 2' --theta 30 --phi 120 | display -\n"
      "      A saddle seen from another side, as PNG piped into an image viewer.\n"
      "  surfplot --output turn.webp --frames 72 --mode colors\n"
      "      The surface turning once around in 3 seconds, as an animated WebP.\n"
      "  surfplot --output frame-%03d.png --frames 36 --turn 90\n"
      "      A quarter turn as frame-000.png to frame-035.png, for a video tool.\n";
  return text;
}

}  // namespace cli
