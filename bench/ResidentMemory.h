#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

// Bytes this process holds resident now; 0 where /proc cannot be read.
inline std::size_t ResidentBytes() {
  std::size_t totalPages = 0, residentPages = 0;
  std::ifstream("/proc/self/statm") >> totalPages >> residentPages;
  return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// The most bytes ever resident at once in this process.
inline std::size_t PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}
