// The message-box seam: the real box's make-up, and replacing the presenter.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include "RecordedMessageBoxes.h"
#include "platform/MessageBox.h"

namespace {

TEST(MessageBox, TheRealBoxHasTheProgramsTitleAnOkButtonAndTheIcon) {
  struct Row {
    platform::MessageIcon icon;
    QMessageBox::Icon shown;
  };
  for (const Row row : {Row{platform::MessageIcon::Critical, QMessageBox::Critical},
                        Row{platform::MessageIcon::None, QMessageBox::NoIcon}}) {
    const auto box =
        platform::MakeMessageBox(nullptr, " Maximum 'X' Must be Greater than Minimum 'X'", row.icon);
    EXPECT_EQ(box->windowTitle(), "surfplot");
    EXPECT_EQ(box->text(), " Maximum 'X' Must be Greater than Minimum 'X'");
    EXPECT_EQ(box->icon(), row.shown);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
  }
}

TEST(MessageBox, ARecorderReplacesThePresenterAndIsUndone) {
  std::vector<std::string> outer;
  const auto previous = platform::ReplaceMessageBoxPresenter(
      [&](QWidget*, const std::string& text, platform::MessageIcon) { outer.push_back(text); });
  {
    platform_testing::RecordedMessageBoxes recorded;
    platform::PresentMessageBox(nullptr, "inner", platform::MessageIcon::Critical);
    ASSERT_EQ(recorded.shown.size(), 1u);
    EXPECT_EQ(recorded.shown[0].text, "inner");
    EXPECT_EQ(recorded.shown[0].icon, platform::MessageIcon::Critical);
  }
  platform::PresentMessageBox(nullptr, "outer", platform::MessageIcon::None);
  EXPECT_EQ(outer, std::vector<std::string>{"outer"});
  platform::ReplaceMessageBoxPresenter(previous);
}

}  // namespace

namespace {

TEST(MessageBox, CtrlCCopiesTheMessage) {
  const auto box = platform::MakeMessageBox(nullptr, "Resolution Must be Greater than '1'",
                                            platform::MessageIcon::Critical);
  box->show();
  QTest::keyClick(box.get(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Resolution Must be Greater than '1'");
}

}  // namespace
