#include <gtest/gtest.h>

#include <random>

#include "render/DepthOrder.h"

namespace {

using surface::Depth;
using surface::CellTable;

// Neighbours swap whole rows only when the first is strictly deeper; passes until none swaps.
void LiteralBubbleSort(CellTable& cells) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t k = 1; k < cells.size(); ++k)
      if (cells[k - 1][Depth] > cells[k][Depth]) std::swap(cells[k - 1], cells[k]), swapped = true;
  }
}

// Random tables with many ties, both zeros among them: rows of equal depth keep their
// order, and sorting a sorted table changes nothing.
TEST(SortRowsFarthestFirst, SameRowsAsTheLiteralBubbleSort) {
  std::mt19937 random(11);
  const std::pair<int, int> shapes[] = {{0, 1}, {1, 1}, {2, 4}, {17, 3}, {500, 1}, {1000, 1000}, {3000, 40}};
  render::DepthOrder order;
  for (const auto& [rows, depths] : shapes) {
    std::uniform_int_distribution<int> depth(-depths / 2, depths / 2);
    for (int trial = 0; trial < 5; ++trial) {
      CellTable table(rows);
      for (int r = 0; r < rows; ++r) {
        table[r].fill(static_cast<float>(r));  // tells the rows apart
        table[r][Depth] = static_cast<float>(depth(random)) * 0.25f * (r % 2 ? 1 : -1);
      }
      CellTable expected = table;
      LiteralBubbleSort(expected);
      order.SortFarthestFirst(table);
      ASSERT_EQ(table, expected) << rows << " rows, " << depths << " depths";
      order.SortFarthestFirst(table);
      ASSERT_EQ(table, expected) << "sorted twice";
    }
  }
}

}  // namespace
