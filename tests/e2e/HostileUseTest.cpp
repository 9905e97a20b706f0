// The real program under hostile use. After each ordeal the window must still answer.
#include <QRegularExpression>

#include "SurfplotUser.h"
#include "surface/CellTableSize.h"

namespace {

using e2e::DrawingArea;
using HostileUse = e2e::EndToEnd;

constexpr std::size_t Megabyte = std::size_t{1} << 20;

TEST_F(HostileUse, AFortyThousandCharacterPasteIsCutToTheBoxAndRefused) {
  const QByteArray tooLong = QByteArray("X+").repeated(20000);
  user.Paste("Code", tooLong);
  EXPECT_EQ(user.Copy("Code"), QString::fromLatin1(tooLong.left(32767)));
  user.Click("CommandDraw");
  EXPECT_TRUE(user.TakeMessageBox().startsWith("The formula is too long"));
  EXPECT_EQ(user.TakeMessageBox(0), "(no box)");
  EXPECT_TRUE(user.Running());
}

TEST_F(HostileUse, TheLargestResolutionTheCapAllowsIsDrawnAndTheNextRefused) {
  user.Paste("Data(5)", "100000");
  user.Click("CommandDraw");
  const QString refusal = user.TakeMessageBox();
  const QRegularExpressionMatch largest = QRegularExpression("at most (\\d+)\\.$").match(refusal);
  ASSERT_TRUE(largest.hasMatch()) << refusal.toStdString();
  EXPECT_EQ(largest.captured(1).toInt(), surface::LargestFittingResolution());

  user.Paste("Data(5)", QByteArray::number(largest.captured(1).toInt() + 1));
  user.Click("CommandDraw");
  EXPECT_TRUE(user.TakeMessageBox().endsWith(largest.captured(0)));

  user.Paste("Data(5)", largest.captured(1).toLatin1());
  user.Click("CommandDraw");
  ASSERT_TRUE(user.WaitForText("Data(6)", "0.", 240000)) << "no answer after the draw";
  EXPECT_EQ(user.TakeMessageBox(0), "(no box)");
  // The cap counts the table, the redraw's working copy and the sort keys; the
  // rest of the program takes a few tens of megabytes.
  EXPECT_LT(user.ResidentBytes(), surface::CellTableByteCap + 128 * Megabyte);
}

TEST_F(HostileUse, BurstsOfPointerMovesOverA1000ResolutionSurface) {
  user.Paste("Data(5)", "1000");
  user.Click("CommandDraw");
  ASSERT_TRUE(user.WaitForText("Data(6)", "0.", 240000));
  const QImage drawn = user.Screenshot();
  // Back and forth across the area and beyond its edges.
  QVector<QPoint> path;
  for (int i = 0; i < 1500; ++i) path.append(QPoint((i * 37) % 470, (i * 53) % 420));
  std::size_t afterFirst = 0;
  for (QPoint start : {QPoint(110, 110), QPoint(310, 40)}) {
    user.Drag(start, path);
    ASSERT_TRUE(user.WaitForText("Data(6)", "0.", 240000)) << "no answer after the burst";
    EXPECT_NE(user.Screenshot().copy(DrawingArea), drawn.copy(DrawingArea)) << "the view did not turn";
    if (!afterFirst) afterFirst = user.ResidentBytes();
    std::reverse(path.begin(), path.end());
  }
  EXPECT_LT(user.ResidentBytes(), afterFirst + 64 * Megabyte) << "memory grows with every burst";
  EXPECT_EQ(user.TakeMessageBox(0), "(no box)");
  user.Click("Command1");
  EXPECT_TRUE(user.WaitForExit());
}

}  // namespace
