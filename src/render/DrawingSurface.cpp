#include "render/DrawingSurface.h"

namespace render {

DrawingSurface::TextExtent DrawingSurface::MeasureText(std::string_view text) const {
  // Digits and most letters of a plain face are a little over half an em wide.
  constexpr double Em = 10;
  return {0.6 * Em * static_cast<double>(text.size()), 1.2 * Em};
}

void DrawingSurface::DrawCells(const CellBatch& batch) {
  batch.ForEachHeld([&](std::size_t cell) { DrawCell(batch, cell); });
}

void DrawingSurface::DrawCell(const CellBatch& batch, std::size_t cell) {
  if (batch.fills != nullptr) SetFillColor(batch.fills[cell]);
  const WideCorners corners = batch.CornersOf(cell);
  Polygon(corners.data(), 4);
  if (batch.ends == nullptr) return;
  std::array<float, 12> lines;
  Lines(lines.data(), batch.EdgeLines(cell, lines), batch.edgeColor);
}

}  // namespace render
