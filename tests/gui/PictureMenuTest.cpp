// The drawing area's own menu: saving and copying the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

namespace {

class PictureMenuTest : public ::testing::Test {
 protected:
  PictureMenuTest() {
    previous_ = gui::ReplaceMessageBoxPresenter(
        [this](QWidget*, const std::string& text, window::MessageIcon) { messages.push_back(text); });
    form.show();
  }
  ~PictureMenuTest() override { gui::ReplaceMessageBoxPresenter(previous_); }

  void Press(QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(at), QPointF(form.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(form.windowHandle(), &event);
  }
  QImage Saved(const QString& name) const { return QImage(name).convertToFormat(QImage::Format_RGB32); }
  QImage Shown() const { return form.Picture().image().convertToFormat(QImage::Format_RGB32); }

  gui::MainWindow form;
  std::vector<std::string> messages;
  QTemporaryDir folder;

 private:
  gui::MessageBoxPresenter previous_;
};

TEST_F(PictureMenuTest, ARightClickOpensTheMenuEvenBeforeTheFirstDrawButNotDuringALeftDrag) {
  ASSERT_FALSE(form.DrawingAreaEnabled());
  Press({100, 100}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(form.PictureMenu().isVisible());
  form.PictureMenu().close();
  form.Logic().Draw();
  const int16_t theta = form.Logic().Theta();
  Press({100, 100}, Qt::LeftButton, Qt::LeftButton);
  Press({100, 100}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  EXPECT_FALSE(form.PictureMenu().isVisible());
  EXPECT_EQ(form.Logic().Theta(), theta);
}

TEST_F(PictureMenuTest, TheMenuOffersSaveWithCtrlSAndCopy) {
  QStringList items;
  for (const QAction* action : form.PictureMenu().actions()) items << action->text();
  EXPECT_EQ(items, QStringList({"Save Picture As...", "Copy Picture"}));
  EXPECT_EQ(form.PictureMenu().actions()[0]->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_TRUE(form.actions().contains(form.PictureMenu().actions()[0])) << "Ctrl+S anywhere in the window";
}

TEST_F(PictureMenuTest, SavingWritesThePictureAsItStands) {
  const QString axesOnly = folder.filePath("axes.png"), drawn = folder.filePath("drawn.PNG");
  form.SavePicture(axesOnly);
  EXPECT_EQ(Saved(axesOnly), Shown());
  form.Logic().Draw();
  form.SavePicture(drawn);
  EXPECT_EQ(Saved(drawn), Shown());
  EXPECT_NE(Saved(drawn), Saved(axesOnly));
  const QString vector = folder.filePath("drawn.svg");
  form.SavePicture(vector);
  QFile svg(vector);
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().startsWith("<svg")) << "the extension picks the format";
  EXPECT_TRUE(messages.empty());
}

TEST_F(PictureMenuTest, AFailedSaveNamesTheFileAndTheReasonAndLeavesAnOldFileWhole) {
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
    messages.clear();
    form.SavePicture(name);
    ASSERT_EQ(messages.size(), 1u) << name.toStdString();
    EXPECT_NE(messages[0].find(name.toStdString()), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(reason), std::string::npos) << messages[0];
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before) << "the old picture is whole";
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(PictureMenuTest, CopyingPutsThePicturesPixelsOnTheClipboard) {
  form.Logic().Draw();
  form.CopyPicture();
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Shown());
}

}  // namespace
