#pragma once

#include <QSettings>
#include <QString>
#include <QWidget>

#include "picture/PictureFile.h"

namespace gui {

// The name the user typed, with the extension of the file type chosen in the dialog
// added when it has none: "surface" with "PNG image" chosen saves "surface.png".
QString WithChosenExtension(const QString& name, picture::PictureFormat chosen);

// A name for PNG frames without a number field gets one before its extension:
// "turn.png" saves turn-000.png, turn-001.png, ...; any other name is kept.
QString WithFrameNumberField(const QString& name);

// Where the save dialog opens: the folder of the last save, remembered in
// `settings` across runs, while it exists; the Pictures folder the first time;
// the home folder where there is none.
QString SaveFolder(const QSettings& settings);
void RememberSaveFolder(QSettings& settings, const QString& savedFile);

// The program's own settings, kept per user.
QSettings& ProgramSettings();

// Asks where to save the picture; empty when the user cancels.
QString AskPictureFileName(QWidget* parent, QSettings& settings);
// Asks where to save a turning picture: a WebP or GIF animation, or PNG frames by a
// name with a number field; empty when the user cancels.
QString AskTurntableFileName(QWidget* parent, QSettings& settings);

}  // namespace gui
