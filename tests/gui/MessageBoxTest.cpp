// Every message goes through one seam: the real box, or a recorder in its place.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <tuple>
#include <vector>

#include "gui/MainWindow.h"
#include "gui/MessageBox.h"

namespace {

using window::MessageIcon;

// No test may wait for someone to press OK: a box that no test expects fails the test instead.
[[maybe_unused]] const auto realPresenter =
    gui::ReplaceMessageBoxPresenter([](QWidget*, const std::string& text, MessageIcon) {
      ADD_FAILURE() << "unexpected message box: " << text;
    });

TEST(MessageBox, TheRealBoxHasTheTitleAnOkButtonAndTheIconAndCopiesItsText) {
  const std::tuple<MessageIcon, QMessageBox::Icon, const char*> rows[] = {
      {MessageIcon::Critical, QMessageBox::Critical, " Maximum 'X' Must be Greater than Minimum 'X'"},
      {MessageIcon::None, QMessageBox::NoIcon, "Resolution Must be Greater than '1'"}};
  for (const auto& [icon, shownIcon, text] : rows) {
    SCOPED_TRACE(text);
    const auto box = gui::MakeMessageBox(nullptr, text, icon);
    EXPECT_EQ(box->windowTitle(), "surfplot");
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), shownIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->show();
    QTest::keyClick(box.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
  }
}

TEST(MessageBox, ARecorderTakesThePresentersPlaceUntilPutBack) {
  gui::MainWindow form;
  std::vector<std::tuple<QWidget*, std::string, MessageIcon>> shown;
  const auto original = gui::ReplaceMessageBoxPresenter([&](auto... box) { shown.emplace_back(box...); });
  form.ShowMessage("Wrong value", MessageIcon::Critical);
  gui::PresentMessageBox(nullptr, "Parse Error", MessageIcon::None);
  EXPECT_EQ(shown, (decltype(shown){{&form, "Wrong value", MessageIcon::Critical},
                                    {nullptr, "Parse Error", MessageIcon::None}}));
  // Put back, the previous one is there again; an empty one puts back the real box.
  gui::ReplaceMessageBoxPresenter(original);
  EXPECT_EQ(gui::ReplaceMessageBoxPresenter({}).target_type(), original.target_type());
  const auto real = gui::ReplaceMessageBoxPresenter(original);
  const auto* function = real.target<decltype(&gui::ShowModalMessageBox)>();
  ASSERT_NE(function, nullptr);
  EXPECT_EQ(*function, &gui::ShowModalMessageBox);
}

}  // namespace
