#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "runtime/RuntimeError.h"

namespace formula {

// The evaluator's 100 token slots, numbered from 1. The scanner stores through
// Store(), which refuses slot 101 with a subscript fault. The reduction's copies
// near the end of a full table name slots up to 103, and its fault check may name
// slot 0: for them the table behaves as if bordered by slots that read as empty and
// ignore writes, so it is never accessed outside its 100 slots.
template <class Slot>
class TokenTable {
 public:
  static constexpr int kSlots = 100;

  const Slot& operator[](int k) const { return Holds(k) ? slots_[Index(k)] : kOutside; }

  void Require(int k) const {
    if (!Holds(k)) throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
  }

  void Store(int k, Slot slot) {
    Require(k);
    slots_[Index(k)] = std::move(slot);
  }

  void Put(int k, Slot slot) {
    if (Holds(k)) slots_[Index(k)] = std::move(slot);
  }

  // Slot `to` takes the content of slot `from`. Only used for copies that run left
  // to right, so `from` is either overwritten later or lies beyond the last token
  // and is empty anyway; it may therefore be moved from.
  void Shift(int from, int to) {
    if (!Holds(to)) return;
    if (Holds(from)) {
      slots_[Index(to)] = std::move(slots_[Index(from)]);
    } else {
      slots_[Index(to)] = Slot{};
    }
  }

 private:
  static bool Holds(int k) { return k >= 1 && k <= kSlots; }
  // Only for a slot that Holds(k).
  static std::size_t Index(int k) { return static_cast<std::size_t>(k - 1); }

  static inline const Slot kOutside{};
  std::array<Slot, kSlots> slots_{};
};

}  // namespace formula
