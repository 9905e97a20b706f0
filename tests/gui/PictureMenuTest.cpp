// The picture menu offscreen, where the sanitizers run too: a save that fails names the
// file and the reason, and leaves an old file whole.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ShownWindow.h"

namespace {

using PictureMenuTest = ShownWindow;

TEST_F(PictureMenuTest, AFailedSaveNamesTheFileAndTheReasonAndLeavesAnOldFileWhole) {
  const QTemporaryDir folder;
  const QString old = folder.filePath("old.png");
  form.SavePicture(old);
  QFile file(old);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  // A folder that cannot be written; the superuser may write any folder but /sys.
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
  const bool superuser = QFile(folder.filePath("probe")).open(QIODevice::WriteOnly);
  const QString readOnly = superuser ? QString("/sys/surface.png") : old;
  form.Logic().Draw();
  const std::pair<QString, const char*> rows[] = {
      {folder.filePath("surface.jpg"), "neither .png nor .svg"},
      {folder.filePath("missing/surface.png"), "No such file or directory"},
      {readOnly, "Permission denied"},
  };
  for (const auto& [name, reason] : rows) {
    messages.texts.clear();
    form.SavePicture(name);
    ASSERT_EQ(messages.texts.size(), 1u) << name.toStdString();
    EXPECT_NE(messages.texts[0].find(name.toStdString()), std::string::npos) << messages.texts[0];
    EXPECT_NE(messages.texts[0].find(reason), std::string::npos) << messages.texts[0];
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before) << "the old picture is whole";
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
