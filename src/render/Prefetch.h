#pragma once

#include <cstddef>
#include <cstdint>

namespace render {

// Walks that take items in an order jumping all over memory wait on every item; asking
// for the item some way ahead hides that wait behind the work on the one in hand.
constexpr std::size_t PrefetchDistance = 16;

// Asks memory for items[order[k + PrefetchDistance]] while it lies before `end`.
template <class Item>
void PrefetchAhead(const Item* items, const uint32_t* order, std::size_t k, std::size_t end) {
  if (k + PrefetchDistance < end) __builtin_prefetch(&items[order[k + PrefetchDistance]]);
}

}  // namespace render
