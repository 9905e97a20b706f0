// The save dialog's habits: the chosen type's extension for a bare name, and the
// folder of the last save, remembered across runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/SaveDialog.h"

namespace {

using gui::PictureFormat;

TEST(SaveDialog, ABareNameGetsTheChosenTypesExtension) {
  const struct {
    const char* name;
    QString typed;
    PictureFormat chosen;
    QString saved;
  } rows[] = {
      {"PNG chosen", "/p/surface", PictureFormat::Png, "/p/surface.png"},
      {"SVG chosen", "/p/surface", PictureFormat::Svg, "/p/surface.svg"},
      {"an extension of its own is kept", "/p/surface.PNG", PictureFormat::Svg, "/p/surface.PNG"},
      {"a dot in the folder's name", "/p/my.pictures/surface", PictureFormat::Png,
       "/p/my.pictures/surface.png"},
      {"a trailing dot", "/p/surface.", PictureFormat::Svg, "/p/surface.svg"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(gui::WithChosenExtension(row.typed, row.chosen), row.saved);
  }
}

TEST(SaveDialog, OpensWhereTheLastSaveWentAndInPicturesTheFirstTime) {
  QTemporaryDir home;
  const QByteArray previousHome = qgetenv("HOME"), previousConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
  const QString pictures = home.filePath("Pictures"), elsewhere = home.filePath("elsewhere");
  const QString settingsFile = home.filePath("surfplot.conf");
  const struct {
    const char* name;
    bool picturesExists;
    QString lastSave;  // empty: never saved
    bool lastFolderExists;
    QString opens;
  } rows[] = {
      {"first time", true, "", false, pictures},
      {"first time without Pictures", false, "", false, home.path()},
      {"after a save", true, elsewhere + "/ripple.svg", true, elsewhere},
      {"the last folder was removed", true, elsewhere + "/ripple.svg", false, pictures},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QFile::remove(settingsFile);
    QDir(pictures).removeRecursively();
    QDir(elsewhere).removeRecursively();
    if (row.picturesExists) QDir().mkpath(pictures);
    if (row.lastFolderExists) QDir().mkpath(elsewhere);
    if (!row.lastSave.isEmpty()) {
      QSettings lastRun(settingsFile, QSettings::IniFormat);
      gui::RememberSaveFolder(lastRun, row.lastSave);
    }
    const QSettings thisRun(settingsFile, QSettings::IniFormat);
    EXPECT_EQ(gui::SaveFolder(thisRun), row.opens);
  }
  qputenv("HOME", previousHome);
  if (previousConfig.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", previousConfig);
}

}  // namespace
