#include "picture/GifPalette.h"

#include <algorithm>
#include <limits>
#include <new>

namespace picture {
namespace {

constexpr std::size_t MostColors = 256;
// Twice the colours a frame may hold keeps the probes short.
constexpr int HashBits = 9;
constexpr std::size_t HashSlots = std::size_t{1} << HashBits;
constexpr int ChannelBits = 5;
constexpr std::size_t Reduced = std::size_t{1} << (3 * ChannelBits);

const uint32_t* Row(const QImage& frame, int y) {
  return reinterpret_cast<const uint32_t*>(frame.constScanLine(y));
}

GifColorType ColorOf(uint32_t pixel) {
  return {static_cast<GifByteType>(pixel >> 16), static_cast<GifByteType>(pixel >> 8),
          static_cast<GifByteType>(pixel)};
}

std::size_t ReducedOf(uint32_t pixel) {
  const auto channel = [&](int shift) {
    return (pixel >> (shift + 8 - ChannelBits)) & ((1u << ChannelBits) - 1);
  };
  return (channel(16) << (2 * ChannelBits)) | (channel(8) << ChannelBits) | channel(0);
}

}  // namespace

const std::vector<GifColorType>& GifPalette::Index(const QImage& frame, std::vector<GifPixelType>& indices) {
  indices.resize(static_cast<std::size_t>(frame.width()) * static_cast<std::size_t>(frame.height()));
  if (IndexExactly(frame, indices)) return exact_;
  if (shared_.empty()) MakeShared(frame);
  IndexByShared(frame, indices);
  return shared_;
}

bool GifPalette::IndexExactly(const QImage& frame, std::vector<GifPixelType>& indices) {
  // RGB32 pixels are never 0: their top byte is 0xff. 0 marks a free slot.
  keys_.assign(HashSlots, 0);
  slots_.resize(HashSlots);
  exact_.clear();
  GifPixelType* out = indices.data();
  uint32_t last = 0;
  GifPixelType lastIndex = 0;
  for (int y = 0; y < frame.height(); ++y) {
    const uint32_t* row = Row(frame, y);
    for (int x = 0; x < frame.width(); ++x, ++out) {
      const uint32_t pixel = row[x];
      if (pixel != last) {
        std::size_t slot = (pixel * 0x9E3779B1u) >> (32 - HashBits);
        while (keys_[slot] != 0 && keys_[slot] != pixel) slot = (slot + 1) & (HashSlots - 1);
        if (keys_[slot] == 0) {
          if (exact_.size() == MostColors) return false;
          keys_[slot] = pixel;
          slots_[slot] = static_cast<GifPixelType>(exact_.size());
          exact_.push_back(ColorOf(pixel));
        }
        last = pixel;
        lastIndex = slots_[slot];
      }
      *out = lastIndex;
    }
  }
  return true;
}

void GifPalette::MakeShared(const QImage& frame) {
  const std::size_t count =
      static_cast<std::size_t>(frame.width()) * static_cast<std::size_t>(frame.height());
  std::vector<GifByteType> red(count), green(count), blue(count), quantized(count);
  std::size_t k = 0;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x, ++k) {
      const GifColorType color = ColorOf(Row(frame, y)[x]);
      red[k] = color.Red;
      green[k] = color.Green;
      blue[k] = color.Blue;
    }
  int size = MostColors;
  shared_.resize(MostColors);
  if (GifQuantizeBuffer(static_cast<unsigned>(frame.width()), static_cast<unsigned>(frame.height()), &size,
                        red.data(), green.data(), blue.data(), quantized.data(), shared_.data()) == GIF_ERROR)
    throw std::bad_alloc();
  shared_.resize(static_cast<std::size_t>(std::max(size, 1)));
  nearest_.resize(Reduced);
  for (std::size_t c = 0; c < Reduced; ++c) {
    // The middle of the reduced colour's cell.
    const auto middle = [&](int shift) {
      return static_cast<int>(((c >> shift) & ((1u << ChannelBits) - 1)) << (8 - ChannelBits)) + 4;
    };
    const int r = middle(2 * ChannelBits), g = middle(ChannelBits), b = middle(0);
    int best = std::numeric_limits<int>::max();
    for (std::size_t entry = 0; entry < shared_.size(); ++entry) {
      const int dr = shared_[entry].Red - r, dg = shared_[entry].Green - g, db = shared_[entry].Blue - b;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < best) {
        best = distance;
        nearest_[c] = static_cast<GifPixelType>(entry);
      }
    }
  }
}

void GifPalette::IndexByShared(const QImage& frame, std::vector<GifPixelType>& indices) {
  GifPixelType* out = indices.data();
  for (int y = 0; y < frame.height(); ++y) {
    const uint32_t* row = Row(frame, y);
    for (int x = 0; x < frame.width(); ++x) *out++ = nearest_[ReducedOf(row[x])];
  }
}

}  // namespace picture
