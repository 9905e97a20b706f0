#pragma once

namespace gui {

// Teaches Qt's accessibility what the window's own controls are, for screen readers:
// - the window: a frame, without the decorations (the Z range's outline, the focus
//   marks), which mean nothing to a listener;
// - the scale control: a spin button with its value, bounds and step;
// - the drawing area: an image whose description says what it shows;
// - a caption label: static text, the label of its buddy; an angle read-out (a
//   label that a caption names as its buddy) speaks "Θ 259°": the caption's letter,
//   the number shown and the unit.
// Idempotent; call before the window is built.
void InstallAccessibleControls();

}  // namespace gui
