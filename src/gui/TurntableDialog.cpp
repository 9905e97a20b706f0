#include "gui/TurntableDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "window/TurntableAngles.h"

namespace gui {
namespace {

constexpr const char* FramesKey = "TurntableFrames";
constexpr const char* TurnKey = "TurntableTurn";

}  // namespace

std::optional<TurntableShape> AskTurntableShape(QWidget* parent, QSettings& settings) {
  QDialog dialog(parent);
  dialog.setObjectName("TurntableShape");
  dialog.setWindowTitle("Save Turntable As");
  auto* form = new QFormLayout(&dialog);
  const TurntableShape defaults;
  auto* frames = new QSpinBox(&dialog);
  frames->setObjectName("Frames");
  frames->setRange(window::FewestTurntableFrames, window::MostTurntableFrames);
  frames->setValue(settings.value(FramesKey, defaults.frames).toInt());
  form->addRow("&Frames:", frames);
  auto* turn = new QSpinBox(&dialog);
  turn->setObjectName("TurnDegrees");
  // Ten turns either way: more would only blur a turn into the next.
  turn->setRange(-10 * defaults.turnDegrees, 10 * defaults.turnDegrees);
  turn->setSuffix("\u00b0");
  turn->setValue(settings.value(TurnKey, defaults.turnDegrees).toInt());
  form->addRow("&Turn:", turn);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  settings.setValue(FramesKey, frames->value());
  settings.setValue(TurnKey, turn->value());
  return TurntableShape{frames->value(), turn->value()};
}

}  // namespace gui
