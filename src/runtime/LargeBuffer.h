#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

namespace runtime {

// An allocator for the cell table and the large working buffers of a redraw,
// which are read and written all over at random: a buffer of megabytes gets
// memory in 2 MB pages where the system offers them, so that each access does not
// also miss the address translation cache (a 4 kB page per access, millions of
// them). New elements are left uninitialized, as their owners write every one
// before reading it: zeroing a table of tens of megabytes first would cost as much
// again as the page faults.
template <class T>
struct LargePageAllocator {
  using value_type = T;
  static constexpr std::size_t PageBytes = std::size_t{2} << 20;

  LargePageAllocator() = default;
  template <class U>
  explicit LargePageAllocator(const LargePageAllocator<U>&) {}

  T* allocate(std::size_t count) {
    const std::size_t bytes = count * sizeof(T);
    if (bytes < PageBytes) return static_cast<T*>(::operator new(bytes));
    const std::size_t whole = (bytes + PageBytes - 1) / PageBytes * PageBytes;
    void* memory = std::aligned_alloc(PageBytes, whole);
    if (memory == nullptr) throw std::bad_alloc();
    // Only advice: without large pages the buffer works all the same.
    madvise(memory, whole, MADV_HUGEPAGE);
    return static_cast<T*>(memory);
  }

  void deallocate(T* memory, std::size_t count) {
    if (count * sizeof(T) < PageBytes)
      ::operator delete(memory);
    else
      std::free(memory);
  }

  template <class U>
  void construct(U* element) noexcept {
    ::new (static_cast<void*>(element)) U;
  }
  template <class U, class... Arguments>
  void construct(U* element, Arguments&&... arguments) {
    ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
  }

  template <class U>
  bool operator==(const LargePageAllocator<U>&) const {
    return true;
  }
};

template <class T>
using LargeBuffer = std::vector<T, LargePageAllocator<T>>;

// Grows a working buffer to at least `size` elements; one far too large for the
// current table, left from a finer build, is given back first.
template <class Buffer>
void EnsureSize(Buffer& buffer, std::size_t size) {
  if (buffer.capacity() > 4 * size + 4096) buffer = Buffer();
  if (buffer.size() < size) buffer.resize(size);
}

}  // namespace runtime
