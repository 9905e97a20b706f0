#pragma once

#include <QSettings>
#include <QString>
#include <QWidget>

#include "picture/PictureFile.h"

namespace gui {

// The name the user typed, with the extension of the file type chosen in the dialog
// added when it has none: "surface" with "PNG image" chosen saves "surface.png".
QString WithChosenExtension(const QString& name, picture::PictureFormat chosen);

// Where the save dialog opens: the folder of the last save, remembered in
// `settings` across runs, while it exists; the Pictures folder the first time;
// the home folder where there is none.
QString SaveFolder(const QSettings& settings);
void RememberSaveFolder(QSettings& settings, const QString& savedFile);

// The program's own settings, kept per user.
QSettings& ProgramSettings();

// Asks where to save the picture; empty when the user cancels.
QString AskPictureFileName(QWidget* parent, QSettings& settings);

}  // namespace gui
