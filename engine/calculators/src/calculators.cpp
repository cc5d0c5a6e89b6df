// What every calculator's result offers, and the calculators reached by their description.
#include <array>

#include "belvik/calculate.h"
#include "belvik/investment.h"
#include "belvik/lump_sum.h"
#include "belvik/pension.h"
#include "belvik/present_value.h"
#include "input_texts.h"

namespace belvik {
namespace {

template <Calculator calculator, typename Texts>
Result From(std::span<const std::string> texts, Result (*calculate)(const Texts&)) {
  return calculate(StructOf<calculator, Texts>(texts));
}

using EntryPoint = Result (*)(std::span<const std::string>);

// In the order of the Calculator enum.
constexpr std::array<EntryPoint, kCalculatorCount> kEntryPoints = {
    [](std::span<const std::string> t) {
      return From<Calculator::Investment>(t, CalculateInvestment);
    },
    [](std::span<const std::string> t) { return From<Calculator::Pension>(t, CalculatePension); },
    [](std::span<const std::string> t) {
      return From<Calculator::PresentValue>(t, CalculatePresentValue);
    },
    [](std::span<const std::string> t) { return From<Calculator::LumpSum>(t, CalculateLumpSum); },
};

}  // namespace

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
  return kEntryPoints[static_cast<std::size_t>(calculator)](texts);
}

}  // namespace belvik
