// The real program under hostile use: a paste longer than the formula box holds,
// the largest resolution the memory cap allows and the next one up, and pointer
// moves in bursts over a 1000-resolution surface. After each ordeal the window must
// still answer, its memory must stay bounded, and "Exit" must end it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "EndToEnd.h"
#include "HostileInput.h"
#include "SurfplotUser.h"
#include "surface/SpotTableSize.h"
#include "window/Form1Layout.h"

namespace {

using e2e::HostileInput;
using e2e::SurfplotUser;

QPoint CentreOf(std::string_view control) {
  const window::TwipsRect& place = window::FindForm1Control(control)->twips;
  return {window::PixelsFromTwips(place.left + place.width / 2),
          window::PixelsFromTwips(place.top + place.height / 2)};
}

const QPoint CodeBox = CentreOf("Code");
const QPoint ResolutionBox = CentreOf("Data(5)");
const QPoint ZMinBox = CentreOf("Data(6)");
const QPoint ZMaxBox = CentreOf("Data(7)");
const QPoint DrawButton = CentreOf("CommandDraw");
const QPoint ExitButton = CentreOf("Command1");
// The drawing area's inner 326 x 326 pixels start here.
const QPoint Area(10, 10);

constexpr auto FormulaTooLong =
    "The formula is too long: it may hold at most 98 numbers, names, operators and parentheses, "
    "and at most 32764 characters.";

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

QImage AreaOf(const QImage& client) { return client.copy(QRect(Area, QSize(326, 326))); }

bool SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

class HostileUse : public ::testing::Test {
 protected:
  void SetUp() override {
    if (e2e::DisplayName().isEmpty()) GTEST_SKIP() << "no X server: " << e2e::DisplayFailure().toStdString();
    user = std::make_unique<SurfplotUser>(e2e::DisplayName());
    ASSERT_TRUE(user->Launch(SURFPLOT_PROGRAM)) << "the window did not appear";
    hostile = std::make_unique<HostileInput>(e2e::DisplayName());
    ASSERT_TRUE(hostile->Found());
  }

  // Waits until the program has worked through everything sent so far: the box's
  // text reaches the clipboard only once the program handles the copy keys, which
  // queue behind whatever it is still busy with.
  bool ShowsOnceIdle(QPoint box, const QString& expected, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
      if (user->CopyText(box) == expected) return true;
      if (!user->Running()) return false;
    }
    return false;
  }

  void ExitEndsTheProgram() {
    ASSERT_TRUE(user->Running()) << "the program ended before Exit";
    user->Click(ExitButton);
    EXPECT_TRUE(user->WaitForExit()) << "Exit did not end the program";
  }

  std::unique_ptr<SurfplotUser> user;
  std::unique_ptr<HostileInput> hostile;
};

TEST_F(HostileUse, AFortyThousandCharacterPasteIsCutToTheBoxAndRefused) {
  QByteArray tooLong;
  while (tooLong.size() < 40000) tooLong += "X+";
  hostile->PasteInto(CodeBox, tooLong);
  user->Settle();
  EXPECT_EQ(user->CopyText(CodeBox), QString::fromLatin1(tooLong.left(32767)));
  user->Click(DrawButton);
  EXPECT_EQ(user->TakeMessageBox().value_or("(no box)"), FormulaTooLong);

  // A formula just short of the evaluator's limit, nearly all blanks, is drawn.
  QByteArray longButAccepted = "X / Y";
  longButAccepted.append(32764 - longButAccepted.size(), ' ');
  hostile->PasteInto(CodeBox, longButAccepted);
  user->Click(DrawButton);
  EXPECT_TRUE(ShowsOnceIdle(ZMinBox, "-11184811.", 60000));
  EXPECT_EQ(user->CopyText(ZMaxBox), "9320677.");
  EXPECT_FALSE(user->MessageBoxShowing());
  ExitEndsTheProgram();
}

TEST_F(HostileUse, TheLargestResolutionTheCapAllowsIsDrawnAndTheNextRefused) {
  user->TypeInto(ResolutionBox, "100000");
  user->Click(DrawButton);
  const QString refusal = user->TakeMessageBox().value_or("(no box)");
  const QRegularExpressionMatch named = QRegularExpression("at most (\\d+)\\.$").match(refusal);
  ASSERT_TRUE(named.hasMatch()) << refusal.toStdString();
  const int largest = named.captured(1).toInt();
  EXPECT_EQ(largest, surface::LargestFittingResolution());

  user->TypeInto(ResolutionBox, QString::number(largest + 1));
  user->Click(DrawButton);
  EXPECT_TRUE(user->TakeMessageBox().value_or("(no box)").endsWith(named.captured(0)));

  user->TypeInto(ResolutionBox, QString::number(largest));
  QElapsedTimer drawing;
  drawing.start();
  user->Click(DrawButton);
  ASSERT_TRUE(ShowsOnceIdle(ZMinBox, "0.", 240000)) << "no answer after the draw";
  const std::size_t resident = hostile->ProgramResidentBytes();
  std::printf("resolution %d: drawn and answering after %.1f s, %.0f MB resident\n", largest,
              drawing.elapsed() / 1000.0, Megabytes(resident));
  EXPECT_EQ(user->CopyText(ZMaxBox), "1.708");
  EXPECT_FALSE(user->MessageBoxShowing());
  // The cap counts the table, the redraw's working copy and the sort keys; the
  // rest of the program takes a few tens of megabytes.
  EXPECT_LT(resident, surface::SpotTableByteCap + (std::size_t{128} << 20));
  ExitEndsTheProgram();
}

TEST_F(HostileUse, BurstsOfPointerMovesOverA1000ResolutionSurface) {
  user->TypeInto(ResolutionBox, "1000");
  user->Click(DrawButton);
  ASSERT_TRUE(ShowsOnceIdle(ZMinBox, "0.", 300000));
  const QImage drawn = user->Screenshot();

  // Back and forth across the area and beyond its edges, ending at one known point.
  // The window sits at the screen's corner, so client positions stay non-negative.
  const QPoint last = Area + QPoint(150, 200);
  QVector<QPoint> path;
  for (int i = 0; i < 1500; ++i) path.append(QPoint((i * 37) % 470, (i * 53) % 420));
  path.append(last);

  QElapsedTimer burst;
  burst.start();
  hostile->DragBurst(Area + QPoint(100, 100), path);
  ASSERT_TRUE(ShowsOnceIdle(ZMinBox, "0.", 300000)) << "no answer after the burst";
  std::printf("burst of %lld moves worked through in %.1f s, %.0f MB resident\n",
              static_cast<long long>(path.size()), burst.elapsed() / 1000.0,
              Megabytes(hostile->ProgramResidentBytes()));
  const QImage afterBurst = user->Screenshot();
  EXPECT_FALSE(SamePixels(AreaOf(drawn), AreaOf(afterBurst))) << "the view did not turn";

  // The angles follow the pointer's last position alone: an ordinary drag that
  // ends at the same point shows exactly the same window.
  user->Drag(Area + QPoint(20, 20), last, 3);
  ASSERT_TRUE(ShowsOnceIdle(ZMinBox, "0.", 60000));
  EXPECT_TRUE(SamePixels(user->Screenshot(), afterBurst));

  const std::size_t afterFirst = hostile->ProgramResidentBytes();
  std::reverse(path.begin(), path.end() - 1);
  hostile->DragBurst(Area + QPoint(300, 30), path);
  ASSERT_TRUE(ShowsOnceIdle(ZMinBox, "0.", 300000)) << "no answer after the second burst";
  const std::size_t afterSecond = hostile->ProgramResidentBytes();
  std::printf("resident after the first burst %.0f MB, after the second %.0f MB\n", Megabytes(afterFirst),
              Megabytes(afterSecond));
  EXPECT_LT(afterSecond, afterFirst + (std::size_t{64} << 20)) << "memory grows with every burst";
  EXPECT_FALSE(user->MessageBoxShowing());
  ExitEndsTheProgram();
}

}  // namespace
