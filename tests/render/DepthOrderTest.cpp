#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "render/DepthOrder.h"
#include "runtime/RuntimeError.h"

namespace {

using surface::Depth;
using surface::SpotRow;
using surface::Spots;

SpotRow CellCentredAt(float x, float y, float z, float tag = 0) {
  SpotRow row{};
  row[surface::MidX] = x;
  row[surface::MidY] = y;
  row[surface::MidZ] = z;
  row[surface::ColorCode] = tag;
  return row;
}

// The bubble sort as the program describes it: neighbours swap, all 17 columns,
// only when the first is strictly deeper; passes until one makes no swap.
void LiteralBubbleSort(Spots& spots) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t j = 0, k = 1; k < spots.size(); ++j, ++k) {
      if (spots[j][Depth] > spots[k][Depth]) {
        for (int column = 0; column < surface::SpotColumnCount; ++column)
          std::swap(spots[j][column], spots[k][column]);
        swapped = true;
      }
    }
  }
}

TEST(StoreDepths, LargerIsNearerTheViewer) {
  const struct {
    const char* name;
    SpotRow row;
    float depth;
  } cases[] = {
      {"+X points away at the start view", CellCentredAt(1, 0, 0), -0.8757339f},
      {"+Y towards the viewer", CellCentredAt(0, 1, 0), 0.4081256f},
      {"+Z towards the viewer", CellCentredAt(0, 0, 1), 0.2579215f},
      {"origin", CellCentredAt(0, 0, 0), 0.0f},
      {"corners and code do not count",
       [] {
         SpotRow r = CellCentredAt(0, 0, 0, 12345);
         r[0] = r[4] = r[8] = r[11] = 99;
         return r;
       }(),
       0.0f},
  };
  Spots spots;
  for (const auto& c : cases) spots.push_back(c.row);
  render::StoreDepths(spots, render::View{});
  for (std::size_t k = 0; k < spots.size(); ++k)
    EXPECT_NEAR(spots[k][Depth], cases[k].depth, 1e-6) << cases[k].name;
}

TEST(StoreDepths, DoNotDependOnTheScale) {
  Spots a{CellCentredAt(10, -20, 30)}, b = a;
  render::View view;
  render::StoreDepths(a, view);
  view.GraphScale = -3000;
  render::StoreDepths(b, view);
  EXPECT_EQ(a[0][Depth], b[0][Depth]);
}

TEST(StoreDepths, OverflowRaisesAfterTheRowsBeforeIt) {
  const float huge = std::numeric_limits<float>::max();
  Spots spots{CellCentredAt(1, 2, 3), CellCentredAt(huge, -huge, 0), CellCentredAt(4, 5, 6)};
  spots[2][Depth] = 77;
  try {
    render::StoreDepths(spots, render::View{});
    FAIL() << "no error";
  } catch (const runtime::RuntimeError& e) {
    EXPECT_EQ(e.Number(), runtime::ErrorNumber::Overflow);
  }
  EXPECT_NE(spots[0][Depth], 0);
  EXPECT_EQ(spots[2][Depth], 77);
}

Spots RandomTable(std::mt19937& random, int rows, int distinctDepths) {
  std::uniform_int_distribution<int> depth(-distinctDepths / 2, distinctDepths / 2);
  std::uniform_real_distribution<float> other(-100, 100);
  Spots spots(rows);
  for (int r = 0; r < rows; ++r) {
    for (float& value : spots[r]) value = other(random);
    spots[r][Depth] = static_cast<float>(depth(random)) * 0.25f;
    // Both zeros compare equal and must not be told apart.
    if (spots[r][Depth] == 0 && r % 2) spots[r][Depth] = -0.0f;
  }
  return spots;
}

TEST(SortRowsFarthestFirst, SameRowsAsTheLiteralBubbleSort) {
  std::mt19937 random(11);
  const struct {
    int rows, distinctDepths;
  } shapes[] = {{0, 1}, {1, 1}, {2, 1}, {2, 4}, {17, 3}, {200, 5}, {1000, 1000}, {3000, 40}};
  for (const auto& shape : shapes) {
    for (int trial = 0; trial < 5; ++trial) {
      Spots table = RandomTable(random, shape.rows, shape.distinctDepths);
      Spots expected = table;
      LiteralBubbleSort(expected);
      render::SortRowsFarthestFirst(table);
      ASSERT_EQ(table, expected) << shape.rows << " rows, " << shape.distinctDepths << " depths";
    }
  }
}

TEST(SortRowsFarthestFirst, NearlySortedTablesAsInADrag) {
  std::mt19937 random(5);
  Spots table = RandomTable(random, 5000, 2000);
  render::SortRowsFarthestFirst(table);
  std::normal_distribution<float> nudge(0, 2);
  for (SpotRow& row : table) row[Depth] += nudge(random);
  Spots expected = table;
  LiteralBubbleSort(expected);
  render::SortRowsFarthestFirst(table);
  EXPECT_EQ(table, expected);
}

TEST(SortRowsFarthestFirst, EqualDepthsKeepTheirOrder) {
  Spots table;
  for (int r = 0; r < 500; ++r) table.push_back(CellCentredAt(7, 7, 7, static_cast<float>(r)));
  table.push_back(CellCentredAt(-1000, 0, 0, -1));
  render::StoreDepths(table, render::View{});
  render::SortRowsFarthestFirst(table);
  EXPECT_EQ(table.back()[surface::ColorCode], -1) << "+X is away, so -X is the nearest";
  for (int r = 0; r < 500; ++r) ASSERT_EQ(table[r][surface::ColorCode], r);
}

TEST(SortRowsFarthestFirst, SecondSortWithTheSameDepthsChangesNothing) {
  std::mt19937 random(9);
  Spots table = RandomTable(random, 2000, 50);
  render::SortRowsFarthestFirst(table);
  const Spots once = table;
  render::SortRowsFarthestFirst(table);
  EXPECT_EQ(table, once);
}

}  // namespace
