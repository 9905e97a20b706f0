#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <tuple>

#include "render/DepthOrder.h"
#include "runtime/RuntimeError.h"

namespace {

using surface::CellTable;

// Neighbours swap only when the first is strictly deeper; passes until none swaps.
void LiteralBubbleSort(std::vector<uint32_t>& rows, const std::vector<float>& depth) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (std::size_t k = 1; k < rows.size(); ++k)
      if (depth[rows[k - 1]] > depth[rows[k]]) std::swap(rows[k - 1], rows[k]), swapped = true;
  }
}

// Centres on a coarse lattice, so that many rows share a depth, and zeros among them.
CellTable TableWithTies(std::mt19937& random, int rows, int spread) {
  std::uniform_int_distribution<int> coordinate(-spread, spread);
  CellTable table(static_cast<std::size_t>(rows));
  for (surface::Cell& row : table) {
    row.fill(0);
    for (const int column : {surface::MidX, surface::MidY, surface::MidZ})
      row[column] = static_cast<float>(coordinate(random)) * 0.5f;
  }
  return table;
}

// Redraw after redraw with the view turning at random, each order against the literal bubble
// sort of the rows as the previous redraw left them: ties keep their earlier order.
TEST(DepthOrder, EachRedrawIsTheLiteralBubbleSortOfThePreviousOrder) {
  std::mt19937 random(11);
  const std::pair<int, int> shapes[] = {{0, 1}, {1, 1}, {2, 1}, {17, 1}, {300, 0}, {300, 1}, {800, 5}};
  std::uniform_int_distribution<int> theta(-360, 360), phi(-180, 180);
  runtime::WorkerPool pool(1);
  int positiveZeros = 0, negativeZeros = 0;
  for (const auto& [rows, spread] : shapes) {
    const CellTable table = TableWithTies(random, rows, spread);
    render::DepthOrder order;
    order.Restart(table, pool);
    std::vector<uint32_t> expected(table.size());
    std::iota(expected.begin(), expected.end(), 0u);
    for (int redraw = 0; redraw < 6; ++redraw) {
      // Every third view repeats the last one.
      const render::View view{static_cast<int16_t>(redraw % 3 == 2 ? 0 : theta(random)),
                              static_cast<int16_t>(redraw % 3 == 2 ? 0 : phi(random))};
      const render::DepthGauge gauge(view);
      std::vector<float> depth;
      for (const surface::Cell& row : table) depth.push_back(gauge.Depth(render::CentreOf(row)));
      for (const float d : depth)
        if (d == 0) ++(std::signbit(d) ? negativeZeros : positiveZeros);
      LiteralBubbleSort(expected, depth);
      order.SortForView(view, pool);
      ASSERT_THAT(order.Rows(), testing::ElementsAreArray(expected)) << rows << " rows, redraw " << redraw;
    }
  }
  EXPECT_GT(positiveZeros, 0);
  EXPECT_GT(negativeZeros, 0);
}

// A depth beyond the float range raises, and the order stays as the last sort left it.
TEST(DepthOrder, ADepthBeyondTheFloatRangeLeavesTheOrder) {
  std::mt19937 random(5);
  CellTable table = TableWithTies(random, 40, 10);
  // At tilt -45 the centre's x and z nearly cancel; at tilt 45 they add up beyond the float range.
  table[17][surface::MidX] = table[17][surface::MidZ] = 3e38f;
  runtime::WorkerPool pool(1);
  render::DepthOrder order;
  order.Restart(table, pool);
  order.SortForView({0, -45}, pool);
  const std::vector<uint32_t> before(order.Rows().begin(), order.Rows().end());
  ASSERT_NE(before[0], 0u) << "sorted, not build order";
  EXPECT_THROW(order.SortForView({0, 45}, pool), runtime::RuntimeError);
  EXPECT_THAT(order.Rows(), testing::ElementsAreArray(before));
}

}  // namespace
