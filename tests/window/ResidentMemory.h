#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

// What this process holds in memory, for tests and measurements that watch for growth.

// Under AddressSanitizer freed blocks wait in a quarantine of up to 256 MB, so the
// resident size grows with every allocation for a while; leaks are its job there.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SURFPLOT_UNDER_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(SURFPLOT_UNDER_ADDRESS_SANITIZER)
constexpr bool ResidentSizeTracksLeaks = false;
#else
constexpr bool ResidentSizeTracksLeaks = true;
#endif

// Bytes resident now; 0 where /proc cannot be read.
inline std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t totalPages = 0, residentPages = 0;
  statm >> totalPages >> residentPages;
  return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// The most bytes ever resident at once in this process.
inline std::size_t PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}
