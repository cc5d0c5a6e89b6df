// What every calculator's result offers, and the calculators reached by name.
#include "belvik/calculators.h"

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

Result Calculate(Calculator calculator, std::span<const std::string> texts) {
  const auto text = [texts](std::size_t k) { return k < texts.size() ? texts[k] : std::string(); };
  switch (calculator) {
    case Calculator::Investment:
      return CalculateInvestment({text(0), text(1), text(2), text(3)});
    case Calculator::Pension:
      return CalculatePension({text(0), text(1), text(2), text(3), text(4)});
    case Calculator::PresentValue:
      return CalculatePresentValue({text(0), text(1), text(2)});
    case Calculator::LumpSum:
      return CalculateLumpSum({text(0), text(1), text(2)});
  }
  return CalculateInvestment({});
}

}  // namespace belvik
