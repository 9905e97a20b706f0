// The save dialog's habits: the chosen type's extension for a bare name, and the
// folder of the last save, remembered across runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/SaveDialog.h"

namespace {

using picture::PictureFormat;

TEST(SaveDialog, ABareNameGetsTheChosenTypesExtension) {
  const std::tuple<const char*, QString, PictureFormat, QString> rows[] = {
      {"SVG chosen", "/p/surface", PictureFormat::Svg, "/p/surface.svg"},
      {"an extension of its own is kept", "/p/surface.PNG", PictureFormat::Svg, "/p/surface.PNG"},
      {"a dot in the folder's name", "/p/my.pictures/surface", PictureFormat::Png,
       "/p/my.pictures/surface.png"},
      {"a trailing dot", "/p/surface.", PictureFormat::Svg, "/p/surface.svg"},
  };
  for (const auto& [name, typed, chosen, saved] : rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(gui::WithChosenExtension(typed, chosen), saved);
  }
}

TEST(SaveDialog, OpensWhereTheLastSaveWentAndInPicturesTheFirstTime) {
  QTemporaryDir home;
  const QByteArray previousHome = qgetenv("HOME"), previousConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
  const QString pictures = home.filePath("Pictures"), elsewhere = home.filePath("elsewhere");
  const QString settingsFile = home.filePath("surfplot.conf");
  // Whether Pictures is there, the last save (if any), whether its folder is there, and where the dialog
  // opens.
  const std::tuple<const char*, bool, bool, bool, QString> rows[] = {
      {"first time", true, false, false, pictures},
      {"first time without Pictures", false, false, false, home.path()},
      {"after a save", true, true, true, elsewhere},
      {"the last folder was removed", true, true, false, pictures},
  };
  for (const auto& [name, picturesExists, saved, lastFolderExists, opens] : rows) {
    SCOPED_TRACE(name);
    QFile::remove(settingsFile);
    QDir(pictures).removeRecursively();
    QDir(elsewhere).removeRecursively();
    if (picturesExists) QDir().mkpath(pictures);
    if (lastFolderExists) QDir().mkpath(elsewhere);
    if (saved) {
      QSettings lastRun(settingsFile, QSettings::IniFormat);
      gui::RememberSaveFolder(lastRun, elsewhere + "/ripple.svg");
    }
    EXPECT_EQ(gui::SaveFolder(QSettings(settingsFile, QSettings::IniFormat)), opens);
  }
  qputenv("HOME", previousHome);
  qputenv("XDG_CONFIG_HOME", previousConfig);  // Qt reads an empty one as unset
}

}  // namespace
