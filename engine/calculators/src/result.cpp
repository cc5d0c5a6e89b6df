#include "belvik/result.h"

namespace belvik {

std::size_t Result::LineCount() const {
  const std::size_t width = FiguresPerLine(calculator);
  return width == 0 ? 0 : (figures.size() - summaryCount) / width;
}

std::span<const double> Result::Line(std::size_t k) const {
  const std::size_t width = FiguresPerLine(calculator);
  return std::span<const double>(figures).subspan(k * width, width);
}

std::span<const double> Result::Summary() const {
  return std::span<const double>(figures).last(summaryCount);
}

}  // namespace belvik
